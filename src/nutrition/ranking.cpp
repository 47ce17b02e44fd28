// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "nutrition/ranking.h"

#include <algorithm>
#include <cmath>

namespace velmo {

namespace {

// A value worked out by a product or a quotient carries its arithmetic's last bits: 9.73 per
// 139 kcal and 24.99 per 357 kcal are both 7 per 100 kcal, but not as doubles. Twelve significant
// digits, far beyond any shown, make such values equal, so that they stand in the order of names.
double significant12(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return value;
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const double scale = std::pow(10.0, 11 - exponent);
    return std::round(value * scale) / scale;
}

}  // namespace

std::optional<double> rankedValue(const RankingFood &food, RankingBasis basis)
{
    if (!food.value || basis == RankingBasis::Per100g)
        return food.value;
    if (basis == RankingBasis::PerStandardPortion)
        return food.portionGrams ? std::optional(significant12(*food.value * *food.portionGrams / 100.0))
                                 : std::nullopt;
    if (!food.kcal || *food.kcal <= 0)
        return std::nullopt;
    return significant12(*food.value / *food.kcal * 100.0);
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
    const auto withKey = [&](RankingFood &f) -> const RankingFood & {
        if (f.orderKey.isEmpty() && keyOf)
            f.orderKey = keyOf(f.food.name);
        return f;
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
    std::vector<RankingFood> unplaced, merged;
    for (auto first = foods.begin(); first != foods.end();) {
        const auto last = std::find_if(first + 1, foods.end(),
                                       [&](const RankingFood &f) { return byValue(*first, f); });
        if (last - first > 1) {
            // The foods with a place in the search's order first, sorted by it; the others sorted
            // by name, each put where a binary search among the first finds it.
            const auto placed = std::stable_partition(first, last,
                                                      [](const RankingFood &f) { return f.searchPosition >= 0; });
            std::sort(first, placed,
                      [](const RankingFood &a, const RankingFood &b) { return a.searchPosition < b.searchPosition; });
            if (placed != last) {
                unplaced.assign(std::make_move_iterator(placed), std::make_move_iterator(last));
                for (RankingFood &f : unplaced)
                    withKey(f);
                std::sort(unplaced.begin(), unplaced.end(), byName);
                merged.clear();
                auto next = first;
                for (RankingFood &food : unplaced) {
                    const auto at = std::upper_bound(next, placed, food, [&](const RankingFood &f, RankingFood &p) {
                        return byName(f, withKey(p));
                    });
                    merged.insert(merged.end(), std::make_move_iterator(next), std::make_move_iterator(at));
                    merged.push_back(std::move(food));
                    next = at;
                }
                merged.insert(merged.end(), std::make_move_iterator(next), std::make_move_iterator(placed));
                std::move(merged.begin(), merged.end(), first);
            }
        }
        first = last;
    }
}

}  // namespace velmo
