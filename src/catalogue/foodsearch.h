// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>

#include <vector>

namespace velmo {

// A text as a search compares it: compatibility-decomposed (NFKD) with its combining marks
// dropped, so "Würstel" reads "wurstel" and "città" reads "citta"; case-folded; typographic
// quotes and apostrophes as plain ones. It depends on no locale.
QString searchKey(const QString &text);

// One food as a search finds it, and what choosing it takes: its category (0 to 16) and its
// position in the rows that the category's record source returns.
struct SearchableFood {
    QString key;   // searchKey(name)
    QString name;  // exactly as the category's record source gives it (the shown name)
    int category = 0;
    int row = 0;
};

// The order of the alphabetical part of a result: by key, compared code unit by code unit (so
// it is the same on every machine and in every locale: a blank sorts before punctuation, which
// sorts before digits and letters), then by the exact name, then by menu order of the category.
bool searchOrder(const SearchableFood &a, const SearchableFood &b);

// The tables of the food database that hold every food in search order, by its Italian name and
// by its English one, written by the catalogue builder so that the program neither normalises nor
// sorts the names at run time.
inline constexpr QLatin1StringView kSearchIndexTable{"ricerca_alimenti"};
inline constexpr QLatin1StringView kEnglishSearchIndexTable{"ricerca_alimenti_inglese"};

// Finding foods of every category, the personal one included, by words of their names.
class FoodSearch {
    Q_DECLARE_TR_FUNCTIONS(FoodSearch)

public:
    struct Result {
        std::vector<int> foods;  // indexes of food(), best first; at most the limit asked
        int total = 0;           // every match, also those beyond the limit
    };

    // Reads the foods by the names the interface shows (under English their English names) from
    // the search index of `database`, or, in a file without it, from the sixteen category
    // tables. False with a message when neither can be read.
    bool load(const QSqlDatabase &database, QString *error);
    // The foods as they are (any order).
    void setFoods(std::vector<SearchableFood> foods);
    // Replaces the foods of `category` with what its record source returns from `database`: the
    // personal foods live in a file of their own and change while the program runs. False with
    // a message when they cannot be read (the earlier ones are kept then).
    bool readCategory(const QSqlDatabase &database, int category, QString *error);

    // Every food whose key holds every word of `text`: those whose key starts with the first
    // word first, then the others, each part in search order. No words, no matches.
    Result find(const QString &text, int limit = -1) const;

    int size() const { return static_cast<int>(foods_.size()); }
    const SearchableFood &food(int index) const { return foods_[static_cast<std::size_t>(index)]; }
    // The heading of the food's category as meal files name it (in Italian, whatever the
    // interface's language).
    QString heading(int index) const;

private:
    std::vector<SearchableFood> foods_;
};

}  // namespace velmo
