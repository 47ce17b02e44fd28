// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "plan/personrules.h"

#include "catalogue/foodcategory.h"
#include "common/inputecho.h"
#include "meal/dayfile.h"
#include "meal/mealfile.h"
#include "meal/mealgrid.h"
#include "plan/personmetrics.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <set>

namespace velmo {

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("PersonRules", source);
}

bool within(double value, double low, double high)
{
    return value >= low && value <= high;  // false for NaN too
}

// What is wrong with a name of a person, a meal or a food, if anything.
std::optional<QString> nameFault(const QString &name, int maxLength)
{
    if (name.trimmed().isEmpty())
        return text(QT_TRANSLATE_NOOP("PersonRules", "Il nome è vuoto: scriverlo."));
    if (name.toUcs4().size() > maxLength)  // characters as the user counts them, not UTF-16 units
        return text(QT_TRANSLATE_NOOP("PersonRules", "Il nome è troppo lungo: al massimo %1 caratteri."))
            .arg(maxLength);
    if (hasHiddenCharacters(name))
        return text(QT_TRANSLATE_NOOP("PersonRules",
                                      "Il nome contiene caratteri di controllo o invisibili (a capo, tabulazioni, "
                                      "spazi senza larghezza): toglierli."));
    return std::nullopt;
}

std::optional<ValueFault> inside(const QString &prefix, std::optional<ValueFault> fault)
{
    if (fault)
        fault->field = prefix + u'.' + fault->field;
    return fault;
}

template <typename Enum, std::size_t N>
std::optional<Enum> fromCode(const std::array<std::pair<Enum, const char *>, N> &codes, const QString &code)
{
    for (const auto &[value, word] : codes)
        if (code == QLatin1String(word))
            return value;
    return std::nullopt;
}

template <typename Enum, std::size_t N>
QString toCode(const std::array<std::pair<Enum, const char *>, N> &codes, Enum value)
{
    for (const auto &[v, word] : codes)
        if (v == value)
            return QLatin1String(word);
    return {};
}

constexpr std::array<std::pair<Sex, const char *>, 2> kSexes{{{Sex::Female, "F"}, {Sex::Male, "M"}}};
constexpr std::array<std::pair<ActivityLevel, const char *>, 4> kActivities{{{ActivityLevel::NotChosen, "non_scelta"},
                                                                             {ActivityLevel::Light, "leggera"},
                                                                             {ActivityLevel::Moderate, "moderata"},
                                                                             {ActivityLevel::Heavy, "pesante"}}};
constexpr std::array<std::pair<RecommendedActivities, const char *>, 3> kRecommended{
    {{RecommendedActivities::NotChosen, "non_scelte"},
     {RecommendedActivities::With, "si"},
     {RecommendedActivities::Without, "no"}}};
constexpr std::array<std::pair<PersonCondition, const char *>, 3> kConditions{
    {{PersonCondition::None, "nessuna"},
     {PersonCondition::Pregnancy, "gravidanza"},
     {PersonCondition::Lactation, "allattamento"}}};

}  // namespace

std::optional<ValueFault> weightFault(const WeightRecord &weight, QDate today)
{
    if (!weight.date.isValid() || weight.date > today)
        return ValueFault{u"data"_qs, text(QT_TRANSLATE_NOOP("PersonRules", "La data del peso manca, non è valida "
                                                                            "o è nel futuro: correggerla."))};
    if (!within(weight.kilograms, 2, 400))
        return ValueFault{u"kg"_qs, text(QT_TRANSLATE_NOOP("PersonRules", "Il peso deve essere fra 2 e 400 kg."))};
    if (weight.waistCm && !within(*weight.waistCm, 30, 250))
        return ValueFault{u"vita_cm"_qs, text(QT_TRANSLATE_NOOP("PersonRules", "La circonferenza della vita deve "
                                                                               "essere fra 30 e 250 cm."))};
    return std::nullopt;
}

std::optional<ValueFault> birthDateFault(QDate birth, QDate today)
{
    if (ageInYears(birth, today).value_or(0) <= kMaxPersonAge)
        return std::nullopt;
    return ValueFault{u"data_di_nascita"_qs,
                      text(QT_TRANSLATE_NOOP("PersonRules", "La data di nascita è di più di %1 anni fa: correggerla."))
                          .arg(kMaxPersonAge)};
}

