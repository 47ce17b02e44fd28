// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "energy/energymodel.h"

#include "common/numbertext.h"

#include <QCoreApplication>

namespace velmo {

namespace {

// Coefficients are kept as the decimal texts of the tables (ten-thousandths), so that no factor
// passes through a binary fraction before it is shown.
constexpr Fixed4 lafOf(std::int64_t tenThousandths)
{
    return Fixed4::fromUnits(tenThousandths);
}

struct Table1Row {
    int minAge;  // the row holds from this age up to the next row's
    double female[2];
    double male[2];
};

constexpr Table1Row kTable1[] = {
    {-32768, {58.3, -31}, {59.5, -31}}, {3, {20.3, 485}, {22.7, 504}}, {10, {13.4, 693}, {17.7, 650}},
    {18, {14.7, 496}, {15.3, 679}},     {30, {8.7, 829}, {11.6, 879}}, {60, {9.2, 688}, {11.9, 700}},
    {75, {9.8, 624}, {8.4, 819}},
};

int activityIndex(ActivityLevel activity)
{
    switch (activity) {
    case ActivityLevel::Light: return 0;
    case ActivityLevel::Moderate: return 1;
    case ActivityLevel::Heavy: return 2;
    case ActivityLevel::NotChosen: break;
    }
    return -1;
}

}  // namespace

Fixed4 basalMetabolism(Sex sex, qint16 age, qint16 weight)
{
    const Table1Row *row = &kTable1[0];
    for (const Table1Row &candidate : kTable1)
        if (age >= candidate.minAge)
            row = &candidate;
    const double *coefficients = sex == Sex::Female ? row->female : row->male;
    const double kcal = coefficients[0] * weight + coefficients[1];
    // Any 16-bit weight stays far inside the range of Fixed4.
    return Fixed4::fromDouble(kcal).value_or(Fixed4{});
}

std::optional<Fixed4> adolescentFactor(Sex sex, double age)
{
    if (age >= 10 && age <= 13)
        return sex == Sex::Female ? lafOf(15500) : lafOf(16500);
    if (age >= 14 && age <= 17)
        return sex == Sex::Female ? lafOf(15000) : lafOf(15800);
    return std::nullopt;
}

std::optional<Fixed4> adultFactor(Sex sex, ActivityLevel activity, RecommendedActivities recommended)
{
    static constexpr Fixed4 female[3][2] = {{lafOf(14200), lafOf(15600)},
                                            {lafOf(15600), lafOf(16400)},
                                            {lafOf(17300), lafOf(18200)}};
    static constexpr Fixed4 male[3][2] = {{lafOf(14100), lafOf(15500)},
                                          {lafOf(17000), lafOf(17800)},
                                          {lafOf(20100), lafOf(21000)}};
    const int row = activityIndex(activity);
    if (row < 0 || recommended == RecommendedActivities::NotChosen)
        return std::nullopt;
    const int column = recommended == RecommendedActivities::With ? 1 : 0;
    return sex == Sex::Female ? female[row][column] : male[row][column];
}

std::optional<Fixed4> elderlyFactor(Sex sex, double age, RecommendedActivities recommended)
{
    if (recommended == RecommendedActivities::NotChosen)
        return std::nullopt;
    const bool with = recommended == RecommendedActivities::With;
    if (age >= 60 && age <= 74) {
        if (sex == Sex::Female)
            return with ? lafOf(15600) : lafOf(14400);
        return with ? lafOf(15100) : lafOf(14000);
    }
    if (age >= 75) {
        if (sex == Sex::Female)
            return with ? lafOf(15600) : lafOf(13700);
        return with ? lafOf(15100) : lafOf(13300);
    }
    return std::nullopt;
}

std::optional<Fixed4> activityFactor(Sex sex, qint16 age, ActivityLevel activity, RecommendedActivities recommended)
{
    if (age < 10)
        return std::nullopt;
    if (age <= 17)
        return adolescentFactor(sex, age);
    if (age <= 59)
        return adultFactor(sex, activity, recommended);
    return elderlyFactor(sex, age, recommended);
}

std::optional<double> energyRequirement(QStringView lafText, QStringView basalText, const QLocale &locale)
{
    const auto laf = readLocaleNumber(lafText, locale);
    const auto basal = readLocaleNumber(basalText, locale);
    if (!laf || !basal)
        return std::nullopt;
    return *laf * *basal;
}

SplitKind splitKindForAge(int age)
{
    return age <= 17 ? SplitKind::Adolescent : SplitKind::Adult;
}

QString splitCaption(Sex sex, SplitKind kind)
{
    if (kind == SplitKind::Adolescent)
        return QCoreApplication::translate("EnergyModel", "Adolescente (fino a 17 anni)");
    return sex == Sex::Female ? QCoreApplication::translate("EnergyModel", "Adulta (Da 18 anni in su)")
                              : QCoreApplication::translate("EnergyModel", "Adulto (Da 18 anni in su)");
}

MacronutrientSplit macronutrientSplit(double energy, SplitKind kind)
{
    MacronutrientSplit split;
    if (kind == SplitKind::Adolescent) {
        split.proteinPercent = 15;
        split.fatPercent = 30;
        split.carbohydratePercent = 55;
    } else {
        split.proteinPercent = 10;
        split.fatPercent = 25;
        split.carbohydratePercent = 65;
    }
    // Kilocalories first (E × percent, then ÷ 100), then grams: another order of the same
    // operations can differ in the last binary digit and so in a printed hundredth.
    split.proteinGrams = energy * split.proteinPercent / 100 / 4;
    split.fatGrams = energy * split.fatPercent / 100 / 9;
    split.carbohydrateGrams = energy * split.carbohydratePercent / 100 / 4;
    return split;
}

std::optional<MacronutrientSplit> macronutrientSplit(QStringView energyText, SplitKind kind, const QLocale &locale)
{
    const auto energy = readLocaleNumber(energyText, locale);
    if (!energy)
        return std::nullopt;
    return macronutrientSplit(*energy, kind);
}

std::optional<MacronutrientSplit> macronutrientSplit(QStringView energyText, int age, const QLocale &locale)
{
    return macronutrientSplit(energyText, splitKindForAge(age), locale);
}

QString basalText(Fixed4 value, const QLocale &locale)
{
    return value.toText(locale);
}

QString lafText(Fixed4 value, const QLocale &locale)
{
    return value.toText(locale);
}

QString energyText(double value, const QLocale &locale)
{
    return formatPlain(value, locale);
}

QString gramsText(double value, const QLocale &locale)
{
    return formatFixed2(value, locale);
}

EnergyRequirement computeRequirement(const EnergyProfile &profile, const QLocale &locale)
{
    EnergyRequirement result;
    result.basalMetabolism = basalMetabolism(profile.sex, profile.age, profile.weight);
    ActivityLevel activity = profile.activity;
    if (profile.age >= 60)
        activity = ActivityLevel::Light;
    result.laf = activityFactor(profile.sex, profile.age, activity, profile.recommended);
    if (!result.laf)
        return result;
    result.energy = energyRequirement(lafText(*result.laf, locale), basalText(result.basalMetabolism, locale), locale);
    if (!result.energy)
        return result;
    result.split = macronutrientSplit(energyText(*result.energy, locale), profile.age, locale);
    return result;
}

}  // namespace velmo
