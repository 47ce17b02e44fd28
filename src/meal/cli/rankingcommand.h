// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "nutrition/nutrients.h"
#include "nutrition/ranking.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace velmo {

// `velmo-pasto --classifica CHIAVE [--categoria NOME] [--per 100g|100kcal]`: the foods richest in
// one nutrient.
struct RankingCommand {
    QString key;                  // as typed; checked against the database's nutrients
    std::optional<int> category;  // none: every category
    RankingBasis basis = RankingBasis::Per100g;
};

// Reads the arguments that follow the program's name when they ask for a ranking (any of the
// three options given). None with `error` empty when they do not; none with the message when
// they ask for one in a wrong way.
std::optional<RankingCommand> readRankingCommand(const QStringList &arguments, QString *error);

// The index of the measured nutrient `key` names (its INFOODS tag, in any case); none, with the
// message, for an unknown key or a derived value.
std::optional<int> rankedNutrient(const Nutrients &nutrients, const QString &key, QString *error);

// The ranking as velmo-pasto prints it: a heading line beginning with "#" that names the
// nutrient, its unit and the basis, then one `categoria;alimento;valore` line per food in the
// order given, the value as the meal's CSV writes numbers, "n.d." where it is unknown.
QString rankingText(const Nutrients &nutrients, int nutrient, RankingBasis basis,
                    const std::vector<RankingFood> &ranked);

// The paragraph of `--help` that tells of --classifica.
QString rankingHelpText();

}  // namespace velmo
