// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/balancetablemodel.h"

#include "shell/balancemodel.h"

namespace velmo {

BalanceTableModel::BalanceTableModel(BalanceModel &balance, int columns, QObject *parent)
    : QAbstractTableModel(parent), balance_(balance), columns_(columns)
{
    connect(&balance_, &BalanceModel::restarted, this, [this] {
        beginResetModel();
        endResetModel();
    });
    // Every cell may have changed: a bound typed, a row fixed, a new proposal.
    connect(&balance_, &BalanceModel::calculated, this, [this] {
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columns_ - 1));
    });
}

int BalanceTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant BalanceTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columns_)
        return {};
    return heading(section);
}

}  // namespace velmo
