// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QByteArray>
#include <QString>

namespace velmo {

// The console programs' standard output, written so that no lost text goes unnoticed: a full
// disk, a closed standard output or a reader that went away all end the run with this code and
// a message, never with a silent success.
constexpr int kOutputFailure = 3;

class ConsoleOutput {
public:
    // Call before anything could open a file: it notes whether standard output is open at all
    // and keeps failed writes as errors (keepFailedWritesAsErrors).
    ConsoleOutput();

    // Appends `text` (as UTF-8) to standard output. False, now and for every later call, once
    // any part of the output could not be written.
    bool write(const QString &text);

    // Hands the output over for good (the system may report a delayed write error only here).
    // False when any of the output was lost.
    bool close();

    bool failed() const { return error_ != 0; }

    // "<program>: impossibile scrivere ... sullo standard output: <reason>", in the interface's language.
    QString failureMessage(const QString &program) const;

private:
    bool writeBytes(const QByteArray &bytes);

    int error_ = 0;  // the system's error number of the first failure
    bool closed_ = false;
};

// A write that cannot be made becomes an error the writer reports, never a kill by signal: a
// reader that went away (a broken pipe), or a file grown to the size the user's limits allow
// (`ulimit -f`), which would otherwise end the program at once, leaving an empty file and, in
// the window, losing the work not yet saved. ConsoleOutput calls it; the window calls it first.
void keepFailedWritesAsErrors();

// Messages for the user; standard error has nowhere to report its own failure.
void writeStandardError(const QString &text);

}  // namespace velmo
