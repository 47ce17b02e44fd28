// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/personalfoodtable.h"

#include "catalogue/foodcategory.h"
#include "catalogue/sqlstatements.h"

#include <QVariant>

namespace velmo {

const QString &PersonalFoodTable::name()
{
    return personalCategory().table;
}

QString PersonalFoodTable::columns()
{
    return foodColumnList();
}

QString PersonalFoodTable::createStatement()
{
    // The ranges are the program's own (foodQuantities): a statement that makes a table takes
    // no bound values.
    QStringList columns{QStringLiteral("alimenti TEXT NOT NULL")};
    const auto &quantities = foodQuantities();
    for (std::size_t i = 0; i < quantities.size(); ++i) {
        const FoodQuantity &q = quantities[i];
        columns.append(QStringLiteral("%1 REAL%2 CHECK (%1 IS NULL OR (typeof(%1) = 'real' AND %1 BETWEEN %3 AND %4))")
                           .arg(QLatin1String(q.column), i == 0 ? QStringLiteral(" NOT NULL") : QString())
                           .arg(q.minimum)
                           .arg(q.maximum));
    }
    columns.append(QStringLiteral("chiave TEXT NOT NULL UNIQUE"));
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(name(), columns.join(QStringLiteral(", ")));
}

QString PersonalFoodTable::valuesCreateStatement()
{
    // A tag the table does not list has no range: the CASE gives -1 and the CHECK fails.
    QString ranges;
    for (const ExtraNutrient &n : extraNutrients())
        ranges += QStringLiteral(" WHEN '%1' THEN %2").arg(QLatin1String(n.tag)).arg(n.maximum, 0, 'f', 0);
    return QStringLiteral("CREATE TABLE valori_personali (chiave_alimento TEXT NOT NULL, nutriente TEXT NOT NULL, "
                          "valore REAL NOT NULL CHECK (typeof(valore) = 'real' AND valore >= 0 AND valore <= CASE "
                          "nutriente%1 ELSE -1 END), PRIMARY KEY (chiave_alimento, nutriente)) WITHOUT ROWID")
        .arg(ranges);
}

QString PersonalFoodTable::measuresCreateStatement()
{
    return QStringLiteral("CREATE TABLE misure_personali (chiave_alimento TEXT NOT NULL, ordine INTEGER NOT NULL, "
                          "nome TEXT NOT NULL CHECK (length(nome) BETWEEN 1 AND %1), grammi REAL NOT NULL CHECK "
                          "(grammi > 0 AND grammi <= %2), PRIMARY KEY (chiave_alimento, ordine)) WITHOUT ROWID")
        .arg(kMaxMeasureNameLength)
        .arg(kMaxMeasureGrams, 0, 'f', 0);
}

QString PersonalFoodTable::insertStatement()
{
    return QStringLiteral("INSERT INTO %1 (%2, chiave) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(name(), columns());
}

QString PersonalFoodTable::updateStatement()
{
    QStringList set;
    for (const QString &column : foodColumns())
        set.append(column + QStringLiteral(" = ?"));
    set.append(QStringLiteral("chiave = ?"));
    return QStringLiteral("UPDATE %1 SET %2 WHERE chiave = ?").arg(name(), set.join(QStringLiteral(", ")));
}

PersonalFood PersonalFoodTable::food(const QSqlQuery &query)
{
    PersonalFood food;
    food.name = query.value(0).toString();
    food.edible = query.value(1).toDouble();
    for (int i = 0; i < 6; ++i) {
        const QVariant value = query.value(i + 2);
        if (!value.isNull())
            food.nutrients[static_cast<std::size_t>(i)] = value.toDouble();
    }
    return food;
}

void PersonalFoodTable::bind(QSqlQuery &query, const PersonalFood &food)
{
    query.addBindValue(food.name);
    query.addBindValue(food.edible);
    for (const auto &value : food.nutrients)
        query.addBindValue(value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double)));
    query.addBindValue(personalFoodKey(food.name));
}

PersonalFoodTable::ValuesReader::ValuesReader(const QSqlDatabase &db) : select_(db), measures_(db)
{
    select_.setForwardOnly(true);
    select_.prepare(QStringLiteral("SELECT nutriente, valore FROM valori_personali WHERE chiave_alimento = ?"));
    measures_.setForwardOnly(true);
    measures_.prepare(
        QStringLiteral("SELECT nome, grammi FROM misure_personali WHERE chiave_alimento = ? ORDER BY ordine"));
}

