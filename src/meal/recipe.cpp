// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/recipe.h"

#include "common/decimalround.h"
#include "common/numbertext.h"

#include <QCoreApplication>
#include <QLocale>

namespace velmo {

std::optional<PersonalFood> mealAsFood(const MealGrid &grid, const QString &name, QString *problem)
{
    const QLocale locale;
    double net = 0;
    std::array<double, 6> sums{};
    int locked = 0;
    for (int r = 0; r < kMealRows; ++r) {
        const MealRow &row = grid.row(r);
        if (row.lock != 1 || !row.taken())
            continue;
        ++locked;
        net += readLocaleNumberOrZero(row.cell(MealColumn::Net).text, locale);
        for (std::size_t k = 0; k < sums.size(); ++k)
            sums[k] += readLocaleNumberOrZero(row.cell(kNutrientColumns[k]).text, locale);
    }
    if (locked == 0) {
        *problem = QCoreApplication::translate(
            "Recipe", "Nessun alimento del pasto è bloccato: bloccare le righe da salvare come alimento.");
        return std::nullopt;
    }
    if (!(net > 0)) {
        *problem = QCoreApplication::translate("Recipe",
                                               "Il peso netto del pasto è zero: non si può riportare a 100 g.");
        return std::nullopt;
    }
    PersonalFood food;
    food.name = personalFoodName(name);
    food.edible = 100;
    for (std::size_t k = 0; k < sums.size(); ++k) {
        const auto cents = roundHalfEvenScaled(sums[k] / net * 100, 2);
        if (!cents) {
            *problem = QCoreApplication::translate(
                "Recipe", "I valori del pasto sono troppo grandi per essere riportati a 100 g.");
            return std::nullopt;
        }
        food.nutrients[k] = static_cast<double>(*cents) / 100;
    }
    return food;
}

}  // namespace velmo
