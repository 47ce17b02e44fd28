// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/balancerowsmodel.h"

#include "common/numbertext.h"
#include "meal/portiontext.h"
#include "shell/balancemodel.h"

#include <QLocale>

#include <cmath>

namespace velmo {

namespace {

QString grams(std::optional<double> value)
{
    return value ? formatDecimals(*value, 0, QLocale()) + QStringLiteral(" g") : QString();
}

// Half a portion of an odd number of grams is no whole number of them: "4,5 g".
QString stepGrams(double value)
{
    return formatDecimals(value, value == std::round(value) ? 0 : 1, QLocale()) + QStringLiteral(" g");
}

}  // namespace

BalanceRowsModel::BalanceRowsModel(BalanceModel &balance, QObject *parent)
    : BalanceTableModel(balance, ColumnCount, parent)
{
}

int BalanceRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(balance_.rows().size());
}

QString BalanceRowsModel::heading(int column) const
{
    switch (column) {
    case FoodColumn: return tr("Alimento");
    case FixedColumn: return tr("Fisso");
    case MinimumColumn: return tr("Minimo");
    case MaximumColumn: return tr("Massimo");
    case StepColumn: return tr("Passo");
    case WrittenColumn: return tr("Peso lordo ora");
    case ProposedColumn: return tr("Peso lordo proposto");
    case ProposedEdibleColumn: return tr("Parte edibile");
    case ProposedPortionColumn: return tr("Porzione");
    default: return {};
    }
}

Qt::ItemFlags BalanceRowsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const bool fixed = balance_.rows()[static_cast<std::size_t>(index.row())].fixed;
    const bool portion = balance_.lines()[static_cast<std::size_t>(index.row())].standardGross.has_value();
    if (index.column() == FixedColumn || (index.column() == StepColumn && portion && !fixed))
        flags |= Qt::ItemIsUserCheckable;
    if ((index.column() == MinimumColumn || index.column() == MaximumColumn) && !fixed)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant BalanceRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int r = index.row();
    const BalanceRow &row = balance_.rows()[static_cast<std::size_t>(r)];
    const BalanceModel::Line &line = balance_.lines()[static_cast<std::size_t>(r)];
    const QLocale locale;
    if (role == Qt::CheckStateRole) {
        if (index.column() == FixedColumn)
            return row.fixed ? Qt::Checked : Qt::Unchecked;
        if (index.column() == StepColumn && line.standardGross)
            return balance_.halfPortionSteps(r) ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    if (role == Qt::TextAlignmentRole && index.column() != FoodColumn && index.column() != ProposedPortionColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::EditRole && (index.column() == MinimumColumn || index.column() == MaximumColumn))
        return formatDecimals(index.column() == MinimumColumn ? row.minimumGross : row.maximumGross, 0, locale);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case FoodColumn: return balance_.rowName(static_cast<std::size_t>(index.row()));
    case MinimumColumn: return grams(row.minimumGross);
    case MaximumColumn: return grams(row.maximumGross);
    case StepColumn:
        return balance_.halfPortionSteps(r) ? tr("½ porzione (%1)").arg(stepGrams(row.stepGross)) : grams(1);
    case WrittenColumn:
        return line.entry.portion.isEmpty() ? grams(row.grossGrams)
                                            : tr("%1 (%2)").arg(grams(row.grossGrams), line.entry.portion);
    case ProposedColumn: return grams(balance_.proposedGross(r));
    case ProposedEdibleColumn: return grams(balance_.proposedEdible(r));
    case ProposedPortionColumn: return shownPortion(balance_.proposedPortion(r));
    default: return {};
    }
}

bool BalanceRowsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid) || !(flags(index) & Qt::ItemIsEnabled))
        return false;
    const int r = index.row();
    if (role == Qt::CheckStateRole && (flags(index) & Qt::ItemIsUserCheckable)) {
        const bool checked = value.value<Qt::CheckState>() == Qt::Checked;
        if (index.column() == FixedColumn)
            balance_.setFixed(r, checked);
        else
            balance_.setHalfPortionSteps(r, checked);
        return true;
    }
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString text = value.toString();
    const auto typed = readLocaleNumber(QString(text).remove(QStringLiteral("g")).trimmed(), QLocale());
    if (!typed)
        return balance_.refuseBound(text, false);
    // As for the targets: the bound typed moves the other one when it passes it.
    const BalanceRow &row = balance_.rows()[static_cast<std::size_t>(r)];
    const bool set = index.column() == MinimumColumn
                         ? balance_.setRowBounds(r, *typed, std::max(*typed, row.maximumGross))
                         : balance_.setRowBounds(r, std::min(*typed, row.minimumGross), *typed);
    return set || balance_.refuseBound(text, false);
}

}  // namespace velmo
