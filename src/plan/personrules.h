// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealday.h"
#include "plan/person.h"

#include <QDate>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace velmo {

// A person with every stored day: what an export holds and an import brings back.
struct PersonRecord {
    Person person;
    std::vector<std::pair<QDate, MealDay>> days;  // by date, each date once

    bool operator==(const PersonRecord &other) const = default;
};

inline constexpr int kMaxPersonNameLength = 60;
inline constexpr int kMaxPlannedFoodNameLength = 200;
inline constexpr int kMaxNotesLength = 10000;
// The youngest age for which a pregnancy or a lactation is taken.
inline constexpr int kMinConditionAge = 10;
// A birth date further back is a slip of the keyboard (1800 for 1980): no one is that old.
inline constexpr int kMaxPersonAge = 130;
inline constexpr int kMaxMealRowsPerMeal = 12;
// A count and a measure's name, the longest of the shipped ones being 77 characters, with room to
// spare.
inline constexpr int kMaxPortionTextLength = 200;

// The first value that Velmo does not keep, as an Italian sentence that says what to do, and the
// field it is in, named as the person's JSON file names it ("pesi[2].kg").
struct ValueFault {
    QString field;
    QString message;
};

// Names: not empty, at most so many characters, no control characters.
std::optional<ValueFault> personFault(const Person &person, QDate today);
// A birth date typed more than kMaxPersonAge years before `today`. Checked where a date is typed,
// not on what is stored or exported: a person kept for years must still open, change and come
// back from an export.
std::optional<ValueFault> birthDateFault(QDate birth, QDate today);
std::optional<ValueFault> weightFault(const WeightRecord &weight, QDate today);
std::optional<ValueFault> mealFault(const DayMeal &meal);
std::optional<ValueFault> dayFault(const MealDay &day);
std::optional<ValueFault> recordFault(const PersonRecord &record, QDate today);

// The words that stand for the energy model's choices in the store and in the person's JSON file.
QString sexCode(Sex sex);
QString activityCode(ActivityLevel activity);
QString recommendedCode(RecommendedActivities recommended);
QString conditionCode(PersonCondition condition);
std::optional<Sex> sexFromCode(const QString &code);
std::optional<ActivityLevel> activityFromCode(const QString &code);
std::optional<RecommendedActivities> recommendedFromCode(const QString &code);
std::optional<PersonCondition> conditionFromCode(const QString &code);

// Dates as the store and the JSON file write them: "2026-01-31". Nothing else is read.
QString dateText(QDate date);
QDate dateFromText(const QString &text);

}  // namespace velmo
