// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "energy/energymodel.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace velmo {

// One measurement of a person's weight, with the waist when it was taken.
struct WeightRecord {
    QDate date;
    double kilograms = 0;
    std::optional<double> waistCm;

    bool operator==(const WeightRecord &other) const = default;
};

enum class PersonCondition { None, Pregnancy, Lactation };

// A person whose days are planned: what the energy windows ask, and what a dietitian keeps.
struct Person {
    QString name;  // unique among the persons
    Sex sex = Sex::Female;
    QDate birthDate;
    double heightCm = 0;
    std::vector<WeightRecord> weights;  // any order; the latest date is the current weight
    ActivityLevel activity = ActivityLevel::NotChosen;
    RecommendedActivities recommended = RecommendedActivities::NotChosen;
    PersonCondition condition = PersonCondition::None;
    QString notes;

    // The weight of the latest date; none when no weight was recorded.
    std::optional<WeightRecord> currentWeight() const
    {
        std::optional<WeightRecord> latest;
        for (const WeightRecord &w : weights)
            if (!latest || w.date > latest->date)
                latest = w;
        return latest;
    }
    // The weight that held on `at`: that of the latest date up to it. Before the first weight
    // recorded, the first one, the nearest to that day; none when no weight was recorded.
    std::optional<WeightRecord> weightAt(QDate at) const
    {
        std::optional<WeightRecord> held;
        std::optional<WeightRecord> first;
        for (const WeightRecord &w : weights) {
            if (w.date <= at && (!held || w.date > held->date))
                held = w;
            if (!first || w.date < first->date)
                first = w;
        }
        return held ? held : first;
    }

    bool operator==(const Person &other) const = default;
};

}  // namespace velmo
