// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealgrid.h"
#include "meal/requirementcomparison.h"

#include <QString>

#include <optional>

namespace velmo {

// The composition table's lines (`mealReportLines`) aligned in columns: the name on the left,
// the numbers on the right; the comparison with a requirement, when there is one, on a line of
// its own after the totals.
QString mealReportText(const MealGrid &grid, const std::optional<MealComparison> &comparison = {});

}  // namespace velmo
