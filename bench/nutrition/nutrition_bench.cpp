// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/fooddatabase.h"
#include "catalogue/foodcategory.h"
#include "catalogue/foodsearch.h"
#include "common/programdir.h"
#include "catalogue_builder.h"
#include "meal/nutrientranking.h"
#include "meal/nutrientrankingmodel.h"
#include "meal/nutrientstore.h"
#include "nutrition/profile.h"
#include "nutrition/ranking.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

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
        rankFoods(*foods, RankingBasis::Per100kcal, searchKey);
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

// The window's update when another nutrient is chosen: every shipped food read, ranked and its
// shown name looked up, the model reset. Two nutrients in turn, so that each run ranks anew.
void BM_RankingWindowNutrientChange(benchmark::State &state)
{
    QString error;
    const auto database = FoodDatabase::open(programFile(QString::fromLatin1(FoodDatabase::kFileName)), &error);
    if (!database) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    NutrientRankingModel model(database->connection());
    const QStringList nutrients = model.nutrientChoices();
    const auto calcium = nutrients.indexOf(u"Calcio (mg)");
    const auto iron = nutrients.indexOf(u"Ferro (mg)");
    if (calcium < 0 || iron < 0) {
        state.SkipWithError("no calcium or iron among the choices");
        return;
    }
    bool turn = false;
    for (auto _ : state) {
        model.choose(static_cast<int>(turn ? calcium : iron), 0, RankingBasis::Per100g);
        turn = !turn;
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_RankingWindowNutrientChange)->Unit(benchmark::kMillisecond);

// A food database of 100,000 foods spread over the sixteen categories, made by the catalogue
// builder with the shipped profile's definitions and, for each food, its six values and its
// calcium (a tenth of the foods without it), as the shipped database is made. Built once.
QString syntheticProfileDatabase()
{
    static QTemporaryDir dir;
    static QString built;
    if (!built.isEmpty())
        return built;
    const QDir data(QStringLiteral(VELMO_DATA_DIR));
    QFile::copy(data.filePath(QStringLiteral("nutrienti.csv")), dir.filePath(QStringLiteral("nutrienti.csv")));
    QFile::copy(data.filePath(QStringLiteral("sr28/nutrients.csv")), dir.filePath(QStringLiteral("nutrients.csv")));
    std::minstd_rand random(7);
    QString catalogue = QStringLiteral("tabella,ndb,alimenti\n");
    QString source = QStringLiteral("ndb,long_desc,edible_pct,protein_g,fat_g,carbohydrate_g,energy_kcal,fibre_g,"
                                    "cholesterol_mg\n");
    QString values = QStringLiteral("ndb,nutrient,value\n");
    for (int i = 0; i < 100000; ++i) {
        const auto kcal = random() % 900;
        catalogue += QStringLiteral("%1,%2,\"Formaggio fresco, crudo %2\"\n")
                         .arg(foodCategories()[random() % kFoodCategoryCount].table)
                         .arg(i);
        source += QStringLiteral("%1,\"Cheese %1\",90,1,2,3,%2,5,6\n").arg(i).arg(kcal);
        values += QStringLiteral("%1,203,1\n%1,204,2\n%1,205,3\n%1,208,%2\n%1,291,5\n%1,601,6\n").arg(i).arg(kcal);
        if (random() % 10 != 0)
            values += QStringLiteral("%1,301,%2\n").arg(i).arg(random() % 2000 / 10.0);
    }
    for (const auto &[name, text] : {std::pair{"catalogo.csv", &catalogue}, std::pair{"foods.csv", &source},
                                     std::pair{"nutrient_values.csv", &values}}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(text->toUtf8()) < 0)
            qFatal("cannot write %s", name);
    }
    const auto result = buildCatalogue(dir.filePath(QStringLiteral("catalogo.csv")),
                                       dir.filePath(QStringLiteral("foods.csv")), dir.filePath(QStringLiteral("x.db")));
    if (!result.ok)
        qFatal("%s", qPrintable(result.error));
    return built = dir.filePath(QStringLiteral("x.db"));
}

// Reading and ranking 100,000 foods of a database made as the shipped one: calcium per 100 kcal.
void BM_RankingOf100000FoodsReadFromTheDatabase(benchmark::State &state)
{
    QString error;
    const auto database = FoodDatabase::open(syntheticProfileDatabase(), &error);
    NutrientStore store(database ? database->connection() : QSqlDatabase());
    const Nutrients *nutrients = database ? store.nutrients(&error) : nullptr;
    const auto calcium = nutrients ? nutrients->indexOf(QStringLiteral("CA")) : std::nullopt;
    if (!calcium) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    for (auto _ : state) {
        auto foods = rankingFoods(database->connection(), QSqlDatabase(), *nutrients, *calcium, std::nullopt, &error);
        if (!foods || foods->size() != 100000) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        rankFoods(*foods, RankingBasis::Per100kcal, searchKey);
        benchmark::DoNotOptimize(foods->data());
    }
}
BENCHMARK(BM_RankingOf100000FoodsReadFromTheDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
