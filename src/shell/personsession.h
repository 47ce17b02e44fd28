// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "nutrition/referenceintakes.h"
#include "plan/personrules.h"
#include "plan/personstore.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QUndoCommand;
class QUndoStack;

namespace velmo {

class Dialogs;
class Settings;

// What the meal is set against when there is a current person: its name, its requirement (none
// when the energy model computes only the basal metabolism, or lacks a choice or a weight) and
// whose reference intakes the profile takes.
struct CurrentPersonRequirement {
    QString name;
    std::optional<double> kcal;
    std::optional<IntakePerson> person;
    QString pastEnergyTables;  // why there is no requirement, for a person past the energy tables
};

// The persons' store as the windows share it, opened on its first use and never at start-up, and
// the current person, remembered in the user's settings by name alone.
class PersonSession : public QObject {
    Q_OBJECT
public:
    explicit PersonSession(Dialogs &dialogs, QObject *parent = nullptr);
    ~PersonSession() override;

    // Where the store is; by default PersonStore::defaultPath(). Tests set another before the
    // first use.
    void setPath(const QString &path) { path_ = path; }
    QString path() const { return path_; }
    // Where the current person is remembered; none: nothing is remembered.
    void setSettings(Settings *settings);

    // The store, opened (and made) on the first call. Null, with the reason told to the user, when
    // the file cannot be opened: Velmo works on without persons.
    PersonStore *store();
    bool isOpen() const { return store_ != nullptr; }
    Dialogs &dialogs() { return dialogs_; }

    // The day the persons' ages are counted at by default.
    QDate today() const { return today_.isValid() ? today_ : QDate::currentDate(); }
    void setToday(QDate today) { today_ = today; }
    // The date of the day the window shows, which the current person's numbers are taken at (the
    // age and the weight of that day); none, or an invalid date: today.
    void setDayDate(std::function<QDate()> dayDate) { dayDate_ = std::move(dayDate); }
    QDate requirementDate() const
    {
        const QDate day = dayDate_ ? dayDate_() : QDate();
        return day.isValid() ? day : today();
    }

    // The current person's name, as remembered: the store is not opened for it.
    QString currentName() const { return current_; }
    void setCurrentName(const QString &name);
    // The current person's numbers at requirementDate(), read from the store; none without a current person or
    // the store. A current person no longer stored is forgotten. Until the store's first use the
    // file is glanced at, not read whole: the program asks this at every start, and a store of years
    // of days takes longer to read whole than the window to appear.
    std::optional<CurrentPersonRequirement> currentRequirement();

signals:
    void currentChanged();
    // After every change committed to the store, this window's or a command's.
    void personsChanged();
    // A step renamed a person (after personsChanged).
    void personRenamed(const QString &oldName, const QString &newName);

private:
    Dialogs &dialogs_;
    Settings *settings_ = nullptr;
    QString path_;
    QString current_;
    QDate today_;
    std::function<QDate()> dayDate_;
    std::unique_ptr<PersonStore> store_;
};

// One undoable change of a person, from `before` to `after`: none before adds the person (with
// its days, when the record has some), none after removes it with every trace, both replace it
// (renamed when the name differs). It does the change now and, when the store took it, puts it
// on `stack` (named `text`); false, with the store's message shown, when it did not. An undo or
// redo that the store refuses later (another window changed the person, the file is busy) is told
// to the user and the step leaves the stack.
bool pushPersonChange(QUndoStack &stack, PersonSession &session, const QString &text,
                      std::optional<PersonRecord> before, std::optional<PersonRecord> after);

// Whether `command` (none: no step) is such a change: what the Persons window's own keys may take
// back or make again, where the main window's steps are out of sight.
bool isPersonChange(const QUndoCommand *command);

}  // namespace velmo
