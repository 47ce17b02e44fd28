// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealgrid.h"
#include "meal/requirementcomparison.h"

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

}  // namespace velmo
