// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QCoreApplication>
#include <QString>

#include "nutrition/nutrients.h"
#include "nutrition/profile.h"

#include <optional>
#include <vector>

namespace velmo {

// Whose reference intakes: the Italian LARN (the default) or EFSA's dietary reference values.
enum class ReferenceSource { Larn, Efsa };

// PRI: population reference intake; AI: adequate intake; AR: average requirement; UL: tolerable
// upper level; SDT: goal for prevention; RI: reference range for macronutrients.
enum class IntakeKind { Pri, Ai, Ar, Ul, Sdt, Ri };

// The tables give no reference below six months of age.
inline constexpr double kFirstReferenceAge = 0.5;

// The person the references are chosen for.
struct IntakePerson {
    bool female = false;
    double ageYears = 0;
    bool pregnant = false;
    bool lactating = false;
    ReferenceSource source = ReferenceSource::Larn;
    // The body weight, when known, for the protein per kilogram.
    std::optional<double> weightKg = std::nullopt;
};

// A value of the table: one number (both bounds equal), a range "45-60", or one bound
// ("<10", "<=2000", ">=25"). The table's unit, never converted.
struct IntakeValue {
    std::optional<double> minimum;
    std::optional<double> maximum;
};

// One row of the table. A group is a sex (none: both), an age band [ageFrom, ageTo) in years
// (none: no bound) and a condition ("gravidanza", "allattamento", or an alternative group of the
// same band such as "menopausa", which is kept but never chosen for a person).
struct ReferenceRow {
    ReferenceSource source = ReferenceSource::Larn;
    QString key;  // INFOODS tag of the food data, or of a nutrient they lack
    IntakeKind kind = IntakeKind::Pri;
    std::optional<bool> female;
    std::optional<double> ageFrom;
    std::optional<double> ageTo;
    QString condition;
    IntakeValue value;
    QString unit;
    QString unitNote;  // how the reference's unit differs from the food data's
    QString note;
    QString origin;  // the table or opinion the value comes from
    int line = 0;
};

// What a person should take of one nutrient: the reference (PRI, else AI, else SDT, else RI), the
// AR and the UL, each the row it comes from.
struct NutrientReference {
    QString key;
    std::optional<ReferenceRow> reference;
    std::optional<ReferenceRow> averageRequirement;
    std::optional<ReferenceRow> upperLevel;
    // A goal that only bounds from above (an SDT or RI "<=2000") beside a PRI or an AI: sodium's.
    std::optional<ReferenceRow> goal;
    bool missingFromFoods = false;  // the food data have no value of it

    // What the reference leaves to be added for a pregnant or lactating woman, when her age band's
    // value stands for her condition's: the part of the table's note about her condition (LARN's
    // protein gives the grams to add in each trimester), in the interface's language.
    QString conditionNote;

    QString unit() const;
    QString unitNote() const;
};

// The table of reference intakes (data/riferimenti.csv, compiled into the library).
class ReferenceIntakes {
    Q_DECLARE_TR_FUNCTIONS(ReferenceIntakes)

public:
    // The table in `csvText`; none, with the line and the field that is wrong in `error`, when
    // any row is malformed: a half-read table would give wrong references without a word.
    static std::optional<ReferenceIntakes> parse(const QString &csvText, QString *error);
    // The shipped table, read on first use; null, with the reason in `error`, if it is unreadable.
    static const ReferenceIntakes *shipped(QString *error = nullptr);

    // Every nutrient the person's source gives a value for, in the table's order. A pregnant or
    // lactating woman gets her condition's rows, and her age band's where the condition has none
    // of that kind; her condition's reference (PRI, AI...) comes first whatever its kind. Age bands
    // include their start and stop before their end: 18-30 holds 29.99.
    std::vector<NutrientReference> forPerson(const IntakePerson &person) const;
    // With a `unit`, only the rows in that unit: fibre has a goal in g and a range in g/1000 kcal.
    std::optional<NutrientReference> find(const IntakePerson &person, const QString &key,
                                          const QString &unit = {}) const;

    const std::vector<ReferenceRow> &rows() const { return rows_; }

    // Nutrients with a reference that the food data lack, and the words that say so.
    static bool missingFromFoods(const QString &key);
    static QString missingFromFoodsText();

private:
    std::optional<ReferenceRow> choose(const IntakePerson &person, const QString &key, IntakeKind kind,
                                       const QString &unit) const;

    std::vector<ReferenceRow> rows_;
};

// The references of the profile's rows for `person`, in each row's unit: a measured nutrient by
// its own key, a share of energy (EN_CHO...) and the fibre per 1000 kcal by the key of the
// nutrient they are made from. `intakes` and `nutrients` must outlive the lookup.
ReferenceFor referenceLookup(const ReferenceIntakes &intakes, const IntakePerson &person, const Nutrients &nutrients);

// The IntakeKind's abbreviation (PRI, AI...).
QString intakeKindName(IntakeKind kind);

}  // namespace velmo
