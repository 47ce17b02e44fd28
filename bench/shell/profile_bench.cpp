// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "common/programdir.h"
#include "shell/mainwindowmodel.h"
#include "shell/nutrientprofilemodel.h"
#include "silentdialogs.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace velmo;

// The profile window's model after the lock of the twelfth row of a full table, a woman's
// references looked up: argument 1, the lock and the update it causes; 0, the update alone.
void BM_ProfileAfterLockTwelveRows(benchmark::State &state)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    bench::SilentDialogs dialogs;
    MainWindowModel model(dialogs);
    QString error;
    if (!model.load(programFile(QString::fromLatin1(FoodDatabase::kFileName)), &error)) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    NutrientProfileModel profile(model);
    profile.setPerson(IntakePerson{true, 30});
    model.chooseCategory(*findFoodCategory(QStringLiteral("Frutta")));
    for (int r = 0; r < kMealRows - 1; ++r) {
        model.gridRowChosen(r);
        model.meal().setGrossText(r, QString::number(100 + r));
        model.lockBoxClicked(r, true);
    }
    const int last = kMealRows - 1;
    for (auto _ : state) {
        state.PauseTiming();
        if (model.meal().row(last).lock == 1)
            model.lockBoxClicked(last, false);
        model.gridRowChosen(20);
        model.meal().setGrossText(last, QStringLiteral("250"));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        if (state.range(0) == 1) {
            model.lockBoxClicked(last, true);
            QCoreApplication::processEvents();
        } else {
            profile.refresh();
        }
    }
    if (profile.rowCount() == 0 || !profile.rowOf(QStringLiteral("CA")) || dialogs.messages != 0)
        state.SkipWithError(profile.subjectText().toStdString().c_str());
}
BENCHMARK(BM_ProfileAfterLockTwelveRows)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
