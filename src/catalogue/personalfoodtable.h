// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/personalcatalogue.h"
#include "catalogue/personalfood.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

namespace velmo {

// The table of the personal foods in the catalogue's file: the eight columns of a category table
// and the key under which names are unique (personalFoodKey). Its name and columns come from the
// fixed category list and foodColumns(), never from outside, so they are written into the
// statements; every value is bound.
class PersonalFoodTable {
public:
    static const QString &name();
    // The eight food columns, comma-separated, for a SELECT.
    static QString columns();
    // The table itself refuses a value out of range or a second food of the same name, whoever
    // writes the file.
    static QString createStatement();
    // The values bound by bind().
    static QString insertStatement();
    // The values bound by bind(), then the key of the food to change.
    static QString updateStatement();

    // A food from a row of the columns above, in their order.
    static PersonalFood food(const QSqlQuery &query);
    // Binds the food's eight values and its key, in column order.
    static void bind(QSqlQuery &query, const PersonalFood &food);

    // Adds a food, or updates the one of the same name, counting which: the step an import
    // repeats for every food, with its statements prepared once.
    class Writer {
    public:
        explicit Writer(const QSqlDatabase &db);
        bool write(const PersonalFood &food, PersonalCatalogue::Merge *counts, QString *error);

    private:
        QSqlQuery known_;
        QSqlQuery insert_;
        QSqlQuery update_;
    };
};

}  // namespace velmo
