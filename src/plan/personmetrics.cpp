// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "plan/personmetrics.h"

#include "common/decimalround.h"
#include "common/numbertext.h"

#include <QCoreApplication>

#include <utility>

namespace velmo {

std::optional<int> ageInYears(QDate birth, QDate at)
{
    if (!birth.isValid() || !at.isValid() || at < birth)
        return std::nullopt;
    int years = at.year() - birth.year();
    if (at.month() < birth.month() || (at.month() == birth.month() && at.day() < birth.day()))
        --years;
    return years;
}

BmiClass bmiClass(double value)
{
    // The boundaries in tenths, as the classes are written (18,5 - 24,9 ...).
    const std::int64_t tenths = roundHalfEvenScaled(value, 1).value_or(0);
    if (tenths < 185)
        return BmiClass::Underweight;
    if (tenths < 250)
        return BmiClass::Normal;
    if (tenths < 300)
        return BmiClass::Overweight;
    if (tenths < 350)
        return BmiClass::ObesityI;
    if (tenths < 400)
        return BmiClass::ObesityII;
    return BmiClass::ObesityIII;
}

std::optional<BodyMassIndex> bodyMassIndex(const Person &person, QDate at)
{
    const auto weight = person.weightAt(at);
    const auto age = ageInYears(person.birthDate, at);
    if (!weight || !age || person.heightCm <= 0 || weight->kilograms <= 0)
        return std::nullopt;
    const double metres = person.heightCm / 100.0;
    BodyMassIndex index;
    index.value = weight->kilograms / (metres * metres);
    if (*age >= kAdultBmiAge)
        index.adultClass = bmiClass(index.value);
    return index;
}

QString bmiClassText(std::optional<BmiClass> adultClass)
{
    const auto text = [](const char *source) { return QCoreApplication::translate("PersonMetrics", source); };
    if (!adultClass)
        return text(QT_TRANSLATE_NOOP("PersonMetrics", "sotto i 18 anni le classi dell'adulto non si applicano"));
    switch (*adultClass) {
    case BmiClass::Underweight: return text(QT_TRANSLATE_NOOP("PersonMetrics", "sottopeso"));
    case BmiClass::Normal: return text(QT_TRANSLATE_NOOP("PersonMetrics", "normopeso"));
    case BmiClass::Overweight: return text(QT_TRANSLATE_NOOP("PersonMetrics", "sovrappeso"));
    case BmiClass::ObesityI: return text(QT_TRANSLATE_NOOP("PersonMetrics", "obesità di I grado"));
    case BmiClass::ObesityII: return text(QT_TRANSLATE_NOOP("PersonMetrics", "obesità di II grado"));
    case BmiClass::ObesityIII: return text(QT_TRANSLATE_NOOP("PersonMetrics", "obesità di III grado"));
    }
    return {};
}

QString bodyMassIndexText(const BodyMassIndex &index, const QLocale &locale)
{
    const RoundedDecimal shown = roundHalfEven(index.value, 1);
    const QString value = QString::fromStdString(shown.integerDigits) + locale.decimalPoint()
                          + QString::fromStdString(shown.fractionDigits);
    return QStringLiteral("%1 (%2)").arg(value, bmiClassText(index.adultClass));
}

namespace {

// The age and the weight as the energy window takes them; none without either.
std::optional<std::pair<int, qint16>> energyInputs(const Person &person, QDate at, const QLocale &locale)
{
    const auto age = ageInYears(person.birthDate, at);
    const auto weight = person.weightAt(at);
    if (!age || !weight)
        return std::nullopt;
    // The weight as typed in the window's box, read back by the box's own rule.
    const auto typed = readWholeNumber16(formatPlain(weight->kilograms, locale), locale);
    if (!typed)
        return std::nullopt;
    return std::pair{*age, *typed};
}

bool pastEnergyTables(const std::pair<int, qint16> &inputs)
{
    return inputs.first > kMaxAge || inputs.second > kMaxWeight;
}

}  // namespace

std::optional<EnergyProfile> energyProfile(const Person &person, QDate at, const QLocale &locale)
{
    const auto inputs = energyInputs(person, at, locale);
    if (!inputs || pastEnergyTables(*inputs))
        return std::nullopt;
    return EnergyProfile{person.sex, static_cast<qint16>(inputs->first), inputs->second, person.activity,
                         person.recommended};
}

QString pastEnergyTablesText(const Person &person, QDate at, const QLocale &locale)
{
    const auto inputs = energyInputs(person, at, locale);
    if (!inputs || !pastEnergyTables(*inputs))
        return {};
    return QCoreApplication::translate("PersonMetrics", "non si calcola oltre i %1 anni o i %2 kg")
        .arg(kMaxAge)
        .arg(kMaxWeight);
}

std::optional<EnergyRequirement> personRequirement(const Person &person, QDate at, const QLocale &locale)
{
    const auto profile = energyProfile(person, at, locale);
    if (!profile)
        return std::nullopt;
    return computeRequirement(*profile, locale);
}

std::optional<IntakePerson> intakePerson(const Person &person, QDate at)
{
    const auto age = ageInYears(person.birthDate, at);
    if (!age)
        return std::nullopt;
    const auto weight = person.weightAt(at);
    const bool female = person.sex == Sex::Female;
    // References for the first year go by months: a baby's age is kept in months, and the days of
    // the month begun, as a fraction of a year, so that on the day of the sixth month it is 0.5.
    double years = *age;
    if (*age == 0) {
        int months = 0;
        while (months < 12 && person.birthDate.addMonths(months + 1) <= at)
            ++months;
        const QDate from = person.birthDate.addMonths(months);
        const auto length = static_cast<double>(from.daysTo(person.birthDate.addMonths(months + 1)));
        years = (months + static_cast<double>(from.daysTo(at)) / length) / 12.0;
    }
    return IntakePerson{female,
                        years,
                        female && person.condition == PersonCondition::Pregnancy,
                        female && person.condition == PersonCondition::Lactation,
                        ReferenceSource::Larn,
                        weight ? std::optional<double>(weight->kilograms) : std::nullopt};
}

QString requirementConditionNote(const Person &person)
{
    if (person.sex != Sex::Female)
        return {};
    switch (person.condition) {
    case PersonCondition::Pregnancy:
        return QCoreApplication::translate("PersonMetrics", "Il fabbisogno non comprende l'energia in più che la "
                                                            "gravidanza richiede dal secondo trimestre: "
                                                            "aggiungerla secondo il trimestre.");
    case PersonCondition::Lactation:
        return QCoreApplication::translate("PersonMetrics", "Il fabbisogno non comprende l'energia in più che "
                                                            "l'allattamento richiede: aggiungerla.");
    case PersonCondition::None: break;
    }
    return {};
}

}  // namespace velmo
