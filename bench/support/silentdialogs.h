// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/dialogs.h"

namespace velmo::bench {

// Boxes that never open: a benchmark that asks the user anything has gone wrong, and `messages`
// says how often it would have.
class SilentDialogs : public Dialogs {
public:
    void message(const QString &, const QString &, MessageIcon) override { ++messages; }
    QString input(const QString &, const QString &, const QString &) override { return {}; }
    Answer askYesNoCancel(const QString &, const QString &) override { return Answer::Cancel; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    int messages = 0;
};

}  // namespace velmo::bench
