// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/balancetargetsmodel.h"

#include "common/numbertext.h"
#include "shell/balancemodel.h"

#include <QLocale>

namespace velmo {

BalanceTargetsModel::BalanceTargetsModel(BalanceModel &balance, QObject *parent)
    : BalanceTableModel(balance, ColumnCount, parent)
{
}

int BalanceTargetsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(balance_.targets().size());
}

QString BalanceTargetsModel::heading(int column) const
{
    switch (column) {
    case TargetColumn: return tr("Obiettivo");
    case MinimumColumn: return tr("Minimo");
    case MaximumColumn: return tr("Massimo");
    case UnitColumn: return tr("Unità");
    default: return {};
    }
}

Qt::ItemFlags BalanceTargetsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == TargetColumn)
        flags |= Qt::ItemIsUserCheckable;
    if (index.column() == MinimumColumn || index.column() == MaximumColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant BalanceTargetsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const BalanceTarget &t = balance_.targets()[static_cast<std::size_t>(index.row())];
    if (role == Qt::CheckStateRole && index.column() == TargetColumn)
        return t.enabled ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::TextAlignmentRole && (index.column() == MinimumColumn || index.column() == MaximumColumn))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const auto bound = [&t](const std::optional<double> &value) {
        return value ? formatDecimals(*value, t.decimals, QLocale()) : QString();
    };
    switch (index.column()) {
    case TargetColumn: return t.label;
    case MinimumColumn: return bound(t.minimum);
    case MaximumColumn: return bound(t.maximum);
    case UnitColumn: return t.unit;
    default: return {};
    }
}

bool BalanceTargetsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    const int r = index.row();
    if (role == Qt::CheckStateRole && index.column() == TargetColumn) {
        balance_.setTargetEnabled(r, value.value<Qt::CheckState>() == Qt::Checked);
        return true;
    }
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    // An empty cell takes the bound away.
    const QString typed = value.toString().trimmed();
    std::optional<double> bound;
    if (!typed.isEmpty()) {
        bound = readLocaleNumber(typed, QLocale());
        if (!bound)
            return balance_.refuseBound(typed, true);
    }
    // A least typed above the most takes the most with it, and a most below the least the least:
    // the bound typed is the one the user wants now.
    const BalanceTarget &t = balance_.targets()[static_cast<std::size_t>(r)];
    const bool set = index.column() == MinimumColumn
                         ? balance_.setTargetBounds(r, bound,
                                                    bound && t.maximum ? std::max(*bound, *t.maximum) : t.maximum)
                         : balance_.setTargetBounds(r, bound && t.minimum ? std::min(*bound, *t.minimum) : t.minimum,
                                                    bound);
    return set || balance_.refuseBound(typed, true);
}

}  // namespace velmo
