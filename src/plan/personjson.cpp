// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "plan/personjson.h"

#include "catalogue/foodcategory.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <initializer_list>

namespace velmo {

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("PersonJson", source);
}

QJsonArray entriesJson(const std::vector<MealFileEntry> &entries)
{
    QJsonArray rows;
    for (const MealFileEntry &e : entries) {
        QJsonObject row{{u"categoria"_qs, foodCategory(e.category).heading},
                        {u"alimento"_qs, e.food},
                        {u"grammi"_qs, e.grams}};
        if (!e.portion.isEmpty())
            row.insert(u"porzione"_qs, e.portion);
        rows.append(row);
    }
    return rows;
}

QJsonObject dayJson(QDate date, const MealDay &day)
{
    QJsonArray meals;
    for (const DayMeal &meal : day.meals)
        meals.append(QJsonObject{{u"nome"_qs, meal.name}, {u"righe"_qs, entriesJson(meal.entries)}});
    return {{u"data"_qs, dateText(date)}, {u"pasti"_qs, meals}};
}

// Reads the values of the file, keeping the first fault with the field it is in.
class Reader {
public:
    QString fault;

    bool refuse(const QString &field, const QString &message)
    {
        if (fault.isEmpty())
            fault = text(QT_TRANSLATE_NOOP("PersonJson", "campo \"%1\": %2")).arg(field, message);
        return false;
    }

    // Refuses a field the format does not have: a misspelt name would otherwise be lost unseen.
    bool onlyKnown(const QJsonObject &object, const QString &at, std::initializer_list<const char *> known)
    {
        for (auto it = object.begin(); it != object.end(); ++it)
            if (std::none_of(known.begin(), known.end(), [&](const char *k) { return it.key() == QLatin1String(k); }))
                return refuse(at + it.key(), text(QT_TRANSLATE_NOOP("PersonJson", "campo sconosciuto: toglierlo "
                                                                                  "(vedere il formato del file)")));
        return true;
    }

    // The field's value, of the JSON type `type`; `fallback` when it is optional and missing.
    std::optional<QJsonValue> value(const QJsonObject &object, const QString &at, const char *key,
                                    QJsonValue::Type type, std::optional<QJsonValue> fallback = std::nullopt)
    {
        const QJsonValue found = object.value(QLatin1String(key));
        if (found.isUndefined() && fallback)
            return fallback;
        if (found.type() == type)
            return found;
        static const char *const kTypes[] = {
            QT_TRANSLATE_NOOP("PersonJson", "manca o non è un testo tra virgolette"),
            QT_TRANSLATE_NOOP("PersonJson", "manca o non è un numero"),
            QT_TRANSLATE_NOOP("PersonJson", "manca o non è un elenco tra parentesi quadre")};
        Q_ASSERT(type == QJsonValue::String || type == QJsonValue::Double || type == QJsonValue::Array);
        const int kind = type == QJsonValue::String ? 0 : type == QJsonValue::Double ? 1 : 2;
        refuse(at + QLatin1String(key), text(kTypes[kind]));
        return std::nullopt;
    }

    QString string(const QJsonObject &object, const QString &at, const char *key, const char *fallback = nullptr)
    {
        const auto found = value(object, at, key, QJsonValue::String,
                                 fallback ? std::optional<QJsonValue>(QLatin1String(fallback)) : std::nullopt);
        return found ? found->toString() : QString();
    }

    double number(const QJsonObject &object, const QString &at, const char *key)
    {
        const auto found = value(object, at, key, QJsonValue::Double);
        return found ? found->toDouble() : 0;
    }

    QJsonArray array(const QJsonObject &object, const QString &at, const char *key)
    {
        const auto found = value(object, at, key, QJsonValue::Array, QJsonArray());
        return found ? found->toArray() : QJsonArray();
    }

    QDate date(const QJsonObject &object, const QString &at, const char *key)
    {
        const QString written = string(object, at, key);
        const QDate date = dateFromText(written);
        if (!date.isValid() && fault.isEmpty())
            refuse(at + QLatin1String(key), text(QT_TRANSLATE_NOOP("PersonJson", "data non valida: scriverla come "
                                                                                 "AAAA-MM-GG, per esempio "
                                                                                 "\"2026-01-31\"")));
        return date;
    }

