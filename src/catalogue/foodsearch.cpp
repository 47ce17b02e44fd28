// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodsearch.h"

#include "catalogue/foodcategory.h"
#include "common/translation.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
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
                setFoods(std::move(foods));
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

void FoodSearch::setFoods(std::vector<SearchableFood> foods)
{
    // The index comes sorted; checking costs one pass where sorting costs many.
    if (!std::is_sorted(foods.cbegin(), foods.cend(), searchOrder))
        std::sort(foods.begin(), foods.end(), searchOrder);
    foods_ = std::move(foods);
}

bool FoodSearch::readCategory(const QSqlDatabase &database, int category, QString *error)
{
    std::vector<SearchableFood> read;
    if (!readCategoryRows(database, category, &read, error))
        return false;
    std::sort(read.begin(), read.end(), searchOrder);
    std::erase_if(foods_, [category](const SearchableFood &f) { return f.category == category; });
    const auto middle = static_cast<std::ptrdiff_t>(foods_.size());
    foods_.insert(foods_.end(), std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
    std::inplace_merge(foods_.begin(), foods_.begin() + middle, foods_.end(), searchOrder);
    return true;
}

FoodSearch::Result FoodSearch::find(const QString &text, int limit) const
{
    Result result;
    const QStringList words = searchKey(text).simplified().split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return result;
    const std::size_t cap = limit < 0 ? std::numeric_limits<std::size_t>::max() : static_cast<std::size_t>(limit);
    // The foods are in search order, so each part of the result is built in order by one pass;
    // only its first `cap` are kept, but every match is counted.
    std::vector<int> starting;
    std::vector<int> others;
    for (std::size_t i = 0; i < foods_.size(); ++i) {
        const QStringView key(foods_[i].key);
        const qsizetype first = key.indexOf(words.front());
        if (first < 0)
            continue;
        if (!std::all_of(words.cbegin() + 1, words.cend(), [key](const QString &w) { return key.contains(w); }))
            continue;
        ++result.total;
        if (first == 0) {
            if (starting.size() < cap)
                starting.push_back(static_cast<int>(i));
        } else if (others.size() < cap) {
            others.push_back(static_cast<int>(i));
        }
    }
    result.foods = std::move(starting);
    for (int i : others) {
        if (result.foods.size() >= cap)
            break;
        result.foods.push_back(i);
    }
    return result;
}

QString FoodSearch::heading(int index) const
{
    return foodCategory(food(index).category).heading;
}

}  // namespace velmo
