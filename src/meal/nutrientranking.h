// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "nutrition/nutrients.h"
#include "nutrition/ranking.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>
#include <vector>

namespace velmo {

// The foods to rank by the nutrient at `nutrient` in `nutrients` (a measured one, not a derived
// row): every food of `category` (0 to 16), or of all seventeen when none, each with its value and
// its energy per 100 g of edible part and its standard portion's edible grams (a personal food has
// none). A shipped food's values, and its place in the search order,
// are read as whole columns of its category; a personal food's from its table or, for the other
// nutrients, from the values it was given (unknown when it was given none). The personal foods are
// read from `personal` when it is open, else left out. None, with the reason, when a table cannot be
// read.
std::optional<std::vector<RankingFood>> rankingFoods(const QSqlDatabase &database, const QSqlDatabase &personal,
                                                     const Nutrients &nutrients, int nutrient,
                                                     std::optional<int> category, QString *error);

}  // namespace velmo
