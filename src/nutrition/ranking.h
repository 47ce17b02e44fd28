// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "nutrition/portion.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace velmo {

// What a ranking is taken against: 100 g of edible part, 100 kcal, or the food's standard portion
// (value × the portion's edible grams / 100, unknown for a food without one).
enum class RankingBasis { Per100g, Per100kcal, PerStandardPortion };

// One food to rank, as whoever reads the food database fills it.
struct RankingFood {
    FoodRef food;
    QString orderKey;                      // the name as the food search orders it (its search key)
    std::optional<double> value;           // the nutrient per 100 g of edible part
    std::optional<double> kcal;            // the energy per 100 g of edible part
    std::optional<double> portionGrams{};  // the edible grams of the food's standard portion
    std::optional<double> ranked{};        // filled by rankFoods: what the food is ranked by
    // The food's place in the food search's order, where the food database knows it (the shipped
    // foods); -1 when the food is placed by its orderKey.
    int searchPosition = -1;
};

// What the food is ranked by: its value per 100 g, per 100 kcal of it (unknown when the food's
// energy is unknown or zero, since no amount of it makes 100 kcal), or per standard portion.
std::optional<double> rankedValue(const RankingFood &food, RankingBasis basis);

// Orders the foods richest first by `basis`, the foods whose ranked value is unknown last; foods
// of equal value, and the unknown ones among themselves, in the order of the food search (search
// key, exact name, category), so that a list reads the same on every machine and in every locale.
// Foods that both have a searchPosition are compared by it alone; a food whose orderKey is empty
// gets it from `keyOf` when it has to be compared by name, so keys are made only for the foods
// that tie with one that has no position, and among those only for as few as a binary search
// needs.
void rankFoods(std::vector<RankingFood> &foods, RankingBasis basis,
               const std::function<QString(const QString &name)> &keyOf = {});

}  // namespace velmo
