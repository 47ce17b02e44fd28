// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "common/programdir.h"
#include "shell/daypanelmodel.h"
#include "shell/mainwindowmodel.h"
#include "silentdialogs.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace velmo;

// A day of `meals` meals of twelve fruits each, the table showing the first; false with the
// reason in the benchmark when the food database is not there.
bool fillDay(benchmark::State &state, MainWindowModel &model, int meals)
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
    MealDocument::DayState day;
    for (int m = 0; m < meals; ++m)
        day.day.meals.push_back({QStringLiteral("Pasto %1").arg(m + 1),
                                 m == 0 ? std::vector<MealFileEntry>{} : model.document().entries()});
    day.day.meals.erase(day.day.meals.begin());  // the one without a name that the window started with
    model.document().setDayState(day);
    return true;
}

// A switch of meal in a day of five meals of twelve rows: the table's foods kept, the other
// meal composed into the table, the step on the undo stack.
void BM_MealSwitchFiveMealsTwelveRows(benchmark::State &state)
{
    bench::SilentDialogs dialogs;
    MainWindowModel model(dialogs);
    if (!fillDay(state, model, 5))
        return;
    int next = 1;
    for (auto _ : state) {
        model.day().switchTo(next);
        next = (next + 1) % 5;
    }
    if (model.document().entries().size() != kMealRows || dialogs.messages != 0)
        state.SkipWithError("the meal shown is not the day's");
}
BENCHMARK(BM_MealSwitchFiveMealsTwelveRows)->Unit(benchmark::kMillisecond);

// The day panel recomputed for eight meals of twelve rows: the profile of each meal and of the
// day, the shares, the totals and the ranges (the foods' values read once, as in the window).
void BM_DayPanelEightMealsTwelveRows(benchmark::State &state)
{
    bench::SilentDialogs dialogs;
    MainWindowModel model(dialogs);
    if (!fillDay(state, model, kMaxMealsPerDay))
        return;
    DayPanelModel panel(model);
    QCoreApplication::processEvents();
    for (auto _ : state)
        panel.refresh();
    if (panel.rowCount() != kMaxMealsPerDay || panel.totals().empty())
        state.SkipWithError(panel.summary().toStdString().c_str());
}
BENCHMARK(BM_DayPanelEightMealsTwelveRows)->Unit(benchmark::kMicrosecond);

}  // namespace
