// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/dayfigures.h"
#include "meal/nutrientrows.h"
#include "meal/requirementcomparison.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <utility>

namespace velmo::test {
namespace {

// totals: protein, fat, carbohydrate, energy, as the totals line shows them; expected: nullptr
// for no comparison.
// clang-format off
struct ComparisonCase { int line; const char *locale; std::array<const char *, 4> totals; double requirement; const char *whose, *expected; };
// clang-format on

// clang-format off
const ComparisonCase kCases[] = {
    {__LINE__, "it_IT", {"9,14", "3,44", "83,94", "387,68"}, 2244, "",
     "Pasto 388 kcal = 17 % di 2244 kcal · Protidi 9 % Lipidi 8 % Glucidi 83 % dell'energia"},
    {__LINE__, "en_US", {"9.14", "3.44", "83.94", "387.68"}, 2244.5, "maschio",
     "Pasto 388 kcal = 17 % di 2244 kcal (maschio) · Protidi 9 % Lipidi 8 % Glucidi 83 % dell'energia"},
    // Grouped totals are read; equal thirds still add up to 100, the first nutrient taking the rest.
    {__LINE__, "it_IT", {"0", "0", "325", "1.300"}, 2000, "",
     "Pasto 1300 kcal = 65 % di 2000 kcal · Protidi 0 % Lipidi 0 % Glucidi 100 % dell'energia"},
    {__LINE__, "en_US", {"9", "4", "9", "108"}, 1000, "", "Pasto 108 kcal = 11 % di 1000 kcal · Protidi 34 % Lipidi 33 % Glucidi 33 % dell'energia"},
    // A meal without protein, fat or carbohydrate has no split to show.
    {__LINE__, "it_IT", {"", "", "", ""}, 2000, "", "Pasto 0 kcal = 0 % di 2000 kcal"},
    {__LINE__, "it_IT", {"0", "0", "0", "12,5"}, 2000, "femmina", "Pasto 12 kcal = 1 % di 2000 kcal (femmina)"},
    {__LINE__, "it_IT", {"1", "1", "1", "17"}, 0, "", nullptr},
    {__LINE__, "it_IT", {"1", "1", "1", "17"}, std::numeric_limits<double>::quiet_NaN(), "", nullptr},
};
// clang-format on

// A day keeps the names its meals were given, whatever the interface's language is now.
TEST(MealGuideShare, AUsualMealIsKnownByItsItalianOrEnglishName)
{
    const std::pair<const char *, std::optional<int>> cases[] = {
        {"Colazione", 20}, {"breakfast", 20}, {"Morning  snack ", 5},  {"Lunch", 40},
        {"MERENDA", 5},    {"Dinner", 30},    {"Brunch", std::nullopt}};
    for (const auto &[name, share] : cases)
        EXPECT_EQ(mealGuideShare(QString::fromUtf8(name)), share) << name;
}

TEST(RequirementComparison, TheMealAsAShareOfTheRequirementAndItsEnergySplit)
{
    for (const ComparisonCase &c : kCases) {
        VELMO_CASE(c);
        LocaleGuard guard(c.locale);
        MealTotals totals;  // gross, net, then protein, fat, carbohydrate and energy from the third on
        for (std::size_t i = 0; i < c.totals.size(); ++i)
            totals.texts[2 + i] = QString::fromUtf8(c.totals[i]);
        const auto comparison = compareWithRequirement(totals, c.requirement, QLocale());
        ASSERT_EQ(comparison.has_value(), c.expected != nullptr);
        if (comparison) {
            EXPECT_EQ(comparisonText(*comparison, QString::fromUtf8(c.whose), QLocale()),
                      QString::fromUtf8(c.expected));
        }
    }
}

// Where an amount stands against a reference, judged as it is shown (`decimals`): an upper level
// alone has nothing to reach, a goal that is only a maximum is reached under it; the share shown
// beside it agrees.
TEST(RequirementComparison, AnAmountIsJudgedAsShownAgainstItsReference)
{
    using S = IntakeStatus;
    const std::optional<double> none;
    // clang-format off
    const struct { int line; std::optional<double> minimum, maximum, upper, average, amount; int decimals; S status; const char *percent; std::optional<double> goal = {}; bool bound = false; } cases[] = {
        {__LINE__, 63, 63, none, 52, 62.986, 1, S::Reached, "100"},
        {__LINE__, 63, 63, none, 52, 62.94, 1, S::BelowReference, "99"},  // 99,9 %: shown "99", not "100"
        {__LINE__, 54, 54, none, 45, 53.8, 1, S::BelowReference, "99"},
        {__LINE__, 63, 63, none, 52, 62.51, 0, S::Reached, "100"},        // 99,2 % of it, shown as "63"
        {__LINE__, 63, 63, none, 52, 51.96, 0, S::BelowReference, "82"},
        {__LINE__, 63, 63, none, 52, 51.4, 0, S::BelowAverage, "82"},
        {__LINE__, 1000, 1000, 2500, none, 2500.4, 0, S::Reached, "250"},
        {__LINE__, 1000, 1000, 2500, none, 2500.6, 0, S::AboveMaximum, "250"},
        {__LINE__, none, none, 600, none, 0, 0, S::None, ""},
        {__LINE__, none, none, 600, none, 601, 0, S::AboveMaximum, ""},
        {__LINE__, none, 10, none, none, 9.96, 1, S::Reached, ""},
        {__LINE__, none, 10, none, none, 10.06, 1, S::AboveMaximum, ""},
        {__LINE__, 45, 60, none, none, 60.04, 1, S::Reached, ""},
        {__LINE__, 45, 60, none, none, none, 1, S::None, ""},
        {__LINE__, 1500, 1500, none, none, 2000.6, 0, S::AboveMaximum, "133", 2000},  // sodium: AI, and SDT <= 2000
        {__LINE__, 1500, 1500, none, none, 2000.4, 0, S::Reached, "133", 2000},
        {__LINE__, 1500, 1500, none, none, 1400, 0, S::BelowReference, "93", 2000},
        {__LINE__, 1000, 1000, 2500, none, 2100, 0, S::AboveMaximum, "210", 2000},
        // Foods lacking the value: only what is known decides.
        {__LINE__, none, 15, none, none, 6, 0, S::None, "", none, true},
        {__LINE__, none, 15, none, none, 16, 0, S::AboveMaximum, "", none, true},
        {__LINE__, 3900, 3900, none, none, 3115, 0, S::None, "80", none, true},
        {__LINE__, 3900, 3900, none, none, 4000, 0, S::Reached, "103", none, true},
        {__LINE__, 45, 60, none, none, 50, 0, S::None, "", none, true},
        {__LINE__, 1000, 1000, 2500, none, 1200, 0, S::Reached, "120", none, true},
        {__LINE__, 1500, 1500, none, none, 1600, 0, S::None, "107", 2000, true},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const ReferenceValue reference{c.minimum, c.maximum, QStringLiteral("PRI"), c.upper, {},
                                       c.average, c.goal,    QStringLiteral("SDT"), {}};
        EXPECT_EQ(intakeStatus(reference, c.amount, c.decimals, c.bound), c.status);
        if (c.amount) {
            EXPECT_EQ(intakePercent(reference, *c.amount, c.decimals, QLocale::c()), QString::fromUtf8(c.percent));
        }
    }
}

}  // namespace
}  // namespace velmo::test
