// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/safefile.h"

#include "common/userfolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <utility>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velmo {

namespace {

// As many links one after the other as the system follows itself.
constexpr int kMaxLinkHops = 40;

// The system's own words are English; say what the user can act on.
QString openFailure(const QString &path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (file.isDir())
        return QCoreApplication::translate("SafeFile", "è una cartella, non un file");
    if (!folder.exists())
        return QCoreApplication::translate("SafeFile", "la cartella %1 non esiste").arg(folder.absoluteFilePath());
    if (!folder.isDir())
        return QCoreApplication::translate("SafeFile", "%1 non è una cartella").arg(folder.absoluteFilePath());
    if (!folder.isWritable() || (file.exists() && !file.isWritable()))
        return QCoreApplication::translate("SafeFile", "permessi insufficienti");
    return QCoreApplication::translate("SafeFile", "impossibile creare il file");
}

QString notRegularFile()
{
    return QCoreApplication::translate(
        "SafeFile",
        "non è un file normale (è una pipe, un dispositivo o un socket): indicare un file salvato su disco");
}

// A path that names something other than a file or a folder (a folder gets its own words when
// the file cannot be opened): the file put in its place would take it away.
bool refusedAsSpecial(const QString &path, QString *reason)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile() || info.isDir())
        return false;
    *reason = notRegularFile();
    return true;
}

}  // namespace

bool writeFileSafely(const QString &path, const QByteArray &bytes, QString *reason)
{
    if (refusedAsSpecial(path, reason))
        return false;
    QSaveFile file(path);
    // Unbuffered, so that a write the disk refuses fails here and not unseen in the final flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *reason = openFailure(path);
        return false;
    }
    // An uncommitted file is discarded with its temporary when `file` goes.
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        *reason = file.error() == QFileDevice::RenameError
                      ? QCoreApplication::translate("SafeFile", "impossibile sostituire il file esistente")
                      : QCoreApplication::translate("SafeFile",
                                                    "scrittura non riuscita (disco pieno o file troppo grande)");
        return false;
    }
    return true;
}

bool preparePrivateFile(const QString &path, bool *made, QString *reason)
{
    if (refusedAsSpecial(path, reason))
        return false;
    // Only a file the user may write is made private: a folder, or a file made read-only, is
    // refused as it stands, open to whom it was open.
    const QFileInfo info(path);
    if (info.isDir() || (info.exists() && !info.isWritable())) {
        *reason = openFailure(path);
        return false;
    }
    *made = !info.exists();
    if (*made ? !createPrivateFile(path, reason) : !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner)) {
        // The folder's own fault says more than the system's English words.
        *reason = *made ? openFailure(path)
                        : QCoreApplication::translate("SafeFile", "impossibile renderlo leggibile solo al suo "
                                                                  "proprietario");
        return false;
    }
    return true;
}

bool writePrivateFileSafely(const QString &path, const QByteArray &bytes, QString *reason)
{
    bool made = false;
    if (!preparePrivateFile(path, &made, reason))
        return false;
    if (writeFileSafely(path, bytes, reason))
        return true;
    if (made)
        QFile::remove(path);
    return false;
}

StagedPrivateFile::StagedPrivateFile(QString target) : target_(std::move(target))
{
}

StagedPrivateFile::~StagedPrivateFile() = default;

bool StagedPrivateFile::open(QString *reason)
{
    // A link's file takes the new one, the links stay links: written through, as in place. A
    // chain that never ends in a file (a loop) is refused.
    for (int hops = 0; QFileInfo(target_).isSymLink(); ++hops) {
        if (hops == kMaxLinkHops) {
            *reason = QCoreApplication::translate("SafeFile", "i collegamenti simbolici formano un cerchio");
            return false;
        }
        target_ = QFileInfo(target_).symLinkTarget();
    }
    if (refusedAsSpecial(target_, reason))
        return false;
    const QFileInfo info(target_);
    if (info.isDir() || (info.exists() && !info.isWritable())) {
        *reason = openFailure(target_);
        return false;
    }
#ifndef Q_OS_WIN
    // Another user's file, even one open to all, is not taken from its owner.
    if (info.exists() && info.ownerId() != ::geteuid()) {
        *reason = QCoreApplication::translate("SafeFile", "impossibile renderlo leggibile solo al suo proprietario");
        return false;
    }
#endif
    // QTemporaryFile makes its file private (0600), and removes it unless it is committed.
    temporary_ = std::make_unique<QTemporaryFile>(target_ + QStringLiteral(".XXXXXX"));
    if (!temporary_->open()) {
        temporary_.reset();
        *reason = openFailure(target_);
        return false;
    }
    temporary_->close();
    return true;
}

