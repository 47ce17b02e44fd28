// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace velmo {

// The column of the shipped category tables that holds each food's English name, the source's
// own description of it.
inline constexpr QLatin1StringView kEnglishNameColumn{"nome_inglese"};

// One entry of the "&Scelta alimenti" menu: a food category and the table that holds it.
struct FoodCategory {
    const char *menuItem;      // the menu item's name, e.g. "mnuBevande"
    QString menuCaption;       // in Italian, with its accelerator, e.g. "&Bevande alcoliche"
    QString heading;           // in Italian: the category's name in meal files, whatever the language
    QString table;             // the table of the food database
    bool trailingBlank;        // the record source ends with one blank
    bool englishNames = true;  // its table has kEnglishNameColumn (the shipped ones)

    // The menu caption and the heading (shown above the grid while the category is current) in
    // the interface's language.
    QString shownMenuCaption() const;
    QString shownHeading() const;

    // The columns the record source selects: the food's name as the interface shows it (under
    // English its English name, where it has one), then the seven numbers. Whatever the
    // language, the first is called `alimenti` and the table's own `alimenti` stays the Italian
    // name, which a WHERE clause compares.
    QString selectList() const;
    // Whether the interface shows the English names of this category's foods.
    bool showsEnglishNames() const;
    // The SELECT run by the data control for this category.
    QString recordSource() const;
};

inline constexpr int kFoodCategoryCount = 16;

// The sixteen categories, in menu order. Table names come from here only: no typed text ever
// reaches a query.
const std::array<FoodCategory, kFoodCategoryCount> &foodCategories();

// The seventeenth category, after the sixteen: the foods the user adds. Its table lives in the
// personal catalogue, not in the shipped database, so whoever runs its record source must run it
// on that catalogue's connection.
inline constexpr int kPersonalCategory = kFoodCategoryCount;
inline constexpr int kAllCategoryCount = kFoodCategoryCount + 1;
const FoodCategory &personalCategory();

// Any of the seventeen categories by index (0 to 16).
const FoodCategory &foodCategory(int index);
inline bool isPersonalCategory(int index)
{
    return index == kPersonalCategory;
}

// The eight columns every category table has, in SELECT order; and as a SELECT lists them.
const std::array<QString, 8> &foodColumns();
QString foodColumnList();

// Every food of the sixteen tables in one table, by name: the eight columns, the English name,
// the category and the food's rowid in its table (which keeps the table's order among foods of
// one name). A meal's foods, spread over many categories, are then read by one short query
// instead of one SELECT a category, which SQLite would compile each. The catalogue builder
// writes it from the category tables with foodsByNameStatements(); a file without it is read
// by category, as before.
inline constexpr QLatin1StringView kFoodsByNameTable{"alimenti_per_nome"};
QStringList foodsByNameStatements();

// A name as it is compared with the catalogue's: in Unicode NFC, so that an accent typed as a
// separate mark matches the accented letter, and with typographic quotes and apostrophes folded
// to plain ones, as word processors write them.
QString nameKey(const QString &name);

// The category, of all seventeen, whose heading (in Italian, or in the language the interface
// speaks) or table name is `name` (compared by nameKey and without regard to case).
std::optional<int> findFoodCategory(const QString &name);

}  // namespace velmo
