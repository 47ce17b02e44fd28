// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace velmo {

// The household measures' and standard portions' files beside the catalogue.
struct PortionFiles {
    QString measures;  // misure.csv: ndb,ordine,quantita,misura,misura_plurale,grammi_edibili,misura_inglese
    QString portions;  // porzioni_standard.csv: gruppo,nome,quantita,unita,stato,fonte
    QString groups;    // gruppi_porzione.csv: ndb,gruppo
};

// The three files beside the catalogue; none when it has no misure.csv (a catalogue made up for a
// test builds without them).
std::optional<PortionFiles> portionFilesBeside(const QString &cataloguePath);

// A catalogue food as its measures need it.
struct PortionFood {
    int category = 0;
    int row = 0;
    QString ndb;
};

// The US cup, in millilitres: a food whose measures give a cup's grams has its density.
inline constexpr double kCupMillilitres = 236.6;

// Adds the tables `misure` (categoria, riga, ordine, quantita, misura, misura_plurale, grammi: the
// edible grams of `quantita` × the measure), `porzioni_standard` (categoria, riga, gruppo, nome,
// grammi of edible part, millilitri for a portion the source gives by volume, densita: "tazza"
// when the grams come from the food's cup, "ml ≈ g" when it has none, stato) and
// `colonne_porzioni` (each category's portion grams by row, packed as `colonne_nutrienti`).
// Refuses, with file and line, a measure or group of a food the catalogue lacks, grams or a
// quantity that are not positive, an unknown group or unit, a repeated row.
bool addPortions(const QString &databasePath, const PortionFiles &files, const std::vector<PortionFood> &foods,
                 QString *error);

}  // namespace velmo
