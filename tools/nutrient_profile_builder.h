// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/csv.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace velmo {

// The three files of the nutrient profile.
struct NutrientProfileFiles {
    QString definitions;      // nutrienti.csv: the profile as the programs show it
    QString sourceNutrients;  // nutrients.csv: the source's 47 nutrients
    QString values;           // nutrient_values.csv: ndb,nutrient,value
};

// The records of a data file after its header, which must be `header`; every record has its
// fields. None, with the file, line and fault in `error`, otherwise.
std::optional<std::vector<CsvRecord>> readCsv(const QString &path, const QStringList &header, QString *error);

// The profile's files found where the data folder keeps them: nutrienti.csv beside the
// catalogue, the other two beside the source's foods. None when the source has no
// nutrient_values.csv beside it (a catalogue made up for a test builds without a profile).
std::optional<NutrientProfileFiles> nutrientProfileFilesBeside(const QString &cataloguePath, const QString &sourcePath);

// A catalogue food as the profile needs it: its place, its number in the source and the six
// values the category tables hold for it, as the source writes them (empty: no value).
struct ProfileFood {
    int category = 0;
    int row = 0;  // 0-based, in catalogue order, as the search index counts
    QString ndb;
    QString name;
    std::array<QString, 6> nutrients;  // protein, fat, carbohydrate, energy, fibre, cholesterol
};

// Adds to the database at `databasePath` the tables `nutrienti` (the definitions, in their order)
// and `valori_nutrienti` (categoria, riga, nutriente: the source's number, valore per 100 g of
// edible part; no row where the source has no value). Refuses, naming the food, the nutrient and
// both values, a food whose profile disagrees with the six values of its category table.
bool addNutrientProfile(const QString &databasePath, const NutrientProfileFiles &files,
                        const std::vector<ProfileFood> &foods, QString *error);

}  // namespace velmo
