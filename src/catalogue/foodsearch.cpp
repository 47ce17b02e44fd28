// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodsearch.h"

#include "catalogue/foodcategory.h"
#include "common/translation.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <array>
#include <limits>

namespace velmo {

QString searchKey(const QString &text)
{
    const bool ascii = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii)
        return text.toLower();
    const QString decomposed = nameKey(text).normalized(QString::NormalizationForm_KD);
    QString key;
    key.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (!c.isMark())
            key.append(c);
    return key.toCaseFolded();
}

void SearchSignature::add(QStringView text)
{
    const auto bitOf = [](char16_t c) -> unsigned {
        if (c >= u'a' && c <= u'z')
            return static_cast<unsigned>(c - u'a');
        if (c >= u'0' && c <= u'9')
            return 26U + static_cast<unsigned>(c - u'0');
        return c < 0x80 ? 36U + c % 27U : 63U;
    };
    char16_t before = u' ';
    for (const QChar c : text) {
        const char16_t now = c.unicode();
        letters |= std::uint64_t{1} << bitOf(now);
        if (before != u' ' && now != u' ')
            pairs |= std::uint64_t{1} << ((bitOf(before) * 37U + bitOf(now)) % 64U);
        before = now;
    }
}

bool searchOrder(const SearchableFood &a, const SearchableFood &b)
{
    if (const int byKey = QStringView(a.key).compare(QStringView(b.key)); byKey != 0)
        return byKey < 0;
    if (const int byName = QStringView(a.name).compare(QStringView(b.name)); byName != 0)
        return byName < 0;
    return a.category < b.category;
}

namespace {

// The foods of one category, each at its place in what the category's record source returns.
bool readCategoryRows(const QSqlDatabase &database, int category, std::vector<SearchableFood> *foods, QString *error)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    const FoodCategory &c = foodCategory(category);
    if (!query.exec(c.recordSource())) {  // of the fixed category list: no value from outside
        *error = FoodSearch::tr("Impossibile leggere gli alimenti della categoria \"%1\": %2")
                     .arg(c.shownHeading(), query.lastError().text());
        return false;
    }
    for (int row = 0; query.next(); ++row) {
        const QString name = query.value(0).toString();
        foods->push_back({searchKey(name), name, category, row});
    }
    return true;
}

// The foods of the sixteen category tables: for a file built without the search index.
bool readCategoryTables(const QSqlDatabase &database, std::vector<SearchableFood> *foods, QString *error)
{
    for (int category = 0; category < kFoodCategoryCount; ++category)
        if (!readCategoryRows(database, category, foods, error))
            return false;
    return true;
}

// The common names of the index beside the Italian one; a file without them gives none.
std::vector<FoodSynonym> readSynonyms(const QSqlDatabase &database)
{
    std::vector<FoodSynonym> synonyms;
    QSqlQuery query(database);
    query.setForwardOnly(true);
    // The table's name is the program's own.
    if (query.exec(
            QStringLiteral("SELECT chiave, sinonimo, categoria, riga FROM %1 ORDER BY rowid").arg(kSynonymIndexTable)))
        while (query.next())
            synonyms.push_back(
                {query.value(0).toString(), query.value(1).toString(), query.value(2).toInt(), query.value(3).toInt()});
    return synonyms;
}

// A search's words and what the common names make of them, worked out once for all the foods.
struct Query {
    // A word past the 64th is looked for in the food's own name only: nobody types that many.
    static constexpr qsizetype kCoveredWords = 64;

    QString typed;  // the words, one blank apart
    QStringList words;
    std::vector<std::uint64_t> holds;  // by common name: the words it holds, one bit each
    std::vector<bool> starts;          // by common name: whether it starts with the first word
    qsizetype whole = -1;              // the common name that is the text whole, if one is
    const QStringList *texts = nullptr;
};

Query makeQuery(const QString &text, const QStringList &keys, const QStringList &texts)
{
    Query query;
    query.typed = searchKey(text).simplified();
    query.words = query.typed.split(u' ', Qt::SkipEmptyParts);
    // An apostrophe ending a word stands for its accent ("citta'") or ends an elided word ("d'"):
    // the word is looked for without it, which finds both.
    for (QString &word : query.words)
        while (word.size() > 1 && word.endsWith(u'\''))
            word.chop(1);
    query.texts = &texts;
    if (query.words.isEmpty())
        return query;
    query.holds.resize(static_cast<std::size_t>(keys.size()));
    query.starts.resize(static_cast<std::size_t>(keys.size()));
    const qsizetype covered = std::min(query.words.size(), Query::kCoveredWords);
    for (qsizetype k = 0; k < keys.size(); ++k) {
        for (qsizetype w = 0; w < covered; ++w)
            if (keys[k].contains(query.words[w]))
                query.holds[static_cast<std::size_t>(k)] |= std::uint64_t{1} << w;
        query.starts[static_cast<std::size_t>(k)] = keys[k].startsWith(query.words.front());
        if (keys[k] == query.typed)
            query.whole = k;
    }
    return query;
}

