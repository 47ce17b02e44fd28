// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "plan/personstore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace velmo;

// A full day: the eight meals a day may have, twelve foods each.
MealDay fullDay(int seed)
{
    MealDay day;
    for (int m = 0; m < kMaxMealsPerDay; ++m) {
        DayMeal meal{QStringLiteral("Pasto %1").arg(m + 1), {}};
        for (int r = 0; r < kMaxMealRowsPerMeal; ++r)
            meal.entries.push_back({0, (m + r) % 16, QStringLiteral("Alimento di prova %1").arg(r),
                                    QString::number(50 + (seed + r) % 200)});
        day.meals.push_back(meal);
    }
    return day;
}

// The week view opens on a person with a year of stored days: it reads them all in one query
// (the goal is 100 ms on the whole; the week itself reads seven).
void BM_ReadAYearOfFullDays(benchmark::State &state)
{
    QTemporaryDir dir;
    QString error;
    auto store = PersonStore::open(dir.filePath(QStringLiteral("persone.db")), true, &error);
    PersonRecord record{{QStringLiteral("Prova"), Sex::Female, QDate(1980, 1, 1), 165, {}, {}, {}, {}, {}}, {}};
    const QDate first(2025, 1, 1);
    for (int d = 0; d < 365; ++d)
        record.days.emplace_back(first.addDays(d), fullDay(d));
    const StoreResult filled = store ? store->importRecord(record, false)
                                     : StoreResult{StoreResult::Kind::Failed, error};
    if (!filled.ok()) {
        state.SkipWithError(filled.message.toUtf8().constData());
        return;
    }
    StoreResult result;
    for (auto _ : state) {
        const auto days = store->days(QStringLiteral("Prova"), first, first.addDays(364), &result);
        if (days.size() != 365)
            state.SkipWithError("a day is missing");
        benchmark::DoNotOptimize(days);
    }
}
BENCHMARK(BM_ReadAYearOfFullDays)->Unit(benchmark::kMillisecond);

}  // namespace
