// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/consoleoutput.h"
#include "support/tablecase.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Where the program's standard output goes.
enum class Sink { FullDisk, Closed, ReaderGone, FileSizeLimit };

// Runs `program` with standard output sent to `sink` (SIGPIPE at its default, as a shell leaves
// it) and gives its exit code (-1: ended by a signal) and its standard error.
std::pair<int, QString> runWithOutput(const char *program, const QStringList &arguments, Sink sink)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {-1, {}};
    close(pipeFds[0]);  // the reader is gone before the program starts
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("it"));  // the messages below
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    const QByteArray limitedFile = QFile::encodeName(
        QDir::temp().filePath(QStringLiteral("velmo-console-limit-%1").arg(getpid())));
    process.setChildProcessModifier([sink, writeEnd = pipeFds[1], limitedFile] {
        switch (sink) {
        case Sink::FullDisk: dup2(open("/dev/full", O_WRONLY), 1); break;
        case Sink::Closed: close(1); break;
        case Sink::ReaderGone: dup2(writeEnd, 1); break;
        case Sink::FileSizeLimit: {  // a file of at most 16 bytes, as `ulimit -f` allows (SIGXFSZ at its default)
            const int file = open(limitedFile.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const rlimit limit{16, 16};
            if (file >= 0 && dup2(file, 1) == 1 && setrlimit(RLIMIT_FSIZE, &limit) == 0)
                std::signal(SIGXFSZ, SIG_DFL);
            break;
        }
        }
    });
    process.start(QString::fromUtf8(program), arguments);
    const bool finished = process.waitForFinished(60000);
    close(pipeFds[1]);
    QFile::remove(QFile::decodeName(limitedFile));
    const bool normal = finished && process.exitStatus() == QProcess::NormalExit;
    return {normal ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardError())};
}

// Every sink for every program and kind of output: the report, the CSV table, the help.
TEST(ConsoleOutput, LostOutputEndsWithCodeThreeAndSaysWhy)
{
    const QStringList energy =
        QStringLiteral("--sesso F --anni 30 --peso 60 --attivita moderata --auspicabili si").split(u' ');
    // clang-format off
    const struct { int line; const char *program; const char *name; QStringList arguments; } runs[] = {
        {__LINE__, VELMO_PASTO, "velmo-pasto", {QStringLiteral(VELMO_SOURCE_DIR "/examples/pasto.txt")}},
        {__LINE__, VELMO_PASTO, "velmo-pasto", {QStringLiteral("--help")}},
        {__LINE__, VELMO_FABBISOGNO, "velmo-fabbisogno", energy},
        {__LINE__, VELMO_FABBISOGNO, "velmo-fabbisogno", energy + QStringList{QStringLiteral("--csv")}},
        {__LINE__, VELMO_FABBISOGNO, "velmo-fabbisogno", {QStringLiteral("--help")}},
    };
    const struct { Sink sink; const char *reason; } sinks[] = {
        {Sink::FullDisk, "disco pieno"},
        {Sink::Closed, "lo standard output è chiuso"},
        {Sink::ReaderGone, "la pipe è stata chiusa da chi leggeva"},
        {Sink::FileSizeLimit, "il file ha raggiunto la dimensione massima"},
    };
    // clang-format on
    for (const auto &c : runs) {
        VELMO_CASE(c);
        for (const auto &s : sinks) {
            const auto [exitCode, err] = runWithOutput(c.program, c.arguments, s.sink);
            EXPECT_EQ(exitCode, 3) << err.toStdString();
            EXPECT_EQ(err, QStringLiteral("%1: impossibile scrivere il risultato sullo standard output: %2\n")
                               .arg(QString::fromLatin1(c.name), QString::fromUtf8(s.reason)));
        }
    }
}

// An output written whole closes well, whatever failed call before it left its number in errno.
TEST(ConsoleOutput, AWholeOutputClosesWellWhateverErrnoHolds)
{
    std::fflush(stdout);
    const int saved = dup(1);
    ASSERT_EQ(dup2(fileno(std::tmpfile()), 1), 1);
    velmo::ConsoleOutput out;
    ASSERT_TRUE(out.write(QStringLiteral("x\n")));
    errno = ENOENT;  // as a look for a file that is not there leaves it
    EXPECT_TRUE(out.close());
    dup2(saved, 1);
    close(saved);
}

}  // namespace
