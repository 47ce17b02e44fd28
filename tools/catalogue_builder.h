// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QString>

namespace velmo {

struct CatalogueBuildResult {
    bool ok = false;
    QString error;  // names the file and line at fault
    int foods = 0;
};

// Joins the Italian catalogue (tabella,ndb,alimenti) with the source composition data (by ndb)
// into a new SQLite food database at `outputPath`: the sixteen category tables with the eight
// food columns, NULL where the source has no value, and each food's English name (the source's
// description, kEnglishNameColumn), rows in catalogue order, and the two search indexes
// (kSearchIndexTable, kEnglishSearchIndexTable), with the common names of `synonymsPath`
// (sinonimo,tabella,alimenti; none when empty) beside the Italian one (kSynonymIndexTable), and the
// nutrient profile when the data folder has it (nutrientProfileFilesBeside, addNutrientProfile),
// and the household measures and standard portions beside the catalogue (portionFilesBeside,
// addPortions).
// Nothing is written unless every line is sound; an existing file is replaced only by a complete
// build.
CatalogueBuildResult buildCatalogue(const QString &cataloguePath, const QString &sourcePath, const QString &outputPath,
                                    const QString &synonymsPath = {});

}  // namespace velmo
