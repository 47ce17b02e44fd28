// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/personlistmodel.h"

#include "common/dialogs.h"
#include "shell/personsession.h"

#include <QFont>

namespace velmo {

PersonListModel::PersonListModel(PersonSession &session, QUndoStack &stack, QObject *parent)
    : QAbstractListModel(parent), session_(session), stack_(stack)
{
    connect(&session_, &PersonSession::personsChanged, this, &PersonListModel::reload);
    connect(&session_, &PersonSession::currentChanged, this, [this] {
        if (!names_.isEmpty())
            emit dataChanged(index(0), index(static_cast<int>(names_.size()) - 1), {Qt::FontRole});
    });
}

int PersonListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(names_.size());
}

QVariant PersonListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const QString &name = names_.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return name;
    if (role == Qt::FontRole && name == session_.currentName()) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::AccessibleDescriptionRole && name == session_.currentName())
        return tr("persona corrente");
    return {};
}

Qt::ItemFlags PersonListModel::flags(const QModelIndex &index) const
{
    return QAbstractListModel::flags(index) | (index.isValid() ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

bool PersonListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const QString old = names_.at(index.row());
    const QString name = value.toString().trimmed();
    PersonStore *store = session_.store();
    if (name == old || !store)
        return false;
    StoreResult result;
    const auto person = store->person(old, nullptr, &result);
    if (!person) {
        session_.dialogs().message(result.message, warningTitle(), MessageIcon::Critical);
        return false;
    }
    Person renamed = *person;
    renamed.name = name;
    if (const auto fault = personFault(renamed, session_.today())) {
        session_.dialogs().message(fault->message, warningTitle(), MessageIcon::Critical);
        return false;
    }
    return pushPersonChange(stack_, session_, tr("nome di %1").arg(old), PersonRecord{*person, {}},
                            PersonRecord{renamed, {}});
}

std::optional<int> PersonListModel::rowOf(const QString &name) const
{
    const auto row = names_.indexOf(name);
    return row < 0 ? std::nullopt : std::optional<int>(static_cast<int>(row));
}

StoreResult PersonListModel::reload()
{
    QStringList names;
    StoreResult result;
    if (session_.isOpen()) {
        names = session_.store()->personNames(&result);
        if (!result.ok())
            return result;
    }
    if (names == names_)
        return result;
    beginResetModel();
    names_ = names;
    endResetModel();
    return result;
}

}  // namespace velmo
