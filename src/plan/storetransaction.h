// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace velmo {

// One write transaction on the persons' file: begun at once (IMMEDIATE, so that another window's
// write waits for it, or it for them, before anything is read), rolled back when it goes out of
// scope uncommitted, whatever path the code took.
class StoreTransaction {
public:
    explicit StoreTransaction(QSqlDatabase db) : db_(std::move(db))
    {
        QSqlQuery query(db_);
        begun_ = query.exec(QStringLiteral("BEGIN IMMEDIATE"));
        if (!begun_)
            failure_ = query.lastError();
    }
    ~StoreTransaction()
    {
        if (begun_ && !committed_)
            QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
    }
    StoreTransaction(const StoreTransaction &) = delete;
    StoreTransaction &operator=(const StoreTransaction &) = delete;

    bool begun() const { return begun_; }
    bool commit()
    {
        QSqlQuery query(db_);
        committed_ = query.exec(QStringLiteral("COMMIT"));
        if (!committed_)
            failure_ = query.lastError();
        return committed_;
    }
    const QSqlError &failure() const { return failure_; }

private:
    QSqlDatabase db_;
    QSqlError failure_;
    bool begun_ = false;
    bool committed_ = false;
};

}  // namespace velmo
