// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "energy/energymodel.h"
#include "nutrition/referenceintakes.h"
#include "plan/person.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace velmo {

// Whole years lived at `at`; none before the birth or without a valid date. A birthday comes
// when the day and month are reached: one born on 29 February turns a year older on 1 March in
// a common year (28 February is not yet the 29th).
std::optional<int> ageInYears(QDate birth, QDate at);

// The WHO classes of the adult body mass index.
enum class BmiClass { Underweight, Normal, Overweight, ObesityI, ObesityII, ObesityIII };

struct BodyMassIndex {
    double value = 0;  // kg / m², unrounded
    // None under 18 years: the adult classes do not apply.
    std::optional<BmiClass> adultClass;
};

// The age from which the adult classes of the index apply.
inline constexpr int kAdultBmiAge = 18;

// From the weight held at `at` (Person::weightAt) and the height; none without a weight, a height
// or an age at `at`.
// The class is that of the value as shown, to one decimal, so that 24.96 (shown 25,0) is
// "sovrappeso", as the class boundaries read.
std::optional<BodyMassIndex> bodyMassIndex(const Person &person, QDate at);
BmiClass bmiClass(double value);
// "sovrappeso", "obesità di II grado", ...; for none the words that adult classes do not apply.
QString bmiClassText(std::optional<BmiClass> adultClass);
// "24,2 (normopeso)" or the value with the words for a minor.
QString bodyMassIndexText(const BodyMassIndex &index, const QLocale &locale);

// The person as the energy window takes it: the sex, the age in whole years at `at`, the weight
// held at `at` typed in the window's weight box (72,6 kg read as the box reads it: 73, halves to
// even) and the two choices. None without an age or a weight, or past the ages and weights the tables
// are used for (kMaxAge, kMaxWeight), where a figure would look right and not be.
std::optional<EnergyProfile> energyProfile(const Person &person, QDate at, const QLocale &locale);
// Why a person past those ages and weights has no requirement, after "il fabbisogno" ("non si
// calcola oltre..."); empty otherwise.
QString pastEnergyTablesText(const Person &person, QDate at, const QLocale &locale);

// The energy model's requirement for the person: basal metabolism only under 10 years, the
// fixed LAF from 10 to 17, the choices from 18, light activity from 60. None as energyProfile.
std::optional<EnergyRequirement> personRequirement(const Person &person, QDate at, const QLocale &locale);
// The tables give no energy for a pregnancy or a lactation: what the requirement leaves out for
// the person's condition, as a sentence; empty when nothing.
QString requirementConditionNote(const Person &person);

// Whose reference intakes the profile takes: sex, age, pregnancy, lactation and the weight
// held at `at` (LARN). None without an age.
std::optional<IntakePerson> intakePerson(const Person &person, QDate at);

}  // namespace velmo