// Where a food goes in a result: first the foods that have the typed text whole as a common
// name, then those whose name or a common name starts with the first word, then the others.
enum class Part { Whole, Start, Inside, None };

struct Match {
    Part part = Part::None;
    const QString *synonym = nullptr;  // the common name that found the food, when its name did not
};

// A food with common names (`ids`, to `end`), whose key holds the first word at `first` (or
// not, -1): every word its name lacks must be in one of them.
Match matchWithSynonyms(QStringView key, qsizetype first, const std::uint32_t *ids, const std::uint32_t *end,
                        const Query &query)
{
    std::uint64_t covered = 0;
    bool starts = first == 0;
    bool whole = false;
    for (const std::uint32_t *id = ids; id != end; ++id) {
        covered |= query.holds[*id];
        starts = starts || query.starts[*id];
        whole = whole || *id == query.whole;
    }
    std::uint64_t inName = 0;  // of the words the common names hold
    for (qsizetype w = 0; w < query.words.size(); ++w) {
        const bool held = w < Query::kCoveredWords && (covered >> w & 1U) != 0;
        if (w == 0 ? first >= 0 : key.contains(query.words[w]))
            inName |= held ? std::uint64_t{1} << w : 0;
        else if (!held)
            return {};
    }
    const auto text = [&query](std::uint32_t id) { return &(*query.texts)[id]; };
    const Part part = whole ? Part::Whole : starts ? Part::Start : Part::Inside;
    if (inName == covered)  // the name holds every word
        return {part, nullptr};
    if (whole)
        return {part, text(static_cast<std::uint32_t>(query.whole))};
    const std::uint32_t *reason = std::find_if(
        ids, end, [&query, inName](std::uint32_t id) { return (query.holds[id] & ~inName) != 0; });
    return {part, text(*reason)};
}

Match matchFood(const SearchableFood &food, const std::uint32_t *synonyms, const Query &query)
{
    const QStringView key(food.key);
    const qsizetype first = key.indexOf(query.words.front());
    if (food.synonymsBegin != food.synonymsEnd)
        return matchWithSynonyms(key, first, synonyms + food.synonymsBegin, synonyms + food.synonymsEnd, query);
    if (first < 0 || !std::all_of(query.words.cbegin() + 1, query.words.cend(), [key](const QString &w) {
            return key.contains(w);
        }))
        return {};
    return {first == 0 ? Part::Start : Part::Inside, nullptr};
}

}  // namespace

bool FoodSearch::load(const QSqlDatabase &database, QString *error)
{
    std::vector<SearchableFood> foods;
    {
        QSqlQuery query(database);
        query.setForwardOnly(true);
        // The index's table name is the program's own.
        const QLatin1StringView index = currentLanguage() == Language::English ? kEnglishSearchIndexTable
                                                                               : kSearchIndexTable;
        if (query.exec(QStringLiteral("SELECT chiave, categoria, riga, alimenti FROM %1 ORDER BY rowid").arg(index))) {
            while (query.next()) {
                const int category = query.value(1).toInt();
                if (category < 0 || category >= kFoodCategoryCount)
                    continue;
                foods.push_back(
                    {query.value(0).toString(), query.value(3).toString(), category, query.value(2).toInt()});
            }
            if (!query.lastError().isValid()) {
                setFoods(std::move(foods),
                         index == kSearchIndexTable ? readSynonyms(database) : std::vector<FoodSynonym>());
                return true;
            }
            foods.clear();
        }
    }
    if (!readCategoryTables(database, &foods, error))
        return false;
    setFoods(std::move(foods));
    return true;
}

void FoodSearch::setFoods(std::vector<SearchableFood> foods, const std::vector<FoodSynonym> &synonyms)
{
    // The index comes sorted; checking costs one pass where sorting costs many.
    if (!std::is_sorted(foods.cbegin(), foods.cend(), searchOrder))
        std::sort(foods.begin(), foods.end(), searchOrder);
    foods_ = std::move(foods);
    attachSynonyms(synonyms);
    for (SearchableFood &food : foods_)
        sign(food);
    gatherSignatures();
}

void FoodSearch::gatherSignatures()
{
    signatures_.resize(foods_.size());
    std::transform(foods_.cbegin(), foods_.cend(), signatures_.begin(),
                   [](const SearchableFood &f) { return f.signature; });
}

void FoodSearch::sign(SearchableFood &food) const
{
    food.signature = {};
    food.signature.add(food.key);
    for (std::uint32_t s = food.synonymsBegin; s != food.synonymsEnd; ++s)
        food.signature.add(synonymKeys_[synonymsOfFoods_[s]]);
}