QString StagedPrivateFile::temporaryPath() const
{
    return temporary_ ? temporary_->fileName() : QString();
}

bool StagedPrivateFile::commit(QString *reason)
{
    if (!temporary_) {
        *reason = openFailure(target_);
        return false;
    }
    const QString path = temporary_->fileName();
    bool onDisk = temporary_->open();
#ifndef Q_OS_WIN
    onDisk = onDisk && ::fsync(temporary_->handle()) == 0;
#endif
    temporary_->close();
    if (!onDisk) {
        *reason = QCoreApplication::translate("SafeFile", "scrittura non riuscita (disco pieno o file troppo grande)");
        return false;
    }
#ifdef Q_OS_WIN
    QFile::remove(target_);
    const bool renamed = QFile::rename(path, target_);
#else
    const bool renamed = ::rename(QFile::encodeName(path).constData(), QFile::encodeName(target_).constData()) == 0;
#endif
    if (!renamed) {
        *reason = QCoreApplication::translate("SafeFile", "impossibile sostituire il file esistente");
        return false;
    }
    temporary_->setAutoRemove(false);
    temporary_.reset();
    return true;
}

bool isCompletePdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The file ends with "startxref", the offset of its cross-reference table, and "%%EOF".
    const qint64 size = file.size();
    const qint64 tailSize = std::min<qint64>(size, 64);
    if (!file.seek(size - tailSize))
        return false;
    const QByteArray tail = file.read(tailSize);
    const qsizetype at = tail.lastIndexOf("startxref");
    if (at < 0)
        return false;
    const QList<QByteArray> words = tail.mid(at + 9).simplified().split(' ');
    bool ok = false;
    const qint64 table = words.size() == 2 && words.at(1) == "%%EOF" ? words.at(0).toLongLong(&ok) : -1;
    return ok && table >= 0 && table < size && file.seek(table) && file.read(4) == "xref";
}

bool openRegularFile(QFile &file, QString *reason)
{
    const QString notRegular = notRegularFile();
#ifdef Q_OS_WIN
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isDir() && !info.isFile()) {
        *reason = notRegular;
        return false;
    }
    if (info.exists() && !info.isDir() && file.open(QIODevice::ReadOnly))
        return true;
    *reason = !info.exists() ? QCoreApplication::translate("SafeFile", "il file non esiste")
              : info.isDir() ? QCoreApplication::translate("SafeFile", "è una cartella, non un file")
                             : QCoreApplication::translate("SafeFile", "permessi insufficienti");
    return false;
#else
    // Non-blocking, so that opening a named pipe with no writer returns at once; the check is
    // made on what was opened, so nothing can be swapped in between.
    int fd = -1;
    do {
        fd = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    struct stat status {};
    if (fd < 0 || fstat(fd, &status) != 0) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        switch (error) {
        case ENOENT:
        case ENOTDIR:
            // A name whose bytes are no UTF-8 reaches the program with U+FFFD in their place, and
            // no longer names the file: that, not its absence, is what the user must hear.
            *reason = file.fileName().contains(QChar::ReplacementCharacter)
                          ? QCoreApplication::translate("SafeFile", "il nome del file ha caratteri che non sono UTF-8 "
                                                                    "(rinominare il file)")
                          : QCoreApplication::translate("SafeFile", "il file non esiste");
            break;
        case EACCES:
        case EPERM: *reason = QCoreApplication::translate("SafeFile", "permessi insufficienti"); break;
        case ENXIO: *reason = notRegular; break;  // a socket
        case ELOOP:
            *reason = QCoreApplication::translate("SafeFile", "troppi collegamenti simbolici nel percorso");
            break;
        case ENAMETOOLONG: *reason = QCoreApplication::translate("SafeFile", "il nome del file è troppo lungo"); break;
        default: *reason = QCoreApplication::translate("SafeFile", "errore di sistema n. %1").arg(error); break;
        }
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        *reason = S_ISDIR(status.st_mode) ? QCoreApplication::translate("SafeFile", "è una cartella, non un file")
                                          : notRegular;
        return false;
    }
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        *reason = QCoreApplication::translate("SafeFile", "errore di sistema n. %1").arg(errno);
        ::close(fd);
        return false;
    }
    return true;
#endif
}

}  // namespace velmo