    template <typename Value>
    Value choice(const QJsonObject &object, const QString &at, const char *key, const char *fallback,
                 std::optional<Value> (*fromCode)(const QString &), const char *choices)
    {
        const auto found = fromCode(string(object, at, key, fallback));
        if (!found && fault.isEmpty())
            refuse(at + QLatin1String(key),
                   text(QT_TRANSLATE_NOOP("PersonJson", "valore non ammesso: scrivere uno fra %1"))
                       .arg(QLatin1String(choices)));
        return found.value_or(Value{});
    }

    std::vector<MealFileEntry> entries(const QJsonObject &meal, const QString &at)
    {
        std::vector<MealFileEntry> read;
        const QJsonArray rows = array(meal, at, "righe");
        for (qsizetype i = 0; i < rows.size() && fault.isEmpty(); ++i) {
            const QString here = QStringLiteral("%1righe[%2].").arg(at).arg(i);
            const QJsonObject row = rows[i].toObject();
            if (!rows[i].isObject() || !onlyKnown(row, here, {"categoria", "alimento", "grammi", "porzione"})) {
                refuse(here.chopped(1), text(QT_TRANSLATE_NOOP("PersonJson", "non è un oggetto tra parentesi "
                                                                             "graffe")));
                break;
            }
            const QString heading = string(row, here, "categoria");
            const auto category = findFoodCategory(heading);
            if (!category && fault.isEmpty())
                refuse(here + u"categoria"_qs, text(QT_TRANSLATE_NOOP("PersonJson", "categoria sconosciuta: scrivere "
                                                                                    "il titolo di una categoria, "
                                                                                    "come \"Frutta\"")));
            read.push_back({0, category.value_or(-1), string(row, here, "alimento"), string(row, here, "grammi"),
                            string(row, here, "porzione", "")});
        }
        return read;
    }

    MealDay day(const QJsonObject &object, const QString &at)
    {
        MealDay read;
        const QJsonArray meals = array(object, at, "pasti");
        for (qsizetype i = 0; i < meals.size() && fault.isEmpty(); ++i) {
            const QString here = QStringLiteral("%1pasti[%2].").arg(at).arg(i);
            const QJsonObject meal = meals[i].toObject();
            if (!meals[i].isObject() || !onlyKnown(meal, here, {"nome", "righe"})) {
                refuse(here.chopped(1), text(QT_TRANSLATE_NOOP("PersonJson", "non è un oggetto tra parentesi "
                                                                             "graffe")));
                break;
            }
            read.meals.push_back({string(meal, here, "nome"), entries(meal, here)});
        }
        return read;
    }

    // Each element of the array `key` of `object`, an object with only the `known` fields,
    // handed to `read` with the path of its fields.
    template <typename Read>
    void each(const QJsonObject &object, const char *key, std::initializer_list<const char *> known, Read read)
    {
        const QJsonArray items = array(object, {}, key);
        for (qsizetype i = 0; i < items.size() && fault.isEmpty(); ++i) {
            const QString here = QStringLiteral("%1[%2].").arg(QLatin1String(key)).arg(i);
            if (!items[i].isObject())
                refuse(here.chopped(1), text(QT_TRANSLATE_NOOP("PersonJson", "non è un oggetto tra parentesi "
                                                                             "graffe")));
            else if (onlyKnown(items[i].toObject(), here, known))
                read(items[i].toObject(), here);
        }
    }
};

// The oldest format that holds the record: a record without portions is written as it always was,
// and a reader that knows no portions says to update Velmo rather than refuse an unknown field.
int formatVersion(const PersonRecord &record)
{
    for (const auto &[date, day] : record.days)
        for (const DayMeal &meal : day.meals)
            for (const MealFileEntry &e : meal.entries)
                if (!e.portion.isEmpty())
                    return kPersonJsonVersion;
    return kOldestPersonJsonVersion;
}

// The line of a byte offset, for a fault of the JSON text itself.
int lineOf(const QByteArray &bytes, qsizetype offset)
{
    return static_cast<int>(bytes.left(offset).count('\n')) + 1;
}

