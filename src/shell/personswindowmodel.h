// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "plan/person.h"
#include "shell/personlistmodel.h"
#include "shell/weightlistmodel.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <optional>

class QUndoStack;

namespace velmo {

class PersonSession;

// The "Persone..." window without its widgets: the persons, the one selected with its weights,
// the date its age is counted at (today by default), and what the window says of it: age, body
// mass index and class, the energy requirement and its split by the energy model. Every edit is
// an undoable step on the main window's stack; the store is opened by open(), not before.
class PersonsWindowModel : public QObject {
    Q_OBJECT
public:
    PersonsWindowModel(PersonSession &session, QUndoStack &stack, QObject *parent = nullptr);

    // Opens the store if it is not open yet; false (the reason told) when it cannot be opened.
    bool open();

    PersonListModel &persons() { return persons_; }
    WeightListModel &weights() { return weights_; }

    // The selected person's name; empty: none.
    QString selected() const { return selected_; }
    void select(const QString &name);
    std::optional<Person> selectedPerson() const { return person_; }
    bool selectedIsCurrent() const;

    QDate date() const { return date_; }
    void setDate(QDate date);

    // What the window says of the selected person at the date; empty without one.
    QString ageText() const;
    QString bmiText() const;
    // The basal metabolism, the LAF, the requirement and its split, one per line; or why it
    // cannot be computed.
    QString requirementText() const;

    // The form's person added, or the selected one replaced by it. False, with the reason told
    // (the field at fault, a name taken), when it was not: the form stays open.
    bool addPerson(const Person &person);
    bool editSelected(const Person &person);
    // After the user's confirmation ("Elimina persona"): the person and every trace of it.
    bool removeSelected();
    void makeSelectedCurrent();
    void clearCurrent();
    // The names and the selected person read again; false, with the user told why, when the
    // store cannot be read.
    bool reloadSelected();

signals:
    // The selection, its person or the date changed: every text above may read anew.
    void selectionChanged();

private:
    PersonSession &session_;
    QUndoStack &stack_;
    PersonListModel persons_;
    WeightListModel weights_;
    QString selected_;
    QString lost_;  // the selected name that the store no longer had at the last reading
    std::optional<Person> person_;
    QDate date_;
};

}  // namespace velmo
