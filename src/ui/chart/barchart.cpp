// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/chart/barchart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChartView>
#include <QCoreApplication>
#include <QLineSeries>
#include <QLocale>
#include <QPen>

#include <algorithm>

namespace velmo::ui {

BarChart::BarChart(const QStringList &categories, const QList<BarSetStyle> &sets, AxisFit fit) : fit_(fit)
{
    legend()->hide();
    categoryCount_ = std::max<int>(1, static_cast<int>(categories.size()));
    auto *series = new QBarSeries(this);
    for (const BarSetStyle &style : sets) {
        auto *set = new QBarSet(style.name, series);
        set->setColor(style.colour);
        if (style.border.isValid())
            set->setBorderColor(style.border);
        for (int i = 0; i < categoryCount_; ++i)
            set->append(0.0);
        series->append(set);
        sets_.append(set);
    }
    addSeries(series);

    categoryAxis_ = new QBarCategoryAxis(this);
    if (categories.isEmpty()) {
        categoryAxis_->append(QStringLiteral("1"));
        categoryAxis_->setLabelsVisible(false);
    } else {
        categoryAxis_->append(categories);
    }
    addAxis(categoryAxis_, Qt::AlignBottom);
    series->attachAxis(categoryAxis_);
    valueAxis_ = new QCategoryAxis(this);
    addAxis(valueAxis_, Qt::AlignLeft);
    series->attachAxis(valueAxis_);
    showScale();
}

int BarChart::barCount() const
{
    return static_cast<int>(sets_.size()) * categoryCount_;
}

QBarSet *BarChart::setOf(int bar) const
{
    return sets_.at(bar / categoryCount_);
}

int BarChart::categoryOf(int bar) const
{
    return bar % categoryCount_;
}

double BarChart::value(int bar) const
{
    return bar >= 0 && bar < barCount() ? setOf(bar)->at(categoryOf(bar)) : 0.0;
}

void BarChart::setValues(const QList<double> &values)
{
    const int count = std::min(barCount(), static_cast<int>(values.size()));
    for (int bar = 0; bar < count; ++bar)
        if (value(bar) != values.at(bar))
            setOf(bar)->replace(categoryOf(bar), values.at(bar));
    fitValueAxis();
}

void BarChart::setValue(int bar, double value)
{
    if (bar < 0 || bar >= barCount())
        return;
    setOf(bar)->replace(categoryOf(bar), value);
    fitValueAxis();
}

void BarChart::setReferenceLine(std::optional<double> value, const QString &name, const QColor &colour)
{
    reference_ = value;
    if (!referenceSeries_) {
        referenceSeries_ = new QLineSeries(this);
        addSeries(referenceSeries_);
        referenceSeries_->attachAxis(categoryAxis_);
        referenceSeries_->attachAxis(valueAxis_);
    }
    referenceSeries_->setName(name);
    QPen pen(colour, 2, Qt::DashLine);
    referenceSeries_->setPen(pen);
    // From the left edge of the first bar's category to the right edge of the last one's.
    referenceSeries_->clear();
    if (value)
        referenceSeries_->append({QPointF(-0.5, *value), QPointF(categoryCount_ - 0.5, *value)});
    referenceSeries_->setVisible(value.has_value());
    fitValueAxis();
}

void presentAsPicture(QChartView *view)
{
    view->setFocusPolicy(Qt::NoFocus);
    view->viewport()->setFocusPolicy(Qt::NoFocus);
    view->setAccessibleName(QCoreApplication::translate("BarChart", "Grafico dei grammi di protidi, lipidi e glucidi"));
}

void BarChart::showIn(QChartView *view)
{
    QChart *previous = view->chart();
    view->setChart(this);
    presentAsPicture(view);
    if (previous != this)
        delete previous;
}

void BarChart::fitValueAxis()
{
    double top = reference_.value_or(0);
    for (int bar = 0; bar < barCount(); ++bar)
        top = std::max(top, value(bar));
    if (fit_ == AxisFit::KeepWhileSuits && scale_.suits(top))
        return;
    const ChartAxis next = chartAxis(top);
    if (next == scale_)
        return;
    scale_ = next;
    showScale();
}

void BarChart::showScale()
{
    // One category per tick, so that every label is the program's own number text.
    for (const QString &label : valueAxis_->categoriesLabels())
        valueAxis_->remove(label);
    valueAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    // A label stands at the end of its category: the first one, ending at 0, starts a step below,
    // out of sight.
    valueAxis_->setStartValue(-scale_.tickValue(1));
    const QLocale locale;
    for (int tick = 0; tick < scale_.tickCount; ++tick)
        valueAxis_->append(scale_.label(tick, locale), scale_.tickValue(tick));
    valueAxis_->setRange(0, scale_.max);
}

}  // namespace velmo::ui
