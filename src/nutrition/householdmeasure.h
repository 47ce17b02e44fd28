// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace velmo {

// A household measure of a food: `quantity` of it ("10 acini") weigh `grams` of edible part.
struct HouseholdMeasure {
    QString name;    // after a count of one: "fetta", "uovo grande"
    QString plural;  // after any other count: "fette", "uova grandi"
    double quantity = 1;
    double grams = 0;

    double gramsEach() const { return grams / quantity; }
    const QString &nameFor(double count) const { return count == 1 ? name : plural; }
};

// A food's standard portion (LARN): its group and the edible grams of one portion; a portion the
// tables give in millilitres keeps them, with how they became grams ("tazza": the food's cup;
// "ml ≈ g": a millilitre taken for a gram).
struct StandardPortion {
    QString group;
    QString name;
    double grams = 0;
    std::optional<double> millilitres;
    QString density;
};

// What a food can be measured in besides grams.
struct FoodPortions {
    std::vector<HouseholdMeasure> measures;
    std::optional<StandardPortion> standard;
};

// A number worked out for the user, or why it could not be (an Italian message that says what to
// do instead).
struct PortionValue {
    std::optional<double> value;
    QString error;
};

// More portions than this at a time are taken for a slip of the finger.
inline constexpr double kMaxPortionCount = 100;
// The gross-weight box holds seven digits.
inline constexpr double kMaxGrossGrams = 9'999'999;

// The count before a measure as the user types it: a number in the user's format ("2", "1,5"
// under Italian, "1.5" under English), or a half or a quarter ("½", "1½", "1 ¼", "¾"). Refuses
// an empty or unreadable text, zero, a negative count and more than kMaxPortionCount.
PortionValue readPortionCount(QStringView text, const QLocale &locale);

// The edible grams of `count` × the measure.
double edibleGrams(double count, const HouseholdMeasure &measure);

// The gross weight, rounded to the whole gram the gross-weight box holds, that has `edibleGrams`
// of edible part at `ediblePercent`: gross = edible × 100 / edible %. Refused for a food with no
// edible part, and above what the box holds.
PortionValue grossGramsFor(double edibleGrams, double ediblePercent);

}  // namespace velmo
