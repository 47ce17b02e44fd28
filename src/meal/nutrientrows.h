// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "nutrition/nutrients.h"
#include "nutrition/profile.h"
#include "nutrition/referenceintakes.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace velmo {

// One row of a shown nutrient profile, its numbers already written in the user's format: the
// console, the profile window and their CSV read the same rows, so they always agree.
struct NutrientRowText {
    int index = 0;  // in `Nutrients`
    const NutrientDefinition *nutrient = nullptr;
    const NutrientAmount *amount = nullptr;
    QString quantity;  // empty: no food has the value
    std::optional<ReferenceValue> reference;
    QString referenceText, referenceCsv, percent, upper;
    QString goal;  // the goal's upper bound beside the reference, as shown

    // "≥ 12,3" for a lower bound, "n.d." where no food has the value.
    QString amountText() const;
    // "PRI 1000 mg, UL 2500 mg", "AI 1500 mg, SDT ≤ 2000 mg"; empty without a reference.
    QString referenceWithKind() const;
    // "≥ 35 %" (the share carries the amount's bound); empty without a share.
    QString percentText() const;
    // "(2 alimenti senza valore) [unit note]"; empty when there is nothing to say.
    QString note() const;
};

// The profile's rows that apply (protein per kg only with a body weight), in the nutrients' order.
// A reference lookup adds the reference, its kind and the share of it.
std::vector<NutrientRowText> nutrientRowTexts(const Nutrients &nutrients, const NutrientProfile &profile,
                                              const ReferenceFor &reference, const QLocale &locale);

// A reference as a person reads it ("45–60", "≥ 25", "< 10") and as a script does ("45-60",
// ">=25", "<10"); a single value alike in both.
std::pair<QString, QString> referenceTexts(const ReferenceValue &r, int decimals, const QLocale &locale);

// Where an amount stands against a person's reference, for a bar.
enum class IntakeStatus { None, BelowAverage, BelowReference, Reached, AboveMaximum };
// None without an amount or a reference. Above the UL, or above the top of a range or an upper
// bound ("< 10 %En"), is above; below the AR, below the reference (or the bottom of a range) with
// no AR or at least it, reached; an upper level alone says nothing is to be reached, so below it
// is none. The amount is judged as it is shown, rounded to `decimals`, so that "63,0 g" against
// "PRI 63,0 g" is reached. A `lowerBound` (foods lacking the value: the true amount is at least
// it) is judged only where what is known decides: above a maximum already, or past a minimum with
// no range's top or goal's maximum to stay under; else none, since the foods lacking the value
// could take it either way.
IntakeStatus intakeStatus(const std::optional<ReferenceValue> &reference, std::optional<double> amount, int decimals,
                          bool lowerBound);

// The share of the reference that `amount` is, in whole percent ("100"), where there is one: it
// agrees with the status of the amount as shown, so an amount below its reference never reads
// "100" and one that reaches it never reads "99".
QString intakePercent(const ReferenceValue &reference, double amount, int decimals, const QLocale &locale);

// A nutrient with a reference for a person that the food data do not give (iodine, biotin...).
struct MissingNutrient {
    QString key, name, kind;
    QString referenceText, referenceCsv;  // as referenceTexts writes them
    QString unit;
    QString upperCsv;  // the UL, empty without one
};

// The profile as CSV (RFC 4180), with the header
// chiave,nutriente,unita,quantita,limite_inferiore,alimenti_senza_valore,riferimento,tipo,percentuale,limite_massimo
// and numbers as the meal's CSV writes them (the user's decimal separator, no groups). The
// nutrients the food data lack follow, each with its reference and empty amount, share and count.
QString nutrientProfileCsv(const Nutrients &nutrients, const NutrientProfile &profile,
                           const ReferenceFor &reference = {}, const std::vector<MissingNutrient> &missing = {});

// The nutrients the food data lack that have a reference for `person`.
std::vector<MissingNutrient> missingNutrients(const ReferenceIntakes &intakes, const IntakePerson &person,
                                              const QLocale &locale);
// The same as lines, each with the words that say so; empty when there are none.
QString missingNutrientsText(const std::vector<MissingNutrient> &missing);

}  // namespace velmo
