// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/foodnames.h"
#include "meal/mealfile.h"
#include "nutrition/foodvalues.h"
#include "nutrition/nutrients.h"
#include "nutrition/portion.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace velmo {

// The nutrient profile's tables of the food database, read when first asked for (never at
// start-up), each shipped food once; a personal food each time, since the user may change it. A
// shipped food has its profile; a personal food has the six values its table holds and the other
// nutrients the person gave it.
class NutrientStore {
public:
    explicit NutrientStore(const QSqlDatabase &database) : database_(database) { names_.setDatabase(database); }
    void setPersonalDatabase(const QSqlDatabase &personal) { personal_ = personal; }

    // The profile's rows; none, with the reason, when the database has no profile.
    const Nutrients *nutrients(QString *error);
    // The food's values per 100 g of edible part; none, with the reason, when it is not found. A
    // shipped food may be named as a meal file may name it (its English name, nameKey forms).
    std::shared_ptr<const FoodValues> values(const FoodRef &food, QString *error);
    // Reads the values of the shipped foods the entries name and are not known yet by one query,
    // where the database has the table of every food by name; values() then finds them known. A
    // food it does not find is left to values(), which says why.
    void prefetch(const std::vector<MealFileEntry> &entries);

private:
    QSqlDatabase database_;
    QSqlDatabase personal_;
    FoodNames names_;  // read only for a name not found as the database stores it
    std::optional<Nutrients> nutrients_;
    using Key = std::pair<int, QString>;  // category and name
    QHash<Key, std::shared_ptr<const FoodValues>> values_;
};

// The core's meal of the table's locked rows, as meal file entries give them (`MealDocument::
// entries()`, `MealComposer::placed()`): each food by category and Italian name, its gross grams
// and the edible part of its catalogue values. None, with the reason, at the first food not found.
std::optional<Meal> nutritionMeal(const std::vector<MealFileEntry> &entries, NutrientStore &store, QString *error);

}  // namespace velmo
