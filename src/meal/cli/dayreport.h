// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealcsv.h"

#include <QString>

#include <optional>
#include <vector>

namespace velmo {

// A day as `velmo-pasto` prints it: each meal's table under its name (and its comparison with
// the requirement, when there is one), then the day's totals: a line per meal with its totals
// and its share of the day's energy, the day's totals line and the day against the requirement.
QString dayReportText(const std::vector<NamedMealGrid> &meals, std::optional<double> requirementKcal = {});

}  // namespace velmo
