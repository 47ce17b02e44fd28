// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QLocale>
#include <QStringList>
#include <QTextStream>

namespace velmo {

// The exit code for missing or invalid arguments.
inline constexpr int kCalculatorInputError = 2;

// The console calculator: `arguments` without the program name. Writes the results to `out`,
// messages to `err`, and returns the exit code (0 done, 2 missing or invalid arguments). Whether
// `out` reached its destination is the caller's to check.
int runEnergyCalculator(const QStringList &arguments, QTextStream &out, QTextStream &err, const QLocale &locale);

QString energyCalculatorHelp();

}  // namespace velmo
