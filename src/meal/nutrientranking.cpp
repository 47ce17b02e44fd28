// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/nutrientranking.h"

#include "catalogue/foodcategory.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

#include <array>
#include <cstdint>
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

// The shipped foods of one category by their row in its table (each food's rowid less one).
QSqlQuery shippedNamesQuery(const QSqlDatabase &database, int category)
{
    QSqlQuery q(database);
    q.setForwardOnly(true);
    // The table's name comes from the fixed category list.
    q.prepare(QStringLiteral("SELECT rowid - 1, alimenti FROM %1").arg(foodCategory(category).table));
    return q;
}

// Their nutrient and energy values, read from the index by nutrient alone.
QSqlQuery shippedValuesQuery(const QSqlDatabase &database, int category, int sourceNumber)
{
    QSqlQuery q(database);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT riga, nutriente, valore FROM valori_nutrienti "
                             "WHERE nutriente IN (?, ?) AND categoria = ?"));
    for (const int bound : {sourceNumber, kEnergySource, category})
        q.addBindValue(bound);
    return q;
}

QString unreadable(const QSqlQuery &q)
{
    return QCoreApplication::translate("NutrientStore",
                                       "impossibile leggere i nutrienti dall'archivio degli alimenti (%1): "
                                       "reinstallare Velmo")
        .arg(q.lastError().text());
}

// Appends the shipped foods of `category` with their values; false, with the reason, when the
// database cannot be read.
bool readShipped(const QSqlDatabase &database, int category, int sourceNumber, std::vector<RankingFood> &foods,
                 QString *error)
{
    QSqlQuery names = shippedNamesQuery(database, category);
    if (!names.exec()) {
        *error = unreadable(names);
        return false;
    }
    const std::size_t first = foods.size();
    std::vector<std::size_t> byRow;
    while (names.next()) {
        const qint64 row = names.value(0).toLongLong();
        if (row < 0)
            continue;
        if (static_cast<std::size_t>(row) >= byRow.size())
            byRow.resize(static_cast<std::size_t>(row) + 1, SIZE_MAX);
        byRow[static_cast<std::size_t>(row)] = foods.size();
        foods.push_back({{category, names.value(1).toString()}, QString(), std::nullopt, std::nullopt});
    }
    QSqlQuery values = shippedValuesQuery(database, category, sourceNumber);
    if (!values.exec()) {
        foods.resize(first);
        *error = unreadable(values);
        return false;
    }
    while (values.next()) {
        const qint64 row = values.value(0).toLongLong();
        if (row < 0 || static_cast<std::size_t>(row) >= byRow.size()
            || byRow[static_cast<std::size_t>(row)] == SIZE_MAX)
            continue;
        RankingFood &food = foods[byRow[static_cast<std::size_t>(row)]];
        // The energy may be the nutrient ranked too.
        const double value = values.value(2).toDouble();
        if (values.value(1).toInt() == sourceNumber)
            food.value = value;
        if (values.value(1).toInt() == kEnergySource)
            food.kcal = value;
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
