// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "nutrition/foodvalues.h"

#include <QString>

#include <memory>
#include <vector>

namespace velmo {

// What is weighed and what is eaten of it: the gross weight as bought, its edible share.
struct Portion {
    double grossGrams = 0;
    double ediblePercent = 100;

    double netGrams() const { return grossGrams * ediblePercent / 100.0; }
};

// A food of the catalogue: its category (index in the catalogue's categories, the personal one
// included) and its Italian name, as meal files name it.
struct FoodRef {
    int category = -1;
    QString name;
};

struct MealItem {
    FoodRef food;
    Portion portion;
    std::shared_ptr<const FoodValues> values;  // never null in a meal that is profiled
};

// A meal, or a recipe's ingredients: portions of foods, in their order.
struct Meal {
    std::vector<MealItem> items;
};

}  // namespace velmo
