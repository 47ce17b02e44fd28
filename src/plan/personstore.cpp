// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "plan/personstore.h"

#include "catalogue/foodcategory.h"
#include "catalogue/personalfood.h"
#include "plan/storesql.h"
#include "plan/storetransaction.h"

#include <QHash>

#include <set>

namespace velmo {

namespace {

const QString kPersonColumns = QStringLiteral(
    "id, nome, sesso, nascita, altezza_cm, attivita, attivita_auspicabili, condizione, note, revisione");

QString text(const char *source)
{
    return QCoreApplication::translate("PersonStore", source);
}

StoreResult refused(StoreResult::Kind kind, const char *message)
{
    return {kind, text(message)};
}

StoreResult missingPerson()
{
    return refused(StoreResult::Kind::Missing, QT_TRANSLATE_NOOP("PersonStore", "Nessuna persona con questo nome: "
                                                                                "forse è stata eliminata, nella "
                                                                                "finestra Persone o in un'altra "
                                                                                "finestra di Velmo."));
}

StoreResult conflict(const char *message)
{
    return refused(StoreResult::Kind::Conflict, message);
}

StoreResult invalid(const std::optional<ValueFault> &fault)
{
    return {StoreResult::Kind::Invalid, fault->message};
}

QVariant optionalNumber(const std::optional<double> &value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}

// The id and revision of the person `name`; none when there is none (or after a failure).
std::optional<std::pair<qint64, qint64>> personRow(StoreSql &sql, const QString &name)
{
    auto query = sql.run(QStringLiteral("SELECT id, revisione FROM persone WHERE nome = ?"), {name});
    if (!query || !query->next())
        return std::nullopt;
    return std::pair(query->value(0).toLongLong(), query->value(1).toLongLong());
}

// A revision no person and no day of the store has had yet. Every row a change writes takes it.
qint64 nextRevision(StoreSql &sql)
{
    sql.run(QStringLiteral("UPDATE revisioni SET ultima = ultima + 1"));
    return sql.value(QStringLiteral("SELECT ultima FROM revisioni")).value_or(QVariant(1)).toLongLong();
}

QVariantList personValues(const Person &p)
{
    return {p.name,
            sexCode(p.sex),
            dateText(p.birthDate),
            p.heightCm,
            activityCode(p.activity),
            recommendedCode(p.recommended),
            conditionCode(p.condition),
            p.notes.isNull() ? QStringLiteral("") : p.notes};  // a null text would be bound as NULL
}

void writeWeights(StoreSql &sql, qint64 id, const std::vector<WeightRecord> &weights)
{
    sql.run(QStringLiteral("DELETE FROM pesi WHERE persona = ?"), {id});
    for (const WeightRecord &w : weights)
        sql.run(QStringLiteral("INSERT INTO pesi (persona, data, kg, vita_cm) VALUES (?, ?, ?, ?)"),
                {id, dateText(w.date), w.kilograms, optionalNumber(w.waistCm)});
}

void writeRows(StoreSql &sql, const QString &table, qint64 meal, const std::vector<MealFileEntry> &entries)
{
    for (std::size_t r = 0; r < entries.size(); ++r) {
        const MealFileEntry &e = entries[r];
        sql.run(QStringLiteral("INSERT INTO %1 (pasto, posizione, categoria, alimento, grammi, porzione) "
                               "VALUES (?, ?, ?, ?, ?, ?)")
                    .arg(table),
                {meal, static_cast<qint64>(r), foodCategory(e.category).table, e.food, e.grams,
                 e.portion.isNull() ? QStringLiteral("") : e.portion});  // a null text would be bound as NULL
    }
}

void writeMeals(StoreSql &sql, qint64 day, const MealDay &meals)
{
    for (std::size_t m = 0; m < meals.meals.size(); ++m) {
        const auto query = sql.run(
            QStringLiteral("INSERT INTO pasti_giorno (giorno, posizione, nome) VALUES (?, ?, ?)"),
            {day, static_cast<qint64>(m), meals.meals[m].name});
        if (query)
            writeRows(sql, QStringLiteral("righe_pasto"), query->lastInsertId().toLongLong(), meals.meals[m].entries);
    }
}

// The foods of meals as the store holds them, their categories by their tables' names.
class EntryReader {
public:
    // The category, food, grams and portion from column `first` on; false for a category this
    // version does not know.
    bool read(const QSqlQuery &query, int first, std::vector<MealFileEntry> *entries)
    {
        const QString table = query.value(first).toString();
        auto known = categories_.constFind(table);
        if (known == categories_.cend())
            known = categories_.insert(table, findFoodCategory(table).value_or(-1));
        if (*known < 0)
            return false;
        entries->push_back({0, *known, query.value(first + 1).toString(), query.value(first + 2).toString(),
                            query.value(first + 3).toString()});
        return true;
    }

private:
    QHash<QString, int> categories_;  // a year of days names a few categories many thousand times
};

}  // namespace

QStringList PersonStore::personNames(StoreResult *result) const
{
    StoreSql sql(connection());
    QStringList names;
    if (auto query = sql.run(QStringLiteral("SELECT nome FROM persone ORDER BY nome")))
        while (query->next())
            names.append(query->value(0).toString());
    *result = failureOf(sql);
    return names;
}

std::optional<Person> PersonStore::person(const QString &name, qint64 *revision, StoreResult *result) const
{
    StoreSql sql(connection());
    auto query = sql.run(QStringLiteral("SELECT %1 FROM persone WHERE nome = ?").arg(kPersonColumns), {name});
    if (!query || !query->next()) {
        *result = sql.failed() ? failureOf(sql) : missingPerson();
        return std::nullopt;
    }
    Person p;
    p.name = query->value(1).toString();
    p.sex = sexFromCode(query->value(2).toString()).value_or(Sex::Female);
    p.birthDate = dateFromText(query->value(3).toString());
    p.heightCm = query->value(4).toDouble();
    p.activity = activityFromCode(query->value(5).toString()).value_or(ActivityLevel::NotChosen);
    p.recommended = recommendedFromCode(query->value(6).toString()).value_or(RecommendedActivities::NotChosen);
    p.condition = conditionFromCode(query->value(7).toString()).value_or(PersonCondition::None);
    p.notes = query->value(8).toString();
    if (revision)
        *revision = query->value(9).toLongLong();
    auto weights = sql.run(QStringLiteral("SELECT data, kg, vita_cm FROM pesi WHERE persona = ? ORDER BY data"),
                           {query->value(0)});
    while (weights && weights->next())
        p.weights.push_back(
            {dateFromText(weights->value(0).toString()), weights->value(1).toDouble(),
             weights->value(2).isNull() ? std::nullopt : std::optional<double>(weights->value(2).toDouble())});
    *result = failureOf(sql);
    return sql.failed() ? std::nullopt : std::optional<Person>(p);
}

StoreResult PersonStore::addPerson(const Person &person)
{
    return importRecord({person, {}}, false);
}

StoreResult PersonStore::updatePerson(const QString &name, const Person &person, qint64 readRevision)
{
    if (const auto fault = personFault(person, QDate::currentDate()))
        return invalid(fault);
    return change([&](StoreSql &sql) {
        const auto row = personRow(sql, name);
        if (!row)
            return missingPerson();
        if (readRevision != kAnyRevision && readRevision != row->second)
            return conflict(QT_TRANSLATE_NOOP("PersonStore", "Modifica non salvata: il profilo della persona è stato "
                                                             "modificato da un'altra finestra di Velmo dopo che è "
                                                             "stato letto. Rileggerlo e ripetere la modifica."));
        if (person.name != name && personRow(sql, person.name))
            return taken();
        sql.run(QStringLiteral("UPDATE persone SET nome = ?, sesso = ?, nascita = ?, altezza_cm = ?, attivita = ?, "
                               "attivita_auspicabili = ?, condizione = ?, note = ?, revisione = ? "
                               "WHERE id = ?"),
                personValues(person) << nextRevision(sql) << row->first);
        writeWeights(sql, row->first, person.weights);
        return StoreResult{};
    });
}

StoreResult PersonStore::removePerson(const QString &name)
{
    const StoreResult removed = change([&](StoreSql &sql) {
        const auto row = personRow(sql, name);
        if (!row)
            return missingPerson();
        sql.run(QStringLiteral("DELETE FROM persone WHERE id = ?"), {row->first});
        return StoreResult{};
    });
    return removed.ok() ? erasePersonTraces(name) : removed;
}

StoreResult PersonStore::addWeight(const QString &name, const WeightRecord &weight)
{
    if (const auto fault = weightFault(weight, QDate::currentDate()))
        return invalid(fault);
    return change([&](StoreSql &sql) {
        const auto row = personRow(sql, name);
        if (!row)
            return missingPerson();
        sql.run(QStringLiteral("INSERT OR REPLACE INTO pesi (persona, data, kg, vita_cm) VALUES (?, ?, ?, ?)"),
                {row->first, dateText(weight.date), weight.kilograms, optionalNumber(weight.waistCm)});
        sql.run(QStringLiteral("UPDATE persone SET revisione = ? WHERE id = ?"), {nextRevision(sql), row->first});
        return StoreResult{};
    });
}

StoreResult PersonStore::removeWeight(const QString &name, QDate date)
{
    return change([&](StoreSql &sql) {
        const auto row = personRow(sql, name);
        if (!row)
            return missingPerson();
        sql.run(QStringLiteral("DELETE FROM pesi WHERE persona = ? AND data = ?"), {row->first, dateText(date)});
        sql.run(QStringLiteral("UPDATE persone SET revisione = ? WHERE id = ?"), {nextRevision(sql), row->first});
        return StoreResult{};
    });
}

std::map<QDate, MealDay> PersonStore::readDays(const QString &name, QDate from, QDate to,
                                               std::map<QDate, qint64> *revisions, StoreResult *result) const
{
    StoreSql sql(connection());
    std::map<QDate, MealDay> found;
    auto query = sql.run(QStringLiteral("SELECT g.data, g.revisione, p.nome, r.categoria, r.alimento, r.grammi, "
                                        "r.porzione, p.posizione, r.posizione FROM persone s "
                                        "JOIN giorni g ON g.persona = s.id "
                                        "LEFT JOIN pasti_giorno p ON p.giorno = g.id "
                                        "LEFT JOIN righe_pasto r ON r.pasto = p.id "
                                        "WHERE s.nome = ? AND g.data BETWEEN ? AND ? "
                                        "ORDER BY g.data, p.posizione, r.posizione"),
                         {name, dateText(from), dateText(to)});
    bool known = true;
    EntryReader entries;
    QString lastText;
    QDate date;
    QDate lastDate;
    qint64 lastMeal = -1;
    while (query && query->next()) {
        if (const QString written = query->value(0).toString(); written != lastText) {
            date = dateFromText(written);
            lastText = written;
        }
        MealDay &day = found[date];
        if (revisions)
            (*revisions)[date] = query->value(1).toLongLong();
        if (query->value(7).isNull())
            continue;  // a day without meals
        const qint64 meal = query->value(7).toLongLong();
        if (date != lastDate || meal != lastMeal)
            day.meals.push_back({query->value(2).toString(), {}});
        lastDate = date;
        lastMeal = meal;
        if (!query->value(8).isNull())
            known = entries.read(*query, 3, &day.meals.back().entries) && known;
    }
    *result = known ? failureOf(sql) : unknownCategory();
    return sql.failed() || !known ? std::map<QDate, MealDay>() : found;
}

std::optional<MealDay> PersonStore::day(const QString &name, QDate date, qint64 *revision, StoreResult *result) const
{
    std::map<QDate, qint64> revisions;
    auto found = readDays(name, date, date, &revisions, result);
    if (revision)
        *revision = revisions.empty() ? kNotStored : revisions.begin()->second;
    if (found.empty())
        return std::nullopt;
    return std::move(found.begin()->second);
}

std::map<QDate, MealDay> PersonStore::days(const QString &name, QDate from, QDate to, StoreResult *result) const
{
    return readDays(name, from, to, nullptr, result);
}

std::vector<QDate> PersonStore::dayDates(const QString &name, QDate from, QDate to, StoreResult *result) const
{
    StoreSql sql(connection());
    std::vector<QDate> dates;
    auto query = sql.run(QStringLiteral("SELECT g.data FROM giorni g JOIN persone s ON g.persona = s.id "
                                        "WHERE s.nome = ? AND g.data BETWEEN ? AND ? ORDER BY g.data"),
                         {name, dateText(from), dateText(to)});
    while (query && query->next())
        dates.push_back(dateFromText(query->value(0).toString()));
    *result = failureOf(sql);
    return dates;
}

// The day's row of the person `name` on `date`, checked against the revision the caller read;
// a result that is not Done stops the change.
StoreResult PersonStore::dayRow(StoreSql &sql, const QString &name, QDate date, qint64 readRevision,
                                std::optional<qint64> *id, qint64 *person)
{
    const auto row = personRow(sql, name);
    if (!row)
        return sql.failed() ? failureOf(sql) : missingPerson();
    *person = row->first;
    auto query = sql.run(QStringLiteral("SELECT id, revisione FROM giorni WHERE persona = ? AND data = ?"),
                         {row->first, dateText(date)});
    qint64 stored = kNotStored;
    if (query && query->next()) {
        *id = query->value(0).toLongLong();
        stored = query->value(1).toLongLong();
    }
    if (readRevision != kAnyRevision && readRevision != stored)
        return conflict(QT_TRANSLATE_NOOP("PersonStore", "Modifica non salvata: il giorno è stato modificato da "
                                                         "un'altra finestra di Velmo dopo che è stato letto. "
                                                         "Rileggerlo e ripetere la modifica."));
    return failureOf(sql);
}

StoreResult PersonStore::writeDay(const QString &name, QDate date, const MealDay &day, qint64 readRevision,
                                  qint64 *written)
{
    if (!date.isValid())
        return refused(StoreResult::Kind::Invalid, QT_TRANSLATE_NOOP("PersonStore", "La data del giorno non è "
                                                                                    "valida."));
    if (const auto fault = dayFault(day))
        return invalid(fault);
    qint64 revision = kNotStored;
    const StoreResult result = change([&](StoreSql &sql) {
        std::optional<qint64> id;
        qint64 person = 0;
        if (const StoreResult checked = dayRow(sql, name, date, readRevision, &id, &person); !checked.ok())
            return checked;
        revision = nextRevision(sql);
        if (id) {
            sql.run(QStringLiteral("DELETE FROM pasti_giorno WHERE giorno = ?"), {*id});
            sql.run(QStringLiteral("UPDATE giorni SET revisione = ? WHERE id = ?"), {revision, *id});
        } else if (const auto query = sql.run(
                       QStringLiteral("INSERT INTO giorni (persona, data, revisione) VALUES (?, ?, ?)"),
                       {person, dateText(date), revision})) {
            id = query->lastInsertId().toLongLong();
        }
        writeMeals(sql, id.value_or(0), day);
        return StoreResult{};
    });
    if (result.ok() && written)
        *written = revision;
    return result;
}

PersonStore::PersonalFoodUses PersonStore::personalFoodUses(const QString &name, StoreResult *result) const
{
    const QString key = personalFoodKey(name);
    StoreSql sql(connection());
    PersonalFoodUses uses;
    // The key folds capitals as SQLite cannot: the personal rows are read and compared here.
    std::set<qint64> days;
    if (auto query = sql.run(QStringLiteral("SELECT g.id, p.nome, r.alimento FROM righe_pasto r "
                                            "JOIN pasti_giorno m ON m.id = r.pasto JOIN giorni g ON g.id = m.giorno "
                                            "JOIN persone p ON p.id = g.persona WHERE r.categoria = ?"),
                             {personalCategory().table}))
        while (query->next())
            if (personalFoodKey(query->value(2).toString()) == key && days.insert(query->value(0).toLongLong()).second
                && !uses.persons.contains(query->value(1).toString()))
                uses.persons.append(query->value(1).toString());
    uses.days = static_cast<int>(days.size());
    std::set<qint64> meals;
    if (auto query = sql.run(QStringLiteral("SELECT pasto, alimento FROM righe_pasto_abituale WHERE categoria = ?"),
                             {personalCategory().table}))
        while (query->next())
            if (personalFoodKey(query->value(1).toString()) == key)
                meals.insert(query->value(0).toLongLong());
    uses.habitualMeals = static_cast<int>(meals.size());
    uses.persons.sort(Qt::CaseInsensitive);
    *result = failureOf(sql);
    return uses;
}

StoreResult PersonStore::renamePersonalFood(const QString &from, const QString &to)
{
    const QString key = personalFoodKey(from);
    return change([&](StoreSql &sql) {
        std::optional<qint64> revision;
        for (const QString &table : {QStringLiteral("righe_pasto"), QStringLiteral("righe_pasto_abituale")}) {
            // The key folds capitals as SQLite cannot: the personal rows are read and compared here.
            std::vector<qint64> rows;
            auto query = sql.run(QStringLiteral("SELECT rowid, alimento FROM %1 WHERE categoria = ?").arg(table),
                                 {personalCategory().table});
            while (query && query->next())
                if (personalFoodKey(query->value(1).toString()) == key)
                    rows.push_back(query->value(0).toLongLong());
            for (const qint64 row : rows) {
                if (table == QLatin1String("righe_pasto")) {
                    if (!revision)
                        revision = nextRevision(sql);
                    sql.run(QStringLiteral("UPDATE giorni SET revisione = ? WHERE id = (SELECT giorno FROM "
                                           "pasti_giorno WHERE id = (SELECT pasto FROM righe_pasto WHERE rowid = ?))"),
                            {*revision, row});
                }
                sql.run(QStringLiteral("UPDATE %1 SET alimento = ? WHERE rowid = ?").arg(table), {to, row});
            }
        }
        return StoreResult{};
    });
}

StoreResult PersonStore::removeDay(const QString &name, QDate date, qint64 readRevision)
{
    return change([&](StoreSql &sql) {
        std::optional<qint64> id;
        qint64 person = 0;
        if (const StoreResult checked = dayRow(sql, name, date, readRevision, &id, &person); !checked.ok())
            return checked;
        if (id)
            sql.run(QStringLiteral("DELETE FROM giorni WHERE id = ?"), {*id});
        return StoreResult{};
    });
}

QStringList PersonStore::habitualMeals(StoreResult *result) const
{
    StoreSql sql(connection());
    QStringList names;
    if (auto query = sql.run(QStringLiteral("SELECT nome FROM pasti_abituali ORDER BY nome")))
        while (query->next())
            names.append(query->value(0).toString());
    *result = failureOf(sql);
    return names;
}

std::optional<DayMeal> PersonStore::habitualMeal(const QString &name, StoreResult *result) const
{
    StoreSql sql(connection());
    auto query = sql.run(
        QStringLiteral("SELECT a.nome, r.categoria, r.alimento, r.grammi, r.porzione FROM pasti_abituali a "
                       "LEFT JOIN righe_pasto_abituale r ON r.pasto = a.id WHERE a.nome = ? "
                       "ORDER BY r.posizione"),
        {name});
    std::optional<DayMeal> meal;
    EntryReader entries;
    bool known = true;
    while (query && query->next()) {
        if (!meal)
            meal = DayMeal{query->value(0).toString(), {}};
        if (!query->value(1).isNull())
            known = entries.read(*query, 1, &meal->entries) && known;
    }
    *result = !known ? unknownCategory()
              : meal ? failureOf(sql)
                     : refused(StoreResult::Kind::Missing,
                               QT_TRANSLATE_NOOP("PersonStore", "Nessun pasto abituale con questo nome: forse è stato "
                                                                "eliminato da un'altra finestra di Velmo."));
    return result->ok() ? meal : std::nullopt;
}

StoreResult PersonStore::saveHabitualMeal(const DayMeal &meal)
{
    if (const auto fault = mealFault(meal))
        return invalid(fault);
    return change([&](StoreSql &sql) {
        sql.run(QStringLiteral("DELETE FROM pasti_abituali WHERE nome = ?"), {meal.name});
        if (const auto query = sql.run(QStringLiteral("INSERT INTO pasti_abituali (nome) VALUES (?)"), {meal.name}))
            writeRows(sql, QStringLiteral("righe_pasto_abituale"), query->lastInsertId().toLongLong(), meal.entries);
        return StoreResult{};
    });
}

StoreResult PersonStore::removeHabitualMeal(const QString &name)
{
    return change([&](StoreSql &sql) {
        sql.run(QStringLiteral("DELETE FROM pasti_abituali WHERE nome = ?"), {name});
        return StoreResult{};
    });
}

std::optional<PersonRecord> PersonStore::record(const QString &name, StoreResult *result) const
{
    // One read transaction, so that the days belong to the person as it was read.
    QSqlQuery(connection()).exec(QStringLiteral("BEGIN"));
    std::optional<PersonRecord> found;
    if (auto p = person(name, nullptr, result)) {
        auto days = readDays(name, QDate(1, 1, 1), QDate(9999, 12, 31), nullptr, result);
        if (result->ok())
            found = PersonRecord{std::move(*p), {days.begin(), days.end()}};
    }
    QSqlQuery(connection()).exec(QStringLiteral("COMMIT"));
    return found;
}

StoreResult PersonStore::importRecord(const PersonRecord &record, bool replace, QDate latest, bool asStored)
{
    if (const auto fault = asStored ? std::nullopt
                                    : recordFault(record, latest.isValid() ? latest : QDate::currentDate()))
        return invalid(fault);
    return change([&](StoreSql &sql) {
        if (const auto row = personRow(sql, record.person.name)) {
            if (!replace)
                return taken();
            sql.run(QStringLiteral("DELETE FROM persone WHERE id = ?"), {row->first});
        }
        const qint64 revision = nextRevision(sql);
        const auto query = sql.run(QStringLiteral("INSERT INTO persone (nome, sesso, nascita, altezza_cm, attivita, "
                                                  "attivita_auspicabili, condizione, note, revisione) "
                                                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                                   personValues(record.person) << revision);
        const qint64 id = query ? query->lastInsertId().toLongLong() : 0;
        writeWeights(sql, id, record.person.weights);
        for (const auto &[date, day] : record.days)
            if (const auto inserted = sql.run(
                    QStringLiteral("INSERT INTO giorni (persona, data, revisione) VALUES (?, ?, ?)"),
                    {id, dateText(date), revision}))
                writeMeals(sql, inserted->lastInsertId().toLongLong(), day);
        return StoreResult{};
    });
}

StoreResult PersonStore::taken()
{
    return refused(StoreResult::Kind::Taken, QT_TRANSLATE_NOOP("PersonStore", "Esiste già una persona con questo "
                                                                              "nome: sceglierne un altro."));
}

StoreResult PersonStore::unknownCategory()
{
    return refused(StoreResult::Kind::Failed, QT_TRANSLATE_NOOP("PersonStore", "Il file delle persone nomina una "
                                                                               "categoria di alimenti che questa "
                                                                               "versione di Velmo non conosce: "
                                                                               "aggiornare Velmo."));
}

}  // namespace velmo
