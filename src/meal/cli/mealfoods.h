// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/fooddatabase.h"
#include "catalogue/personalcatalogue.h"
#include "meal/mealcomposer.h"
#include "meal/mealcsv.h"
#include "meal/mealday.h"
#include "meal/mealfile.h"

#include <QDate>
#include <QString>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace velmo {

// The personal catalogue, with a word on standard error for every permission it had to tighten.
std::unique_ptr<PersonalCatalogue> openPersonal(bool create, QString *error);

// Why `output` may not be written: it is one of Velmo's own stores (the persons, the personal
// foods, the food database, or a journal of theirs) or `input`, the file the run reads ("-": the
// file on the standard input), which a slip of a name would replace with no way back. Empty when
// it may.
QString replacedDataProblem(const QString &output, const std::optional<QString> &input = std::nullopt);

// What the foods of a meal or a day are read from: the food database and, only when the entries
// name a personal food, the personal catalogue (a missing one is empty, never created).
struct MealFoods {
    std::unique_ptr<FoodDatabase> database;
    std::unique_ptr<PersonalCatalogue> personal;
};
// None, with the reason, when either cannot be opened.
std::optional<MealFoods> openMealFoods(const std::vector<MealFileEntry> &entries, QString *error);

// A day's meals, each composed in a table of its own; `placed` gathers every meal's foods.
struct ComposedDay {
    std::vector<std::unique_ptr<MealComposer>> composers;
    std::vector<NamedMealGrid> meals;
    std::vector<MealFileEntry> placed;
};

// False with the reason at the first food that could not be placed.
bool composeDay(ComposedDay &composed, const MealDay &day, const QSqlDatabase &database,
                const PersonalCatalogue *personal, QString *error);

// Every food of the stored days that the catalogues do not have, or whose portion is not one of the
// food's, each named by its date and its meal (a stored day has no lines to name); `databaseError`
// is set instead when a category cannot be read at all.
std::vector<InputError> storedDaysFaults(const MealFoods &foods, const std::vector<std::pair<QDate, MealDay>> &days,
                                         QString *databaseError);

}  // namespace velmo
