// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/nutrientranking.h"

#include "catalogue/foodcategory.h"
#include "catalogue/foodsearch.h"
#include "common/packedcolumn.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

#include <array>
#include <initializer_list>
#include <utility>

namespace velmo {

namespace {

// The energy in kcal, as the source numbers it.
constexpr int kEnergySource = 208;

// The six values a personal food's table holds: the source's number and the column.
constexpr std::array<std::pair<int, const char *>, 6> kPersonalColumns{
    {{203, "proteine"}, {204, "lipidi"}, {205, "carboidrati"}, {208, "energia"}, {291, "fibra"}, {601, "colesterolo"}}};

std::optional<double> optionalValue(const QVariant &value)
{
    return value.isNull() ? std::nullopt : std::optional(value.toDouble());
}

// One packed column of the category: a nutrient's values, or the foods' places in the search.
QSqlQuery columnQuery(const QSqlDatabase &database, const QString &statement, std::initializer_list<int> bound)
{
    QSqlQuery q(database);
    q.setForwardOnly(true);
    q.prepare(statement);
    for (const int value : bound)
        q.addBindValue(value);
    return q;
}

QString unreadable(const QSqlQuery &q)
{
    return QCoreApplication::translate("NutrientStore",
                                       "impossibile leggere i nutrienti dall'archivio degli alimenti (%1): "
                                       "reinstallare Velmo")
        .arg(q.lastError().text());
}

// A statement that could not be prepared (a table missing from the file) keeps that reason,
// which its execution would replace with a less telling one.
bool executed(QSqlQuery &q)
{
    return !q.lastError().isValid() && q.exec();
}

// The column's blob, empty when the category has none (no food of it has a value of the nutrient);
// false, with the reason, when the database cannot be read.
bool readColumn(QSqlQuery q, QByteArray *column, QString *error)
{
    if (!executed(q)) {
        *error = unreadable(q);
        return false;
    }
    *column = q.next() ? q.value(0).toByteArray() : QByteArray();
    return true;
}

// Appends the shipped foods of `category` with their values and their places in the search order;
// false, with the reason, when the database cannot be read.
bool readShipped(const QSqlDatabase &database, int category, int sourceNumber, std::vector<RankingFood> &foods,
                 QString *error)
{
    static const QString valuesStatement = QStringLiteral(
        "SELECT valori FROM colonne_nutrienti WHERE nutriente = ? AND categoria = ?");
    QSqlQuery names = columnQuery(
        database, QStringLiteral("SELECT nomi, posizioni FROM %1 WHERE categoria = ?").arg(kCategoryColumnTable),
        {category});
    QByteArray values, energy, portions;
    if (!readColumn(columnQuery(database, valuesStatement, {sourceNumber, category}), &values, error)
        || !readColumn(columnQuery(database, valuesStatement, {kEnergySource, category}), &energy, error)
        || !readColumn(columnQuery(database, QStringLiteral("SELECT grammi FROM colonne_porzioni WHERE categoria = ?"),
                                   {category}),
                       &portions, error))
        return false;
    if (!executed(names)) {
        *error = unreadable(names);
        return false;
    }
    if (!names.next())
        return true;  // a category without foods
    const std::optional<QStringList> texts = packedTexts(names.value(0).toByteArray());
    const QByteArray positions = names.value(1).toByteArray();
    if (!texts) {
        *error = unreadable(names);
        return false;
    }
    foods.reserve(foods.size() + static_cast<std::size_t>(texts->size()));
    for (std::size_t row = 0; row < static_cast<std::size_t>(texts->size()); ++row) {
        foods.push_back({{category, texts->at(static_cast<qsizetype>(row))},
                         QString(),
                         packedDouble(values, row),
                         packedDouble(energy, row),
                         packedDouble(portions, row)});
        foods.back().searchPosition = packedInteger(positions, row).value_or(-1);
    }
    return true;
}

// The personal foods: one of the six values of their table, or one of the others they were given.
QSqlQuery personalQuery(const QSqlDatabase &personal, int sourceNumber, const QString &key)
{
    QString column;
    for (const auto &[source, name] : kPersonalColumns)
        if (source == sourceNumber)
            column = QStringLiteral("t.") + QString::fromLatin1(name);
    QSqlQuery q(personal);
    q.setForwardOnly(true);
    // The table's and columns' names are the program's own; the nutrient's key is bound.
    if (!column.isEmpty()) {
        q.prepare(
            QStringLiteral("SELECT t.alimenti, %1, t.energia FROM %2 AS t").arg(column, personalCategory().table));
        return q;
    }
    q.prepare(QStringLiteral("SELECT t.alimenti, v.valore, t.energia FROM %1 AS t LEFT JOIN valori_personali AS v "
                             "ON v.chiave_alimento = t.chiave AND v.nutriente = ?")
                  .arg(personalCategory().table));
    q.addBindValue(key);
    return q;
}

}  // namespace

std::optional<std::vector<RankingFood>> rankingFoods(const QSqlDatabase &database, const QSqlDatabase &personal,
                                                     const Nutrients &nutrients, int nutrient,
                                                     std::optional<int> category, QString *error)
{
    const int sourceNumber = nutrients.at(nutrient).sourceNumber;
    std::vector<RankingFood> foods;
    for (int c = category.value_or(0); c <= category.value_or(kPersonalCategory); ++c) {
        if (!isPersonalCategory(c)) {
            if (!readShipped(database, c, sourceNumber, foods, error))
                return std::nullopt;
            continue;
        }
        if (!personal.isOpen())
            continue;
        QSqlQuery q = personalQuery(personal, sourceNumber, nutrients.at(nutrient).key);
        if (!q.exec()) {
            *error = unreadable(q);
            return std::nullopt;
        }
        while (q.next())
            foods.push_back(
                {{c, q.value(0).toString()}, QString(), optionalValue(q.value(1)), optionalValue(q.value(2))});
    }
    return foods;
}

}  // namespace velmo
