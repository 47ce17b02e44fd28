#include <QByteArray>
#include <QString>
#include <QStringList>

#include "support/tablecase.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char **environ;

namespace {

// Where the program's standard output goes.
enum class Sink { FullDisk, Closed, ReaderGone };

// clang-format off
struct Outcome { int exitCode = -1; QString err; };  // exit code -1: ended by a signal
// clang-format on

// Runs `program` with standard output sent to `sink` and SIGPIPE at its default, as a shell
// leaves it; standard input is empty.
Outcome runWithOutput(const char *program, const QStringList &arguments, Sink sink)
{
    int errPipe[2];
    int outPipe[2];
    if (pipe(errPipe) != 0 || pipe(outPipe) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    switch (sink) {
    case Sink::FullDisk: posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0); break;
    case Sink::Closed: posix_spawn_file_actions_addclose(&actions, 1); break;
    case Sink::ReaderGone: posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1); break;
    }
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    for (int fd : {errPipe[0], errPipe[1], outPipe[0], outPipe[1]})
        posix_spawn_file_actions_addclose(&actions, fd);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

    std::vector<QByteArray> storage{QByteArray(program)};
    for (const QString &a : arguments)
        storage.push_back(a.toUtf8());
    std::vector<char *> argv;
    for (QByteArray &s : storage)
        argv.push_back(s.data());
    argv.push_back(nullptr);

    // The reader is gone before the program starts: its first write meets a broken pipe.
    close(outPipe[0]);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(outPipe[1]);
    close(errPipe[1]);
    Outcome run;
    QByteArray err;
    char buffer[4096];
    for (ssize_t n; spawned == 0 && (n = read(errPipe[0], buffer, sizeof buffer)) > 0;)
        err.append(buffer, n);
    close(errPipe[0]);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid)
        return run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = QString::fromUtf8(err);
    return run;
}

// Every sink for every program and kind of output: the report, the CSV table, the help.
TEST(ConsoleOutput, LostOutputEndsWithCodeThreeAndSaysWhy)
{
    const QStringList energy = QStringLiteral("--sesso F --anni 30 --peso 60 --attivita moderata --auspicabili si").split(u' ');
    // clang-format off
    const struct { int line; const char *program; const char *name; QStringList arguments; } runs[] = {
        {__LINE__, VELMO_PASTO, "velmo-pasto", {QStringLiteral(VELMO_SOURCE_DIR "/examples/pasto.txt")}},
        {__LINE__, VELMO_PASTO, "velmo-pasto", {QStringLiteral("--help")}},
        {__LINE__, VELMO_FABBISOGNO, "velmo-fabbisogno", energy},
        {__LINE__, VELMO_FABBISOGNO, "velmo-fabbisogno", energy + QStringList{QStringLiteral("--csv")}},
        {__LINE__, VELMO_FABBISOGNO, "velmo-fabbisogno", {QStringLiteral("--help")}},
    };
    // clang-format on
    // clang-format off
    const struct { Sink sink; const char *reason; } sinks[] = {
        {Sink::FullDisk, "disco pieno"},
        {Sink::Closed, "lo standard output è chiuso"},
        {Sink::ReaderGone, "la pipe è stata chiusa da chi leggeva"},
    };
    // clang-format on
    for (const auto &c : runs) {
        VELMO_CASE(c);
        for (const auto &s : sinks) {
            const Outcome run = runWithOutput(c.program, c.arguments, s.sink);
            EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
            EXPECT_EQ(run.err, QStringLiteral("%1: impossibile scrivere il risultato sullo standard output: %2\n")
                                   .arg(QString::fromLatin1(c.name), QString::fromUtf8(s.reason)));
        }
    }
}

}  // namespace
