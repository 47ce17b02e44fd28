// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/nutrientstore.h"

#include "catalogue/foodcategory.h"
#include "catalogue/personalfood.h"
#include "common/inputecho.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

#include <map>
#include <set>

namespace velmo {

namespace {

// The source's numbers of the six values every category table holds, in column order.
constexpr std::array<int, 6> kTableNutrients{203, 204, 205, 208, 291, 601};
// The thermochemical calorie, by which the food data give their kJ.
constexpr double kJoulesPerKcal = 4.184;

QString unreadable(const QSqlQuery &q)
{
    return QCoreApplication::translate("NutrientStore",
                                       "impossibile leggere i nutrienti dall'archivio degli alimenti (%1): "
                                       "reinstallare Velmo")
        .arg(q.lastError().text());
}

// Sets the value of the nutrient with the source's number `sourceNumber`, when the profile has
// it and the value is known.
void setValue(FoodValues &values, const Nutrients &all, int sourceNumber, const QVariant &value)
{
    if (const auto index = all.indexOfSource(sourceNumber); index && !value.isNull())
        values.per100g[static_cast<std::size_t>(*index)] = value.toDouble();
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
    const Key key{food.category, food.name};
    if (const auto known = values_.constFind(key); known != values_.constEnd())
        return *known;
    const Nutrients *all = nutrients(error);
    if (!all || food.category < 0 || food.category > kPersonalCategory)
        return nullptr;
    const bool personal = isPersonalCategory(food.category);
    if (personal && !personal_.isOpen()) {
        *error = QCoreApplication::translate("NutrientStore",
                                             "%1 è un alimento personale, e l'archivio degli alimenti personali "
                                             "non è aperto")
                     .arg(echoInput(food.name));
        return nullptr;
    }
    QSqlQuery q(personal ? personal_ : database_);
    // The table's name comes from the fixed category list; the food's name is bound. A personal
    // food is found by its key, as its catalogue keeps names apart: "torta" finds "Torta".
    q.prepare(
        QStringLiteral("SELECT rowid, edibile, proteine, lipidi, carboidrati, energia, fibra, colesterolo "
                       "FROM %1 WHERE %2 = ?")
            .arg(foodCategory(food.category).table, personal ? QStringLiteral("chiave") : QStringLiteral("alimenti")));
    q.addBindValue(personal ? personalFoodKey(food.name) : food.name);
    bool found = q.exec() && q.next();
    if (!found && !personal && !q.lastError().isValid()) {
        // A day stored from an imported record may name the food in English.
        if (const QString canonical = names_.canonical(food.category, food.name); canonical != food.name) {
            q.bindValue(0, canonical);
            found = q.exec() && q.next();
        }
    }
    if (!found) {
        *error = q.lastError().isValid()
                     ? unreadable(q)
                     : QCoreApplication::translate("NutrientStore", "l'alimento %1 non è nell'archivio")
                           .arg(echoInput(food.name));
        return nullptr;
    }
    auto values = std::make_shared<FoodValues>();
    values->ediblePercent = q.value(1).isNull() ? 100.0 : q.value(1).toDouble();
    values->per100g.resize(static_cast<std::size_t>(all->size()));
    const auto set = [&](int sourceNumber, const QVariant &value) { setValue(*values, *all, sourceNumber, value); };
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
        // The energy in kJ that the user did not give is the kcal's, as the shipped data have it.
        const auto kcal = all->indexOf(QStringLiteral("ENERC_KCAL"));
        const auto kj = all->indexOf(QStringLiteral("ENERC_KJ"));
        if (kcal && kj && values->value(*kcal) && !values->value(*kj))
            values->per100g[static_cast<std::size_t>(*kj)] = *values->value(*kcal) * kJoulesPerKcal;
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

void NutrientStore::prefetch(const std::vector<MealFileEntry> &entries)
{
    std::set<Key> wanted;
    QStringList names;
    for (const MealFileEntry &entry : entries) {
        if (entry.category < 0 || entry.category >= kFoodCategoryCount)
            continue;
        const Key key{entry.category, entry.food};
        if (values_.contains(key) || !wanted.insert(key).second)
            continue;
        if (!names.contains(entry.food))
            names.append(entry.food);
    }
    QString error;
    const Nutrients *all = wanted.size() > 1 ? nutrients(&error) : nullptr;  // one food: its own queries
    if (!all)
        return;
    // Each food's first row in its table, the one values() reads, known by its place (category
    // and rowid); then the profile's values of those rows, kept by each row's index, one less than
    // its rowid. Two short queries: a row of the second carries three numbers, where Qt would turn
    // a name and its food's edible part into values again for each of the forty-odd nutrients.
    // The table names are the program's own; the names are bound.
    const QString where =
        QStringLiteral(" WHERE f.alimenti IN (%1)").arg(QStringList(names.size(), QStringLiteral("?")).join(u','));
    QSqlQuery q(database_);
    q.setForwardOnly(true);
    const auto run = [&](const QString &select, const QString &order) {
        if (!q.prepare(select + where + order))
            return false;
        for (const QString &name : names)
            q.addBindValue(name);
        return q.exec();
    };
    const auto place = [](qint64 category, qint64 rowid) { return category * (qint64(1) << 32) + rowid; };
    std::map<qint64, std::pair<Key, std::shared_ptr<FoodValues>>> firstRows;  // by place
    std::set<Key> seen;
    if (!run(QStringLiteral("SELECT f.categoria, f.alimenti, f.riga, f.edibile FROM %1 AS f").arg(kFoodsByNameTable),
             QStringLiteral(" ORDER BY f.alimenti, f.categoria, f.riga")))
        return;
    while (q.next()) {
        const int category = q.value(0).toInt();
        const Key key{category, q.value(1).toString()};
        // A name twice in a table: the first row counts.
        if (wanted.count(key) == 0 || !seen.insert(key).second)
            continue;
        auto values = std::make_shared<FoodValues>();
        values->ediblePercent = q.value(3).isNull() ? 100.0 : q.value(3).toDouble();
        values->per100g.resize(static_cast<std::size_t>(all->size()));
        firstRows.emplace(place(category, q.value(2).toLongLong()), std::make_pair(key, std::move(values)));
    }
    if (q.lastError().isValid()
        || !run(QStringLiteral("SELECT f.categoria * %1 + f.riga, v.nutriente, v.valore FROM %2 AS f JOIN "
                               "valori_nutrienti AS v ON v.categoria = f.categoria AND v.riga = f.riga - 1")
                    .arg(qint64(1) << 32)
                    .arg(kFoodsByNameTable),
                {}))
        return;  // values() reads them one by one
    while (q.next())
        if (const auto food = firstRows.find(q.value(0).toLongLong()); food != firstRows.end())
            setValue(*food->second.second, *all, q.value(1).toInt(), q.value(2));
    if (q.lastError().isValid())
        return;
    for (auto &[rowPlace, food] : firstRows)
        values_.insert(food.first, std::move(food.second));
}

std::optional<Meal> nutritionMeal(const std::vector<MealFileEntry> &entries, NutrientStore &store, QString *error)
{
    store.prefetch(entries);
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
