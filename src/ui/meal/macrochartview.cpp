#include "ui/meal/macrochartview.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>

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
    // The axis draws rich text, which would fold the blanks between the three names.
    categories->append(QString(rowLabel()).replace(u' ', QChar(0x00A0)));
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto *values = new QValueAxis(chart);
    values->setLabelFormat(QStringLiteral("%g"));
    values->setRange(0, 1);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    chart->legend()->setVisible(false);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setBackgroundRoundness(0);
    QFont small = font();
    small.setPointSizeF(7);
    categories->setLabelsFont(small);
    values->setLabelsFont(small);
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
}

void MacroChartView::setData(int column, double value)
{
    if (column < 1 || column > 3)
        return;
    sets_[column - 1]->replace(0, value);
    double top = 0;
    for (const QBarSet *set : sets_)
        top = std::max(top, set->at(0));
    const auto axes = chart()->axes(Qt::Vertical);
    if (!axes.isEmpty())
        static_cast<QValueAxis *>(axes.first())->setRange(0, top > 0 ? top * 1.1 : 1);
}

double MacroChartView::data(int column) const
{
    return column >= 1 && column <= 3 ? sets_[column - 1]->at(0) : 0.0;
}

}  // namespace velmo::ui
