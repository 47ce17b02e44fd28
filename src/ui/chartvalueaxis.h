#pragma once

#include "common/chartaxis.h"

#include <QCategoryAxis>
#include <QLocale>

namespace velmo::ui {

// Shows `scale` on a chart's value axis. The axis is a category axis with one category per tick
// so that every label is the program's own number text (Qt's value axis writes numbers itself,
// in the locale's digits, with a printf format).
inline void showChartAxis(QCategoryAxis *axis, const ChartAxis &scale, const QLocale &locale)
{
    const QStringList old = axis->categoriesLabels();
    for (const QString &label : old)
        axis->remove(label);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    // A label stands at the end of its category: the first one, ending at 0, starts a step below,
    // out of sight.
    axis->setStartValue(-scale.tickValue(1));
    for (int tick = 0; tick < scale.tickCount; ++tick)
        axis->append(scale.label(tick, locale), scale.tickValue(tick));
    axis->setRange(0, scale.max);
}

}  // namespace velmo::ui
