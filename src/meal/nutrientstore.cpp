// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/nutrientstore.h"

#include "catalogue/foodcategory.h"
#include "catalogue/personalfood.h"
#include "common/inputecho.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace velmo {

namespace {

// The source's numbers of the six values every category table holds, in column order.
constexpr std::array<int, 6> kTableNutrients{203, 204, 205, 208, 291, 601};

QString unreadable(const QSqlQuery &q)
{
    return QCoreApplication::translate("NutrientStore",
                                       "impossibile leggere i nutrienti dall'archivio degli alimenti (%1): "
                                       "reinstallare Velmo")
        .arg(q.lastError().text());
}

}  // namespace

const Nutrients *NutrientStore::nutrients(QString *error)
{
    if (nutrients_)
        return &*nutrients_;
    QSqlQuery q(database_);
    if (!q.exec(QStringLiteral("SELECT chiave, fonte, nome, nome_inglese, unita, decimali, gruppo FROM nutrienti "
                               "ORDER BY ordine"))) {
        *error = unreadable(q);
        return nullptr;
    }
    std::vector<NutrientDefinition> rows;
    while (q.next())
        rows.push_back({q.value(0).toString(), q.value(1).toInt(), q.value(2).toString(), q.value(3).toString(),
                        q.value(4).toString(), q.value(5).toInt(),
                        nutrientGroupNamed(q.value(6).toString()).value_or(NutrientGroup::Other)});
    nutrients_.emplace(std::move(rows));
    return &*nutrients_;
}

std::shared_ptr<const FoodValues> NutrientStore::values(const FoodRef &food, QString *error)
{
    const QString key = QString::number(food.category) + u'\n' + food.name;
    if (const auto known = values_.constFind(key); known != values_.constEnd())
        return *known;
    const Nutrients *all = nutrients(error);
    if (!all || food.category < 0 || food.category > kPersonalCategory)
        return nullptr;
    const bool personal = isPersonalCategory(food.category);
    QSqlQuery q(personal ? personal_ : database_);
    // The table's name comes from the fixed category list; the food's name is bound.
    q.prepare(QStringLiteral("SELECT rowid, edibile, proteine, lipidi, carboidrati, energia, fibra, colesterolo "
                             "FROM %1 WHERE alimenti = ?")
                  .arg(foodCategory(food.category).table));
    q.addBindValue(food.name);
    if (!q.exec() || !q.next()) {
        *error = q.lastError().isValid()
                     ? unreadable(q)
                     : QCoreApplication::translate("NutrientStore", "l'alimento %1 non è nell'archivio")
                           .arg(echoInput(food.name));
        return nullptr;
    }
    auto values = std::make_shared<FoodValues>();
    values->ediblePercent = q.value(1).isNull() ? 100.0 : q.value(1).toDouble();
    values->per100g.resize(static_cast<std::size_t>(all->size()));
    const auto set = [&](int sourceNumber, const QVariant &value) {
        if (const auto index = all->indexOfSource(sourceNumber); index && !value.isNull())
            values->per100g[static_cast<std::size_t>(*index)] = value.toDouble();
    };
    if (personal) {
        for (std::size_t i = 0; i < kTableNutrients.size(); ++i)
            set(kTableNutrients[i], q.value(static_cast<int>(i) + 2));
        // The other nutrients the person gave, by their tags.
        q.prepare(QStringLiteral("SELECT nutriente, valore FROM valori_personali WHERE chiave_alimento = ?"));
        q.addBindValue(personalFoodKey(food.name));
        if (!q.exec()) {
            *error = unreadable(q);
            return nullptr;
        }
        while (q.next())
            if (const auto index = all->indexOf(q.value(0).toString()))
                values->per100g[static_cast<std::size_t>(*index)] = q.value(1).toDouble();
    } else {
        const qint64 row = q.value(0).toLongLong() - 1;
        q.prepare(QStringLiteral("SELECT nutriente, valore FROM valori_nutrienti WHERE categoria = ? AND riga = ?"));
        q.addBindValue(food.category);
        q.addBindValue(row);
        if (!q.exec()) {
            *error = unreadable(q);
            return nullptr;
        }
        while (q.next())
            set(q.value(0).toInt(), q.value(1));
    }
    // The user may change a personal food at any moment: it is read anew each time (a meal holds
    // twelve foods at most), and only the shipped ones, which never change, are kept.
    if (!personal)
        values_.insert(key, values);
    return values;
}

std::optional<Meal> nutritionMeal(const std::vector<MealFileEntry> &entries, NutrientStore &store, QString *error)
{
    Meal meal;
    for (const MealFileEntry &entry : entries) {
        const FoodRef food{entry.category, entry.food};
        auto values = store.values(food, error);
        if (!values)
            return std::nullopt;
        // The gross weight of a locked row is the digits its box took.
        const Portion portion{entry.grams.toDouble(), values->ediblePercent};
        meal.items.push_back({food, portion, std::move(values)});
    }
    return meal;
}

}  // namespace velmo
