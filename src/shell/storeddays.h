// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealdocument.h"
#include "shell/mealsteps.h"
#include "shell/personsession.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <map>
#include <optional>
#include <utility>

class QUndoStack;

namespace velmo {

// A person's stored day in the window. "Giorno della persona" and the day panel's date show the
// day of a person and a date as "Apri..." shows a file; from then on the day is written to the
// persons' store as the user works: after each change of it (a lock, a meal renamed, an undo
// ...), once per turn of the event loop, with the revision it was read or last written at. So
// there is nothing to save and nothing to lose. A day another window of Velmo changed meanwhile is
// never overwritten silently: the user reads it again or keeps this one; a busy file is tried
// again at the user's word.
class StoredDays : public QObject {
    Q_OBJECT
public:
    struct Parts {
        MealDocument &document;
        MealGrid &grid;
        MealSteps &steps;
        QUndoStack &stack;
        PersonSession &persons;
    };
    explicit StoredDays(Parts parts, QObject *parent = nullptr);
    ~StoredDays() override;
    StoredDays(const StoredDays &) = delete;
    StoredDays &operator=(const StoredDays &) = delete;

    // The day of `person` on `date` in the window, an empty day when none is stored; the person
    // becomes the current one. False when the window keeps what it showed (the question
    // cancelled, the store unreadable: told to the user).
    bool open(const QString &person, QDate date);
    // The date control: the day of the same person on `date`.
    bool openDate(QDate date);
    // Whose days the date control goes through: the shown day's person, else the current person.
    QString person() const;
    // The date the control shows: the shown day's, else today.
    QDate date() const;
    void setToday(QDate today) { today_ = today; }

    // Writes the day now if it changed since it was last read or written. False when it could
    // not be written and the user did not let the change go.
    bool flush();
    // The day shown read again from the store, once its last change is written: another window's
    // change to the foods it names (a rename, a deletion) reaches it as the store has it. False
    // when no stored day is shown or it could not be read or shown (told to the user).
    bool readAgain();

    // The day of `where` as stored (an empty day when none is), asking to try again while the
    // file is busy; none, told to the user, when it could not be read.
    std::optional<MealDay> read(PersonStore &store, const MealDocument::StoredDay &where, qint64 *revision);

signals:
    // The day shown, or the person whose days the date control goes through, has changed.
    void changed();

private:
    using Key = std::pair<QString, QDate>;
    void schedule();
    void follow();
    bool write(PersonStore &store, const MealDay &day);
    bool writeAfterReading(PersonStore &store, const MealDay &day);
    bool reload(PersonStore &store);
    void rereadAfterUndo();
    bool mayLeave();
    void detach(const QString &why);
    void rename(const QString &oldName, const QString &newName);

    Parts parts_;
    std::optional<MealDocument::StoredDay> key_;  // the stored day last seen in the window
    std::optional<MealDay> known_;                // what the store holds of it, as far as the window knows
    std::map<Key, qint64> revisions_;             // the revision each day was last read or written at
    QDate today_;
    bool pending_ = false;
    bool flushing_ = false;
    bool restoring_ = false;                         // an undo or a redo is putting the table back
    std::optional<MealDocument::StoredDay> reread_;  // to read again once that is over
};

}  // namespace velmo
