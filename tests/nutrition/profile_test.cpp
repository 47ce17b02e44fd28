// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "nutrition/profile.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

#include <map>

using namespace velmo;

namespace {

Nutrients testNutrients()
{
    const auto row = [](const char *key, int source) {
        return NutrientDefinition{QString::fromLatin1(key), source, {}, {}, {}, 0, NutrientGroup::Other};
    };
    return Nutrients({row("ENERC_KCAL", 208), row("PROCNT", 203), row("NA", 307), row("SALE", 0), row("EN_PROT", 0),
                      row("PROT_KG", 0)});
}

// Per 100 g of edible part: energy, protein, sodium; -1 for a value the food table lacks.
std::shared_ptr<const FoodValues> food(double edible, double kcal, double protein, double sodium)
{
    auto values = std::make_shared<FoodValues>();
    values->ediblePercent = edible;
    for (const double v : {kcal, protein, sodium})
        values->per100g.push_back(v < 0 ? std::nullopt : std::optional(v));
    values->per100g.resize(6);
    return values;
}

Meal mealOf(const std::vector<std::pair<char, double>> &portions)
{
    static const std::map<char, std::shared_ptr<const FoodValues>> foods{
        {'A', food(50, 100, 10, 400)},  // half of it edible
        {'B', food(100, 50, 5, -1)},
        {'C', food(100, -1, 2, 10)},
    };
    Meal meal;
    for (const auto &[name, grams] : portions)
        meal.items.push_back({{}, {grams, foods.at(name)->ediblePercent}, foods.at(name)});
    return meal;
}

// A missing value is never zero: the known ones add up to a lower bound, none make "n.d.".
TEST(NutrientProfile, AddsTheKnownValuesAndCountsTheFoodsThatLackThem)
{
    const Nutrients nutrients = testNutrients();
    constexpr double kNone = -1;
    // clang-format off
    const struct { int line; std::vector<std::pair<char, double>> portions; const char *key; double weight, amount; bool bound; int lacking; } cases[] = {
        {__LINE__, {{'A', 200}}, "NA", 0, 400, false, 0},  // 100 g net
        {__LINE__, {{'A', 200}, {'B', 100}}, "NA", 0, 400, true, 1},
        {__LINE__, {{'A', 200}, {'B', 0}}, "NA", 0, 400, false, 0},
        {__LINE__, {{'B', 100}, {'B', 30}}, "NA", 0, kNone, false, 2},
        {__LINE__, {{'B', 0}}, "NA", 0, kNone, false, 0},
        {__LINE__, {}, "PROCNT", 0, kNone, false, 0},
        {__LINE__, {{'A', 200}, {'B', 100}}, "SALE", 0, 1, true, 1},
        {__LINE__, {{'B', 100}}, "SALE", 0, kNone, false, 1},
        {__LINE__, {{'A', 200}, {'B', 100}}, "EN_PROT", 0, 40, false, 0},  // 15 g x 4 of 150 kcal
        {__LINE__, {{'A', 200}, {'C', 100}}, "EN_PROT", 0, kNone, false, 0},  // energy only a bound
        {__LINE__, {{'A', 200}, {'C', 100}}, "PROT_KG", 60, 0.2, false, 0},
        {__LINE__, {{'A', 200}}, "PROT_KG", 0, kNone, false, 0},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const NutrientProfile profile = nutrientProfile(nutrients, mealOf(c.portions),
                                                        c.weight > 0 ? std::optional(c.weight) : std::nullopt);
        const NutrientAmount &a = profile.at(*nutrients.indexOf(QString::fromLatin1(c.key)));
        EXPECT_NEAR(a.amount.value_or(kNone), c.amount, 1e-9);
        EXPECT_EQ(a.lowerBound, c.bound);
        EXPECT_EQ(a.foodsLacking, c.lacking);
    }
}

// A recipe's value cannot be a bound: one ingredient of some weight without it leaves it unknown.
TEST(NutrientProfile, ARecipeLacksWhatAnIngredientOfSomeWeightLacks)
{
    const Nutrients nutrients = testNutrients();
    const auto recipe = recipeValues(nutrients, mealOf({{'A', 200}, {'B', 100}}));
    ASSERT_TRUE(recipe);
    EXPECT_DOUBLE_EQ(recipe->value(0).value_or(0), 75);   // 150 kcal in 200 g net
    EXPECT_DOUBLE_EQ(recipe->value(1).value_or(0), 7.5);  // 15 g of protein in 200 g net
    EXPECT_FALSE(recipe->value(2));
    EXPECT_DOUBLE_EQ(recipeValues(nutrients, mealOf({{'A', 200}, {'B', 0}}))->value(2).value_or(0), 400);
    EXPECT_FALSE(recipeValues(nutrients, mealOf({{'B', 0}})));
}

}  // namespace
