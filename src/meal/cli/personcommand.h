// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

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

// The paragraph of `--help` that tells of the persons' files.
QString personHelpText();

}  // namespace velmo
