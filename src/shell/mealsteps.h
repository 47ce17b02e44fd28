// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/foodbrowser.h"
#include "meal/mealdocument.h"
#include "meal/mealgrid.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace velmo {

// The composition table's steps on the window's undo stack: a click on a lock box (a lock, an
// unlock, a lock refused for want of a gross weight), "Nuovo", "Nuovo giorno", "Apri..." and the
// changes of the day (another meal shown, a meal renamed, added or removed). Each step keeps the
// table and the day beside it as they stood before and after it, and the undo puts the rows it
// changed back as they were. Since the table shows one meal of the day, an edit is undone in the
// meal it was made in: the steps after it, a change of meal among them, are undone first.
// The stack's clean state follows the meal's file: the stack is clean exactly when the window's
// title has no "*", so that undoing back to the saved meal is a saved meal again.
class MealSteps : public QObject {
    Q_OBJECT
public:
    struct Parts {
        MealGrid &grid;
        MealDocument &document;
        FoodBrowser &browser;
        QUndoStack &stack;
    };
    explicit MealSteps(Parts parts, QObject *parent = nullptr);

    // The user's click on row r's lock box: the lock handler runs as it always does, and what it
    // changed becomes one step, named after the row's food.
    void lockClicked(int row, bool checked);
    // A change of the day: `change` runs and, when it says it changed something, what it
    // changed in the table and beside it becomes one step named `text`.
    bool record(const QString &text, const std::function<bool()> &change);

    // The table, what the meal's file knows of its rows, and the current food the table had.
    struct State {
        MealGridState grid;
        std::array<int, kMealRows> categories{};
        MealDocument::SavedMeal saved;
        MealDocument::DayState day;
        CurrentFood food;
    };
    State state() const;
    // What a step's undo and redo do: `rows` put back as `state` holds them, the day beside the
    // table too when `withDay`, what the meal's file holds when `withFile`; then, when the user has
    // browsed since the stack last moved or the current food is another than the state's ("Apri..."
    // browses), the current food is placed again as a new current food is, since a row put back
    // may cover the row that showed it.
    void put(const State &state, const std::vector<int> &rows, bool withDay, bool withFile);

signals:
    // An undo or a redo is about to put the table and the day back: what was there is still there.
    void restoring();
    // An undo or a redo has put them back.
    void restored();

private:
    void push(State before, const QString &text, bool withDay);
    void followCleanState();

    Parts parts_;
    std::optional<State> replacing_;        // the table before "Nuovo" or "Apri..."
    int placementsAtStep_ = 0;              // the current food's placements when the stack last moved
    std::map<QString, MealDay> lastSaved_;  // what each file opened or saved here holds, by its path
};

}  // namespace velmo
