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

void rankFoods(std::vector<RankingFood> &foods, RankingBasis basis,
               const std::function<QString(const QString &name)> &keyOf)
{
    for (RankingFood &f : foods)
        f.ranked = rankedValue(f, basis);
    const auto byValue = [](const RankingFood &a, const RankingFood &b) {
        if (a.ranked.has_value() != b.ranked.has_value())
            return a.ranked.has_value();
        return a.ranked && *a.ranked > *b.ranked;
    };
    const auto byName = [](const RankingFood &a, const RankingFood &b) {
        // Compared code unit by code unit, as the food search does.
        if (const int byKey = QStringView(a.orderKey).compare(QStringView(b.orderKey)); byKey != 0)
            return byKey < 0;
        if (const int name = QStringView(a.food.name).compare(QStringView(b.food.name)); name != 0)
            return name < 0;
        return a.food.category < b.food.category;
    };
    std::sort(foods.begin(), foods.end(), byValue);
    for (auto first = foods.begin(); first != foods.end();) {
        const auto last = std::find_if(first + 1, foods.end(),
                                       [&](const RankingFood &f) { return byValue(*first, f); });
        if (last - first > 1) {
            if (keyOf)
                for (auto f = first; f != last; ++f)
                    if (f->orderKey.isEmpty())
                        f->orderKey = keyOf(f->food.name);
            std::sort(first, last, byName);
        }
        first = last;
    }
}

}  // namespace velmo
