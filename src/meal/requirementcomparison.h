// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealgrid.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace velmo {

// A meal set against a daily energy requirement, in whole numbers as the user reads them.
// Every figure is rounded to the nearest whole, halves to even, from the exact values: the
// percentage of the requirement is the meal's energy over the requirement, not a ratio of two
// rounded numbers.
struct MealComparison {
    qint64 mealKcal = 0;
    qint64 requirementKcal = 0;
    qint64 percentOfRequirement = 0;
    // The shares of energy that protein, fat and carbohydrate bring at 4, 9 and 4 kcal per gram,
    // in whole percent. They are split by largest remainders, so the three always add up to 100
    // as a dietitian expects. None for a meal without any of the three (no locked row, or only
    // foods without them): there is no split of nothing, and the text says only the energy.
    std::optional<std::array<qint64, 3>> shares;
};

// None for a requirement that is not a finite number above 0.
std::optional<MealComparison> compareWithRequirement(const MealTotals &totals, double requirementKcal,
                                                     const QLocale &locale);

// "Pasto 650 kcal = 29 % di 2244 kcal · Protidi 14 % Lipidi 31 % Glucidi 55 % dell'energia";
// `whose`, when given, follows the requirement in brackets ("di 2244 kcal (maschio)").
QString comparisonText(const MealComparison &comparison, const QString &whose, const QLocale &locale);
// The same of a whole day's meals: "Giorno 2100 kcal = ..." (`whose` is left out for a day).
enum class ComparedPart { Meal, Day };
QString comparisonText(const MealComparison &comparison, const QString &whose, const QLocale &locale,
                       ComparedPart part);

// Parts of a whole in whole percent, split by largest remainders so that they add up to 100
// (ties to the earlier part); empty when the parts add up to nothing.
std::vector<qint64> wholePercentShares(const std::vector<double> &parts);

// The same figures as extra spreadsheet columns: headings, and the cells of the totals line.
QStringList comparisonCsvHeadings();
QStringList comparisonCsvCells(const MealComparison &comparison, const QLocale &locale);

}  // namespace velmo
