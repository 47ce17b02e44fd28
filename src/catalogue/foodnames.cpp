// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodnames.h"

#include "catalogue/foodcategory.h"
#include "catalogue/personalfood.h"
#include "common/translation.h"

#include <QSqlQuery>

namespace velmo {

void FoodNames::setDatabase(const QSqlDatabase &database)
{
    database_ = database;
    read_.clear();
    stored_.clear();
}

const FoodNames::Category &FoodNames::namesOf(int category) const
{
    const auto known = read_.find(category);
    if (known != read_.end())
        return known->second;
    Category names;
    if (!isPersonalCategory(category) && database_.isOpen()) {
        QSqlQuery query(database_);
        query.setForwardOnly(true);
        // The table and the column are the program's own; a file without the column fails here
        // and its foods keep their Italian names.
        if (query.exec(QStringLiteral("SELECT alimenti, %1 FROM %2 WHERE %1 IS NOT NULL")
                           .arg(QLatin1StringView(kEnglishNameColumn), foodCategory(category).table))) {
            while (query.next())
                names.foods.emplace_back(query.value(0).toString(), query.value(1).toString());
        }
        // Every Italian name first: where an English name is also another food's Italian name,
        // the Italian one counts, as it did before foods had English names.
        for (std::size_t i = 0; i < names.foods.size(); ++i)
            names.byName.insert(nameKey(names.foods[i].first), i);
        for (std::size_t i = 0; i < names.foods.size(); ++i)
            if (const QString key = nameKey(names.foods[i].second); !names.byName.contains(key))
                names.byName.insert(key, i);
    }
    return read_.emplace(category, std::move(names)).first->second;
}

// A meal file holds each food's Italian name as the database stores it: one row found by the
// database answers it without reading the names of the whole category. The builder keeps Italian
// names apart by nameKey within a table, so the row found is the one the whole category would give.
const std::pair<QString, QString> *FoodNames::findStored(int category, const QString &name) const
{
    const auto key = std::make_pair(category, name);
    if (const auto known = stored_.find(key); known != stored_.end())
        return &known->second;
    if (isPersonalCategory(category) || !database_.isOpen())
        return nullptr;
    QSqlQuery query(database_);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT alimenti, %1 FROM %2 WHERE alimenti = ? AND %1 IS NOT NULL LIMIT 1")
                      .arg(QLatin1StringView(kEnglishNameColumn), foodCategory(category).table));
    query.addBindValue(name);
    if (!query.exec() || !query.next())
        return nullptr;
    return &stored_.emplace(key, std::make_pair(query.value(0).toString(), query.value(1).toString())).first->second;
}

void FoodNames::remember(int category, const QString &italian, const QString &english, bool englishIsUnique)
{
    stored_.emplace(std::make_pair(category, italian), std::make_pair(italian, english));
    if (englishIsUnique)
        stored_.emplace(std::make_pair(category, english), std::make_pair(italian, english));
}

const std::pair<QString, QString> *FoodNames::find(int category, const QString &name) const
{
    if (!read_.contains(category))
        if (const auto *food = findStored(category, name))
            return food;
    const Category &names = namesOf(category);
    const auto found = names.byName.constFind(nameKey(name));
    return found == names.byName.cend() ? nullptr : &names.foods[*found];
}

QString FoodNames::personalName(const QString &name) const
{
    if (!personal_.isOpen())
        return name;
    QSqlQuery query(personal_);
    query.setForwardOnly(true);
    // The table is the program's own; the key is bound.
    query.prepare(QStringLiteral("SELECT alimenti FROM %1 WHERE chiave = ?").arg(personalCategory().table));
    query.addBindValue(personalFoodKey(name));
    return query.exec() && query.next() ? query.value(0).toString() : name;
}

QString FoodNames::canonical(int category, const QString &name) const
{
    if (isPersonalCategory(category))
        return personalName(name);
    const auto *food = find(category, name);
    return food ? food->first : name;
}

QString FoodNames::shown(int category, const QString &name) const
{
    if (isPersonalCategory(category))
        return personalName(name);
    const auto *food = find(category, name);
    if (!food)
        return name;
    return currentLanguage() == Language::English ? food->second : food->first;
}

}  // namespace velmo
