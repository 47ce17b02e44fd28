// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealday.h"
#include "nutrition/profile.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace velmo {

class MainWindowModel;
class Nutrients;

// The week view: seven days of the current person from a chosen date, one row each, with the
// energy, its share of the person's requirement, protein, fat and carbohydrate in grams and as
// shares of the energy, and fibre; then the daily average of the days that have foods stored.
// Computed on the nutrient profile's core from the stored days, read in one query; a day with
// nothing stored (or whose foods cannot all be found) is said and left out of the average.
// Nothing is read before open(), so that neither making the model nor start-up opens the store.
class WeekModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        DayColumn,
        EnergyColumn,
        RequirementColumn,  // the energy as a share of the requirement
        ProteinColumn,
        ProteinShareColumn,
        FatColumn,
        FatShareColumn,
        CarbohydrateColumn,
        CarbohydrateShareColumn,
        FibreColumn,
        ColumnCount
    };
    static constexpr int kDays = 7;
    // The row after the days.
    static constexpr int kAverageRow = kDays;
    // Of every amount column: the amount as a number (none: not known), for the charts.
    static constexpr int AmountRole = Qt::UserRole + 1;

    explicit WeekModel(MainWindowModel &main, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Opens the persons' store if it is not open yet and reads the week; false (the reason told)
    // when the store cannot be opened. The model then follows the current person and the store.
    bool open();
    bool isOpen() const { return open_; }

    // The week's first day; by default the Monday of the week of the session's today.
    QDate from() const { return from_; }
    void setFrom(QDate date);
    void previousWeek() { setFrom(from_.addDays(-kDays)); }
    void nextWeek() { setFrom(from_.addDays(kDays)); }
    // From the Monday of the session's today.
    void thisWeek();
    static QDate mondayOf(QDate date) { return date.addDays(1 - date.dayOfWeek()); }

    // Whose week and which: "Maria Rossi, dal 02/03/2026 al 08/03/2026", or why there is none.
    QString heading() const { return heading_; }
    // The requirement the days are set against, at the week's first day; none without one.
    std::optional<double> requirementKcal() const { return requirement_; }
    QString requirementText() const { return requirementText_; }
    // How many days the average counts, and what it is, or why there is none.
    int averagedDays() const { return static_cast<int>(averaged_.size()); }
    QString summary() const { return summary_; }
    // The average day's foods, for the nutrient profile; none when no day has foods.
    std::optional<Meal> averageMeal() const;

    // The week's stored days as CSV (daysReportCsv: one row per food with its date and meal, the
    // totals of each meal and day, against the requirement); none, with the reason, when a food
    // cannot be placed or no day has foods.
    std::optional<QString> csv(QString *error);
    // "Esporta CSV...": the file through the program's dialogs, private to the user as every file
    // of a person's data; false when not written (the reason told).
    bool exportCsv();

    // Reads the week again at once (the model otherwise waits for changes to settle).
    void refresh();

signals:
    void refreshed();

private:
    enum class DayState { Empty, Planned, Failed };
    struct Day {
        QDate date;
        DayState state = DayState::Empty;
        NutrientProfile profile;
        QString problem;
    };
    void scheduleRefresh();
    void read();
    // False, with the reason in the summary, when the foods' profile cannot be read.
    bool computeDays(const std::map<QDate, MealDay> &stored);
    void writeSummary();
    QString amountText(const NutrientProfile &profile, Column column) const;
    std::optional<double> amountOf(const NutrientProfile &profile, Column column) const;

    MainWindowModel &main_;
    bool open_ = false;
    bool pending_ = false;
    bool read_ = false;  // the week's days were read and computed
    QDate from_;
    QString person_;
    const Nutrients *nutrients_ = nullptr;
    std::vector<std::optional<int>> indexes_;  // of each column's nutrient
    std::vector<Day> days_;
    std::map<QDate, MealDay> stored_;
    std::vector<Meal> averaged_;
    NutrientProfile average_;
    std::optional<double> requirement_;
    QString heading_, requirementText_, summary_;
};

}  // namespace velmo
