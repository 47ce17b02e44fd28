// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "plan/personstore.h"

#include <QAbstractListModel>
#include <QStringList>

#include <optional>

class QUndoStack;

namespace velmo {

class PersonSession;

// The persons of the store by name, the current one in bold. Editing a name renames the person as
// an undoable step; the list follows the store after every committed change.
class PersonListModel : public QAbstractListModel {
    Q_OBJECT
public:
    PersonListModel(PersonSession &session, QUndoStack &stack, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    QString name(int row) const { return names_.value(row); }
    std::optional<int> rowOf(const QString &name) const;
    // Reads the names again from the store (none while it is not open). A store that cannot be
    // read (another program holds it) leaves the names as they were, and says why.
    StoreResult reload();

private:
    PersonSession &session_;
    QUndoStack &stack_;
    QStringList names_;
};

}  // namespace velmo
