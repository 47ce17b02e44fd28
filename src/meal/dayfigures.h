// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealday.h"
#include "nutrition/nutrients.h"
#include "nutrition/portion.h"
#include "nutrition/profile.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

namespace velmo {

class NutrientStore;

// The figures of a day that the day panel shows and the printed plan repeats: both take them from
// here, so that paper and window never differ.

// One meal of a day on the numeric core: its foods, its energy and its whole share of the day.
struct PlannedMeal {
    Meal meal;
    NutrientAmount energy;
    qint64 share = 0;
};
struct PlannedDay {
    std::vector<PlannedMeal> meals;
    Meal whole;  // every meal's foods together, for the day's profile
};

// The day's meals through `nutritionMeal`; a meal not yet planned brings a known zero. The shares
// of the day's energy add up to 100 (largest remainders). None, with the reason, at the first food
// not found.
std::optional<PlannedDay> plannedDay(const MealDay &day, NutrientStore &store, const Nutrients &nutrients,
                                     QString *why);

// Which of the usual meals (defaultMealNames(): colazione, spuntino, pranzo, merenda, cena) a meal
// of this name is, by its Italian name, its English one or the one the interface gives it now;
// none for another name.
std::optional<int> usualMealIndex(const QString &mealName);
// The guide's share of the day for a meal of the usual names, in percent; none for another.
std::optional<int> mealGuideShare(const QString &mealName);

// "≥ 45 kcal", "45 kcal" or "n.d.".
QString energyAmountText(const NutrientAmount &energy, const QLocale &locale);

// A line of the day's figures: the nutrient, its amount with its unit, its reference range and
// where the amount stands against it (both empty without a range).
struct FigureLine {
    QString name;
    QString amount;
    QString reference;
    QString status;
};
struct DayFigures {
    std::vector<FigureLine> totals;  // energy, protein, fat, carbohydrate and fibre
    std::vector<FigureLine> split;   // the shares of energy from protein, fat and carbohydrate
};
DayFigures dayFigures(const Nutrients &nutrients, const NutrientProfile &profile, const ReferenceFor &reference,
                      const QLocale &locale);

// "Giorno 1850 kcal = 84 % di 2200 kcal", or the day's energy and the words that no requirement is
// there to compare it with.
// The same of one meal ("Pasto 620 kcal = 28 % di 2200 kcal") or of a week's daily average
// ("Media giornaliera 1850 kcal = …").
enum class SummaryOf { Day, Meal, DailyAverage };
QString daySummaryText(const NutrientAmount &dayEnergy, std::optional<double> requirementKcal, const QLocale &locale,
                       SummaryOf of = SummaryOf::Day);

}  // namespace velmo
