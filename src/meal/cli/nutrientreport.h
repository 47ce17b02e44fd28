// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/nutrientrows.h"
#include "nutrition/nutrients.h"
#include "nutrition/profile.h"
#include "nutrition/referenceintakes.h"

#include <QString>

namespace velmo {

// The meal's nutrient profile as `velmo-pasto --nutrienti` prints it after the totals: by group,
// one aligned line per nutrient, "≥" before a lower bound with the number of foods that lack
// the value, "n.d." where no food has it; numbers in the user's format with each nutrient's own
// decimals. Rows that need what the console does not know (the body weight) are left out. A
// reference lookup adds the reference, its kind and the share of it.
QString nutrientProfileText(const Nutrients &nutrients, const NutrientProfile &profile,
                            const ReferenceFor &reference = {});

}  // namespace velmo
