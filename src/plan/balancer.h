// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "nutrition/foodvalues.h"
#include "nutrition/nutrients.h"
#include "nutrition/profile.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

namespace velmo {

class LpSolver;

// One food of the plan to balance. Weights are gross grams, as the table and the files hold them.
struct BalanceRow {
    QString name;
    std::shared_ptr<const FoodValues> values;  // per 100 g of edible part, with the edible share
    double grossGrams = 0;                     // as written; a fixed row keeps it
    bool fixed = false;
    double minimumGross = 0;
    double maximumGross = 300;
    // The proposed weight is a whole multiple of this many gross grams: 1 for whole grams, or the
    // gross grams of half a standard portion (a multiple that is no whole number of grams is
    // rounded, halves up).
    double stepGross = 1;
    // Where the plan should stay close to: the weight as written, or the standard portion for a
    // row that has none. None: the written weight.
    std::optional<double> preferredGross;
};

// A target on the plan's total of one measured nutrient (by key: ENERC_KCAL, FIBTG, CA...): its
// amount in the nutrient's unit, or with `perEnergy` the amount times `perEnergy` over the
// energy in kcal (400 for the %En of protein and carbohydrate, 900 of fat, 1000 for grams per
// 1000 kcal). A strict bound ("< 10 %En") is taken as its limit.
struct BalanceTarget {
    QString key;
    double perEnergy = 0;
    std::optional<double> minimum;
    std::optional<double> maximum;
    QString name;   // the subject of a sentence, with its article: "la fibra", "l'energia"
    QString label;  // a line's heading: "Fibra", "Energia", "Grassi saturi"
    QString unit;   // of the bounds: "kcal", "%En", "g", "g/1000 kcal"
    int decimals = 0;
    bool enabled = true;
};

// Where a plan stands against one target, by the profile's arithmetic.
struct TargetOutcome {
    std::optional<double> value;  // none when unknown
    bool lowerBound = false;      // some food lacks a value: the true amount is at least this
    bool met = false;
    double miss = 0;  // how far outside the bounds, in the target's unit; 0 when met or unknown
    // The foods with a weight that lack a value the target needs, and whether a bound could not
    // be verified because of them (an upper bound the known values stay within, a share of an
    // incomplete energy); a lower bound is met, and an upper bound missed, on the known values alone.
    QStringList lackingFoods;
    bool unverifiable = false;
};

struct BalanceResult {
    // Balanced: every target met. Closest: no plan meets every target; `grossGrams` is the
    // plan that misses them least, and `conflicts` says which ones conflict. Failed: no plan,
    // `error` says why.
    enum class Status { Balanced, Closest, Failed };
    Status status = Status::Failed;
    std::vector<double> grossGrams;
    std::vector<TargetOutcome> outcomes;  // one per target, of the plan proposed
    QStringList conflicts;
    QString error;
};

// The weights that meet the enabled targets staying as close as possible to the preferred weights
// (the sum of the changes, each taken relative to its preferred weight), each between its row's
// minimum and maximum and a multiple of its step; fixed rows never change. A food lacking a value
// a target needs counts for none of it: a lower bound is met on the known values (the truth can
// only be more), an upper bound is kept on them and said to be unverifiable when they stay within
// it. When no plan meets every target, the closest one and the sentences that name the
// conflicting targets. An empty plan has no shares of energy: as the plan that meets them, it is
// no plan.
// `stop`, when given and set meanwhile (from another thread), ends the search with no plan.
BalanceResult balance(const Nutrients &nutrients, const std::vector<BalanceRow> &rows,
                      const std::vector<BalanceTarget> &targets, const LpSolver &solver, const QLocale &locale,
                      const std::atomic<bool> *stop = nullptr);

// Where the weights `grossGrams` of the rows stand against each target, from the meal's profile.
std::vector<TargetOutcome> checkTargets(const Nutrients &nutrients, const std::vector<BalanceRow> &rows,
                                        const std::vector<double> &grossGrams,
                                        const std::vector<BalanceTarget> &targets);

// The usual targets for a plan of `energyKcal` (a day, or a meal's share of it) within ± `tolerance`
// percent: the shares of protein, fat and carbohydrate within the reference ranges, saturated fat
// and sugars below their limits, fibre at least its density per 1000 kcal, and each measured
// nutrient of `nutrientKeys` (a derived row is none) at least its reference (PRI, else AI) and at
// most its upper level (for a day only: `mealShare` below 1 scales them down to a meal).
// `reference` is referenceLookup's.
std::vector<BalanceTarget> usualTargets(const Nutrients &nutrients, const ReferenceFor &reference, double energyKcal,
                                        double tolerancePercent, const QStringList &nutrientKeys = {},
                                        double mealShare = 1);

// The gross grams of a standard portion of `edibleGrams` at `ediblePercent`, unrounded: the weights
// of its half portions are rounded each on its own, as the portion chooser rounds a count of
// portions (three portions of 150 g at 90 % are 500 g, not three times 167). None for a food the
// chooser gives no portion of (no edible part, a portion the gross-weight box cannot hold).
std::optional<double> standardPortionGross(double edibleGrams, double ediblePercent);

// A food of `grossGrams` as a row with the usual freedom: between none and three standard portions
// (`standardGross`, the unrounded gross grams of one; 300 g without one), never below the weight written, and
// close to that weight or, without one, to the standard portion (100 g without one). With
// `halfPortionSteps` and a standard portion, the weight moves by half portions, else by grams.
BalanceRow usualBalanceRow(const QString &name, std::shared_ptr<const FoodValues> values, double grossGrams,
                           std::optional<double> standardGross, bool halfPortionSteps);

// The nutrients a person's plan keeps between its reference and its upper level unless the user
// chooses others: protein (its PRI is in grams), calcium and iron.
QStringList usualBalanceNutrients();

// "Energia 1985 kcal: obiettivo 1940-2060 kcal, raggiunto", one line per target.
QStringList outcomeLines(const std::vector<BalanceTarget> &targets, const std::vector<TargetOutcome> &outcomes,
                         const QLocale &locale);

}  // namespace velmo
