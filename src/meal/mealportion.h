// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealgrid.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

namespace velmo {

// `MealPortion`: what the calculation of a row writes into it, as the cells show them: the net
// weight and the six nutrients of the portion eaten, in the order of `kNutrientColumns`.
struct MealPortion {
    QString net;
    std::array<QString, 6> nutrients;

    // The portion of a row's food at its gross weight, from the edible percentage and the values
    // per 100 g the row holds. All or nothing: none when any value cannot be calculated (no gross
    // weight, a number too large, a value per 100 g that is no number).
    static std::optional<MealPortion> of(const MealRow &row, const QLocale &locale);
};

}  // namespace velmo