// The first field written twice in one object, named as the reader names fields
// ("giorni[0].pasti[2].nome"); empty when none. A JSON reader keeps the last of the two, and the
// first, a whole list of weights or days perhaps, would be lost without a word. `bytes` is JSON
// already read without fault, so its nesting is bounded.
QString repeatedField(const QByteArray &bytes)
{
    struct Level {
        bool object = false;
        QString path;
        int index = 0;  // of an array's current element
        QString key;    // of an object's current field
        QSet<QString> keys;
        bool expectKey = true;
    };
    std::vector<Level> levels;
    const auto childPath = [&levels]() -> QString {
        if (levels.empty())
            return {};
        const Level &l = levels.back();
        if (l.object)
            return l.path.isEmpty() ? l.key : l.path + u'.' + l.key;
        return l.path + u'[' + QString::number(l.index) + u']';
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '"') {
            const qsizetype start = i;
            bool escaped = false;
            for (++i; i < bytes.size(); ++i) {
                if (escaped)
                    escaped = false;
                else if (bytes.at(i) == '\\')
                    escaped = true;
                else if (bytes.at(i) == '"')
                    break;
            }
            if (levels.empty() || !levels.back().object || !levels.back().expectKey)
                continue;
            const QByteArray quoted = bytes.mid(start, i - start + 1);
            Level &l = levels.back();
            l.key = quoted.contains('\\') ? QJsonDocument::fromJson('[' + quoted + ']').array().at(0).toString()
                                          : QString::fromUtf8(quoted.mid(1, quoted.size() - 2));
            if (l.keys.contains(l.key))
                return childPath();
            l.keys.insert(l.key);
            l.expectKey = false;
        } else if (c == '{' || c == '[') {
            Level next;
            next.object = c == '{';
            next.path = childPath();
            levels.push_back(std::move(next));
        } else if ((c == '}' || c == ']') && !levels.empty()) {
            levels.pop_back();
        } else if (c == ',' && !levels.empty()) {
            if (levels.back().object)
                levels.back().expectKey = true;
            else
                ++levels.back().index;
        }
    }
    return {};
}

}  // namespace

QByteArray personJson(const PersonRecord &record)
{
    const Person &p = record.person;
    QJsonArray weights;
    for (const WeightRecord &w : p.weights) {
        QJsonObject weight{{u"data"_qs, dateText(w.date)}, {u"kg"_qs, w.kilograms}};
        if (w.waistCm)
            weight.insert(u"vita_cm"_qs, *w.waistCm);
        weights.append(weight);
    }
    QJsonArray days;
    for (const auto &[date, day] : record.days)
        days.append(dayJson(date, day));
    const QJsonObject top{{u"formato"_qs, u"velmo-persona"_qs},
                          {u"versione"_qs, formatVersion(record)},
                          {u"nome"_qs, p.name},
                          {u"sesso"_qs, sexCode(p.sex)},
                          {u"data_di_nascita"_qs, dateText(p.birthDate)},
                          {u"altezza_cm"_qs, p.heightCm},
                          {u"attivita"_qs, activityCode(p.activity)},
                          {u"attivita_auspicabili"_qs, recommendedCode(p.recommended)},
                          {u"condizione"_qs, conditionCode(p.condition)},
                          {u"note"_qs, p.notes},
                          {u"pesi"_qs, weights},
                          {u"giorni"_qs, days}};
    // Indented for a reader; without the blanks when that would pass what an import reads, which
    // is then years of full days.
    const QJsonDocument document(top);
    const QByteArray indented = document.toJson(QJsonDocument::Indented);
    return indented.size() <= kMaxPersonJsonBytes ? indented : document.toJson(QJsonDocument::Compact);
}

