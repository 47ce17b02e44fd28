// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

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

// The same rows as CSV (RFC 4180), with the header
// chiave,nutriente,unita,quantita,limite_inferiore,alimenti_senza_valore,riferimento,tipo,percentuale,limite_massimo
// and numbers as the meal's CSV writes them (the user's decimal separator, no groups).
QString nutrientProfileCsv(const Nutrients &nutrients, const NutrientProfile &profile,
                           const ReferenceFor &reference = {});

// The nutrients with a reference for `person` that the food data do not give (iodine, biotin...):
// one line each with the reference and the words that say so; empty when there are none.
QString missingNutrientsText(const ReferenceIntakes &intakes, const IntakePerson &person);

}  // namespace velmo
