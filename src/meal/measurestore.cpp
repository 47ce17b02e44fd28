// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/measurestore.h"

#include "catalogue/foodcategory.h"
#include "catalogue/personalfood.h"
#include "common/inputecho.h"
#include "meal/portiontext.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSet>
#include <QSqlQuery>

#include <algorithm>
#include <map>

namespace velmo {

std::optional<FoodPortions> MeasureStore::portions(const FoodRef &food, QString *error)
{
    if (food.category < 0 || isPersonalCategory(food.category) || food.category > kPersonalCategory)
        return FoodPortions{};
    const QString key = QString::number(food.category) + u'\n' + food.name;
    if (const auto known = portions_.constFind(key); known != portions_.constEnd())
        return *known;
    QSqlQuery q(database_);
    const auto fails = [&] {
        *error = q.lastError().isValid()
                     ? QCoreApplication::translate("MeasureStore",
                                                   "impossibile leggere le misure dall'archivio degli alimenti (%1): "
                                                   "reinstallare Velmo")
                           .arg(q.lastError().text())
                     : QCoreApplication::translate("NutrientStore", "l'alimento %1 non è nell'archivio")
                           .arg(echoInput(food.name));
        return std::nullopt;
    };
    // The table's name comes from the fixed category list; the food's name is bound.
    q.prepare(QStringLiteral("SELECT rowid FROM %1 WHERE alimenti = ?").arg(foodCategory(food.category).table));
    q.addBindValue(food.name);
    if (!q.exec() || !q.next())
        return fails();
    const qint64 row = q.value(0).toLongLong() - 1;
    FoodPortions found;
    q.prepare(QStringLiteral("SELECT misura, misura_plurale, quantita, grammi FROM misure WHERE categoria = ? AND "
                             "riga = ? ORDER BY ordine"));
    q.addBindValue(food.category);
    q.addBindValue(row);
    if (!q.exec())
        return fails();
    while (q.next())
        found.measures.push_back(
            {q.value(0).toString(), q.value(1).toString(), q.value(2).toDouble(), q.value(3).toDouble()});
    q.prepare(QStringLiteral("SELECT gruppo, nome, grammi, millilitri, densita FROM porzioni_standard WHERE "
                             "categoria = ? AND riga = ?"));
    q.addBindValue(food.category);
    q.addBindValue(row);
    if (!q.exec())
        return fails();
    if (q.next())
        found.standard = StandardPortion{q.value(0).toString(), q.value(1).toString(), q.value(2).toDouble(),
                                         q.value(3).isNull() ? std::nullopt : std::optional(q.value(3).toDouble()),
                                         q.value(4).toString()};
    portions_.insert(key, found);
    return found;
}

QHash<QString, QString> MeasureStore::englishNames(const QSqlDatabase &database)
{
    // For each Italian name, how many measures of one take each English name, then of any count.
    QHash<QString, std::map<QString, std::pair<int, int>>> counts;
    // Two measures of one food under one English name ("inch sub" for two lengths of a sandwich)
    // would read alike, and a name typed would stand for either: those keep their Italian names.
    QHash<QString, QString> firstOfFood;  // by food and English name: the Italian name
    QSet<QString> ambiguous;
    QSqlQuery q(database);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral(
            "SELECT misura, misura_plurale, misura_inglese, quantita = 1, categoria || '/' || riga FROM misure")))
        return {};
    while (q.next()) {
        const QString english = q.value(2).toString();
        if (english.isEmpty())
            continue;
        const QString name = q.value(0).toString();
        const QString food = q.value(4).toString() + u'/' + english;
        if (const auto other = firstOfFood.constFind(food); other == firstOfFood.constEnd())
            firstOfFood.insert(food, name);
        else if (*other != name)
            ambiguous << name << *other;
        for (int i : {0, 1}) {
            auto &[single, any] = counts[q.value(i).toString()][english];
            single += q.value(3).toBool() ? 1 : 0;
            ++any;
        }
    }
    QHash<QString, QString> names;
    QSet<QString> plurals;  // of the ambiguous names
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const auto best = std::max_element(it->cbegin(), it->cend(), [](const auto &a, const auto &b) {
            if (a.second != b.second)
                return a.second < b.second;
            return a.first.size() != b.first.size() ? a.first.size() > b.first.size() : a.first > b.first;
        });
        names.insert(it.key(), best->first);
    }
    // The plural of an ambiguous name goes with it.
    q.exec(QStringLiteral("SELECT DISTINCT misura, misura_plurale FROM misure"));
    while (q.next())
        if (ambiguous.contains(q.value(0).toString()))
            plurals << q.value(1).toString();
    for (const QString &name : std::as_const(ambiguous) + plurals)
        names.remove(name);
    return names;
}

void MeasureStore::showEnglishNamesOf(const QSqlDatabase &database)
{
    // By name: a copy of the connection kept here would keep it open past its owner.
    setEnglishMeasureNames([name = database.connectionName()] {
        return QSqlDatabase::contains(name) ? englishNames(QSqlDatabase::database(name, false))
                                            : QHash<QString, QString>();
    });
}

std::optional<FoodPortions> personalFoodPortions(const QSqlDatabase &personal, const QString &name, QString *error)
{
    FoodPortions found;
    if (!personal.isValid())
        return found;
    QSqlQuery q(personal);
    q.prepare(QStringLiteral("SELECT nome, grammi FROM misure_personali WHERE chiave_alimento = ? ORDER BY ordine"));
    q.addBindValue(personalFoodKey(name));
    if (!q.exec()) {
        *error = QCoreApplication::translate(
                     "MeasureStore", "impossibile leggere le misure dall'archivio degli alimenti personali (%1)")
                     .arg(q.lastError().text());
        return std::nullopt;
    }
    // One name for every count: the user gave the measure one name.
    while (q.next())
        found.measures.push_back({q.value(0).toString(), q.value(0).toString(), 1, q.value(1).toDouble()});
    return found;
}

}  // namespace velmo