bool PersonalFoodTable::ValuesReader::read(PersonalFood *food, QSqlError *failure)
{
    select_.addBindValue(personalFoodKey(food->name));
    if (!executeQuery(select_, failure))
        return false;
    while (select_.next())
        if (const auto index = extraNutrientIndex(select_.value(0).toString()))
            food->extra[*index] = select_.value(1).toDouble();
    bool ok = !select_.lastError().isValid();
    if (!ok)
        *failure = select_.lastError();
    select_.finish();
    measures_.addBindValue(personalFoodKey(food->name));
    if (!ok || !executeQuery(measures_, failure))
        return false;
    food->measures.clear();
    while (measures_.next())
        food->measures.push_back({measures_.value(0).toString(), measures_.value(1).toDouble()});
    ok = !measures_.lastError().isValid();
    if (!ok)
        *failure = measures_.lastError();
    measures_.finish();
    return ok;
}

PersonalFoodTable::ValuesWriter::ValuesWriter(const QSqlDatabase &db)
    : clear_(db), clearMeasures_(db), insertMeasure_(db), clearOne_(db), insert_(db)
{
    clearMeasures_.prepare(QStringLiteral("DELETE FROM misure_personali WHERE chiave_alimento = ?"));
    insertMeasure_.prepare(QStringLiteral("INSERT INTO misure_personali VALUES (?, ?, ?, ?)"));
    clear_.prepare(QStringLiteral("DELETE FROM valori_personali WHERE chiave_alimento = ?"));
    clearOne_.prepare(QStringLiteral("DELETE FROM valori_personali WHERE chiave_alimento = ? AND nutriente = ?"));
    insert_.prepare(QStringLiteral("INSERT INTO valori_personali VALUES (?, ?, ?)"));
}

bool PersonalFoodTable::ValuesWriter::clear(const QString &key, QString *error)
{
    clear_.addBindValue(key);
    clearMeasures_.addBindValue(key);
    return executeQuery(clear_, error) && executeQuery(clearMeasures_, error);
}

bool PersonalFoodTable::ValuesWriter::writeMeasures(const QString &key, const PersonalFood &food, QString *error)
{
    clearMeasures_.addBindValue(key);
    if (!executeQuery(clearMeasures_, error))
        return false;
    for (std::size_t i = 0; i < food.measures.size(); ++i) {
        insertMeasure_.addBindValue(key);
        insertMeasure_.addBindValue(static_cast<int>(i));
        insertMeasure_.addBindValue(food.measures[i].name);
        insertMeasure_.addBindValue(food.measures[i].grams);
        if (!executeQuery(insertMeasure_, error))
            return false;
    }
    return true;
}

bool PersonalFoodTable::ValuesWriter::write(const QString &oldKey, const PersonalFood &food, QString *error)
{
    const QString key = personalFoodKey(food.name);
    const bool keepUnstated = food.unstated.any() && oldKey == key;
    if (!oldKey.isEmpty() && !keepUnstated && !clear(oldKey, error))
        return false;
    if (!(food.unstated[kMeasuresColumn] && oldKey == key) && !writeMeasures(key, food, error))
        return false;
    for (std::size_t i = 0; i < kExtraNutrientCount; ++i) {
        if (food.unstated[i])
            continue;
        const QString tag = QLatin1String(extraNutrients()[i].tag);
        if (keepUnstated) {
            clearOne_.addBindValue(key);
            clearOne_.addBindValue(tag);
            if (!executeQuery(clearOne_, error))
                return false;
        }
        if (!food.extra[i])
            continue;
        insert_.addBindValue(key);
        insert_.addBindValue(tag);
        insert_.addBindValue(*food.extra[i]);
        if (!executeQuery(insert_, error))
            return false;
    }
    return true;
}

PersonalFoodTable::Writer::Writer(const QSqlDatabase &db) : known_(db), insert_(db), update_(db), values_(db)
{
    known_.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE chiave = ?").arg(name()));
    insert_.prepare(insertStatement());
    update_.prepare(updateStatement());
}

bool PersonalFoodTable::Writer::write(const PersonalFood &food, PersonalCatalogue::Merge *counts, QString *error)
{
    const QString key = personalFoodKey(food.name);
    known_.addBindValue(key);
    if (!executeQuery(known_, error))
        return false;
    const bool exists = known_.next();
    known_.finish();
    QSqlQuery &write = exists ? update_ : insert_;
    bind(write, food);
    if (exists)
        write.addBindValue(key);
    if (!executeQuery(write, error) || !values_.write(exists ? key : QString(), food, error)) {
        *error = QStringLiteral("%1: %2").arg(food.name, *error);
        return false;
    }
    ++(exists ? counts->updated : counts->added);
    return true;
}

}  // namespace velmo
