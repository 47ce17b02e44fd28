// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "nutrition/ranking.h"
#include "support/tablecase.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace velmo;

namespace {

constexpr double kNone = -1;  // a value the food table lacks

std::optional<double> known(double v)
{
    return v == kNone ? std::nullopt : std::optional(v);
}

// Each food is one letter: its name; the search key folds case, so "b" and "B" tie on the key.
std::vector<RankingFood> foodsOf(const std::vector<std::tuple<const char *, int, double, double>> &rows)
{
    std::vector<RankingFood> foods;
    for (const auto &[name, category, value, kcal] : rows) {
        const QString n = QString::fromLatin1(name);
        foods.push_back({{category, n}, n.toLower(), known(value), known(kcal)});
    }
    return foods;
}

TEST(FoodRanking, RichestFirstUnknownLastTiesInSearchOrder)
{
    using R = std::tuple<const char *, int, double, double>;
    // clang-format off
    // `placed`: the foods' places in the search order, where the database knows them (-1: none);
    // `portions`: the edible grams of their standard portions.
    const struct { int line; std::vector<R> foods; RankingBasis basis; const char *order; std::vector<int> placed = {}; std::vector<double> portions = {}; } cases[] = {
        {__LINE__, {{"a", 0, 1, 50}, {"b", 0, 3, 50}, {"c", 0, 2, 50}}, RankingBasis::Per100g, "b0 c0 a0"},
        {__LINE__, {{"a", 0, kNone, 50}, {"c", 0, 0, 50}, {"b", 0, kNone, 9}}, RankingBasis::Per100g, "c0 a0 b0"},
        {__LINE__, {{"d", 0, 2, 50}, {"c", 1, 2, 50}, {"c", 0, 2, 50}, {"C", 0, 2, 50}}, RankingBasis::Per100g, "C0 c0 c1 d0"},
        // 10 per 400 kcal is 2.5 per 100 kcal; 4 per 100 kcal beats it though poorer per 100 g.
        {__LINE__, {{"a", 0, 10, 400}, {"b", 0, 4, 100}, {"c", 0, 1, 40}}, RankingBasis::Per100kcal, "b0 a0 c0"},
        {__LINE__, {{"a", 0, 10, kNone}, {"b", 0, 1, 0}, {"c", 0, 1, 200}, {"d", 0, kNone, 100}}, RankingBasis::Per100kcal, "c0 a0 b0 d0"},
        {__LINE__, {}, RankingBasis::Per100kcal, ""},
        {__LINE__, {{"a", 0, 1, 50}, {"b", 0, 1, 50}, {"c", 0, 1, 50}}, RankingBasis::Per100g, "b0 c0 a0", {2, 0, 1}},
        {__LINE__, {{"d", 16, 1, 50}, {"c", 0, 1, 50}, {"b", 16, 1, 50}, {"a", 0, 1, 50}, {"e", 0, 5, 50}}, RankingBasis::Per100g, "e0 a0 b16 c0 d16", {-1, 1, -1, 0, 2}},
        {__LINE__, {{"a", 16, 1, 50}, {"b", 0, 1, 50}, {"c", 0, 1, 50}}, RankingBasis::Per100g, "a16 b0 c0", {-1, 0, 1}},
        // 10 in a 30 g portion is 3, 4 in 150 g is 6; no portion, or no value: unknown, last.
        {__LINE__, {{"a", 0, 10, 50}, {"d", 0, kNone, 50}, {"c", 0, 8, 50}, {"b", 0, 4, 50}}, RankingBasis::PerStandardPortion, "b0 a0 c0 d0", {}, {30, 100, kNone, 150}},
        // Equal values whose doubles differ in their last bits are a tie, in the order of names.
        {__LINE__, {{"b", 0, 9.73, 139}, {"a", 0, 24.99, 357}}, RankingBasis::Per100kcal, "a0 b0"},
        {__LINE__, {{"b", 0, 0.28, 50}, {"a", 0, 0.7, 50}}, RankingBasis::PerStandardPortion, "a0 b0", {}, {150, 60}},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        std::vector<RankingFood> foods = foodsOf(c.foods);
        for (std::size_t i = 0; i < c.placed.size(); ++i)
            foods[i].searchPosition = c.placed[i];
        for (std::size_t i = 0; i < c.portions.size(); ++i)
            foods[i].portionGrams = known(c.portions[i]);
        rankFoods(foods, c.basis);
        QStringList order;
        for (const RankingFood &f : foods)
            order.append(f.food.name + QString::number(f.food.category));
        EXPECT_EQ(order.join(u' ').toStdString(), c.order);
    }
    std::vector<RankingFood> one = foodsOf({{"a", 0, 10, 400}});
    rankFoods(one, RankingBasis::Per100kcal);
    EXPECT_DOUBLE_EQ(one.front().ranked.value_or(kNone), 2.5);
    one.front().portionGrams = 125;
    rankFoods(one, RankingBasis::PerStandardPortion);
    EXPECT_DOUBLE_EQ(one.front().ranked.value_or(kNone), 12.5);
}

}  // namespace
