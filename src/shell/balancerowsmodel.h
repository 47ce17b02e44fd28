// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "shell/balancetablemodel.h"

namespace velmo {

// The foods of the "Bilancia quantità..." window, one row each: fixed or not, the least and the
// most gross grams, the step (half standard portions where the food has one), the weight written
// and the one proposed, gross and edible, with the portion it stands for.
class BalanceRowsModel : public BalanceTableModel {
    Q_OBJECT
public:
    enum Column {
        FoodColumn,
        FixedColumn,
        MinimumColumn,
        MaximumColumn,
        StepColumn,
        WrittenColumn,
        ProposedColumn,
        ProposedEdibleColumn,
        ProposedPortionColumn,
        ColumnCount
    };

    explicit BalanceRowsModel(BalanceModel &balance, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // A check box, or a number of grams as typed in the user's format.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    QString heading(int column) const override;
};

}  // namespace velmo
