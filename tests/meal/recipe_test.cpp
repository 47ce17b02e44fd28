// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/recipe.h"
#include "mealtestsupport.h"

#include <gtest/gtest.h>

namespace velmo::test {
namespace {

class RecipeTest : public LocaleGridTest {};

// The locked rows scaled to 100 g of their net weight; an open row is no part of the meal.
TEST_P(RecipeTest, LockedRowsPer100GramsOfNetWeight)
{
    QString problem;
    EXPECT_FALSE(mealAsFood(grid, QStringLiteral("Pranzo"), &problem));
    EXPECT_TRUE(problem.contains(u"Nessun alimento del pasto è bloccato")) << problem.toStdString();

    // 200 g of bread (all edible) and 100 g of apple (90 % edible): 290 g net.
    lockFood(0, food(QStringLiteral("Pane"), {"100", "8", "1", "50", "250", "3", ""}), QStringLiteral("200"));
    lockFood(1, food(QStringLiteral("Mela"), localized({"90", "0.3", "0.1", "13", "52", "2", ""})),
             QStringLiteral("100"));
    grid.placeFood(food(QStringLiteral("Aperta"), {"100", "50", "50", "0", "650", "0", "0"}));
    const auto recipe = mealAsFood(grid, QStringLiteral("  Pranzo  "), &problem);
    ASSERT_TRUE(recipe) << problem.toStdString();
    EXPECT_EQ(recipe->name, QStringLiteral("Pranzo"));
    EXPECT_EQ(recipe->edible, 100);
    // protein (16 + 0.27) / 290 × 100 = 5.61; energy (500 + 46.8) / 290 × 100 = 188.55; no cholesterol: 0
    const std::array<std::optional<double>, 6> expected{5.61, 0.72, 38.52, 188.55, 2.69, 0.0};
    EXPECT_EQ(recipe->nutrients, expected);
}

VELMO_BOTH_LOCALES(RecipeTest);

}  // namespace
}  // namespace velmo::test
