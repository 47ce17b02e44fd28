// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "energy/cli/calculatorcommandline.h"

namespace velmo {

namespace {

// The options that take a value, by name, each with the placeholder of its value. The program has
// chosen its language from --lingua before the line is read here.
constexpr std::pair<const char *, const char *> kValueOptions[] = {
    {"sesso", "F|M"},         {"anni", "N"},       {"peso", "KG"}, {"attivita", "LIVELLO"},
    {"auspicabili", "si|no"}, {"lingua", "it|en"},
};

// The word the user wrote for an option the parser did not know: the last one spelled with that
// name (a word of single-letter options holds it among its letters).
QString writtenAs(const QString &unknownName, const QStringList &words)
{
    for (auto word = words.crbegin(); word != words.crend(); ++word) {
        const QString spelled = word->section(u'=', 0, 0);
        if (spelled.startsWith(QStringLiteral("--"))
                ? spelled.mid(2) == unknownName
                : spelled.startsWith(u'-') && unknownName.size() == 1 && spelled.mid(1).contains(unknownName))
            return *word;
    }
    return QStringLiteral("-") + unknownName;
}

// A word the parser reads as options that the program has never taken: "--", which ends the
// parser's options, and "--h" or "-hh", the parser's other spellings of -h. A word that an option
// took as its value is none.
QString oddOptionWord(const QStringList &words, const QStringList &values)
{
    QHash<QString, qsizetype> notValues;
    for (const QString &word : words)
        ++notValues[word];
    for (const QString &value : values)
        --notValues[value];
    for (auto word = words.crbegin(); word != words.crend(); ++word) {
        const QString spelled = word->section(u'=', 0, 0);
        const bool odd = *word == QStringLiteral("--") || spelled == QStringLiteral("--h")
                         || (spelled.size() > 2 && spelled.startsWith(u'-')
                             && !spelled.startsWith(QStringLiteral("--")));
        if (odd && notValues.value(*word) > 0)
            return *word;
    }
    return {};
}

}  // namespace

CalculatorCommandLine::CalculatorCommandLine()
{
    parser_.addOption(help_);
    parser_.addOption(csv_);
    for (const auto &[name, valueName] : kValueOptions)
        parser_.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QString::fromLatin1(valueName)));
}

QString CalculatorCommandLine::read(const QStringList &words, bool complete)
{
    const bool parsed = parser_.parse(QStringList{QStringLiteral("velmo-fabbisogno")} + words);
    const auto unknown = [](const QString &word) { return tr("Argomento non riconosciuto: \"%1\".").arg(word); };
    if (!parser_.unknownOptionNames().isEmpty())
        return unknown(writtenAs(parser_.unknownOptionNames().constFirst(), words));
    // "--anni --peso 60": the parser gives --anni the value "--peso" and leaves "60" over; the
    // value that was missing is the one to name.
    for (const auto &[name, valueName] : kValueOptions)
        for (const QString &value : parser_.values(QString::fromLatin1(name))) {
            const QString spelled = value.section(u'=', 0, 0);
            bool option = spelled == QStringLiteral("--csv") || spelled == QStringLiteral("--help");
            for (const auto &[other, otherValue] : kValueOptions)
                option = option || spelled == QStringLiteral("--") + QString::fromLatin1(other);
            if (option)
                return tr("Manca il valore di --%1.").arg(QString::fromLatin1(name));
        }
    if (!parser_.positionalArguments().isEmpty())
        return unknown(parser_.positionalArguments().constFirst());
    QStringList values;
    for (const auto &[name, valueName] : kValueOptions)
        values += parser_.values(QString::fromLatin1(name));
    if (const QString odd = oddOptionWord(words, values); !odd.isEmpty())
        return unknown(odd);
    const QStringList found = parser_.optionNames();  // in the order given, repeated ones again
    QHash<QString, int> seen;
    for (const QString &name : found) {
        if (++seen[name] == 2 && parser_.values(name).size() > 1)
            return tr("--%1 è indicato più di una volta.").arg(name);
    }
    for (const auto &[name, valueName] : kValueOptions) {
        const QString option = QString::fromLatin1(name);
        if (complete && found.count(option) > parser_.values(option).size())
            return tr("Manca il valore di --%1.").arg(option);
    }
    if (!parsed) {
        // A value given to an option that takes none ("--csv=si"), written as the option (not
        // as another option's value); "--help=…" has always shown the help.
        for (auto word = words.crbegin(); word != words.crend(); ++word) {
            const QString spelled = word->section(u'=', 0, 0);
            const QString flag = spelled == QStringLiteral("--csv") ? QStringLiteral("csv")
                                 : spelled == QStringLiteral("-h")  ? QStringLiteral("h")
                                                                    : QString();
            if (word->contains(u'=') && !flag.isEmpty() && found.contains(flag))
                return unknown(*word);
        }
    }
    return {};
}

CalculatorArguments CalculatorCommandLine::arguments() const
{
    CalculatorArguments read;
    read.help = parser_.isSet(help_);
    read.csv = parser_.isSet(csv_);
    for (const auto &[name, valueName] : kValueOptions) {
        const QString option = QString::fromLatin1(name);
        if (parser_.isSet(option))
            read.values.insert(QStringLiteral("--") + option, parser_.value(option).trimmed());
    }
    return read;
}

std::optional<CalculatorArguments> readCalculatorArguments(const QStringList &words, QString &why)
{
    CalculatorCommandLine line;
    why = line.read(words, true);
    if (why.isEmpty())
        return line.arguments();
    if (CalculatorCommandLine().read(words, false).isEmpty())
        return std::nullopt;           // only the last option lacks its value
    qsizetype accepted = 0;            // a beginning of the line known to be readable
    qsizetype refused = words.size();  // and one known not to be
    while (refused - accepted > 1) {
        const qsizetype middle = (accepted + refused) / 2;
        (CalculatorCommandLine().read(words.first(middle), false).isEmpty() ? accepted : refused) = middle;
    }
    why = CalculatorCommandLine().read(words.first(refused), false);
    return std::nullopt;
}

}  // namespace velmo
