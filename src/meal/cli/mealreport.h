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

// A heading line, body lines and a totals line aligned in columns, the first on the left, the
// others on the right, a rule under the heading and above the totals.
QString alignedReportText(const std::vector<QStringList> &lines);

// The composition table's lines (`mealReportLines`) aligned in columns: the name on the left,
// the numbers on the right; the comparison with a requirement, when there is one, on a line of
// its own after the totals.
QString mealReportText(const MealGrid &grid, const std::optional<MealComparison> &comparison = {});

}  // namespace velmo
