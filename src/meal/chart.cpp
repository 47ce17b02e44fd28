#include "meal/mealgrid.h"

#include "common/numbertext.h"

namespace velmo {

void MealGrid::setChartData(ChartColumn column, const QString &text)
{
    // The chart reads the caption as a number in the user's format. A caption that is no
    // number (the totals are empty until the first recomputation) leaves the value as it was.
    const auto value = readLocaleNumber(text, QLocale());
    if (!value)
        return;
    double &held = chart_[static_cast<std::size_t>(column)];
    if (held == *value)
        return;
    held = *value;
    emit chartChanged();
}

void MealGrid::updateChart()
{
    setChartData(ChartColumn::Protein, totalText(MealColumn::Prot));
    setChartData(ChartColumn::Fat, totalText(MealColumn::Lip));
    setChartData(ChartColumn::Carbohydrate, totalText(MealColumn::Gluc));
}

}  // namespace velmo
