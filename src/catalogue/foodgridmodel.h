// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/datacontrol.h"

#include <QAbstractTableModel>

namespace velmo {

// The rows of the data control's recordset for the grid: every column of the record source in
// SELECT order, headed by its name (translated where it is one of the food columns), values as
// the user's number texts. Read-only.
class FoodGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FoodGridModel(DataControl &data, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    // The heading of a column of the record source in the interface's language.
    static QString columnHeading(const QString &column);

    DataControl &data_;
};

}  // namespace velmo