std::optional<PersonRecord> readPersonJson(const QByteArray &bytes, QDate today, QString *error)
{
    const auto refuse = [error](const QString &message) -> std::optional<PersonRecord> {
        *error = message;
        return std::nullopt;
    };
    if (bytes.size() > kMaxPersonJsonBytes)
        return refuse(text(QT_TRANSLATE_NOOP("PersonJson", "il file supera i 20 MB: non è l'esportazione di una "
                                                           "persona di Velmo")));
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError)
        return refuse(text(QT_TRANSLATE_NOOP("PersonJson", "riga %1: il testo non è JSON valido (controllare "
                                                           "virgole, virgolette e parentesi)"))
                          .arg(lineOf(bytes, parse.offset)));
    const QJsonObject top = document.object();
    if (top.value(u"formato"_qs) != u"velmo-persona"_qs)
        return refuse(text(QT_TRANSLATE_NOOP("PersonJson", "il file non è l'esportazione di una persona di Velmo: "
                                                           "manca \"formato\": \"velmo-persona\"")));
    const QJsonValue version = top.value(u"versione"_qs);
    if (version.isDouble() && version.toDouble() > kPersonJsonVersion)
        return refuse(text(QT_TRANSLATE_NOOP("PersonJson", "il file è stato scritto da una versione più recente di "
                                                           "Velmo (versione %1 del formato): aggiornare Velmo"))
                          .arg(version.toDouble()));
    if (version != QJsonValue(kOldestPersonJsonVersion) && version != QJsonValue(kPersonJsonVersion))
        return refuse(text(QT_TRANSLATE_NOOP("PersonJson", "campo \"versione\": deve essere %1 o %2"))
                          .arg(kOldestPersonJsonVersion)
                          .arg(kPersonJsonVersion));

    if (const QString repeated = repeatedField(bytes); !repeated.isEmpty())
        return refuse(text(QT_TRANSLATE_NOOP("PersonJson", "campo \"%1\": %2"))
                          .arg(repeated, text(QT_TRANSLATE_NOOP("PersonJson", "scritto due volte nello stesso "
                                                                              "oggetto: uno dei due valori "
                                                                              "andrebbe perso"))));

    Reader read;
    PersonRecord record;
    Person &p = record.person;
    read.onlyKnown(top, {},
                   {"formato", "versione", "nome", "sesso", "data_di_nascita", "altezza_cm", "attivita",
                    "attivita_auspicabili", "condizione", "note", "pesi", "giorni"});
    p.name = read.string(top, {}, "nome");
    p.sex = read.choice(top, {}, "sesso", nullptr, &sexFromCode, "\"F\", \"M\"");
    p.birthDate = read.date(top, {}, "data_di_nascita");
    p.heightCm = read.number(top, {}, "altezza_cm");
    p.activity = read.choice(top, {}, "attivita", "non_scelta", &activityFromCode,
                             "\"non_scelta\", \"leggera\", \"moderata\", \"pesante\"");
    p.recommended = read.choice(top, {}, "attivita_auspicabili", "non_scelte", &recommendedFromCode,
                                "\"non_scelte\", \"si\", \"no\"");
    p.condition = read.choice(top, {}, "condizione", "nessuna", &conditionFromCode,
                              "\"nessuna\", \"gravidanza\", \"allattamento\"");
    p.notes = read.string(top, {}, "note", "");
    read.each(top, "pesi", {"data", "kg", "vita_cm"}, [&](const QJsonObject &w, const QString &at) {
        WeightRecord weight{read.date(w, at, "data"), read.number(w, at, "kg"), std::nullopt};
        if (w.contains(u"vita_cm"_qs) && !w.value(u"vita_cm"_qs).isNull())
            weight.waistCm = read.number(w, at, "vita_cm");
        p.weights.push_back(weight);
    });
    read.each(top, "giorni", {"data", "pasti"}, [&](const QJsonObject &d, const QString &at) {
        record.days.emplace_back(read.date(d, at, "data"), read.day(d, at));
    });
    if (!read.fault.isEmpty())
        return refuse(read.fault);
    if (const auto fault = recordFault(record, today))
        return refuse(text(QT_TRANSLATE_NOOP("PersonJson", "campo \"%1\": %2")).arg(fault->field, fault->message));
    std::sort(record.days.begin(), record.days.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    return record;
}

std::optional<PersonRecord> readPersonJson(QIODevice &input, QDate today, QString *error)
{
    const QByteArray bytes = input.read(kMaxPersonJsonBytes + 1);
    return readPersonJson(bytes, today, error);
}

}  // namespace velmo
