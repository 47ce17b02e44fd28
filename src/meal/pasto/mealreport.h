#pragma once

#include "meal/mealgrid.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace velmo {

// The composition table as the window shows it: a heading line, one line per locked row (name
// and the eight value cells) and the totals line, cells exactly as their texts stand.
std::vector<QStringList> mealReportLines(const MealGrid &grid);

// The same lines aligned in columns: the name on the left, the numbers on the right.
QString mealReportText(const MealGrid &grid);

// The same lines as RFC 4180 comma-separated records, for spreadsheets: numbers without
// thousands separators, headings without surrounding blanks.
QString mealReportCsv(const MealGrid &grid);

}  // namespace velmo
