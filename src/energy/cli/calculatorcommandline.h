// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace velmo {

// What velmo-fabbisogno's command line asks for: the values by option name ("--sesso"), trimmed.
struct CalculatorArguments {
    QHash<QString, QString> values;
    bool csv = false;
    bool help = false;

    QString value(const char *name) const { return values.value(QString::fromLatin1(name)); }
    bool has(const char *name) const { return values.contains(QString::fromLatin1(name)); }
};

// velmo-fabbisogno's options on Qt's command-line parser. The help is written whole by
// energyCalculatorHelp() (its layout is part of the interface), so the options carry no
// descriptions.
class CalculatorCommandLine {
    Q_DECLARE_TR_FUNCTIONS(CalculatorCommandLine)

public:
    CalculatorCommandLine();

    // Reads `words` (arguments without the program's name) and tells why they cannot be used, for
    // the user; empty when they can. A word that is no option comes first, then an option given
    // twice, then an option left without its value, unless the words are only the beginning of
    // the command line (`complete` false): there the value may follow.
    QString read(const QStringList &words, bool complete);
    // What the words read last ask for.
    CalculatorArguments arguments() const;

private:
    QCommandLineParser parser_;
    QCommandLineOption help_{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption csv_{QStringLiteral("csv")};
};

// Reads the command line; empty, with `why` said, when it cannot be used. The parser reads every
// word before it answers; the user is told of the first word that cannot be read, as the program
// always has: the word that ends the shortest refused beginning of the line.
std::optional<CalculatorArguments> readCalculatorArguments(const QStringList &words, QString &why);

}  // namespace velmo
