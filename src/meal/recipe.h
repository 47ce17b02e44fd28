// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/personalfood.h"
#include "meal/mealgrid.h"

#include <QString>

#include <optional>

namespace velmo {

// The meal as a food of its own: the locked rows added up and scaled to 100 g of the meal's net
// weight, edible part 100 %. Values are what the totals line sums (a cell the table leaves
// empty counts as 0), rounded to two decimals. Empty, with the reason for the user, when no row
// is locked or the locked rows weigh nothing.
std::optional<PersonalFood> mealAsFood(const MealGrid &grid, const QString &name, QString *problem);

}  // namespace velmo
