// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "nutrition/ranking.h"

#include <algorithm>

namespace velmo {

std::optional<double> rankedValue(const RankingFood &food, RankingBasis basis)
{
    if (!food.value || basis == RankingBasis::Per100g)
        return food.value;
    if (!food.kcal || *food.kcal <= 0)
        return std::nullopt;
    return *food.value / *food.kcal * 100.0;
}

void rankFoods(std::vector<RankingFood> &foods, RankingBasis basis)
{
    for (RankingFood &f : foods)
        f.ranked = rankedValue(f, basis);
    std::sort(foods.begin(), foods.end(), [](const RankingFood &a, const RankingFood &b) {
        if (a.ranked.has_value() != b.ranked.has_value())
            return a.ranked.has_value();
        if (a.ranked && *a.ranked != *b.ranked)
            return *a.ranked > *b.ranked;
        // Compared code unit by code unit, as the food search does.
        if (const int byKey = QStringView(a.orderKey).compare(QStringView(b.orderKey)); byKey != 0)
            return byKey < 0;
        if (const int byName = QStringView(a.food.name).compare(QStringView(b.food.name)); byName != 0)
            return byName < 0;
        return a.food.category < b.food.category;
    });
}

}  // namespace velmo