std::optional<ValueFault> personFault(const Person &person, QDate today)
{
    if (const auto fault = nameFault(person.name, kMaxPersonNameLength))
        return ValueFault{u"nome"_qs, *fault};
    // "Anna " beside "Anna" would look the same in every list, and the window trims what it is given.
    if (person.name != person.name.trimmed())
        return ValueFault{u"nome"_qs, text(QT_TRANSLATE_NOOP("PersonRules", "Il nome di una persona non può "
                                                                            "cominciare o finire con uno spazio."))};
    if (!person.birthDate.isValid() || person.birthDate > today)
        return ValueFault{u"data_di_nascita"_qs,
                          text(QT_TRANSLATE_NOOP("PersonRules", "La data di nascita manca, non è valida o è nel "
                                                                "futuro: correggerla."))};
    if (!within(person.heightCm, 40, 250))
        return ValueFault{u"altezza_cm"_qs,
                          text(QT_TRANSLATE_NOOP("PersonRules", "L'altezza deve essere fra 40 e 250 cm."))};
    if (person.condition != PersonCondition::None && person.sex != Sex::Female)
        return ValueFault{u"condizione"_qs, text(QT_TRANSLATE_NOOP("PersonRules", "Gravidanza e allattamento valgono "
                                                                                  "solo per una donna."))};
    // Below that age the condition would be a slip of the form's choice printed on the plan.
    if (person.condition != PersonCondition::None && ageInYears(person.birthDate, today).value_or(0) < kMinConditionAge)
        return ValueFault{u"condizione"_qs, text(QT_TRANSLATE_NOOP("PersonRules", "Gravidanza e allattamento valgono "
                                                                                  "dai %1 anni in su."))
                                                .arg(kMinConditionAge)};
    if (person.notes.size() > kMaxNotesLength)
        return ValueFault{u"note"_qs, text(QT_TRANSLATE_NOOP("PersonRules", "Le note sono troppo lunghe: al massimo "
                                                                            "%1 caratteri."))
                                          .arg(kMaxNotesLength)};
    std::set<QDate> dates;
    for (std::size_t i = 0; i < person.weights.size(); ++i) {
        const QString at = QStringLiteral("pesi[%1]").arg(i);
        if (const auto fault = inside(at, weightFault(person.weights[i], today)))
            return fault;
        if (!dates.insert(person.weights[i].date).second)
            return ValueFault{at + u".data"_qs, text(QT_TRANSLATE_NOOP("PersonRules", "Due pesi hanno la stessa "
                                                                                      "data: tenerne uno."))};
    }
    return std::nullopt;
}

std::optional<ValueFault> mealFault(const DayMeal &meal)
{
    // A stored day must be exportable as a day file: its meals' names follow the file's rules.
    if (const auto fault = nameFault(meal.name, kMaxMealNameLength))
        return ValueFault{u"nome"_qs, *fault};
    if (!mealNameFault(meal.name).isEmpty())
        return ValueFault{u"nome"_qs, text(QT_TRANSLATE_NOOP("PersonRules", "Il nome di un pasto non può contenere "
                                                                            "\"]\" né cominciare o finire con uno "
                                                                            "spazio."))};
    if (meal.entries.size() > static_cast<std::size_t>(kMaxMealRowsPerMeal))
        return ValueFault{
            u"righe"_qs,
            text(QT_TRANSLATE_NOOP("PersonRules", "Un pasto ha al massimo %1 alimenti.")).arg(kMaxMealRowsPerMeal)};
    for (std::size_t i = 0; i < meal.entries.size(); ++i) {
        const MealFileEntry &entry = meal.entries[i];
        const QString at = QStringLiteral("righe[%1].").arg(i);
        if (entry.category < 0 || entry.category >= kAllCategoryCount)
            return ValueFault{at + u"categoria"_qs,
                              text(QT_TRANSLATE_NOOP("PersonRules", "Categoria sconosciuta: indicare il titolo di una "
                                                                    "categoria o il nome della sua tabella."))};
        if (const auto fault = nameFault(entry.food, kMaxPlannedFoodNameLength))
            return ValueFault{at + u"alimento"_qs, *fault};
        if (!MealGrid::acceptsGrossText(entry.grams) || entry.grams.toLongLong() == 0)
            return ValueFault{at + u"grammi"_qs,
                              text(QT_TRANSLATE_NOOP("PersonRules", "I grammi devono essere un numero intero "
                                                                    "maggiore di 0, di al massimo %1 cifre."))
                                  .arg(kMaxGrossWeightDigits)};
        // The portion is what the weight stands for, as a meal file writes it.
        if (!entry.portion.isEmpty()
            && (entry.portion.size() > kMaxPortionTextLength || hasHiddenCharacters(entry.portion)
                || !namesPortion(entry.portion)))
            return ValueFault{at + u"porzione"_qs,
                              text(QT_TRANSLATE_NOOP("PersonRules", "La porzione va scritta come \"2 fette\": un "
                                                                    "numero, poi la misura, su una riga di al massimo "
                                                                    "%1 caratteri."))
                                  .arg(kMaxPortionTextLength)};
    }
    return std::nullopt;
}

