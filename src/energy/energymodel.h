// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/fixed4.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace velmo {

enum class Sex { Female, Male };

enum class ActivityLevel { NotChosen, Light, Moderate, Heavy };

enum class RecommendedActivities { NotChosen, With, Without };

struct EnergyProfile {
    Sex sex = Sex::Female;
    qint16 age = 0;
    qint16 weight = 0;
    ActivityLevel activity = ActivityLevel::NotChosen;
    RecommendedActivities recommended = RecommendedActivities::NotChosen;
};

// Which balanced-diet division applies: adolescents up to 17 years, adults from 18.
enum class SplitKind { Adolescent, Adult };

struct MacronutrientSplit {
    int proteinPercent = 0;
    int fatPercent = 0;
    int carbohydratePercent = 0;
    double proteinGrams = 0.0;
    double fatGrams = 0.0;
    double carbohydrateGrams = 0.0;
};

struct EnergyRequirement {
    Fixed4 basalMetabolism;
    std::optional<Fixed4> laf;
    std::optional<double> energy;
    std::optional<MacronutrientSplit> split;
};

// Table 1: kcal per day from the whole age and weight.
Fixed4 basalMetabolism(Sex sex, qint16 age, qint16 weight);

// The ages and weights the tables are used for: past them a figure would look right and not be.
inline constexpr int kMaxAge = 120;
inline constexpr int kMaxWeight = 350;  // kg

// The LAF for a person: none below 10 years, Table A from 10 to 17, Table B from 18 to 59 (needs
// both choices), Table C from 60 (activity always light; needs the recommended-activities choice).
std::optional<Fixed4> activityFactor(Sex sex, qint16 age, ActivityLevel activity, RecommendedActivities recommended);

// The single tables, as the windows apply them one by one. Ages are tested as decimal numbers.
std::optional<Fixed4> adolescentFactor(Sex sex, double age);                                            // Table A
std::optional<Fixed4> adultFactor(Sex sex, ActivityLevel activity, RecommendedActivities recommended);  // Table B
std::optional<Fixed4> elderlyFactor(Sex sex, double age, RecommendedActivities recommended);            // Table C

// LAF × basal metabolism, both read back from the texts that show them; empty when either text
// cannot be read.
std::optional<double> energyRequirement(QStringView lafText, QStringView basalText, const QLocale &locale);

SplitKind splitKindForAge(int age);
// The caption the windows show above a division.
QString splitCaption(Sex sex, SplitKind kind);
MacronutrientSplit macronutrientSplit(double energy, SplitKind kind);

// The division of the energy that `energyText` shows, with the percentages for `age`; empty when
// the text cannot be read.
std::optional<MacronutrientSplit> macronutrientSplit(QStringView energyText, int age, const QLocale &locale);
std::optional<MacronutrientSplit> macronutrientSplit(QStringView energyText, SplitKind kind, const QLocale &locale);

// The texts the windows show and print.
QString basalText(Fixed4 value, const QLocale &locale);
QString lafText(Fixed4 value, const QLocale &locale);
QString energyText(double value, const QLocale &locale);
QString gramsText(double value, const QLocale &locale);

// The whole computation for one person, passing every result on as the windows do: through the
// text that shows it.
EnergyRequirement computeRequirement(const EnergyProfile &profile, const QLocale &locale);

}  // namespace velmo
