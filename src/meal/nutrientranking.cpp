// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/nutrientranking.h"

#include "catalogue/foodcategory.h"
#include "catalogue/foodsearch.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

#include <array>
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

// The shipped foods of one category: the nutrient and the energy from the profile's values, by
// the food's row in its table (each food's rowid less one).
QSqlQuery shippedQuery(const QSqlDatabase &database, int category, int sourceNumber)
{
    QSqlQuery q(database);
    q.setForwardOnly(true);
    // The table's name comes from the fixed category list; the numbers are bound.
    q.prepare(QStringLiteral("SELECT t.alimenti, v.valore, e.valore FROM %1 AS t "
                             "LEFT JOIN valori_nutrienti AS v ON v.categoria = ? AND v.riga = t.rowid - 1 "
                             "AND v.nutriente = ? "
                             "LEFT JOIN valori_nutrienti AS e ON e.categoria = ? AND e.riga = t.rowid - 1 "
                             "AND e.nutriente = ?")
                  .arg(foodCategory(category).table));
    for (const int bound : {category, sourceNumber, category, kEnergySource})
        q.addBindValue(bound);
    return q;
}

QSqlQuery personalQuery(const QSqlDatabase &personal, int sourceNumber)
{
    QString column = QStringLiteral("NULL");
    for (const auto &[source, name] : kPersonalColumns)
        if (source == sourceNumber)
            column = QString::fromLatin1(name);
    QSqlQuery q(personal);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT alimenti, %1, energia FROM %2").arg(column, personalCategory().table));
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
        const bool isPersonal = isPersonalCategory(c);
        if (isPersonal && !personal.isOpen())
            continue;
        QSqlQuery q = isPersonal ? personalQuery(personal, sourceNumber) : shippedQuery(database, c, sourceNumber);
        if (!q.exec()) {
            *error = QCoreApplication::translate("NutrientStore",
                                                 "impossibile leggere i nutrienti dall'archivio degli alimenti (%1): "
                                                 "reinstallare Velmo")
                         .arg(q.lastError().text());
            return std::nullopt;
        }
        while (q.next()) {
            const QString name = q.value(0).toString();
            foods.push_back({{c, name}, searchKey(name), optionalValue(q.value(1)), optionalValue(q.value(2))});
        }
    }
    return foods;
}

}  // namespace velmo
