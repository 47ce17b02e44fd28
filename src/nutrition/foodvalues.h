// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <optional>
#include <vector>

namespace velmo {

// A food's values per 100 g of edible part, by the index of the nutrient in `Nutrients`: none
// where the food table has no value, which is not zero. Derived rows are never held here.
struct FoodValues {
    double ediblePercent = 100;
    std::vector<std::optional<double>> per100g;

    std::optional<double> value(int index) const
    {
        return index >= 0 && static_cast<std::size_t>(index) < per100g.size() ? per100g[static_cast<std::size_t>(index)]
                                                                              : std::nullopt;
    }
};

}  // namespace velmo
