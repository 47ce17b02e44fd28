// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealday.h"
#include "meal/mealgrid.h"
#include "plan/person.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

namespace velmo {

class ConsoleOutput;

// `velmo-pasto --esporta-persona NOME FILE` and `velmo-pasto --importa-persona FILE
// [--sostituisci]`: a person's whole record as the JSON file of docs/persona-json.md.
struct PersonCommand {
    bool exporting = false;
    QString name;  // the person to export
    QString file;  // "-": standard output (exporting only)
    bool replace = false;
};

// Reads the arguments that follow the program's name when they ask for a person's file (either
// option, or --sostituisci, given). None with `error` empty when they do not; none with the
// message when they ask in a wrong way.
std::optional<PersonCommand> readPersonCommand(const QStringList &arguments, QString *error);

// Does what the command asks; the program's exit code. Nothing about the person goes to
// standard error: the messages name neither the person nor a value of the file.
int runPersonCommand(ConsoleOutput &output, const PersonCommand &command);

// `velmo-pasto --persona NOME --data AAAA-MM-GG [--settimana] [--csv]`: a person's stored day, or
// the seven days from that date.
struct StoredDaysCommand {
    QString name;
    QDate from;
    int days = 1;  // 7 with --settimana
    bool csv = false;
    std::optional<QString> pdfFile;  // --pdf FILE.pdf: the printed plan instead of the tables
};

// As readPersonCommand: none with `error` empty when the arguments do not ask for stored days.
std::optional<StoredDaysCommand> readStoredDaysCommand(const QStringList &arguments, QString *error);

// The person's stored days of the command, by date; none, with the message (that names neither the
// person nor a value of it) and the exit code, when the person is unknown, no day is stored or the
// store cannot be read. The store is never created here. `person`, when given, gets the person.
std::optional<std::map<QDate, MealDay>> storedDays(const StoredDaysCommand &command, QString *error, int *exitCode,
                                                   std::optional<Person> *person = nullptr);

// The week's daily average of the days' totals (each the texts of a totals line): a heading and a
// line, aligned as the day's totals.
QString dailyAverageText(const std::vector<MealTotals> &days);

// The paragraph of `--help` that tells of the persons' files.
QString personHelpText();

}  // namespace velmo
