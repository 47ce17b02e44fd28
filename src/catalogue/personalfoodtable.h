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

    // The extra nutrients' values of the foods (extraNutrients), by the food's key: a value
    // unknown has no row. The table refuses a tag it does not know and a value out of range.
    static QString valuesCreateStatement();
    // The household measures of the foods, by the food's key, in their order. The table refuses
    // a measure without a name or with a weight out of range.
    static QString measuresCreateStatement();

    // A food from a row of the columns above, in their order.
    static PersonalFood food(const QSqlQuery &query);
    // Binds the food's eight values and its key, in column order.
    static void bind(QSqlQuery &query, const PersonalFood &food);

    // Reads the extra values of foods, its statement prepared once.
    class ValuesReader {
    public:
        explicit ValuesReader(const QSqlDatabase &db);
        // Fills the food's extra values and its measures; false, with the engine's error, when
        // they cannot be read.
        bool read(PersonalFood *food, QSqlError *failure);

    private:
        QSqlQuery select_;
        QSqlQuery measures_;
    };

    // Writes the extra values of foods, its statements prepared once.
    class ValuesWriter {
    public:
        explicit ValuesWriter(const QSqlDatabase &db);
        // The values of `food`, which had the key `oldKey` (empty: a new food, which has none).
        // The values and measures it does not state (PersonalFood::unstated) are kept, except by
        // a new key.
        bool write(const QString &oldKey, const PersonalFood &food, QString *error);
        // Drops every value and measure of the food that has this key.
        bool clear(const QString &key, QString *error);

    private:
        bool writeMeasures(const QString &key, const PersonalFood &food, QString *error);

        QSqlQuery clear_;
        QSqlQuery clearMeasures_;
        QSqlQuery insertMeasure_;
        QSqlQuery clearOne_;
        QSqlQuery insert_;
    };

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
        ValuesWriter values_;
    };
};

}  // namespace velmo
