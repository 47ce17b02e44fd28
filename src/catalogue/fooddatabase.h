// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>

#include <memory>

namespace velmo {

// The food database, a read-only SQLite file beside the program. Opening it never creates or
// changes the file.
class FoodDatabase {
    Q_DECLARE_TR_FUNCTIONS(FoodDatabase)

public:
    static constexpr const char *kFileName = "elementi97.db";

    ~FoodDatabase();
    FoodDatabase(const FoodDatabase &) = delete;
    FoodDatabase &operator=(const FoodDatabase &) = delete;

    // Opens the file at `path`. On failure returns null and sets `error` to a message that names
    // the file and the reason. Under English the tables must hold the foods' English names too.
    static std::unique_ptr<FoodDatabase> open(const QString &path, QString *error);

    QSqlDatabase connection() const;
    QString path() const { return path_; }

    // Marks a food database, once its builder has made every table, as the program then finds
    // it: its user_version becomes the schema cookie SQLite has at that moment, which SQLite
    // changes with every later change of the schema, joined to the format of the tables this
    // program reads (raise kTableFormat when it needs a column that files built before lack). A
    // file still carrying its mark is opened without checking its tables' columns. False, with
    // `error`, when the file cannot be marked.
    static bool markAsBuilt(const QString &path, QString *error);
    static constexpr int kTableFormat = 1;

private:
    FoodDatabase(QString connectionName, QString path);
    QString connectionName_;
    QString path_;
};

}  // namespace velmo