void FoodSearch::attachSynonyms(const std::vector<FoodSynonym> &synonyms)
{
    synonymKeys_.clear();
    synonymTexts_.clear();
    synonymsOfFoods_.clear();
    for (SearchableFood &food : foods_)
        food.synonymsBegin = food.synonymsEnd = 0;
    if (synonyms.empty())
        return;
    // Each food by category and row. No row of a sound index is beyond the count of foods, so
    // one that is cannot make this grow.
    std::array<std::vector<int>, kAllCategoryCount> byRow;
    for (std::size_t i = 0; i < foods_.size(); ++i) {
        const SearchableFood &food = foods_[i];
        if (food.category < 0 || food.category >= kAllCategoryCount || food.row < 0
            || static_cast<std::size_t>(food.row) >= foods_.size())
            continue;
        auto &rows = byRow[static_cast<std::size_t>(food.category)];
        rows.resize(std::max(rows.size(), static_cast<std::size_t>(food.row) + 1), -1);
        rows[static_cast<std::size_t>(food.row)] = static_cast<int>(i);
    }
    std::vector<std::pair<int, std::uint32_t>> links;  // food, common name
    QHash<QString, std::uint32_t> ids;                 // by key: the first text of a key is shown
    for (const FoodSynonym &synonym : synonyms) {
        if (synonym.category < 0 || synonym.category >= kAllCategoryCount || synonym.row < 0)
            continue;
        const auto &rows = byRow[static_cast<std::size_t>(synonym.category)];
        const int food = static_cast<std::size_t>(synonym.row) < rows.size()
                             ? rows[static_cast<std::size_t>(synonym.row)]
                             : -1;
        if (food < 0)
            continue;
        const auto id = ids.constFind(synonym.key);
        links.emplace_back(food, id != ids.cend() ? *id : static_cast<std::uint32_t>(synonymKeys_.size()));
        if (id == ids.cend()) {
            ids.insert(synonym.key, links.back().second);
            synonymKeys_.append(synonym.key);
            synonymTexts_.append(synonym.text);
        }
    }
    std::stable_sort(links.begin(), links.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    synonymsOfFoods_.reserve(links.size());
    for (const auto &[food, id] : links) {
        SearchableFood &f = foods_[static_cast<std::size_t>(food)];
        if (f.synonymsBegin == f.synonymsEnd)
            f.synonymsBegin = static_cast<std::uint32_t>(synonymsOfFoods_.size());
        synonymsOfFoods_.push_back(id);
        f.synonymsEnd = static_cast<std::uint32_t>(synonymsOfFoods_.size());
    }
}

bool FoodSearch::readCategory(const QSqlDatabase &database, int category, QString *error)
{
    std::vector<SearchableFood> read;
    if (!readCategoryRows(database, category, &read, error))
        return false;
    std::sort(read.begin(), read.end(), searchOrder);
    for (SearchableFood &food : read)
        sign(food);
    std::erase_if(foods_, [category](const SearchableFood &f) { return f.category == category; });
    const auto middle = static_cast<std::ptrdiff_t>(foods_.size());
    foods_.insert(foods_.end(), std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
    std::inplace_merge(foods_.begin(), foods_.begin() + middle, foods_.end(), searchOrder);
    gatherSignatures();
    return true;
}

FoodSearch::Result FoodSearch::find(const QString &text, int limit) const
{
    Result result;
    const Query query = makeQuery(text, synonymKeys_, synonymTexts_);
    if (query.words.isEmpty())
        return result;
    const std::size_t cap = limit < 0 ? std::numeric_limits<std::size_t>::max() : static_cast<std::size_t>(limit);
    // The foods are in search order, so each part of the result is built in order by one pass;
    // only its first `cap` are kept, but every match is counted.
    constexpr std::size_t kParts = 3;
    std::array<std::vector<int>, kParts> parts;
    std::array<std::vector<QString>, kParts> reasons;
    // Every word is in the food's key or in one of its common names: a food whose signature does
    // not cover the words' is passed over at the cost of one comparison.
    SearchSignature words;
    for (const QString &word : query.words)
        words.add(word);
    for (std::size_t i = 0; i < foods_.size(); ++i) {
        if (!signatures_[i].covers(words))
            continue;
        const Match match = matchFood(foods_[i], synonymsOfFoods_.data(), query);
        if (match.part == Part::None)
            continue;
        ++result.total;
        const auto part = static_cast<std::size_t>(match.part);
        if (parts[part].size() < cap) {
            parts[part].push_back(static_cast<int>(i));
            reasons[part].push_back(match.synonym != nullptr ? *match.synonym : QString());
        }
    }
    for (std::size_t part = 0; part < kParts; ++part)
        for (std::size_t i = 0; i < parts[part].size() && result.foods.size() < cap; ++i) {
            result.foods.push_back(parts[part][i]);
            result.synonyms.push_back(reasons[part][i]);
        }
    return result;
}

QString FoodSearch::heading(int index) const
{
    return foodCategory(food(index).category).heading;
}

}  // namespace velmo
