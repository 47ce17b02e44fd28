// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/dialogs.h"
#include "meal/mealdocument.h"
#include "shell/dayplan.h"
#include "shell/mealsteps.h"
#include "shell/personsession.h"
#include "shell/storeddays.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QUndoStack;

namespace velmo {

// The shown meal, or the whole day, copied to a day of a person and a date; the shown meal kept
// as a habitual meal, and a habitual meal put into the day. Each is one step of the window's undo
// stack: a copy to a day the window does not show is written to the store, and its undo writes
// back what that day held, with the revisions, so that another window's change is never lost.
class DayCopies : public QObject {
    Q_OBJECT
public:
    struct Parts {
        MealDocument &document;
        MealSteps &steps;
        DayPlan &day;
        QUndoStack &stack;
        PersonSession &persons;
        StoredDays &stored;
        Dialogs &dialogs;
    };
    explicit DayCopies(Parts parts, QObject *parent = nullptr);

    // Where a copy goes: a person's day and, for a meal, the meal of that day it replaces
    // (kNewMeal: it is added after the others).
    static constexpr int kNewMeal = -1;
    struct Target {
        QString person;
        QDate date;
        int meal = kNewMeal;
    };
    // The persons a copy may go to; empty, told to the user, when the store cannot be read.
    QStringList persons();
    // The meals of the person's day on `date`, the usual ones when none is stored.
    QStringList mealsOf(const QString &person, QDate date);

    bool copyMeal(const Target &target);
    bool copyDay(const Target &target);

    // "Salva come pasto abituale...": the shown meal's foods under a name asked for.
    bool saveHabitual();
    QStringList habitualMeals();
    // "Inserisci pasto abituale...": the meal `name` as a new meal after the shown one, or, with
    // `replace`, its foods instead of the shown meal's.
    bool insertHabitual(const QString &name, bool replace);
    // Removes the habitual meal `name` once the user says so, as a step "Annulla" takes back.
    bool removeHabitual(const QString &name);

private:
    DayMeal shownMeal() const;
    QString freeName(const MealDay &day, const QString &name) const;
    bool copyIntoShownDay(const DayMeal &meal, int into, const MealDocument::StoredDay &where);
    bool replaces(const DayMeal &meal, const MealDocument::StoredDay &where);
    std::optional<DayMeal> readHabitual(const QString &name);
    bool changeHabitual(const QString &text, const QString &name, const std::optional<DayMeal> &kept,
                        const std::optional<DayMeal> &was);
    bool writeStep(const QString &text, const MealDocument::StoredDay &where,
                   const std::function<std::optional<MealDay>(const MealDay &)> &change);
    void refuse(const QString &text);

    Parts parts_;
};

}  // namespace velmo
