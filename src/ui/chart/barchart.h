// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/chartaxis.h"

#include <QChart>
#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QBarCategoryAxis;
class QBarSet;
class QCategoryAxis;
class QChartView;
class QLineSeries;

namespace velmo::ui {

// How the value axis follows the bars.
enum class AxisFit {
    ToTallest,       // the scale of the tallest bar after every change
    KeepWhileSuits,  // a new scale only once the tallest bar no longer suits the one shown
};

// One set of bars: its name and colour, and the colour of its border (Qt's own when invalid).
struct BarSetStyle {
    QString name;
    QColor colour;
    QColor border = {};
};

// A bar chart of one row of values: each set has one bar per category, over a value axis whose
// labels are the program's own number texts (Qt's value axis would write them with a printf
// format, in the locale's digits). Bars are counted set by set, category by category.
class BarChart : public QChart {
public:
    // No categories: one category whose label is not shown.
    BarChart(const QStringList &categories, const QList<BarSetStyle> &sets, AxisFit fit);

    int barCount() const;
    double value(int bar) const;
    // The bars in order; only those that changed are redrawn, and the axis is fitted once.
    void setValues(const QList<double> &values);
    void setValue(int bar, double value);

    QCategoryAxis *valueAxis() const { return valueAxis_; }

    // A line across every bar at `value` (a requirement the bars are set against), named and
    // coloured for the legend; none takes it away. The value axis reaches up to it as to a bar.
    void setReferenceLine(std::optional<double> value, const QString &name, const QColor &colour);
    std::optional<double> referenceLine() const { return reference_; }

    // Makes this the chart of `view`, which owns it from now on; the chart the view had is deleted
    // (a chart view lets go of its old chart without deleting it).
    void showIn(QChartView *view);

private:
    QBarSet *setOf(int bar) const;
    int categoryOf(int bar) const;
    void fitValueAxis();
    void showScale();

    QList<QBarSet *> sets_;
    int categoryCount_ = 1;
    QBarCategoryAxis *categoryAxis_ = nullptr;
    QCategoryAxis *valueAxis_ = nullptr;
    QLineSeries *referenceSeries_ = nullptr;
    std::optional<double> reference_;
    AxisFit fit_;
    ChartAxis scale_;
};

// Both charts draw numbers that their windows also write out: a chart view is no stop for the Tab
// key, but has a name for screen readers.
void presentAsPicture(QChartView *view);

}  // namespace velmo::ui
