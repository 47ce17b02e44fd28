// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/measurestore.h"
#include "meal/nutrientrows.h"
#include "meal/portiontext.h"
#include "nutrition/profile.h"
#include "nutrition/referenceintakes.h"

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace velmo {

class MainWindowModel;
class WeekModel;

// What the profile is of: the current food (the open row's) per 100 g of edible part, the same
// food in the gross weight typed in the open row, the meal of the locked rows, every meal of the
// window's day, the daily average of the week view's days, or the current food in one of its
// portions: its standard portion or one of its household measures.
enum class ProfileSubject { FoodPer100g, FoodPortion, Meal, Day, WeekAverage, FoodMeasure };

// The nutrient profile window's table: a heading row per group, then a row per nutrient with its
// amount, the person's reference, the share of it, where it stands (for the bar) and the note.
// It follows the main window's table (locks, clears, undo, a new current food, a new file) and
// the person of the energy windows' last calculation, until one is chosen here.
class NutrientProfileModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, AmountColumn, ReferenceColumn, PercentColumn, StatusColumn, NoteColumn, ColumnCount };
    // Of the status column: the IntakeStatus as int, and the share of the reference (double, none
    // without one) for the bar's length.
    static constexpr int StatusRole = Qt::UserRole + 1;
    static constexpr int ShareRole = Qt::UserRole + 2;
    // Of every column: true on a group's heading row.
    static constexpr int HeadingRole = Qt::UserRole + 3;

    explicit NutrientProfileModel(MainWindowModel &main, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    ProfileSubject subject() const { return subject_; }
    // The week average opens the week's store, if it is not open, when it is chosen.
    void setSubject(ProfileSubject subject);
    // The week whose average the profile shows, followed as it changes; none: no week to show.
    void setWeek(WeekModel *week);
    // None: amounts only.
    std::optional<IntakePerson> person() const { return person_; }
    void setPerson(const std::optional<IntakePerson> &person);

    // The portions the current food can be shown in ("1 porzione standard (150 g)", "1 fetta
    // (27 g)"): its standard portion first, then its measures. Empty unless the subject is the food
    // per portion and the food has any.
    QStringList measureChoices() const { return measureCaptions_; }
    int measureChoice() const { return measureChoice_; }
    // Kept while the current food stays the same; a new current food starts from the first.
    void setMeasureChoice(int choice);

    // What the profile is of, or why it is empty ("Nessuna riga bloccata...").
    QString subjectText() const { return subjectText_; }
    // The nutrients with a reference that the food data lack; empty without a person.
    QString missingText() const { return missingText_; }
    // The table's row of the nutrient with `key`; none when it is not shown.
    std::optional<int> rowOf(const QString &key) const;

    // What each food of the profile gives of the nutrient in `row`: largest first, then the foods
    // that lack the value (no amount). Empty on a heading and on a derived row.
    struct Contribution {
        QString food;  // as the table shows it
        std::optional<double> amount;
        double share = 0;  // of the sum of the known amounts, 0 to 1
    };
    std::vector<Contribution> contributions(int row) const;
    QString contributionText(const Contribution &contribution, int row) const;

    // The shown table as tab-separated lines (for the clipboard), and the profile as the CSV of
    // `velmo-pasto --nutrienti --csv`.
    QString tabSeparated() const;
    QString csv() const;
    // "Esporta CSV...": the file through the program's dialogs; false when not written (a failure
    // told to the user).
    bool exportCsv();

    // Recomputes at once (the model otherwise waits for the table's changes to settle).
    void refresh();

signals:
    void personChanged();
    void refreshed();

private:
    void scheduleRefresh();
    std::optional<Meal> subjectMeal(QString *why);
    QString statusText(IntakeStatus status) const;

    std::optional<Meal> dayMeal(QString *why);
    std::optional<Meal> weekMeal(QString *why);
    std::optional<double> measuredGrams(const FoodRef &food, const QString &name, QString *why);

    MainWindowModel &main_;
    WeekModel *week_ = nullptr;
    ProfileSubject subject_ = ProfileSubject::Meal;
    std::optional<IntakePerson> person_;
    bool pending_ = false;
    const Nutrients *nutrients_ = nullptr;
    Meal meal_;
    std::vector<QString> shownNames_;  // of meal_'s foods
    NutrientProfile profile_;
    ReferenceFor reference_;
    std::vector<NutrientRowText> rows_;
    std::vector<int> lines_;  // the table's rows: an index in rows_, or -1 - group for a heading
    QString subjectText_;
    QString missingText_;
    std::vector<MissingNutrient> missing_;
    std::unique_ptr<MeasureStore> measures_;
    std::optional<FoodRef> measuredFood_;  // whose portions measureChoice_ is of
    FoodPortions portions_;
    std::vector<PortionUnit> measureUnits_;
    QStringList measureCaptions_;
    int measureChoice_ = 0;
};

}  // namespace velmo
