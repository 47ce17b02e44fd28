#pragma once

#include <QChartView>

namespace velmo::ui {

class BarChart;

// `MSChart1`: one data row, "Protidi     Lipidi     Glucidi", of three columns: the grams of
// protein, fat and carbohydrate in blue, yellow and red.
class MacroChartView : public QChartView {
    Q_OBJECT
public:
    static QString rowLabel() { return QStringLiteral("Protidi     Lipidi     Glucidi"); }

    explicit MacroChartView(QWidget *parent = nullptr);

    // `Column` 1 to 3 and its `Data`.
    void setData(int column, double value);
    // The three columns at once, with one redraw of the axis.
    void setValues(double protein, double fat, double carbohydrate);
    double data(int column) const;

private:
    BarChart *bars_;
};

}  // namespace velmo::ui
