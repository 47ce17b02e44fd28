// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealfile.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

namespace velmo {

// A day holds at most this many meals, each a table of up to twelve foods.
inline constexpr int kMaxMealsPerDay = 8;

// One meal of a day: its name ("Colazione") and its foods, as a meal file holds them.
struct DayMeal {
    QString name;
    std::vector<MealFileEntry> entries;

    bool operator==(const DayMeal &other) const = default;
};

// A day of meals, in the order the user keeps them.
struct MealDay {
    std::vector<DayMeal> meals;

    bool operator==(const MealDay &other) const = default;
};

// The meals a new day starts with, in the interface's language.
inline QStringList defaultMealNames()
{
    return {QCoreApplication::translate("MealDay", "Colazione"), QCoreApplication::translate("MealDay", "Spuntino"),
            QCoreApplication::translate("MealDay", "Pranzo"), QCoreApplication::translate("MealDay", "Merenda"),
            QCoreApplication::translate("MealDay", "Cena")};
}

// Every food of the day, meal after meal.
inline std::vector<MealFileEntry> allEntries(const MealDay &day)
{
    std::vector<MealFileEntry> entries;
    for (const DayMeal &meal : day.meals)
        entries.insert(entries.end(), meal.entries.cbegin(), meal.entries.cend());
    return entries;
}

// A new day: the default meals, all empty.
inline MealDay emptyDay()
{
    MealDay day;
    for (const QString &name : defaultMealNames())
        day.meals.push_back({name, {}});
    return day;
}

}  // namespace velmo
