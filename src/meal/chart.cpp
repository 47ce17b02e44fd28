#include "meal/mealgrid.h"

#include "common/numbertext.h"

namespace velmo {

bool MealGrid::setChartData(ChartColumn column, const QString &text)
{
    // The chart reads the caption as a number in the user's format. A caption that is no
    // number (the totals are empty until the first recomputation) leaves the value as it was.
    const auto value = readLocaleNumber(text, QLocale());
    if (!value)
        return false;
    double &held = chart_[static_cast<std::size_t>(column)];
    if (held == *value)
        return false;
    held = *value;
    return true;
}

void MealGrid::updateChart()
{
    // One redraw for the three columns.
    bool changed = setChartData(ChartColumn::Protein, totalText(MealColumn::Prot));
    changed = setChartData(ChartColumn::Fat, totalText(MealColumn::Lip)) || changed;
    changed = setChartData(ChartColumn::Carbohydrate, totalText(MealColumn::Gluc)) || changed;
    if (changed)
        emit chartChanged();
}

}  // namespace velmo
