// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// Choosing a category and moving through its foods, through the same model code as the window:
// the query, the grid's model, the bound texts and the placing of the food in the table. A last
// argument 1 runs the case under English, with the foods' English names.

#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "catalogue/foodgridmodel.h"
#include "benchlanguage.h"
#include "shell/mainwindowmodel.h"
#include "silentdialogs.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Window {
    explicit Window(const QString &path)
    {
        QString error;
        if (!model.load(path, &error))
            qFatal("%s", qPrintable(error));
    }
    velmo::bench::SilentDialogs dialogs;
    velmo::MainWindowModel model{dialogs};
    velmo::FoodGridModel grid{model.dataControl()};
};

QString shippedDatabase()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(u"elementi97.db"_s);
}

int largestCategory(const QString &path)
{
    Window w(path);
    int best = 0;
    int bestRows = -1;
    for (int i = 0; i < velmo::kFoodCategoryCount; ++i) {
        w.model.chooseCategory(i);
        if (w.model.dataControl().rowCount() > bestRows) {
            bestRows = w.model.dataControl().rowCount();
            best = i;
        }
    }
    return best;
}

// A Frutta table of `foods` rows with English names, for the large-table case; the other fifteen
// empty.
QString syntheticDatabase(QTemporaryDir &dir, int foods)
{
    const QString path = dir.filePath(u"elementi97.db"_s);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"synthetic"_s);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec(u"BEGIN"_s);
        for (const velmo::FoodCategory &c : velmo::foodCategories())
            q.exec(QStringLiteral("CREATE TABLE %1 (alimenti TEXT, edibile REAL, proteine REAL, lipidi REAL, "
                                  "carboidrati REAL, energia REAL, fibra REAL, colesterolo REAL, %2 TEXT)")
                       .arg(c.table, velmo::kEnglishNameColumn));
        q.prepare(u"INSERT INTO Frutta VALUES (?,?,?,?,?,?,?,?,?)"_s);
        for (int i = 0; i < foods; ++i) {
            q.addBindValue(QStringLiteral("Alimento di prova numero %1").arg(i, 6, 10, QLatin1Char('0')));
            q.addBindValue(90 + i % 10);
            for (int c = 0; c < 6; ++c)
                q.addBindValue(0.01 * ((i * 7 + c * 13) % 10000));
            q.addBindValue(QStringLiteral("Test food number %1").arg(i, 6, 10, QLatin1Char('0')));
            q.exec();
        }
        q.exec(u"COMMIT"_s);
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(u"synthetic"_s);
    return path;
}

void BM_ChooseLargestShippedCategory(benchmark::State &state)
{
    const velmo::bench::BenchLanguage language(state.range(0) == 1);
    const QString path = shippedDatabase();
    const int category = largestCategory(path);
    Window w(path);
    for (auto _ : state)
        w.model.chooseCategory(category);
    state.counters["foods"] = w.model.dataControl().rowCount();
}
BENCHMARK(BM_ChooseLargestShippedCategory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ChooseCategoryOf100000Foods(benchmark::State &state)
{
    const velmo::bench::BenchLanguage language(state.range(0) == 1);
    QTemporaryDir dir;
    Window w(syntheticDatabase(dir, 100000));
    const int frutta = *velmo::findFoodCategory(u"Frutta"_s);
    for (auto _ : state)
        w.model.chooseCategory(frutta);
    state.counters["foods"] = w.model.dataControl().rowCount();
}
BENCHMARK(BM_ChooseCategoryOf100000Foods)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_NextFood(benchmark::State &state)
{
    const QString path = shippedDatabase();
    const int category = largestCategory(path);
    Window w(path);
    w.model.chooseCategory(category);
    const int rows = w.model.dataControl().rowCount();
    int position = 0;
    for (auto _ : state) {
        if (++position == rows) {
            state.PauseTiming();
            w.model.dataControl().moveFirst();
            position = 0;
            state.ResumeTiming();
            continue;
        }
        w.model.toolbarButtonClicked(velmo::MainWindowModel::Next);
    }
}
BENCHMARK(BM_NextFood)->Unit(benchmark::kMicrosecond);

// Opening the food database as both programs do at start-up, the check of the sixteen tables
// and their columns included; beside it the least any open can cost: a bare read-only
// connection and one query, to show what the check adds.
void BM_OpenFoodDatabase(benchmark::State &state)
{
    const velmo::bench::BenchLanguage language(state.range(0) == 1);
    const QString path = shippedDatabase();
    for (auto _ : state) {
        QString error;
        if (!velmo::FoodDatabase::open(path, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
    }
}
BENCHMARK(BM_OpenFoodDatabase)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_OpenBareConnection(benchmark::State &state)
{
    const QString path = shippedDatabase();
    for (auto _ : state) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"bare"_s);
            db.setDatabaseName(path);
            db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
            if (!db.open() || !QSqlQuery(db).exec(u"SELECT count(*) FROM sqlite_master"_s)) {
                state.SkipWithError("cannot open the shipped database");
                return;
            }
        }
        QSqlDatabase::removeDatabase(u"bare"_s);
    }
}
BENCHMARK(BM_OpenBareConnection)->Unit(benchmark::kMicrosecond);

}  // namespace
