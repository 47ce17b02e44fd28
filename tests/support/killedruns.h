// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

// Kills a program again and again in the middle of a change and checks after each kill that the
// file it changes holds the old or the new state, never a mixture.

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <iostream>

namespace velmo::test {

// Runs `program` with `arguments(0)` once to the end, which must give `full[0]`, then `kills`
// times with the arguments that change the state to the other one, killed with SIGKILL at a
// random moment. `stateOf` reads the state from the file. The kill moments follow the end of the
// runs: a run that got to its end shortens the range, one that did not lengthens it, so that most
// kills fall while the file is written.
inline void killChangesAtRandom(const QString &program, const QProcessEnvironment &env,
                                const std::function<QStringList(int)> &arguments,
                                const std::function<QString()> &stateOf, const QString (&full)[2], int kills)
{
    QProcess process;
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments(0));
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    double limit = static_cast<double>(std::max<qint64>(clock.nsecsElapsed() / 1000, 1000));
    QString current = stateOf();
    ASSERT_EQ(current, full[0]);

    int newStates = 0;
    for (int kill = 0; kill < kills; ++kill) {
        const int next = current == full[0] ? 1 : 0;
        process.start(program, arguments(next));
        ASSERT_TRUE(process.waitForStarted());
        QThread::usleep(static_cast<unsigned long>(limit * (0.5 + QRandomGenerator::global()->generateDouble() / 2)));
        ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString after = stateOf();
        ASSERT_TRUE(after == current || after == full[next]) << "uccisione " << kill << ": " << after.toStdString();
        newStates += after == current ? 0 : 1;
        limit *= after == current ? 1.05 : 0.9;
        current = after;
    }
    // Not a check: how the kills fell depends on the machine.
    std::cout << kills << " modifiche interrotte, " << newStates << " già concluse\n";
}

}  // namespace velmo::test
