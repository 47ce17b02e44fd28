// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/mealsteps.h"

#include <QUndoCommand>

#include <algorithm>
#include <utility>

namespace velmo {

namespace {

// The rows that differ, in anything, between two states: the rows a step changed.
std::vector<int> changedRows(const MealGridState &a, const MealGridState &b)
{
    std::vector<int> rows;
    for (int r = 0; r < kMealRows; ++r)
        if (a.rows[static_cast<std::size_t>(r)] != b.rows[static_cast<std::size_t>(r)])
            rows.push_back(r);
    return rows;
}

// One step of the table: the state before and after it, and the rows that differ between them.
class TableStep : public QUndoCommand {
public:
    TableStep(MealSteps &steps, MealSteps::State before, MealSteps::State after, bool withDay, const QString &text)
        : QUndoCommand(text), steps_(steps), before_(std::move(before)), after_(std::move(after)),
          rows_(changedRows(before_.grid, after_.grid)), withDay_(withDay),
          // Only a step that changed the file puts it back: a save made after a change of the day
          // is not undone with the change.
          withFile_(withDay
                    && !(before_.saved.path == after_.saved.path && before_.saved.day == after_.saved.day
                         && before_.saved.stored == after_.saved.stored))
    {
    }
    void undo() override { steps_.put(before_, rows_, withDay_, withFile_); }
    void redo() override
    {
        // The stack runs a step as it takes it; the step has already run.
        if (done_)
            steps_.put(after_, rows_, withDay_, withFile_);
        done_ = true;
    }

private:
    MealSteps &steps_;
    MealSteps::State before_;
    MealSteps::State after_;
    std::vector<int> rows_;
    bool withDay_;
    bool withFile_;
    bool done_ = false;
};

// A name as a menu item shows it: "&" stays a character and nothing starts another line.
QString menuSafe(QString text)
{
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    return text.replace(u'&', QStringLiteral("&&"));
}

enum class LockStep { Lock, Unlock, Refusal };

// The step as "Annulla" and "Ripeti" name it: by the row's food, or by its number when it has none.
QString lockStepName(LockStep step, const QString &food, int row)
{
    static const char *const kNames[3][2] = {
        {QT_TRANSLATE_NOOP("velmo::MealSteps", "blocco di %1"),
         QT_TRANSLATE_NOOP("velmo::MealSteps", "blocco della riga %1")},
        {QT_TRANSLATE_NOOP("velmo::MealSteps", "sblocco di %1"),
         QT_TRANSLATE_NOOP("velmo::MealSteps", "sblocco della riga %1")},
        {QT_TRANSLATE_NOOP("velmo::MealSteps", "rifiuto del blocco di %1"),
         QT_TRANSLATE_NOOP("velmo::MealSteps", "rifiuto del blocco della riga %1")},
    };
    const auto &names = kNames[static_cast<int>(step)];
    return food.isEmpty() ? MealSteps::tr(names[1]).arg(row + 1) : MealSteps::tr(names[0]).arg(menuSafe(food));
}

}  // namespace

MealSteps::MealSteps(Parts parts, QObject *parent) : QObject(parent), parts_(parts)
{
    connect(&parts_.stack, &QUndoStack::indexChanged, this, [this] {
        placementsAtStep_ = parts_.grid.placements();
        followCleanState();
    });
    // A save changes no step, only what the table is compared with.
    connect(&parts_.document, &MealDocument::windowTitleChanged, this, &MealSteps::followCleanState);
    connect(&parts_.document, &MealDocument::fileUsed, this,
            [this](const QString &path) { lastSaved_[path] = parts_.document.savedMeal().day; });
    connect(&parts_.document, &MealDocument::tableReplacing, this, [this] { replacing_ = state(); });
    connect(&parts_.document, &MealDocument::tableReplaced, this, [this](const QString &step) {
        if (replacing_)
            push(*std::exchange(replacing_, std::nullopt), menuSafe(step), true);
    });
}

MealSteps::State MealSteps::state() const
{
    State now{parts_.grid.state(),
              {},
              parts_.document.savedMeal(),
              parts_.document.dayState(),
              parts_.browser.current()};
    for (int r = 0; r < kMealRows; ++r)
        now.categories[static_cast<std::size_t>(r)] = parts_.document.rowCategory(r);
    return now;
}

void MealSteps::lockClicked(int row, bool checked)
{
    State before = state();
    const QString food = parts_.grid.row(row).name();
    parts_.grid.setLock(row, checked ? 1 : 0);
    // A refusal on a row without food changes nothing the user sees: no step.
    bool changed = false;
    for (int r = 0; r < kMealRows; ++r) {
        const MealRow &was = before.grid.rows[static_cast<std::size_t>(r)];
        changed = changed || was.lock != parts_.grid.row(r).lock || was.name() != parts_.grid.row(r).name();
    }
    if (!changed)
        return;
    const LockStep step = !checked                         ? LockStep::Unlock
                          : parts_.grid.row(row).lock == 1 ? LockStep::Lock
                                                           : LockStep::Refusal;
    push(std::move(before), lockStepName(step, food, row), false);
}

bool MealSteps::record(const QString &text, const std::function<bool()> &change)
{
    State before = state();
    if (!change())
        return false;
    push(std::move(before), menuSafe(text), true);
    return true;
}

void MealSteps::push(State before, const QString &text, bool withDay)
{
    State after = state();
    // "Nuovo" on an empty table changes nothing: there is nothing to take back.
    if (changedRows(before.grid, after.grid).empty() && before.saved.path == after.saved.path
        && before.saved.day == after.saved.day && before.saved.stored == after.saved.stored && before.day == after.day)
        return;
    parts_.stack.push(new TableStep(*this, std::move(before), std::move(after), withDay, text));
}

void MealSteps::put(const State &state, const std::vector<int> &rows, bool withDay, bool withFile)
{
    emit restoring();
    const bool browsed = parts_.grid.placements() != placementsAtStep_ || parts_.browser.current() != state.food;
    parts_.grid.restoreRows(state.grid, rows);
    // Putting a row's food back names the category browsed now; the row's own comes after.
    for (int r : rows)
        parts_.document.setRowCategory(r, state.categories[static_cast<std::size_t>(r)]);
    if (withDay)
        parts_.document.setDayState(state.day);
    if (withFile) {
        // The file as it is now: a step made before a save to it would bring back what it held then.
        MealDocument::SavedMeal saved = state.saved;
        if (const auto known = lastSaved_.find(saved.path); !saved.path.isEmpty() && known != lastSaved_.end())
            saved.day = known->second;
        parts_.document.setSavedMeal(saved);
    }
    // A row given back open with its food and the weight typed for it is the row as the user left
    // it: a food browsed since would take that weight for itself.
    const bool reopened = std::any_of(rows.cbegin(), rows.cend(), [&](int r) {
        const MealRow &row = state.grid.rows[static_cast<std::size_t>(r)];
        return row.lock == 0 && !row.name().isEmpty() && !row.cell(MealColumn::Gross).text.isEmpty();
    });
    if (browsed && !reopened)
        parts_.grid.placeFood(parts_.browser.current());
    emit restored();
}

void MealSteps::followCleanState()
{
    QUndoStack &stack = parts_.stack;
    if (!parts_.document.isModified()) {
        if (!stack.isClean())
            stack.setClean();
    } else if (stack.isClean()) {
        stack.resetClean();
    }
}

}  // namespace velmo
