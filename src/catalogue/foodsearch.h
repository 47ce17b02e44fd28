// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace velmo {

// A text as a search compares it: compatibility-decomposed (NFKD) with its combining marks
// dropped, so "Würstel" reads "wurstel" and "città" reads "citta"; case-folded; typographic
// quotes and apostrophes as plain ones. It depends on no locale.
QString searchKey(const QString &text);

// The characters of texts, and the pairs of characters side by side in them, one bit each (the
// 26 letters and the ten digits their own, the other characters and the pairs sharing bits): a
// text whose signature does not cover a word's cannot hold that word, which one comparison tells.
struct SearchSignature {
    std::uint64_t letters = 0;
    std::uint64_t pairs = 0;  // of the characters other than a blank, which no word holds

    void add(QStringView text);
    bool covers(const SearchSignature &other) const
    {
        return (letters & other.letters) == other.letters && (pairs & other.pairs) == other.pairs;
    }
};

// One food as a search finds it, and what choosing it takes: its category (0 to 16) and its
// position in the rows that the category's record source returns.
struct SearchableFood {
    QString key;   // searchKey(name)
    QString name;  // exactly as the category's record source gives it (the shown name)
    int category = 0;
    int row = 0;
    // Its common names, as the search that holds it keeps them: a range of that search's list.
    std::uint32_t synonymsBegin = 0;
    std::uint32_t synonymsEnd = 0;
    // What its key and its common names hold, which the search sets.
    SearchSignature signature{};
};

// A name people use for a food, which its own name may not say ("insalata" for a lettuce), and
// the food: its category and row as for SearchableFood.
struct FoodSynonym {
    QString key;   // searchKey(text)
    QString text;  // as the list of common names writes it
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
// Each category's names (`nomi`) and foods' places in the Italian index (`posizioni`), each a
// packed column by row (common/packedcolumn.h).
inline constexpr QLatin1StringView kCategoryColumnTable{"colonne_categorie"};
// Beside them, the common names of the foods (data/sinonimi.csv): key, common name, category, row.
// They are Italian words, so only the Italian search reads them.
inline constexpr QLatin1StringView kSynonymIndexTable{"ricerca_sinonimi"};

// Finding foods of every category, the personal one included, by words of their names.
class FoodSearch {
    Q_DECLARE_TR_FUNCTIONS(FoodSearch)

public:
    struct Result {
        std::vector<int> foods;  // indexes of food(), best first; at most the limit asked
        // Beside each of `foods`: the common name that found it, empty when its own name did.
        std::vector<QString> synonyms;
        int total = 0;  // every match, also those beyond the limit
    };

    // Reads the foods by the names the interface shows (under English their English names) from
    // the search index of `database`, with their common names under Italian, or, in a file
    // without the index, from the sixteen category tables. False with a message when neither
    // can be read.
    bool load(const QSqlDatabase &database, QString *error);
    // The foods as they are (any order), and their common names (passed over when they name a
    // food that is not there).
    void setFoods(std::vector<SearchableFood> foods, const std::vector<FoodSynonym> &synonyms = {});
    // Replaces the foods of `category` with what its record source returns from `database`: the
    // personal foods live in a file of their own and change while the program runs. False with
    // a message when they cannot be read (the earlier ones are kept then).
    bool readCategory(const QSqlDatabase &database, int category, QString *error);

    // Every food whose key, or whose key and common names together, hold every word of `text`.
    // First the foods that have `text` whole as a common name ("latte": the milks), then those
    // whose key or a common name starts with the first word, then the others, each part in
    // search order. No words, no matches.
    Result find(const QString &text, int limit = -1) const;

    int size() const { return static_cast<int>(foods_.size()); }
    const SearchableFood &food(int index) const { return foods_[static_cast<std::size_t>(index)]; }
    // The heading of the food's category as meal files name it (in Italian, whatever the
    // interface's language).
    QString heading(int index) const;

private:
    void attachSynonyms(const std::vector<FoodSynonym> &synonyms);
    void sign(SearchableFood &food) const;
    void gatherSignatures();

    std::vector<SearchableFood> foods_;
    // The distinct common names (by key), and which of them each food has, food after food in
    // the order of foods_, so that a search reads them in one sweep and compares each name once.
    QStringList synonymKeys_;
    QStringList synonymTexts_;
    std::vector<std::uint32_t> synonymsOfFoods_;
    // Each food's signature again, side by side, so that passing over the foods that cannot
    // match reads a fraction of the memory.
    std::vector<SearchSignature> signatures_;
};

}  // namespace velmo
