// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <optional>

namespace velmo {

// What a failure of the SQLite engine means for the user, in the interface's language; the
// engine's own words follow as a detail for whoever helps.
QString explainedFailure(const QSqlError &failure);
// The engine's primary result code of a failure (SQLITE_BUSY, SQLITE_FULL, ...).
int sqliteResultCode(const QSqlError &failure);

// Runs the prepared `query`, or the statement `sql` (one without values from outside: those are
// bound to a prepared query). False on failure, with the engine's error in `failure`, or
// explained (explainedFailure) in `error`.
bool executeQuery(QSqlQuery &query, QSqlError *failure);
bool executeQuery(QSqlQuery &query, QString *error);
bool runStatement(QSqlQuery &query, const QString &sql, QSqlError *failure);
bool runStatement(QSqlQuery &query, const QString &sql, QString *error);

// The first value of the first row `sql` returns; none, with `failure` set, when there is none.
std::optional<QVariant> singleValue(const QSqlDatabase &db, const QString &sql, QSqlError *failure);

}  // namespace velmo
