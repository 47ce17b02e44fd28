// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "referenceintakes.h"

#include "common/csv.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <array>
#include <utility>

namespace velmo {

namespace {

const QStringList kHeader = {u"riferimento"_qs, u"chiave"_qs, u"tipo"_qs,  u"sesso"_qs,      u"eta_da"_qs, u"eta_a"_qs,
                             u"condizione"_qs,  u"valore"_qs, u"unita"_qs, u"nota_unita"_qs, u"nota"_qs,   u"fonte"_qs};
enum Column { Source, Key, Kind, Sex, AgeFrom, AgeTo, Condition, Value, Unit, UnitNote, Note, Origin };

constexpr std::array<std::pair<const char16_t *, IntakeKind>, 6> kKinds = {{{u"PRI", IntakeKind::Pri},
                                                                            {u"AI", IntakeKind::Ai},
                                                                            {u"AR", IntakeKind::Ar},
                                                                            {u"UL", IntakeKind::Ul},
                                                                            {u"SDT", IntakeKind::Sdt},
                                                                            {u"RI", IntakeKind::Ri}}};

// Iodine, biotin, chloride, fluoride, molybdenum and chromium have references but no food values.
constexpr std::array<const char16_t *, 6> kMissingFromFoods = {u"ID", u"BIOT", u"CLD", u"FD", u"MO", u"CR"};

const QString kPregnancy = u"gravidanza"_qs;
const QString kLactation = u"allattamento"_qs;

std::optional<double> readNumber(QStringView text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

// An empty field is "no bound"; anything else must be a number.
bool readOptionalNumber(const QString &text, std::optional<double> *out)
{
    if (text.isEmpty())
        return true;
    *out = readNumber(text);
    return out->has_value();
}

std::optional<IntakeValue> readValue(const QString &text)
{
    IntakeValue value;
    for (const auto &[prefix, isUpper] :
         {std::pair{u"<=", true}, std::pair{u">=", false}, std::pair{u"<", true}, std::pair{u">", false}}) {
        if (text.startsWith(QStringView(prefix))) {
            const auto bound = readNumber(QStringView(text).mid(QStringView(prefix).size()));
            if (!bound)
                return std::nullopt;
            (isUpper ? value.maximum : value.minimum) = bound;
            return value;
        }
    }
    const qsizetype dash = text.indexOf(u'-', 1);
    value.minimum = readNumber(dash < 0 ? QStringView(text) : QStringView(text).left(dash));
    value.maximum = dash < 0 ? value.minimum : readNumber(QStringView(text).mid(dash + 1));
    if (!value.minimum || !value.maximum || *value.minimum > *value.maximum)
        return std::nullopt;
    return value;
}

// The column whose text is wrong, or none when the row is read into `row`.
std::optional<Column> readRow(const QStringList &f, ReferenceRow *row)
{
    if (f[Source] == u"LARN"_qs || f[Source] == u"EFSA"_qs)
        row->source = f[Source] == u"LARN"_qs ? ReferenceSource::Larn : ReferenceSource::Efsa;
    else
        return Source;
    row->key = f[Key];
    if (row->key.isEmpty())
        return Key;
    const auto kind = std::find_if(kKinds.begin(), kKinds.end(),
                                   [&](const auto &k) { return f[Kind] == QStringView(k.first); });
    if (kind == kKinds.end())
        return Kind;
    row->kind = kind->second;
    if (!f[Sex].isEmpty() && f[Sex] != u"M"_qs && f[Sex] != u"F"_qs)
        return Sex;
    if (!f[Sex].isEmpty())
        row->female = f[Sex] == u"F"_qs;
    if (!readOptionalNumber(f[AgeFrom], &row->ageFrom))
        return AgeFrom;
    if (!readOptionalNumber(f[AgeTo], &row->ageTo) || (row->ageFrom && row->ageTo && *row->ageTo <= *row->ageFrom))
        return AgeTo;
    row->condition = f[Condition];
    const auto value = readValue(f[Value]);
    if (!value)
        return Value;
    row->value = *value;
    row->unit = f[Unit];
    if (row->unit.isEmpty())
        return Unit;
    row->unitNote = f[UnitNote];
    row->note = f[Note];
    row->origin = f[Origin];
    return std::nullopt;
}

bool fitsAge(const ReferenceRow &row, double age)
{
    return (!row.ageFrom || *row.ageFrom <= age) && (!row.ageTo || age < *row.ageTo);
}

// The parts of a row's `note` that begin with `prefix` ("in gravidanza"), each in the interface's
// language where it is one of the shipped notes.
QString conditionParts(const QString &note, const QString &prefix)
{
    // The shipped notes about a condition, as the data writes them in Italian.
    static constexpr std::array kShippedNotes{
        QT_TRANSLATE_NOOP("ReferenceConditionNote", "in gravidanza +1, +8, +26 g (I, II, III trimestre)"),
        QT_TRANSLATE_NOOP("ReferenceConditionNote", "in allattamento +21, +14 g (I, II semestre)"),
        QT_TRANSLATE_NOOP(
            "ReferenceConditionNote",
            "in allattamento EFSA indica un valore più alto, non verificato: qui vale quello degli adulti"),
    };
    QStringList notes;
    for (const QString &part : note.split(u';')) {
        const QString text = part.trimmed();
        if (!text.startsWith(prefix))
            continue;
        const auto *shipped = std::find_if(kShippedNotes.begin(), kShippedNotes.end(),
                                           [&](const char *s) { return text == QString::fromUtf8(s); });
        notes << (shipped == kShippedNotes.end() ? text
                                                 : QCoreApplication::translate("ReferenceConditionNote", *shipped));
    }
    return notes.join(u"; "_qs);
}

}  // namespace

QString NutrientReference::unit() const
{
    for (const auto *row : {&reference, &averageRequirement, &upperLevel})
        if (*row)
            return (*row)->unit;
    return {};
}

QString NutrientReference::unitNote() const
{
    // The shipped notes, as the data writes them in Italian, are shown in the interface's language.
    static constexpr std::array kShippedNotes{
        QT_TRANSLATE_NOOP("ReferenceUnitNote", "LARN in g, qui in mg"),
        QT_TRANSLATE_NOOP("ReferenceUnitNote", "EFSA in g, qui in mg"),
        QT_TRANSLATE_NOOP(
            "ReferenceUnitNote",
            "Riferimento in retinolo equivalenti (RE); alimenti in RAE, che contano i carotenoidi la metà"),
        QT_TRANSLATE_NOOP("ReferenceUnitNote", "Riferimento in niacina equivalenti (NE, compresa quella dal "
                                               "triptofano); alimenti in niacina preformata"),
        QT_TRANSLATE_NOOP("ReferenceUnitNote", "UL per il retinolo preformato (non per i carotenoidi)"),
        QT_TRANSLATE_NOOP("ReferenceUnitNote",
                          "Riferimento in µg di folati (la tabella non dice se DFE); alimenti in folati totali"),
        QT_TRANSLATE_NOOP("ReferenceUnitNote",
                          "Riferimento per gli acidi grassi n-6 in tutto; alimenti: solo acido linoleico (18:2)"),
        QT_TRANSLATE_NOOP("ReferenceUnitNote",
                          "Riferimento in alfa-tocoferolo equivalenti; alimenti in solo alfa-tocoferolo"),
    };
    for (const auto *row : {&reference, &averageRequirement, &upperLevel}) {
        if (!*row || (*row)->unitNote.isEmpty())
            continue;
        for (const char *shipped : kShippedNotes)
            if ((*row)->unitNote == QString::fromUtf8(shipped))
                return QCoreApplication::translate("ReferenceUnitNote", shipped);
        return (*row)->unitNote;
    }
    return {};
}

std::optional<ReferenceIntakes> ReferenceIntakes::parse(const QString &csvText, QString *error)
{
    const CsvParseResult csv = parseCsv(csvText);
    if (!csv.ok()) {
        *error = tr("La tabella dei valori di riferimento non si legge: %1").arg(csv.error);
        return std::nullopt;
    }
    if (csv.records.empty() || csv.records.front().fields != kHeader) {
        *error = tr("La tabella dei valori di riferimento non ha le colonne attese: %1.").arg(kHeader.join(u", "_qs));
        return std::nullopt;
    }
    ReferenceIntakes table;
    for (auto record = csv.records.begin() + 1; record != csv.records.end(); ++record) {
        ReferenceRow row;
        row.line = record->line;
        if (record->fields.size() != kHeader.size()) {
            *error = tr("Riga %1 della tabella dei valori di riferimento: %2 campi invece di %3.")
                         .arg(record->line)
                         .arg(record->fields.size())
                         .arg(kHeader.size());
            return std::nullopt;
        }
        if (const auto wrong = readRow(record->fields, &row)) {
            *error = tr("Riga %1 della tabella dei valori di riferimento: il campo \"%2\" non può "
                        "valere \"%3\".")
                         .arg(record->line)
                         .arg(kHeader[*wrong], record->fields[*wrong]);
            return std::nullopt;
        }
        table.rows_.push_back(std::move(row));
    }
    return table;
}

const ReferenceIntakes *ReferenceIntakes::shipped(QString *error)
{
    static const auto loaded = [] {
        std::pair<std::optional<ReferenceIntakes>, QString> result;
        QFile file(u":/nutrition/riferimenti.csv"_qs);
        if (!file.open(QIODevice::ReadOnly))
            result.second = tr("La tabella dei valori di riferimento manca dal programma: reinstallare Velmo.");
        else
            result.first = parse(QString::fromUtf8(file.readAll()), &result.second);
        return result;
    }();
    if (!loaded.first && error)
        *error = loaded.second;
    return loaded.first ? &*loaded.first : nullptr;
}

std::optional<ReferenceRow> ReferenceIntakes::choose(const IntakePerson &person, const QString &key, IntakeKind kind,
                                                     const QString &unit) const
{
    const bool female = person.female || person.pregnant || person.lactating;
    const QString condition = person.pregnant ? kPregnancy : (person.lactating ? kLactation : QString());
    const auto pick = [&](const QString &wanted) -> std::optional<ReferenceRow> {
        for (const ReferenceRow &row : rows_) {
            if (row.source == person.source && row.kind == kind && row.key == key && row.condition == wanted
                && (unit.isEmpty() || row.unit == unit) && (!row.female || *row.female == female)
                && fitsAge(row, person.ageYears))
                return row;
        }
        return std::nullopt;
    };
    if (!condition.isEmpty())
        if (auto row = pick(condition))
            return row;
    return pick(QString());
}

std::optional<NutrientReference> ReferenceIntakes::find(const IntakePerson &person, const QString &key,
                                                        const QString &unit) const
{
    NutrientReference found;
    found.key = key;
    found.missingFromFoods = missingFromFoods(key);
    // The value of her condition, of whatever kind, comes before her sex and age's: EFSA gives pregnant
    // women an AI of folate where the other women have a PRI, and that AI is the one that holds for her.
    for (const IntakeKind kind : {IntakeKind::Pri, IntakeKind::Ai, IntakeKind::Sdt, IntakeKind::Ri}) {
        auto row = choose(person, key, kind, unit);
        if (row && !row->condition.isEmpty()) {
            found.reference = std::move(row);
            break;
        }
        if (!found.reference)
            found.reference = std::move(row);
    }
    if (found.reference && (found.reference->kind == IntakeKind::Pri || found.reference->kind == IntakeKind::Ai))
        for (const IntakeKind kind : {IntakeKind::Sdt, IntakeKind::Ri})
            if (auto row = choose(person, key, kind, unit); row && !row->value.minimum && row->value.maximum) {
                found.goal = std::move(row);
                break;
            }
    // A pregnancy's or a lactation's additions are the same at every age: the table says them once,
    // in the note of one age band, which tells them to a woman of any other band as well.
    if (found.reference && found.reference->condition.isEmpty() && (person.pregnant || person.lactating)) {
        const QString prefix = u"in "_qs + (person.pregnant ? kPregnancy : kLactation);
        found.conditionNote = conditionParts(found.reference->note, prefix);
        for (auto row = rows_.cbegin(); found.conditionNote.isEmpty() && row != rows_.cend(); ++row)
            if (row->source == person.source && row->key == key && row->kind == found.reference->kind
                && row->condition.isEmpty() && row->female.value_or(true) && (unit.isEmpty() || row->unit == unit))
                found.conditionNote = conditionParts(row->note, prefix);
    }
    found.averageRequirement = choose(person, key, IntakeKind::Ar, unit);
    found.upperLevel = choose(person, key, IntakeKind::Ul, unit);
    if (!found.reference && !found.averageRequirement && !found.upperLevel)
        return std::nullopt;
    return found;
}

std::vector<NutrientReference> ReferenceIntakes::forPerson(const IntakePerson &person) const
{
    std::vector<NutrientReference> found;
    QStringList seen;
    for (const ReferenceRow &row : rows_) {
        if (row.source != person.source || seen.contains(row.key))
            continue;
        seen.append(row.key);
        if (auto reference = find(person, row.key))
            found.push_back(std::move(*reference));
    }
    return found;
}

bool ReferenceIntakes::missingFromFoods(const QString &key)
{
    return std::any_of(kMissingFromFoods.begin(), kMissingFromFoods.end(),
                       [&](const char16_t *missing) { return key == QStringView(missing); });
}

QString ReferenceIntakes::missingFromFoodsText()
{
    return tr("non disponibile nei dati degli alimenti");
}

QString intakeKindName(IntakeKind kind)
{
    const auto *found = std::find_if(kKinds.begin(), kKinds.end(), [kind](const auto &k) { return k.second == kind; });
    return QString::fromUtf16(found->first);
}

ReferenceFor referenceLookup(const ReferenceIntakes &intakes, const IntakePerson &person, const Nutrients &nutrients)
{
    return [&intakes, person, &nutrients](const QString &key) -> std::optional<ReferenceValue> {
        const auto index = nutrients.indexOf(key);
        if (!index)
            return std::nullopt;
        // The rows made from another nutrient find its references in their own unit.
        static const QHash<QString, QString> madeFrom{
            {QStringLiteral("EN_PROT"), QStringLiteral("PROCNT")},
            {QStringLiteral("EN_FAT"), QStringLiteral("FAT")},
            {QStringLiteral("EN_CHO"), QStringLiteral("CHOCDF")},
            {QStringLiteral("EN_SUGAR"), QStringLiteral("SUGAR")},
            {QStringLiteral("EN_FASAT"), QStringLiteral("FASAT")},
            {QStringLiteral("EN_FAPU"), QStringLiteral("FAPU")},
            {QStringLiteral("EN_F18D2"), QStringLiteral("F18D2")},
            {QStringLiteral("EN_F18D3"), QStringLiteral("F18D3")},
            {QStringLiteral("FIB_1000KCAL"), QStringLiteral("FIBTG")},
        };
        const NutrientDefinition &row = nutrients.at(*index);
        const auto found = intakes.find(person, madeFrom.value(key, key), row.unit);
        if (!found)
            return std::nullopt;
        ReferenceValue value;
        if (found->reference) {
            value.minimum = found->reference->value.minimum;
            value.maximum = found->reference->value.maximum;
            value.kind = intakeKindName(found->reference->kind);
        }
        if (found->upperLevel)
            value.upper = found->upperLevel->value.maximum ? found->upperLevel->value.maximum
                                                           : found->upperLevel->value.minimum;
        if (found->averageRequirement)
            value.average = found->averageRequirement->value.minimum;
        if (found->goal) {
            value.goalMaximum = found->goal->value.maximum;
            value.goalKind = intakeKindName(found->goal->kind);
        }
        value.unitNote = found->unitNote();
        value.conditionNote = found->conditionNote;
        if (!value.minimum && !value.maximum && !value.upper)
            return std::nullopt;
        return value;
    };
}

}  // namespace velmo
