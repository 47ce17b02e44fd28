// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "plan/balancer.h"
#include "plan/lpsolver.h"

#include <benchmark/benchmark.h>

#include <array>
#include <random>

namespace {

using namespace velmo;

const QStringList kKeys{QStringLiteral("ENERC_KCAL"), QStringLiteral("PROCNT"), QStringLiteral("FAT"),
                        QStringLiteral("CHOCDF"),     QStringLiteral("FASAT"),  QStringLiteral("SUGAR"),
                        QStringLiteral("FIBTG"),      QStringLiteral("CA"),     QStringLiteral("FE"),
                        QStringLiteral("NA")};

const Nutrients &nutrients()
{
    static const Nutrients n = [] {
        std::vector<NutrientDefinition> definitions;
        for (int i = 0; i < kKeys.size(); ++i)
            definitions.push_back({kKeys[i], i + 1, kKeys[i], kKeys[i], QStringLiteral("g")});
        return Nutrients(definitions);
    }();
    return n;
}

// `rows` foods of made-up values, and ten targets around a plan of them that meets them all: the
// energy within 3 %, the three shares, saturated fat, sugars and fibre, calcium, iron and sodium.
// With `halfPortions`, each food moves by half a portion of its own (10 to 75 g) from a weight
// that is seldom a whole number of them, as the window's steps by half portions do.
struct Case {
    std::vector<BalanceRow> rows;
    std::vector<BalanceTarget> targets;
};

Case makeCase(int rows, bool halfPortions)
{
    std::mt19937 random(7);
    const auto uniform = [&random](double from, double to) { return std::uniform_real_distribution(from, to)(random); };
    Case c;
    std::vector<double> totals(static_cast<std::size_t>(kKeys.size()));
    for (int r = 0; r < rows; ++r) {
        auto values = std::make_shared<FoodValues>();
        values->ediblePercent = r % 3 ? 100 : 80;
        for (int k = 0; k < kKeys.size(); ++k)
            values->per100g.push_back(k == 0 ? uniform(20, 600) : uniform(0, 20));
        const double known = std::floor(uniform(20, 250));
        for (int k = 0; k < kKeys.size(); ++k)
            totals[static_cast<std::size_t>(k)] += *values->per100g[static_cast<std::size_t>(k)] * known
                                                   * values->ediblePercent / 10000;
        const int step = halfPortions ? std::array{10, 15, 25, 40, 50, 75}[static_cast<std::size_t>(r % 6)] : 1;
        c.rows.push_back({QStringLiteral("Alimento %1").arg(r), values, std::floor(uniform(0, 300)), false, 0, 300,
                          static_cast<double>(step), std::nullopt});
    }
    const double energy = totals[0];
    const auto share = [&](int k, double per) { return totals[static_cast<std::size_t>(k)] * per / energy; };
    const auto target = [](const QString &key, double per, std::optional<double> lo, std::optional<double> hi) {
        return BalanceTarget{key, per, lo, hi, key, key, QStringLiteral("g"), 0, true};
    };
    c.targets = {target(kKeys[0], 0, energy * 0.97, energy * 1.03),
                 target(kKeys[1], 400, share(1, 400) * 0.95, share(1, 400) * 1.05),
                 target(kKeys[2], 900, share(2, 900) * 0.95, share(2, 900) * 1.05),
                 target(kKeys[3], 400, share(3, 400) * 0.95, share(3, 400) * 1.05),
                 target(kKeys[4], 900, std::nullopt, share(4, 900) * 1.02),
                 target(kKeys[5], 400, std::nullopt, share(5, 400) * 1.02),
                 target(kKeys[6], 1000, share(6, 1000) * 0.98, std::nullopt),
                 target(kKeys[7], 0, totals[7] * 0.98, totals[7] * 2),
                 target(kKeys[8], 0, totals[8] * 0.98, totals[8] * 2),
                 target(kKeys[9], 0, std::nullopt, totals[9] * 1.02)};
    return c;
}

void run(benchmark::State &state, int rows, bool halfPortions = false)
{
    QString error;
    const LpSolver *solver = LpSolver::load(&error);
    if (!solver) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    const Case c = makeCase(rows, halfPortions);
    for (auto _ : state) {
        const BalanceResult result = balance(nutrients(), c.rows, c.targets, *solver, QLocale());
        if (result.status != BalanceResult::Status::Balanced)
            state.SkipWithError("no plan found");
        benchmark::DoNotOptimize(result);
    }
}

// One meal of twelve foods: the goal is 20 ms.
void BM_BalanceAMealOfTwelveFoods(benchmark::State &state)
{
    run(state, 12);
}
// A day of five meals of twelve foods, ten targets: the goal is 200 ms.
void BM_BalanceADayOfSixtyFoods(benchmark::State &state)
{
    run(state, 60);
}
// The same day in half portions: no goal of its own, the day's time is the one to keep.
void BM_BalanceADayOfSixtyFoodsInHalfPortions(benchmark::State &state)
{
    run(state, 60, true);
}

}  // namespace

BENCHMARK(BM_BalanceAMealOfTwelveFoods)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BalanceADayOfSixtyFoods)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BalanceADayOfSixtyFoodsInHalfPortions)->Unit(benchmark::kMillisecond);
