// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/dialogs.h"
#include "meal/mealdocument.h"
#include "shell/mealsteps.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace velmo {

// The window's day of meals as the meal selector shows it: the meals' names, the one the
// composition table shows, and the user's commands on them. Every change is a step of the
// window's undo stack, a change of the meal shown too, so that an edit is always undone in the
// meal it was made in. A day of one meal without a name is the window as it always was: a meal.
class DayPlan : public QObject {
    Q_OBJECT
public:
    struct Parts {
        MealDocument &document;
        MealSteps &steps;
        Dialogs &dialogs;
    };
    explicit DayPlan(Parts parts, QObject *parent = nullptr);

    // The meals' names as the selector shows them; a meal without a name is "Pasto".
    QStringList mealNames() const;
    int current() const { return parts_.document.dayState().current; }
    int mealCount() const { return static_cast<int>(parts_.document.dayState().day.meals.size()); }
    // One meal without a name: the day is a meal, and nothing of a day is to be shown.
    bool isSingleMeal() const;

    // The table shows meal `index`, its own foods kept by the meal it showed.
    bool switchTo(int index);
    // Ctrl+PgDn and Ctrl+PgUp: the next or the previous meal, none past either end.
    bool next() { return switchTo(current() + 1); }
    bool previous() { return switchTo(current() - 1); }
    // The name asked for through the dialogs and checked as a day file checks it; a refused one
    // is said and changes nothing. A new meal follows the shown one, and the table shows it.
    bool renameMeal();
    bool addMeal();
    // The shown meal; the table then shows the meal after it, or before it if it was the last.
    // The last meal of a day stays.
    bool removeMeal();

    // Why `name` cannot name a meal of the day, the meal at `except` left out; empty if it can.
    QString nameFault(const QString &name, int except) const;

signals:
    // The names, their number or the meal shown have changed.
    void changed();

private:
    QString askName(const QString &prompt, const QString &proposed);
    QString shownName(int index) const;
    void refuse(const QString &text);

    Parts parts_;
};

}  // namespace velmo
