// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "plan/person.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

class QUndoStack;

namespace velmo {

class PersonSession;

// The weights of one person by date, oldest first: the date, the kilograms and the waist. Editing
// the kilograms or the waist, adding and removing a weight are undoable steps on the store; the
// table shows the person as the persons' window last read it.
class WeightListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { DateColumn, KilogramsColumn, WaistColumn, ColumnCount };

    WeightListModel(PersonSession &session, QUndoStack &stack, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // The person whose weights are shown; none: an empty table.
    void setPerson(const std::optional<Person> &person);
    const std::vector<WeightRecord> &weights() const { return weights_; }

    // A weight on a date already recorded replaces it. False, with the reason told, when the
    // value is not kept or the store refused it.
    bool addWeight(const WeightRecord &weight);
    bool removeWeight(int row);

private:
    // The person with `weights` instead of its own, as one undoable step named `text`.
    bool change(const QString &text, std::vector<WeightRecord> weights);

    PersonSession &session_;
    QUndoStack &stack_;
    std::optional<Person> person_;
    std::vector<WeightRecord> weights_;  // by date
};

}  // namespace velmo