std::optional<ValueFault> dayFault(const MealDay &day)
{
    if (day.meals.size() > static_cast<std::size_t>(kMaxMealsPerDay))
        return ValueFault{
            u"pasti"_qs,
            text(QT_TRANSLATE_NOOP("PersonRules", "Un giorno ha al massimo %1 pasti.")).arg(kMaxMealsPerDay)};
    for (std::size_t i = 0; i < day.meals.size(); ++i) {
        if (const auto fault = inside(QStringLiteral("pasti[%1]").arg(i), mealFault(day.meals[i])))
            return fault;
        // As in a day file, and as the window asks: two meals of a day never share a name.
        const auto earlier = std::find_if(
            day.meals.cbegin(), day.meals.cbegin() + static_cast<std::ptrdiff_t>(i),
            [&](const DayMeal &m) { return m.name.compare(day.meals[i].name, Qt::CaseInsensitive) == 0; });
        if (earlier != day.meals.cbegin() + static_cast<std::ptrdiff_t>(i))
            return ValueFault{QStringLiteral("pasti[%1].nome").arg(i),
                              text(QT_TRANSLATE_NOOP("PersonRules", "Il pasto %1 c'è già: i pasti di un giorno "
                                                                    "hanno nomi diversi."))
                                  .arg(echoInput(day.meals[i].name))};
    }
    return std::nullopt;
}

std::optional<ValueFault> recordFault(const PersonRecord &record, QDate today)
{
    if (const auto fault = personFault(record.person, today))
        return fault;
    std::set<QDate> dates;
    for (std::size_t i = 0; i < record.days.size(); ++i) {
        const QString at = QStringLiteral("giorni[%1]").arg(i);
        const QDate date = record.days[i].first;
        if (!date.isValid() || !dates.insert(date).second)
            return ValueFault{at + u".data"_qs, text(QT_TRANSLATE_NOOP("PersonRules", "La data del giorno manca, non "
                                                                                      "è valida o è ripetuta."))};
        if (const auto fault = inside(at, dayFault(record.days[i].second)))
            return fault;
    }
    return std::nullopt;
}

QString sexCode(Sex sex)
{
    return toCode(kSexes, sex);
}
QString activityCode(ActivityLevel activity)
{
    return toCode(kActivities, activity);
}
QString recommendedCode(RecommendedActivities recommended)
{
    return toCode(kRecommended, recommended);
}
QString conditionCode(PersonCondition condition)
{
    return toCode(kConditions, condition);
}
std::optional<Sex> sexFromCode(const QString &code)
{
    return fromCode(kSexes, code);
}
std::optional<ActivityLevel> activityFromCode(const QString &code)
{
    return fromCode(kActivities, code);
}
std::optional<RecommendedActivities> recommendedFromCode(const QString &code)
{
    return fromCode(kRecommended, code);
}
std::optional<PersonCondition> conditionFromCode(const QString &code)
{
    return fromCode(kConditions, code);
}

QString dateText(QDate date)
{
    return date.toString(Qt::ISODate);
}

QDate dateFromText(const QString &text)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return dateText(date) == text ? date : QDate();
}

}  // namespace velmo
