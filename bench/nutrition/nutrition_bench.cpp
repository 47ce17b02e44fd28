// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/fooddatabase.h"
#include "catalogue/foodcategory.h"
#include "common/programdir.h"
#include "meal/nutrientranking.h"
#include "meal/nutrientstore.h"
#include "nutrition/profile.h"
#include "nutrition/ranking.h"

#include <QSqlQuery>

#include <benchmark/benchmark.h>

#include <random>

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

// The console's ranking of every shipped food by calcium per 100 kcal: the values read from the
// database (one query per category table) and ranked, as each run of --classifica does.
void BM_RankingOfAllShippedFoods(benchmark::State &state)
{
    QString error;
    const auto database = FoodDatabase::open(programFile(QString::fromLatin1(FoodDatabase::kFileName)), &error);
    NutrientStore store(database ? database->connection() : QSqlDatabase());
    const Nutrients *nutrients = database ? store.nutrients(&error) : nullptr;
    const auto calcium = nutrients ? nutrients->indexOf(QStringLiteral("CA")) : std::nullopt;
    if (!calcium) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    for (auto _ : state) {
        auto foods = rankingFoods(database->connection(), QSqlDatabase(), *nutrients, *calcium, std::nullopt, &error);
        if (!foods) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        rankFoods(*foods, RankingBasis::Per100kcal);
        benchmark::DoNotOptimize(foods->data());
    }
}
BENCHMARK(BM_RankingOfAllShippedFoods)->Unit(benchmark::kMillisecond);

// The ranking itself over 100,000 foods already read: values spread over a wide range with many
// ties, a tenth of them unknown, names sharing long prefixes as real ones do.
void BM_RankingOf100000SyntheticFoods(benchmark::State &state)
{
    std::minstd_rand random(7);
    std::vector<RankingFood> foods;
    for (int i = 0; i < 100000; ++i) {
        const QString name = QStringLiteral("Formaggio fresco, crudo %1").arg(random() % 50000);
        const auto value = random() % 10 == 0 ? std::nullopt : std::optional<double>(random() % 2000 / 10.0);
        foods.push_back(
            {{static_cast<int>(random() % 17), name}, name.toLower(), value, std::optional<double>(random() % 900)});
    }
    for (auto _ : state) {
        std::vector<RankingFood> ranked = foods;
        rankFoods(ranked, RankingBasis::Per100kcal);
        benchmark::DoNotOptimize(ranked.data());
    }
}
BENCHMARK(BM_RankingOf100000SyntheticFoods)->Unit(benchmark::kMillisecond);

}  // namespace
