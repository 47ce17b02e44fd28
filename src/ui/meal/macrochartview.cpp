#include "ui/meal/macrochartview.h"

#include "ui/chartvalueaxis.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLocale>

#include <algorithm>

namespace velmo::ui {

MacroChartView::MacroChartView(QWidget *parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("MSChart1"));
    auto *chart = new QChart;
    auto *series = new QBarSeries(chart);
    const char *labels[3] = {"C1", "C2", "C3"};
    const QColor colours[3] = {QColor(72, 72, 255), QColor(255, 255, 0), QColor(255, 0, 0)};
    for (int i = 0; i < 3; ++i) {
        sets_[i] = new QBarSet(QString::fromLatin1(labels[i]), series);
        sets_[i]->setColor(colours[i]);
        sets_[i]->setBorderColor(colours[i].darker(140));
        sets_[i]->append(0.0);
        series->append(sets_[i]);
    }
    chart->addSeries(series);
    auto *categories = new QBarCategoryAxis(chart);
    // One category; its name, the row label, is written as the chart's title, where it is never
    // shortened. Rich text would fold the blanks between the three names.
    categories->append(QStringLiteral("1"));
    categories->setLabelsVisible(false);
    chart->setTitle(QString(rowLabel()).replace(u' ', QStringLiteral("&nbsp;")));
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto *values = new QCategoryAxis(chart);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    showChartAxis(values, axis_, QLocale());
    chart->legend()->setVisible(false);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setBackgroundRoundness(0);
    QFont small = font();
    small.setPointSizeF(7);
    chart->setTitleFont(small);
    values->setLabelsFont(small);
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
}

void MacroChartView::setData(int column, double value)
{
    if (column < 1 || column > 3)
        return;
    sets_[column - 1]->replace(0, value);
    fitAxis();
}

void MacroChartView::setValues(double protein, double fat, double carbohydrate)
{
    const double values[3] = {protein, fat, carbohydrate};
    for (int i = 0; i < 3; ++i)
        if (sets_[i]->at(0) != values[i])
            sets_[i]->replace(0, values[i]);
    fitAxis();
}

void MacroChartView::fitAxis()
{
    double top = 0;
    for (const QBarSet *set : sets_)
        top = std::max(top, set->at(0));
    // Only a top beyond the axis, or far below it, changes the scale.
    if (axis_.suits(top))
        return;
    const ChartAxis next = chartAxis(top);
    const auto axes = chart()->axes(Qt::Vertical);
    if (next == axis_ || axes.isEmpty())
        return;
    axis_ = next;
    showChartAxis(static_cast<QCategoryAxis *>(axes.first()), axis_, QLocale());
}

double MacroChartView::data(int column) const
{
    return column >= 1 && column <= 3 ? sets_[column - 1]->at(0) : 0.0;
}

}  // namespace velmo::ui
