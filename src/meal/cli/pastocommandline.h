// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "nutrition/referenceintakes.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace velmo {

// What `velmo-pasto` is asked to do, as its command line says it.
struct PastoCommand {
    enum class Action { ComputeMeal, ShowHelp, SearchFoods, ImportFoods, ExportFoods };
    Action action = Action::ComputeMeal;
    bool csv = false;                   // --csv
    std::optional<double> requirement;  // --fabbisogno, kcal a day
    std::optional<QString> mealFile;    // FILE; none: standard input (no FILE, or "-")
    QString searchText;                 // --cerca
    QString foodsFile;                  // --importa-alimenti
    bool force = false;                 // --forza
    bool nutrients = false;             // --nutrienti
    std::optional<QString> pdfFile;     // --pdf: the printed plan of the meal or day, in this file
    // With --nutrienti, whose reference intakes: --sesso and --anni, --gravidanza, --allattamento,
    // --riferimento larn|efsa. None: amounts only.
    std::optional<IntakePerson> person;
};

// Reads the arguments that follow the program's name. None, and the message that says why, when
// the command line is at fault.
std::optional<PastoCommand> readPastoCommand(const QStringList &arguments, QString *error);

// The text of `--help`: the usage, the options, the exit codes and the categories.
QString pastoHelpText();

}  // namespace velmo
