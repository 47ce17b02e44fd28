// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "common/programdir.h"
#include "shell/mainwindowmodel.h"
#include "shell/weekmodel.h"
#include "silentdialogs.h"
#include "ui/plan/weekwindow.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace velmo;

// A person with a year of stored days, each of five meals of twelve foods of the food database,
// made current in the window's model; false with the reason in the benchmark when something is
// missing.
bool storeAYear(benchmark::State &state, MainWindowModel &model, const QTemporaryDir &dir)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QString error;
    if (!model.load(programFile(QString::fromLatin1(FoodDatabase::kFileName)), &error)) {
        state.SkipWithError(error.toStdString().c_str());
        return false;
    }
    model.chooseCategory(*findFoodCategory(QStringLiteral("Frutta")));
    for (int r = 0; r < kMealRows; ++r) {
        model.gridRowChosen(r);
        model.meal().setGrossText(r, QString::number(100 + r));
        model.lockBoxClicked(r, true);
    }
    const std::vector<MealFileEntry> foods = model.document().entries();
    MealDay day;
    for (const QString &name : defaultMealNames())
        day.meals.push_back({name, foods});
    PersonSession &session = model.persons();
    session.setPath(dir.filePath(QStringLiteral("persone.db")));
    session.setToday(QDate(2025, 7, 2));
    PersonRecord record{{QStringLiteral("Prova"),
                         Sex::Female,
                         QDate(1980, 1, 1),
                         165,
                         {{QDate(2025, 1, 1), 60, {}}},
                         ActivityLevel::Moderate,
                         RecommendedActivities::With,
                         PersonCondition::None,
                         {}},
                        {}};
    for (int d = 0; d < 365; ++d)
        record.days.emplace_back(QDate(2025, 1, 1).addDays(d), day);
    PersonStore *store = session.store();
    const StoreResult filled = store ? store->importRecord(record, false) : StoreResult{StoreResult::Kind::Failed, {}};
    if (foods.size() != kMealRows || !filled.ok()) {
        state.SkipWithError("the year of days could not be stored");
        return false;
    }
    session.setCurrentName(record.person.name);
    return true;
}

// The week model opened on a person with 365 stored days: the seven days read in one query, each
// profiled, and the average (the store already open, the foods' values read once, as in the
// program after the first week).
void BM_WeekModelOfAYear(benchmark::State &state)
{
    bench::SilentDialogs dialogs;
    MainWindowModel model(dialogs);
    QTemporaryDir dir;
    if (!storeAYear(state, model, dir))
        return;
    for (auto _ : state) {
        WeekModel week(model);
        week.open();
        if (week.averagedDays() != WeekModel::kDays)
            state.SkipWithError(week.summary().toStdString().c_str());
    }
}
BENCHMARK(BM_WeekModelOfAYear)->Unit(benchmark::kMillisecond);

// "Settimana..." as the user opens it: the model read and computed, the window with its table and
// its two charts built, shown and painted once.
void BM_WeekWindowOpensOnAYear(benchmark::State &state)
{
    bench::SilentDialogs dialogs;
    MainWindowModel model(dialogs);
    QTemporaryDir dir;
    if (!storeAYear(state, model, dir))
        return;
    for (auto _ : state) {
        WeekModel week(model);
        week.open();
        ui::WeekWindow window(week);
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
    if (dialogs.messages != 0)
        state.SkipWithError("a message was shown");
}
BENCHMARK(BM_WeekWindowOpensOnAYear)->Unit(benchmark::kMillisecond);

}  // namespace
