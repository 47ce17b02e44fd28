// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "energy/energymodel.h"

#include "windowmodelfixture.h"

#include "support/tablecase.h"

#include <array>

using namespace velmo;
using velmo::test::loc;

namespace {

// Every figure is shown in the user's locale: each test runs under an Italian and an English one.
class EnergyModel : public ::testing::TestWithParam<const char *> {
protected:
    velmo::test::LocaleGuard guard{GetParam()};
    const QLocale locale;

    // A value the tables write as text (with a point), or nullptr where there is none.
    template <typename T, typename Text>
    void expectShown(const std::optional<T> &value, const char *expected, Text text)
    {
        ASSERT_EQ(value.has_value(), expected != nullptr);
        if (expected) {
            EXPECT_EQ(text(*value, locale), loc(expected));
        }
    }
};

// Every band's lower edge for both sexes, its upper edge once (the bands are shared).
// clang-format off
struct BasalCase { int line; Sex sex; int age; int weight; const char *expected; };
const BasalCase kBasalCases[] = {
    {__LINE__, Sex::Female, -1, 1, "27.3"},
    {__LINE__, Sex::Female, 2, 60, "3467"},
    {__LINE__, Sex::Female, 3, 60, "1703"},
    {__LINE__, Sex::Female, 9, 60, "1703"},
    {__LINE__, Sex::Female, 10, 60, "1497"},
    {__LINE__, Sex::Female, 17, 60, "1497"},
    {__LINE__, Sex::Female, 18, 60, "1378"},
    {__LINE__, Sex::Female, 29, 60, "1378"},
    {__LINE__, Sex::Female, 30, 60, "1351"},
    {__LINE__, Sex::Female, 59, 60, "1351"},
    {__LINE__, Sex::Female, 60, 60, "1240"},
    {__LINE__, Sex::Female, 74, 60, "1240"},
    {__LINE__, Sex::Female, 75, 60, "1212"},
    {__LINE__, Sex::Female, 120, 1, "633.8"},
    // 58.3 × 9 and 14.7 × 55 are not exact in binary; the four-decimal values must be.
    {__LINE__, Sex::Female, 1, 9, "493.7"},
    {__LINE__, Sex::Female, 22, 55, "1304.5"},
    {__LINE__, Sex::Female, 30, 32767, "285901.9"},
    {__LINE__, Sex::Male, -1, 1, "28.5"},
    {__LINE__, Sex::Male, 3, 60, "1866"},
    {__LINE__, Sex::Male, 10, 60, "1712"},
    {__LINE__, Sex::Male, 18, 60, "1597"},
    {__LINE__, Sex::Male, 30, 60, "1575"},
    {__LINE__, Sex::Male, 60, 60, "1414"},
    {__LINE__, Sex::Male, 75, 60, "1323"},
    {__LINE__, Sex::Male, 1, 9, "504.5"},
    {__LINE__, Sex::Male, 30, 32767, "380976.2"},
};
// clang-format on

TEST_P(EnergyModel, BasalMetabolismOverEveryBandEdge)
{
    for (const BasalCase &c : kBasalCases) {
        VELMO_CASE(c);
        const Fixed4 basal = basalMetabolism(c.sex, static_cast<qint16>(c.age), static_cast<qint16>(c.weight));
        EXPECT_EQ(basalText(basal, locale), loc(c.expected));
    }
}

// The expected LAF text, nullptr where there is none.
// clang-format off
struct LafCase { int line; Sex sex; int age; ActivityLevel activity; RecommendedActivities recommended; const char *expected; };

constexpr auto L = ActivityLevel::Light, M = ActivityLevel::Moderate, H = ActivityLevel::Heavy, NA = ActivityLevel::NotChosen;
constexpr auto W = RecommendedActivities::With, WO = RecommendedActivities::Without, NR = RecommendedActivities::NotChosen;
const LafCase kLafCases[] = {
    // Below ten: none, whatever is chosen.
    {__LINE__, Sex::Female, 9, M, W, nullptr},
    // Table A, whatever is chosen.
    {__LINE__, Sex::Female, 10, NA, NR, "1.55"},
    {__LINE__, Sex::Female, 13, H, W, "1.55"},
    {__LINE__, Sex::Female, 14, L, WO, "1.5"},
    {__LINE__, Sex::Female, 17, NA, NR, "1.5"},
    {__LINE__, Sex::Male, 10, NA, NR, "1.65"},
    {__LINE__, Sex::Male, 14, M, W, "1.58"},
    // Table B at both edges of its band.
    {__LINE__, Sex::Female, 18, L, WO, "1.42"},
    {__LINE__, Sex::Female, 59, L, W, "1.56"},
    {__LINE__, Sex::Female, 18, M, WO, "1.56"},
    {__LINE__, Sex::Female, 59, M, W, "1.64"},
    {__LINE__, Sex::Female, 18, H, WO, "1.73"},
    {__LINE__, Sex::Female, 59, H, W, "1.82"},
    {__LINE__, Sex::Male, 18, L, WO, "1.41"},
    {__LINE__, Sex::Male, 59, L, W, "1.55"},
    {__LINE__, Sex::Male, 18, M, WO, "1.7"},
    {__LINE__, Sex::Male, 59, M, W, "1.78"},
    {__LINE__, Sex::Male, 18, H, WO, "2.01"},
    {__LINE__, Sex::Male, 59, H, W, "2.1"},
    {__LINE__, Sex::Female, 30, NA, W, nullptr},
    {__LINE__, Sex::Male, 30, H, NR, nullptr},
    // Table C: the activity is always light.
    {__LINE__, Sex::Female, 60, NA, WO, "1.44"},
    {__LINE__, Sex::Female, 74, H, WO, "1.44"},
    {__LINE__, Sex::Female, 60, L, W, "1.56"},
    {__LINE__, Sex::Female, 75, L, WO, "1.37"},
    {__LINE__, Sex::Female, 110, M, WO, "1.37"},
    {__LINE__, Sex::Female, 75, L, W, "1.56"},
    {__LINE__, Sex::Male, 60, L, WO, "1.4"},
    {__LINE__, Sex::Male, 60, L, W, "1.51"},
    {__LINE__, Sex::Male, 75, L, WO, "1.33"},
    {__LINE__, Sex::Male, 75, H, W, "1.51"},
    {__LINE__, Sex::Male, 60, L, NR, nullptr},
};
// clang-format on

TEST_P(EnergyModel, ActivityFactorOverEveryTableAndBandEdge)
{
    for (const LafCase &c : kLafCases) {
        VELMO_CASE(c);
        expectShown(activityFactor(c.sex, static_cast<qint16>(c.age), c.activity, c.recommended), c.expected, lafText);
    }
}

TEST_P(EnergyModel, TableAandCBoundsAreTestedOnTheDecimalAge)
{
    // clang-format off
    const struct { int line; double age; bool adolescent, elderly; } cases[] = {
        {__LINE__, 9.5, false, false},   {__LINE__, 10.0, true, false},  {__LINE__, 13.5, false, false},
        {__LINE__, 17.0, true, false},   {__LINE__, 17.5, false, false}, {__LINE__, 59.5, false, false},
        {__LINE__, 60.0, false, true},   {__LINE__, 74.5, false, false}, {__LINE__, 75.0, false, true},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(adolescentFactor(Sex::Female, c.age).has_value(), c.adolescent);
        EXPECT_EQ(elderlyFactor(Sex::Female, c.age, RecommendedActivities::Without).has_value(), c.elderly);
    }
}

TEST_P(EnergyModel, EnergyRequirementIsFormedFromTheTexts)
{
    // The expected requirement, nullptr where it cannot be computed.
    // clang-format off
    const struct { int line; const char *laf, *basal, *expected; } cases[] = {
        {__LINE__, "1.64", "1351", "2215.64"}, {__LINE__, "1.55", "1750", "2712.5"},
        {__LINE__, "1.42", "1304.5", "1852.39"}, {__LINE__, "1.44", "1240", "1785.6"},
        {__LINE__, "0", "1240", "0"},          {__LINE__, "", "1240", nullptr},
        {__LINE__, "1.5", "", nullptr},        {__LINE__, " ", "1363", nullptr},
        {__LINE__, "1.5", "abc", nullptr},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        expectShown(energyRequirement(loc(c.laf), loc(c.basal), locale), c.expected, energyText);
    }
}

TEST_P(EnergyModel, SplitByAgeAndEnergyText)
{
    // clang-format off
    const struct { int line; const char *energy; int age; std::array<int, 3> percents; const char *grams; } cases[] = {
        {__LINE__, "2215.64", 30, {10, 25, 65}, "55.39 61.55 360.04"},
        {__LINE__, "1904.95", 12, {15, 30, 55}, "71.44 63.50 261.93"},
        {__LINE__, "1000", 17, {15, 30, 55}, "37.50 33.33 137.50"},
        {__LINE__, "1000", 18, {10, 25, 65}, "25.00 27.78 162.50"},
        {__LINE__, "0", 40, {10, 25, 65}, "0.00 0.00 0.00"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const auto split = macronutrientSplit(loc(c.energy), c.age, locale);
        ASSERT_TRUE(split.has_value());
        EXPECT_EQ((std::array{split->proteinPercent, split->fatPercent, split->carbohydratePercent}), c.percents);
        EXPECT_EQ(QStringList({gramsText(split->proteinGrams, locale), gramsText(split->fatGrams, locale),
                               gramsText(split->carbohydrateGrams, locale)})
                      .join(u' '),
                  loc(c.grams));
    }
}

TEST_P(EnergyModel, UnreadableEnergyHasNoSplitAndTextsNeverGroupThousands)
{
    EXPECT_FALSE(macronutrientSplit(QStringLiteral("due"), 30, locale).has_value());
    EXPECT_EQ(energyText(1234567.25, locale), loc("1234567.25"));
}

INSTANTIATE_TEST_SUITE_P(Locales, EnergyModel, ::testing::Values("it_IT", "en_US"));

}  // namespace
