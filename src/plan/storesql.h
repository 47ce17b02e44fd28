// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace velmo {

// Statements on the persons' file, each with its values bound; the first failure is kept, and
// every statement after it does nothing, so that a step of several statements checks once.
class StoreSql {
public:
    explicit StoreSql(QSqlDatabase db) : db_(std::move(db)) {}

    // The query, positioned before its first row; none after this or an earlier failure.
    std::optional<QSqlQuery> run(const QString &sql, const QVariantList &values = {});
    // The first value of the first row; none when there is no row or after a failure.
    std::optional<QVariant> value(const QString &sql, const QVariantList &values = {});

    bool failed() const { return failure_.isValid(); }
    const QSqlError &failure() const { return failure_; }

private:
    QSqlDatabase db_;
    QSqlError failure_;
};

// The statements that make each format from the one before: the first makes a new file.
const std::vector<QStringList> &personStoreUpgrades();

}  // namespace velmo
