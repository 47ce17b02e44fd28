// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/dayfigures.h"
#include "meal/nutrientrows.h"
#include "nutrition/profile.h"

#include <QAbstractTableModel>
#include <QString>

#include <optional>
#include <vector>

namespace velmo {

class MainWindowModel;

// The day panel: a row per meal with its energy, its share of the day's energy and, beside it
// as a guide never enforced, the share the LARN suggest for a meal of that usual name; under
// them the day's totals, the day against the requirement the main window compares the meal with,
// and the shares of energy from protein, fat and carbohydrate against their reference ranges.
// Computed on the nutrient profile's core from every meal's foods, the shown one's as the table
// has them now: it follows each lock and each change of meal.
class DayPanelModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { MealColumn, EnergyColumn, ShareColumn, GuideColumn, ColumnCount };

    explicit DayPanelModel(MainWindowModel &main, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The guide's share of the day for a meal of the usual names, in percent; none for another.
    static std::optional<int> guideShare(const QString &mealName);

    // A line under the table: the nutrient, its amount with its unit, its reference range and
    // where the amount stands against it (both empty without a range).
    using Line = FigureLine;
    // Energy, protein, fat, carbohydrate and fibre of the day.
    const std::vector<Line> &totals() const { return totals_; }
    // The shares of energy from protein, fat and carbohydrate.
    const std::vector<Line> &split() const { return split_; }
    // "Giorno 1850 kcal = 84 % di 2200 kcal" against the requirement, or why nothing is shown.
    QString summary() const { return summary_; }

    // Recomputes at once (the model otherwise waits for the table's changes to settle).
    void refresh();

signals:
    void refreshed();

private:
    void scheduleRefresh();
    void fillLines(const Nutrients &nutrients);

    struct MealFigures {
        QString name;
        NutrientAmount energy;
        qint64 share = 0;
        bool shown = false;  // the meal the table shows
    };
    MainWindowModel &main_;
    bool pending_ = false;
    std::vector<MealFigures> meals_;
    NutrientProfile day_;
    std::vector<Line> totals_;
    std::vector<Line> split_;
    QString summary_;
};

}  // namespace velmo
