// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/fooddatabase.h"
#include "catalogue/foodcategory.h"
#include "common/programdir.h"
#include "meal/nutrientstore.h"
#include "nutrition/profile.h"

#include <QSqlQuery>

#include <benchmark/benchmark.h>

namespace {

using namespace velmo;

// The profile of a full table: the first food of twelve categories, each food's values read once
// beforehand, as the window and the console have them once the meal is composed.
void BM_ProfileOfATwelveRowMeal(benchmark::State &state)
{
    QString error;
    const auto database = FoodDatabase::open(programFile(QString::fromLatin1(FoodDatabase::kFileName)), &error);
    if (!database) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    NutrientStore store(database->connection());
    std::vector<MealFileEntry> entries;
    for (int category = 0; category < 12; ++category) {
        QSqlQuery q(database->connection());
        q.exec(QStringLiteral("SELECT alimenti FROM %1 LIMIT 1")
                   .arg(foodCategories()[static_cast<std::size_t>(category)].table));
        if (q.next())
            entries.push_back({0, category, q.value(0).toString(), QString::number(50 + 10 * category)});
    }
    const Nutrients *nutrients = store.nutrients(&error);
    const auto meal = nutrients ? nutritionMeal(entries, store, &error) : std::nullopt;
    if (!meal || meal->items.size() != 12) {
        state.SkipWithError("the meal could not be composed");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(nutrientProfile(*nutrients, *meal));
}
BENCHMARK(BM_ProfileOfATwelveRowMeal)->Unit(benchmark::kMicrosecond);

}  // namespace
