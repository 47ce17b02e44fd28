// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/consoleoutput.h"

#include <QCoreApplication>

#include <cerrno>
#include <csignal>
#include <algorithm>
#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#endif

namespace velmo {

namespace {

constexpr int kStdout = 1;

QString reasonText(int error)
{
    switch (error) {
    case ENOSPC: return QCoreApplication::translate("ConsoleOutput", "disco pieno");
#ifdef EDQUOT
    case EDQUOT: return QCoreApplication::translate("ConsoleOutput", "spazio su disco dell'utente esaurito");
#endif
    case EPIPE: return QCoreApplication::translate("ConsoleOutput", "la pipe è stata chiusa da chi leggeva");
    case EBADF: return QCoreApplication::translate("ConsoleOutput", "lo standard output è chiuso");
    case EIO: return QCoreApplication::translate("ConsoleOutput", "errore di lettura o scrittura del dispositivo");
    case EFBIG: return QCoreApplication::translate("ConsoleOutput", "il file ha raggiunto la dimensione massima");
    case EACCES:
    case EPERM: return QCoreApplication::translate("ConsoleOutput", "permessi insufficienti");
    default: return QCoreApplication::translate("ConsoleOutput", "errore di sistema n. %1").arg(error);
    }
}

bool isOpen(int fd)
{
#ifdef Q_OS_WIN
    return _get_osfhandle(fd) != -1;
#else
    return fcntl(fd, F_GETFD) != -1 || errno != EBADF;
#endif
}

// Writes all of `data`; the system's error number on failure, else 0.
int writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
#ifdef Q_OS_WIN
        const int chunk = static_cast<int>(std::min<qsizetype>(size, 1 << 20));
        const int written = _write(fd, data, static_cast<unsigned>(chunk));
#else
        const ssize_t written = ::write(fd, data, static_cast<std::size_t>(size));
#endif
        if (written < 0) {
            if (errno == EINTR)
                continue;
#ifndef Q_OS_WIN
            // A standard output left non-blocking by the caller: wait until it takes more.
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                pollfd p{fd, POLLOUT, 0};
                if (poll(&p, 1, -1) >= 0 || errno == EINTR)
                    continue;
            }
#endif
            return errno;
        }
        if (written == 0)
            return EIO;
        data += written;
        size -= written;
    }
    return 0;
}

}  // namespace

void keepFailedWritesAsErrors()
{
#ifndef Q_OS_WIN
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

ConsoleOutput::ConsoleOutput()
{
    keepFailedWritesAsErrors();
    if (!isOpen(kStdout)) {
        error_ = EBADF;
        // Hold the slot with a device that takes no writes, so that no file opened later
        // becomes standard output by accident.
#ifdef Q_OS_WIN
        const int placeholder = _open("NUL", _O_RDONLY);
        if (placeholder >= 0 && placeholder != kStdout) {
            _dup2(placeholder, kStdout);
            _close(placeholder);
        }
#else
        const int placeholder = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (placeholder >= 0 && placeholder != kStdout) {
            dup2(placeholder, kStdout);
            ::close(placeholder);
        }
#endif
    }
#ifndef Q_OS_WIN
    // A closed standard input reads as an empty one, never as whatever file takes its slot.
    if (!isOpen(STDIN_FILENO)) {
        const int empty = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (empty >= 0 && empty != STDIN_FILENO) {
            dup2(empty, STDIN_FILENO);
            ::close(empty);
        }
    }
#endif
}

bool ConsoleOutput::writeBytes(const QByteArray &bytes)
{
    if (error_ == 0 && closed_)
        error_ = EBADF;
    if (error_ != 0)
        return false;
    error_ = writeAll(kStdout, bytes.constData(), bytes.size());
    return error_ == 0;
}

bool ConsoleOutput::write(const QString &text)
{
    return writeBytes(text.toUtf8());
}

bool ConsoleOutput::close()
{
    if (closed_)
        return error_ == 0;
    closed_ = true;
    // Anything a library may have put in the C library's buffer goes out first.
    if (std::fflush(stdout) != 0 && error_ == 0)
        error_ = errno;
    if (error_ != 0)
        return false;
#ifdef Q_OS_WIN
    const int result = _close(kStdout);
#else
    const int result = ::close(kStdout);
#endif
    // After an interrupted close the descriptor is gone all the same; only a real error counts.
    if (result != 0 && errno != EINTR)
        error_ = errno;
    return error_ == 0;
}

QString ConsoleOutput::failureMessage(const QString &program) const
{
    return QCoreApplication::translate("ConsoleOutput",
                                       "%1: impossibile scrivere il risultato sullo standard output: %2")
        .arg(program, reasonText(error_ != 0 ? error_ : EIO));
}

void writeStandardError(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    writeAll(2, bytes.constData(), bytes.size());
}

}  // namespace velmo
