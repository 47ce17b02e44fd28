// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealgrid.h"
#include "meal/requirementcomparison.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace velmo {

// The composition table as the window shows it: a heading line, one line per locked row (name
// and the eight value cells) and the totals line, cells exactly as their texts stand.
std::vector<QStringList> mealReportLines(const MealGrid &grid);

// The same lines as RFC 4180 comma-separated records, for spreadsheets: numbers without
// thousands separators, headings without surrounding blanks. A comparison with a requirement
// adds its columns, filled on the totals line only.
QString mealReportCsv(const MealGrid &grid, const std::optional<MealComparison> &comparison = {});

// A meal of a day, as its own table computed it.
struct NamedMealGrid {
    QString name;  // empty for the foods a day file holds before its first named meal
    const MealGrid *grid = nullptr;
};

// The meals of one date.
struct DatedMealGrids {
    QDate date;
    std::vector<NamedMealGrid> meals;
};

// The day's totals: each value column of the meals' totals lines summed, written as a totals
// line writes its sums.
MealTotals dayTotals(const std::vector<NamedMealGrid> &meals);

// Each meal's share of the day's energy, in whole percent adding up to 100; empty for a day
// without energy.
std::vector<qint64> mealEnergyShares(const std::vector<NamedMealGrid> &meals);

// The heading of the day's totals line.
QString dayTotalsCaption();

// A day as `mealReportCsv` writes a meal, with a "Pasto" column in front: each meal's food lines
// and totals line, then the day's totals line with no meal. A requirement adds the comparison
// columns, filled on the totals lines, each meal's and the day's against it.
QString dayReportCsv(const std::vector<NamedMealGrid> &meals, std::optional<double> requirementKcal = {});

// Days one after the other as `dayReportCsv` writes one, with a "Data" column (YYYY-MM-DD) in
// front of the meal's; one heading line for all.
QString daysReportCsv(const std::vector<DatedMealGrids> &days, std::optional<double> requirementKcal = {});

}  // namespace velmo
