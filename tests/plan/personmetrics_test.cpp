// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "energy/windowmodelfixture.h"
#include "plan/personmetrics.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace velmo::test {
namespace {

const QDate kToday(2026, 3, 1);

Person adult(double kg, double heightCm, QDate birth = QDate(1980, 1, 1))
{
    Person p;
    p.name = u"Anna"_s;
    p.birthDate = birth;
    p.heightCm = heightCm;
    p.weights = {{QDate(2025, 1, 1), kg + 10, std::nullopt}, {QDate(2026, 2, 1), kg, std::nullopt}};
    return p;
}

TEST(PersonMetrics, AgeInWholeYearsWithTheTwentyNinthOfFebruaryTurningOnTheFirstOfMarch)
{
    // clang-format off
    const struct { int line; QDate birth; QDate at; std::optional<int> years; } cases[] = {
        {__LINE__, QDate(1990, 5, 10), QDate(2026, 5, 9), 35},
        {__LINE__, QDate(1990, 5, 10), QDate(2026, 5, 10), 36},
        {__LINE__, QDate(2008, 2, 29), QDate(2026, 2, 28), 17},
        {__LINE__, QDate(2008, 2, 29), QDate(2026, 3, 1), 18},
        {__LINE__, QDate(2008, 2, 29), QDate(2028, 2, 29), 20},
        {__LINE__, QDate(2026, 3, 1), QDate(2026, 3, 1), 0},
        {__LINE__, QDate(2026, 3, 2), QDate(2026, 3, 1), std::nullopt},
        {__LINE__, QDate(), QDate(2026, 3, 1), std::nullopt},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(ageInYears(c.birth, c.at), c.years);
        const auto intake = intakePerson(adult(8, 70, c.birth), c.at);  // a baby's months count
        EXPECT_EQ(intake ? std::optional(intake->ageYears) : std::nullopt,
                  c.years == 0 ? std::optional(0.0) : std::optional<double>(c.years));
    }
    EXPECT_NEAR(intakePerson(adult(8, 70, QDate(2025, 6, 1)), kToday)->ageYears, 0.75, 0.01);
    // A baby's months are whole on their day: six months is 0.5, seven is past 0.583.
    EXPECT_EQ(intakePerson(adult(8, 70, QDate(2026, 1, 1)), QDate(2026, 7, 1))->ageYears, 0.5);
    EXPECT_GE(intakePerson(adult(8, 70, QDate(2026, 1, 1)), QDate(2026, 8, 1))->ageYears, 0.583);
    EXPECT_LT(intakePerson(adult(8, 70, QDate(2026, 1, 1)), QDate(2026, 6, 30))->ageYears, 0.5);
}

// The index of the latest weight, its WHO class at the shown tenth, and no class under 18.
TEST(PersonMetrics, BodyMassIndexAndItsAdultClass)
{
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    // clang-format off
    const struct { int line; double kg; double cm; QDate birth; const char *text; } cases[] = {
        {__LINE__, 56.6, 175, QDate(1980, 1, 1), "18,5 (normopeso)"},
        {__LINE__, 56.5, 175, QDate(1980, 1, 1), "18,4 (sottopeso)"},
        {__LINE__, 76.4, 175, QDate(1980, 1, 1), "24,9 (normopeso)"},
        {__LINE__, 76.5, 175, QDate(1980, 1, 1), "25,0 (sovrappeso)"},
        {__LINE__, 91.8, 175, QDate(1980, 1, 1), "30,0 (obesità di I grado)"},
        {__LINE__, 107.2, 175, QDate(1980, 1, 1), "35,0 (obesità di II grado)"},
        {__LINE__, 122.5, 175, QDate(1980, 1, 1), "40,0 (obesità di III grado)"},
        {__LINE__, 76.5, 175, QDate(2008, 3, 2), "25,0 (sotto i 18 anni le classi dell'adulto non si applicano)"},
        {__LINE__, 76.5, 175, QDate(2008, 3, 1), "25,0 (sovrappeso)"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const auto index = bodyMassIndex(adult(c.kg, c.cm, c.birth), kToday);
        ASSERT_TRUE(index);
        EXPECT_EQ(bodyMassIndexText(*index, italian), QString::fromUtf8(c.text));
    }
    Person noWeight = adult(70, 170);
    noWeight.weights.clear();
    EXPECT_FALSE(bodyMassIndex(noWeight, kToday));
    EXPECT_FALSE(bodyMassIndex(adult(70, 170), QDate(1970, 1, 1)));
}

// A day's figures take the weight that held on that day: the latest up to it, or before the
// first weight the first one, never one weighed after the day.
TEST(PersonMetrics, TakeTheWeightThatHeldOnTheDay)
{
    // clang-format off
    const struct { int line; QDate at; double kg; } cases[] = {
        {__LINE__, QDate(2024, 6, 1), 80},
        {__LINE__, QDate(2025, 1, 1), 80},
        {__LINE__, QDate(2026, 1, 31), 80},
        {__LINE__, QDate(2026, 2, 1), 70},
        {__LINE__, QDate(2027, 5, 1), 70},
    };
    // clang-format on
    const Person p = adult(70, 200);
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_DOUBLE_EQ(bodyMassIndex(p, c.at)->value, c.kg / 4);
        EXPECT_EQ(energyProfile(p, c.at, QLocale(QLocale::Italian))->weight, c.kg);
        EXPECT_EQ(intakePerson(p, c.at)->weightKg, c.kg);
    }
}

// The person's requirement is the energy window's, the window driven by a user who types the
// person's age and weight and clicks the person's choices, whatever the age band.
class PersonRequirementTest : public WindowModelTest {
protected:
    QStringList fromWindow(const Person &p, int age, const char *typedWeight)
    {
        open(p.sex);
        type(C::AgeBox, qPrintable(QStringLiteral("%1").arg(age, 2, 10, QLatin1Char('0'))));
        type(C::WeightBox, typedWeight);
        const int activity = p.activity == ActivityLevel::Light ? 3 : p.activity == ActivityLevel::Moderate ? 4 : 5;
        const int column = p.recommended == RecommendedActivities::With ? 12 : 11;
        for (int option : {activity, column})
            if (model->optionEnabled(option) && !model->optionSelected(option))
                click(option);
        QStringList f{model->basalMetabolismCaption(), model->lafCaption(), model->requirementText()};
        if (!model->requirementText().isEmpty())
            f << grams();
        return f;
    }
};

QStringList fromPerson(const EnergyRequirement &r, const QLocale &locale)
{
    QStringList f{basalText(r.basalMetabolism, locale), r.laf ? lafText(*r.laf, locale) : QString(),
                  r.energy ? energyText(*r.energy, locale) : QString()};
    if (r.split)
        f << gramsText(r.split->proteinGrams, locale) << gramsText(r.split->fatGrams, locale)
          << gramsText(r.split->carbohydrateGrams, locale);
    return f;
}

TEST_P(PersonRequirementTest, IsTheEnergyWindowsForEveryBandAndChoice)
{
    for (Sex sex : {Sex::Female, Sex::Male})
        for (int age : {5, 9, 10, 13, 14, 17, 18, 45, 59, 60, 74, 75, 92})
            for (const char *kg : {"45", "72.6", "72.5"})
                for (ActivityLevel activity : {ActivityLevel::Light, ActivityLevel::Moderate, ActivityLevel::Heavy})
                    for (RecommendedActivities column : {RecommendedActivities::With, RecommendedActivities::Without}) {
                        SCOPED_TRACE(::testing::Message() << int(sex) << " age " << age << " kg " << kg << " "
                                                          << int(activity) << int(column));
                        Person p = adult(std::atof(kg), 170, kToday.addYears(-age));
                        p.sex = sex;
                        p.activity = activity;
                        p.recommended = column;
                        const auto requirement = personRequirement(p, kToday, QLocale());
                        ASSERT_TRUE(requirement);
                        EXPECT_EQ(fromWindow(p, age, kg), fromPerson(*requirement, QLocale()));
                        EXPECT_EQ(requirement->energy.has_value(), age >= 10);
                    }
}

// Past the ages and weights the energy windows take, a person has no requirement, and is told why.
TEST_P(PersonRequirementTest, StopsWhereTheEnergyWindowsStop)
{
    // clang-format off
    const struct { int line; int age; double kg; bool computed; } cases[] = {
        {__LINE__, 120, 350, true},
        {__LINE__, 121, 70, false},
        {__LINE__, 40, 350.4, true},  // the box reads 350
        {__LINE__, 40, 351, false},
        {__LINE__, 146, 380, false},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const Person p = adult(c.kg, 170, kToday.addYears(-c.age));
        EXPECT_EQ(personRequirement(p, kToday, QLocale()).has_value(), c.computed);
        EXPECT_EQ(pastEnergyTablesText(p, kToday, QLocale()).isEmpty(), c.computed);
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, PersonRequirementTest, ::testing::Values("it_IT", "en_US"));

}  // namespace
}  // namespace velmo::test
