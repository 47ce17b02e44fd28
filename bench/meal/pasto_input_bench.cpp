// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/programdir.h"
#include "meal/mealfile.h"
#include "support/endlessinput.h"

#include <QIODevice>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>

#ifdef Q_OS_LINUX
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#endif

namespace {

using namespace velmo;
using test::EndlessInput;

// The endless inputs a user can hand to velmo-pasto by mistake: a device, a binary file, a
// runaway generator of lines.
enum Kind { Zeros, RandomBytes, BlankLines, FoodLines, BadLines, OneEndlessLine };

QByteArray pattern(int kind)
{
    switch (kind) {
    case Zeros: return QByteArray(64 * 1024, '\0');
    case RandomBytes: {
        QByteArray bytes(64 * 1024, Qt::Uninitialized);
        QRandomGenerator generator(97);
        for (char &b : bytes)
            b = static_cast<char>(generator.bounded(256));
        return bytes;
    }
    case BlankLines: return QByteArray("\n").repeated(64 * 1024);
    case FoodLines: return QByteArray("Frutta;Banana, cruda;150\n").repeated(2048);
    case BadLines: return QByteArray("Frutta;Banana;cruda;150\n").repeated(2048);
    default: return QByteArray(64 * 1024, 'x');
    }
}

const char *kindName(int kind)
{
    static const char *names[] = {"zeros",      "random bytes", "blank lines",
                                  "food lines", "bad lines",    "one endless line"};
    return names[kind];
}

// The reader alone on an endless input: how long until it gives up, and how much it reads.
void BM_ReadEndlessMealFile(benchmark::State &state)
{
    const QByteArray bytes = pattern(static_cast<int>(state.range(0)));
    qint64 served = 0;
    for (auto _ : state) {
        EndlessInput input(bytes);
        const MealFile file = readMealFile(input);
        benchmark::DoNotOptimize(file.errors.size());
        served = input.served;
    }
    state.SetLabel(kindName(static_cast<int>(state.range(0))));
    state.counters["bytes_read"] = static_cast<double>(served);
}
BENCHMARK(BM_ReadEndlessMealFile)->DenseRange(Zeros, OneEndlessLine)->Unit(benchmark::kMillisecond);

#ifdef Q_OS_LINUX

// velmo-pasto as a whole process with an endless pipe on its standard input, fed until the
// program closes it; the peak resident memory comes from the kernel's account of the child.
void BM_PastoProcessEndlessInput(benchmark::State &state)
{
    std::signal(SIGPIPE, SIG_IGN);
    const QByteArray bytes = pattern(static_cast<int>(state.range(0)));
    const QByteArray program = programFile(QStringLiteral("velmo-pasto")).toLocal8Bit();
    long peakKb = 0;
    for (auto _ : state) {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[0], STDIN_FILENO);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        char *argv[] = {const_cast<char *>(program.constData()), nullptr};
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, program.constData(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[0]);
        if (spawned != 0) {
            close(fds[1]);
            state.SkipWithError("velmo-pasto did not start");
            return;
        }
        std::thread feeder([fd = fds[1], &bytes] {
            while (write(fd, bytes.constData(), static_cast<std::size_t>(bytes.size())) > 0) {
            }
            close(fd);
        });
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        feeder.join();
        peakKb = std::max(peakKb, usage.ru_maxrss);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 2) {
            state.SkipWithError("velmo-pasto did not end with code 2");
            return;
        }
    }
    state.SetLabel(kindName(static_cast<int>(state.range(0))));
    state.counters["peak_rss_MB"] = static_cast<double>(peakKb) / 1024.0;
}
BENCHMARK(BM_PastoProcessEndlessInput)->DenseRange(Zeros, OneEndlessLine)->Unit(benchmark::kMillisecond)->UseRealTime();

#endif

}  // namespace
