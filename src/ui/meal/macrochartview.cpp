// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/meal/macrochartview.h"

#include "ui/chart/barchart.h"
#include "ui/meal/compositiontableview.h"

#include <QCategoryAxis>

namespace velmo::ui {

namespace {

BarSetStyle column(const char *label, QColor colour)
{
    return {QString::fromLatin1(label), colour, colour.darker(140)};
}

}  // namespace

// One category; its name, the row label, is written as the chart's title, where it is never
// shortened. A meal changes its totals a little at a time: the scale stays while it suits. The
// view is made with its chart, which spares a default chart made and thrown away.
MacroChartView::MacroChartView(QWidget *parent)
    : QChartView(new BarChart({},
                              {column("C1", QColor(72, 72, 255)), column("C2", QColor(255, 255, 0)),
                               column("C3", QColor(255, 0, 0))},
                              AxisFit::KeepWhileSuits),
                 parent),
      bars_(static_cast<BarChart *>(chart()))
{
    setObjectName(QStringLiteral("MSChart1"));
    bars_->setMargins(QMargins(2, 2, 2, 2));
    bars_->setBackgroundRoundness(0);
    QFont small = font();
    small.setPointSizeF(kSmallTextPointSize);
    // The font before the text, so that the title is laid out once.
    bars_->setTitleFont(small);
    // Rich text would fold the blanks between the three names.
    bars_->setTitle(QString(rowLabel()).replace(u' ', QStringLiteral("&nbsp;")));
    bars_->valueAxis()->setLabelsFont(small);
    setRenderHint(QPainter::Antialiasing);
    presentAsPicture(this);
}

void MacroChartView::setValues(double protein, double fat, double carbohydrate)
{
    bars_->setValues({protein, fat, carbohydrate});
}

double MacroChartView::value(ChartColumn column) const
{
    return bars_->value(static_cast<int>(column));
}

}  // namespace velmo::ui
