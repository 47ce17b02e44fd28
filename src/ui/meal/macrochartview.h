// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealgrid.h"

#include <QChartView>

namespace velmo::ui {

class BarChart;

// The chart of the meal: one row, "Protidi     Lipidi     Glucidi", of three columns: the grams
// of protein, fat and carbohydrate in blue, yellow and red.
class MacroChartView : public QChartView {
    Q_OBJECT
public:
    static QString rowLabel() { return tr("Protidi     Lipidi     Glucidi"); }

    explicit MacroChartView(QWidget *parent = nullptr);

    // The three columns at once, with one redraw of the axis.
    void setValues(double protein, double fat, double carbohydrate);
    double value(ChartColumn column) const;

private:
    BarChart *bars_;
};

}  // namespace velmo::ui
