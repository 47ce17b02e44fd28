// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodgridmodel.h"

#include "catalogue/foodbrowser.h"

#include <QLocale>

namespace velmo {

FoodGridModel::FoodGridModel(DataControl &data, QObject *parent) : QAbstractTableModel(parent), data_(data)
{
    connect(&data_, &DataControl::aboutToReset, this, [this] { beginResetModel(); });
    connect(&data_, &DataControl::reset, this, [this] { endResetModel(); });
}

int FoodGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : data_.rowCount();
}

int FoodGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(data_.columnNames().size());
}

QVariant FoodGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::TextAlignmentRole))
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    const FoodRow &row = data_.row(index.row());
    if (index.column() == 0)
        return row.name;
    return FoodBrowser::valueText(row, index.column() - 1, QLocale());
}

QVariant FoodGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < data_.columnNames().size() ? columnHeading(data_.columnNames().at(section)) : QVariant();
    return section + 1;
}

QString FoodGridModel::columnHeading(const QString &column)
{
    // The grid heads its columns with the names of the table's columns; these are their
    // translations. A column of any other name keeps its own.
    static const char *const headings[] = {QT_TR_NOOP("alimenti"), QT_TR_NOOP("edibile"),     QT_TR_NOOP("proteine"),
                                           QT_TR_NOOP("lipidi"),   QT_TR_NOOP("carboidrati"), QT_TR_NOOP("energia"),
                                           QT_TR_NOOP("fibra"),    QT_TR_NOOP("colesterolo")};
    for (const char *heading : headings)
        if (column == QLatin1StringView(heading))
            return tr(heading);
    return column;
}

Qt::ItemFlags FoodGridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace velmo
