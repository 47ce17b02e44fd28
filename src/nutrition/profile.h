// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "nutrition/foodvalues.h"
#include "nutrition/nutrients.h"
#include "nutrition/portion.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace velmo {

// A total over foods of which some may lack the value: the sum of the known ones, a lower bound
// when some food lacks it; none when no food has it.
struct NutrientAmount {
    std::optional<double> amount;
    bool lowerBound = false;
    int foodsLacking = 0;
    bool applies = true;  // false for a row that needs what is not known (protein per kg without a weight)
};

// A meal's amounts, by the index of the nutrient in `Nutrients`, derived rows included.
struct NutrientProfile {
    std::vector<NutrientAmount> amounts;

    const NutrientAmount &at(int index) const { return amounts[static_cast<std::size_t>(index)]; }
};

// The meal's profile. A food of zero grams counts for nothing, lacking or not. The derived rows
// follow what they are made of: salt is sodium's bound, a share of energy or fibre per 1000 kcal
// is taken against the profile's own energy and is unknown while that energy is unknown, zero or
// itself a lower bound (a share of an incomplete energy would be no bound at all); protein per kg
// needs the body weight.
NutrientProfile nutrientProfile(const Nutrients &nutrients, const Meal &meal,
                                std::optional<double> bodyWeightKg = std::nullopt);

// The average day of `days`: every food of every day, its weight divided by the number of days.
// Its profile is the daily average with the unknown rule kept: an amount that some food lacks is
// the average of the days' known sums, and since each of those is a lower bound of its day, their
// average is a lower bound of the average day. Shares of energy are the average day's own; no
// days give an empty meal.
Meal dailyAverage(const std::vector<Meal> &days);

// A recipe as a food: its values per 100 g of its net weight, edible part 100 %. A value is
// unknown when any ingredient of non-zero weight lacks it, since a recipe's value cannot be a
// bound; none at all when the ingredients weigh nothing.
std::optional<FoodValues> recipeValues(const Nutrients &nutrients, const Meal &recipe);

// A reference intake for a row of the profile, in the row's unit: one value (both bounds equal),
// a range (45-60 %En), or one bound (at least 25 g, less than 10 %En); its kind (PRI, AI, SDT,
// RI; empty when there is only an upper level), the tolerable upper level where there is one, and
// how the reference's unit differs from the food data's (vitamin A as retinol equivalents...).
struct ReferenceValue {
    std::optional<double> minimum;
    std::optional<double> maximum;
    QString kind;
    std::optional<double> upper;
    QString unitNote;
    std::optional<double> average;      // the average requirement (AR), where there is one
    std::optional<double> goalMaximum;  // a goal's upper bound beside the reference (SDT <= 2000 mg)
    QString goalKind;
    QString conditionNote;  // what a pregnancy or lactation adds to the value
    // The share of it a profile amount is: for one value or a lower bound only.
    std::optional<double> percentOf(double amount) const;
};
// Looks up the reference of a row by its key; none where there is no reference.
using ReferenceFor = std::function<std::optional<ReferenceValue>(const QString &key)>;

}  // namespace velmo
