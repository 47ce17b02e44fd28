// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QAbstractTableModel>

namespace velmo {

class BalanceModel;

// A table of the "Bilancia quantità..." window over the balancing model: reset when the window
// starts again, every cell changed after each new proposal.
class BalanceTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

protected:
    BalanceTableModel(BalanceModel &balance, int columns, QObject *parent);
    // The heading of a column.
    virtual QString heading(int column) const = 0;

    BalanceModel &balance_;

private:
    int columns_;
};

}  // namespace velmo
