// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/mealgrid.h"

#include <QCoreApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

using namespace velmo;

CurrentFood food(int i)
{
    CurrentFood f;
    f.name = QStringLiteral("Alimento di prova %1").arg(i);
    f.fields = {QStringLiteral("87"),    QString(),
                QStringLiteral("12,4"),  QStringLiteral("3,5"),
                QStringLiteral("50,25"), QStringLiteral("350"),
                QStringLiteral("2,4"),   QStringLiteral("15")};
    return f;
}

// Eleven rows locked and the twelfth open with its weight typed: the fullest table there is.
void fillElevenRows(MealGrid &grid)
{
    for (int r = 0; r < kMealRows - 1; ++r) {
        grid.placeFood(food(r));
        grid.setGrossText(r, QString::number(100 + 13 * r));
        grid.setLock(r, 1);
    }
}

void openLastRow(MealGrid &grid)
{
    grid.placeFood(food(kMealRows - 1));
    grid.setGrossText(kMealRows - 1, QStringLiteral("250"));
}

// A lock click on the last row: acceptance, row calculation, `fillEmptyWithZero`, `sumTotals`,
// `blankZeros`, chart.
void BM_LockRowWithTwelveRowsFilled(benchmark::State &state)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    MealGrid grid;
    fillElevenRows(grid);
    for (auto _ : state) {
        state.PauseTiming();
        grid.setLock(kMealRows - 1, 0);
        openLastRow(grid);
        state.ResumeTiming();
        grid.setLock(kMealRows - 1, 1);
    }
    if (grid.row(kMealRows - 1).lock != 1)
        state.SkipWithError("the last row did not lock");
}
BENCHMARK(BM_LockRowWithTwelveRowsFilled)->Unit(benchmark::kMicrosecond);

// An unlock click: the row is cleared and the totals taken again.
void BM_UnlockRowWithTwelveRowsFilled(benchmark::State &state)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    MealGrid grid;
    fillElevenRows(grid);
    for (auto _ : state) {
        state.PauseTiming();
        openLastRow(grid);
        grid.setLock(kMealRows - 1, 1);
        state.ResumeTiming();
        grid.setLock(kMealRows - 1, 0);
    }
}
BENCHMARK(BM_UnlockRowWithTwelveRowsFilled)->Unit(benchmark::kMicrosecond);

// Browsing with a full table: every move of the grid's cursor runs `placeFood`.
void BM_PlaceFoodWithElevenRowsLocked(benchmark::State &state)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    MealGrid grid;
    fillElevenRows(grid);
    int i = 0;
    for (auto _ : state)
        grid.placeFood(food(++i % 2));
}
BENCHMARK(BM_PlaceFoodWithElevenRowsLocked)->Unit(benchmark::kMicrosecond);

}  // namespace
