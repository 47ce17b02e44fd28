// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "shell/balancetablemodel.h"

namespace velmo {

// The targets of the "Bilancia quantità..." window, one row each: switched on or off by its
// check box, its least and its most (an empty cell: no such bound) and their unit.
class BalanceTargetsModel : public BalanceTableModel {
    Q_OBJECT
public:
    enum Column { TargetColumn, MinimumColumn, MaximumColumn, UnitColumn, ColumnCount };

    explicit BalanceTargetsModel(BalanceModel &balance, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    QString heading(int column) const override;
};

}  // namespace velmo
