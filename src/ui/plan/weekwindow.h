// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QDialog>

class QChartView;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableView;

namespace velmo {
class WeekModel;
}

namespace velmo::ui {

// "Settimana": seven days of the current person from a chosen date, a table of their energy and
// macronutrients with the daily average, a chart of the energy of each day against the
// requirement and one of the shares of energy from protein, fat and carbohydrate. It renders
// WeekModel and forwards the user's commands to it.
class WeekWindow : public QDialog {
    Q_OBJECT
public:
    explicit WeekWindow(WeekModel &model, QWidget *parent = nullptr);

    WeekModel &model() { return model_; }
    QTableView *table() const { return table_; }
    QDateEdit *fromDate() const { return from_; }
    QLabel *summary() const { return summary_; }
    QChartView *energyChart() const { return energyChart_; }
    QChartView *sharesChart() const { return sharesChart_; }
    QPushButton *button(const QString &objectName) const;

signals:
    // "Profilo della media...": the nutrient profile of the week's daily average.
    void averageProfileRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *buildWeekControls();
    QWidget *buildButtons();
    void render();
    void showCharts();

    WeekModel &model_;
    QLabel *heading_ = nullptr;
    QDateEdit *from_ = nullptr;
    QLabel *requirement_ = nullptr;
    QTableView *table_ = nullptr;
    QLabel *summary_ = nullptr;
    QChartView *energyChart_ = nullptr;
    QChartView *sharesChart_ = nullptr;
};

}  // namespace velmo::ui
