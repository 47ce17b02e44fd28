// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace velmo {

class ConsoleOutput;

// `velmo-pasto --bilancia FILE [--kcal N | --persona NOME] [--tolleranza P] [--libero N,N...]
// [--piu-vicino]`: the weights of a meal or day file that meet the energy and the usual targets.
struct BalanceCommand {
    QString file;
    std::optional<double> kcal;
    std::optional<QString> person;
    double tolerancePercent = 3;
    std::vector<int> freeRows;  // counted from 1 in the file's order; empty: every row is free
    bool closest = false;
};

// The exit code when no plan meets every target.
inline constexpr int kNoPlanMeetsTargets = 4;

// Reads the arguments that follow the program's name when they ask for balancing (--bilancia
// given). None with `error` empty when they do not; none with the message when they ask in a
// wrong way.
std::optional<BalanceCommand> readBalanceCommand(const QStringList &arguments, QString *error);

// Writes the balanced file to standard output and the totals against the targets to standard
// error; the program's exit code.
int runBalanceCommand(ConsoleOutput &output, const BalanceCommand &command);

// The paragraph of `--help` that tells of --bilancia.
QString balanceHelpText();

}  // namespace velmo
