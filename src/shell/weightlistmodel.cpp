// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/weightlistmodel.h"

#include "common/dialogs.h"
#include "common/numbertext.h"
#include "plan/personrules.h"
#include "shell/personsession.h"

#include <algorithm>

namespace velmo {

WeightListModel::WeightListModel(PersonSession &session, QUndoStack &stack, QObject *parent)
    : QAbstractTableModel(parent), session_(session), stack_(stack)
{
}

int WeightListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(weights_.size());
}

int WeightListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant WeightListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const WeightRecord &w = weights_.at(static_cast<std::size_t>(index.row()));
    if (role == Qt::TextAlignmentRole)
        return index.column() == DateColumn ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::EditRole) {
        if (index.column() == DateColumn)
            return w.date;
        if (index.column() == KilogramsColumn)
            return w.kilograms;
        return w.waistCm ? QVariant(*w.waistCm) : QVariant(0.0);
    }
    if (role != Qt::DisplayRole)
        return {};
    const QLocale locale;
    switch (index.column()) {
    case DateColumn: return dateText(w.date, locale);
    case KilogramsColumn: return formatPlain(w.kilograms, locale);
    default: return w.waistCm ? formatPlain(*w.waistCm, locale) : QString();
    }
}

QVariant WeightListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case DateColumn: return tr("Data");
    case KilogramsColumn: return tr("Peso (kg)");
    case WaistColumn: return tr("Vita (cm)");
    default: return {};
    }
}

Qt::ItemFlags WeightListModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.isValid() && index.column() != DateColumn ? flags | Qt::ItemIsEditable : flags;
}

bool WeightListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || index.column() == DateColumn
        || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return false;
    std::vector<WeightRecord> weights = weights_;
    WeightRecord &w = weights[static_cast<std::size_t>(index.row())];
    if (index.column() == KilogramsColumn)
        w.kilograms = number;
    else
        w.waistCm = number > 0 ? std::optional<double>(number) : std::nullopt;
    if (weights == weights_)
        return false;
    if (const auto fault = weightFault(w, session_.today())) {
        session_.dialogs().message(fault->message, warningTitle(), MessageIcon::Critical);
        return false;
    }
    return change(tr("peso del %1").arg(dateText(w.date, QLocale())), weights);
}

void WeightListModel::setPerson(const std::optional<Person> &person)
{
    beginResetModel();
    person_ = person;
    weights_ = person ? person->weights : std::vector<WeightRecord>();
    std::sort(weights_.begin(), weights_.end(),
              [](const WeightRecord &a, const WeightRecord &b) { return a.date < b.date; });
    endResetModel();
}

bool WeightListModel::addWeight(const WeightRecord &weight)
{
    if (!person_)
        return false;
    if (const auto fault = weightFault(weight, session_.today())) {
        session_.dialogs().message(fault->message, warningTitle(), MessageIcon::Critical);
        return false;
    }
    std::vector<WeightRecord> weights = weights_;
    std::erase_if(weights, [&](const WeightRecord &w) { return w.date == weight.date; });
    weights.push_back(weight);
    return change(tr("peso del %1").arg(dateText(weight.date, QLocale())), weights);
}

bool WeightListModel::removeWeight(int row)
{
    if (!person_ || row < 0 || row >= rowCount())
        return false;
    std::vector<WeightRecord> weights = weights_;
    const QDate date = weights[static_cast<std::size_t>(row)].date;
    weights.erase(weights.begin() + row);
    return change(tr("eliminazione del peso del %1").arg(dateText(date, QLocale())), weights);
}

bool WeightListModel::change(const QString &text, std::vector<WeightRecord> weights)
{
    Person after = *person_;
    after.weights = std::move(weights);
    return pushPersonChange(stack_, session_, text, PersonRecord{*person_, {}}, PersonRecord{after, {}});
}

}  // namespace velmo
