// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "plan/balancer.h"
#include "plan/lpsolver.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace velmo {
namespace {

using test::LocaleGuard;

// Energy, protein, fat, fibre, calcium: what the targets below need.
const Nutrients &nutrients()
{
    static const Nutrients n({{QStringLiteral("ENERC_KCAL"), 1, {}, {}, QStringLiteral("kcal")},
                              {QStringLiteral("PROCNT"), 2, {}, {}, QStringLiteral("g")},
                              {QStringLiteral("FAT"), 3, {}, {}, QStringLiteral("g")},
                              {QStringLiteral("FIBTG"), 4, {}, {}, QStringLiteral("g")},
                              {QStringLiteral("CA"), 5, {}, {}, QStringLiteral("mg")}});
    return n;
}

BalanceRow food(const char *name, std::vector<std::optional<double>> per100g, double grams, bool fixed = false,
                double maximum = 300, double edible = 100)
{
    auto values = std::make_shared<FoodValues>(FoodValues{edible, std::move(per100g)});
    return {QString::fromLatin1(name), values, grams, fixed, 0, maximum, 1, std::nullopt};
}

BalanceTarget amount(const char *key, std::optional<double> minimum, std::optional<double> maximum, const char *name,
                     const char *unit, double perEnergy = 0)
{
    const QString words = QString::fromLatin1(name);
    return {QString::fromLatin1(key), perEnergy, minimum, maximum, words.section(u' ', 0, -2), words.section(u' ', -1),
            QString::fromUtf8(unit),  0,         true};
}

const LpSolver &solver()
{
    QString error;
    const LpSolver *s = LpSolver::load(&error);
    EXPECT_NE(s, nullptr) << error.toStdString();
    return *s;
}

// Whether the plan meets the target, by the profile's own arithmetic, not the solver's figures.
bool meets(const std::vector<BalanceRow> &rows, const std::vector<double> &grams, const BalanceTarget &t)
{
    Meal meal;
    for (std::size_t r = 0; r < rows.size(); ++r)
        meal.items.push_back({{}, {grams[r], rows[r].values->ediblePercent}, rows[r].values});
    const NutrientProfile p = nutrientProfile(nutrients(), meal);
    double value = *p.at(*nutrients().indexOf(t.key)).amount;
    if (t.perEnergy != 0)
        value = value * t.perEnergy / *p.at(0).amount;
    return value >= t.minimum.value_or(-1e300) - 1e-6 && value <= t.maximum.value_or(1e300) + 1e-6;
}

// Problems made from a known plan always have a plan: the one they were made from, at least.
// Every plan proposed meets its targets, keeps its fixed rows and its steps and bounds.
TEST(Balancer, ProblemsMadeFromAKnownPlanAreAlwaysSolved)
{
    std::mt19937 random(27);
    const auto uniform = [&random](double from, double to) { return std::uniform_real_distribution(from, to)(random); };
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        std::vector<BalanceRow> rows;
        std::vector<double> known;
        const int count = 2 + round % 11;
        for (int r = 0; r < count; ++r) {
            BalanceRow row = food("alimento",
                                  {uniform(20, 900), uniform(0, 30), uniform(0, 40), uniform(0, 10), uniform(0, 300)},
                                  0, r % 4 == 3, 300, r % 3 ? 100 : uniform(50, 100));
            row.stepGross = r % 2 ? 5 : 1;
            known.push_back(row.stepGross * std::floor(uniform(0, 300) / row.stepGross));
            row.grossGrams = row.fixed ? known.back() : std::floor(uniform(0, 300));
            rows.push_back(row);
        }
        std::vector<BalanceTarget> targets{amount("ENERC_KCAL", 0, 0, "l'energia Energia", "kcal"),
                                           amount("PROCNT", 0, 0, "le proteine Proteine", "%En", 400),
                                           amount("FIBTG", 0, std::nullopt, "la fibra Fibra", "g"),
                                           amount("CA", std::nullopt, 0, "il calcio Calcio", "mg")};
        std::vector<double> reached;
        for (BalanceTarget &t : targets) {
            t.minimum = t.minimum ? std::optional(0.0) : std::nullopt;
            Meal meal;
            for (std::size_t r = 0; r < rows.size(); ++r)
                meal.items.push_back({{}, {known[r], rows[r].values->ediblePercent}, rows[r].values});
            const NutrientProfile p = nutrientProfile(nutrients(), meal);
            double v = *p.at(*nutrients().indexOf(t.key)).amount;
            if (t.perEnergy != 0)
                v = v * t.perEnergy / *p.at(0).amount;
            if (t.minimum)
                t.minimum = v * uniform(0.9, 0.99);
            if (t.maximum)
                t.maximum = v * uniform(1.01, 1.1);
        }
        const BalanceResult result = balance(nutrients(), rows, targets, solver(), QLocale());
        ASSERT_EQ(result.status, BalanceResult::Status::Balanced) << result.error.toStdString();
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const double g = result.grossGrams[r];
            EXPECT_EQ(std::fmod(g, rows[r].stepGross), 0) << r;
            EXPECT_TRUE(rows[r].fixed ? g == rows[r].grossGrams : g >= 0 && g <= 300) << r;
        }
        for (const BalanceTarget &t : targets)
            EXPECT_TRUE(meets(rows, result.grossGrams, t)) << t.key.toStdString();
    }
}

// The plan proposed is the closest of all that meet the targets: on small problems whose written
// weights lie between two steps, every plan of whole steps is tried by hand.
TEST(Balancer, PlanIsTheClosestOfEveryWholeStepPlan)
{
    std::mt19937 random(41);
    const auto uniform = [&random](double from, double to) { return std::uniform_real_distribution(from, to)(random); };
    constexpr int kRows = 3;
    constexpr double kMaximum = 200;
    int balanced = 0;
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE(round);
        std::vector<BalanceRow> rows;
        for (int r = 0; r < kRows; ++r) {
            BalanceRow row = food("alimento", {uniform(20, 900), uniform(0, 30), uniform(0, 40), uniform(0, 10), 0},
                                  std::floor(uniform(1, kMaximum)), false, kMaximum, r == 1 ? 80 : 100);
            row.stepGross = std::array{10, 25, 40}[static_cast<std::size_t>((round + r) % 3)];
            rows.push_back(row);
        }
        const auto totals = [&rows](const std::array<double, kRows> &grams) {
            std::array<double, 4> t{};
            for (int r = 0; r < kRows; ++r)
                for (int n = 0; n < 4; ++n)
                    t[static_cast<std::size_t>(n)] += *rows[static_cast<std::size_t>(r)].values->per100g[n]
                                                      * grams[static_cast<std::size_t>(r)]
                                                      * rows[static_cast<std::size_t>(r)].values->ediblePercent / 1e4;
            return t;
        };
        std::array<double, kRows> written{};
        for (int r = 0; r < kRows; ++r)
            written[static_cast<std::size_t>(r)] = rows[static_cast<std::size_t>(r)].grossGrams;
        // Targets around the written plan, so that it seldom meets them as it is.
        const std::array<double, 4> around = totals(written);
        const double energy = around[0] * uniform(0.8, 1.2);
        const double protein = around[1] * 400 / around[0] * uniform(0.8, 1.2);
        const double fibre = around[3] * uniform(0.7, 1.1);
        const std::vector<BalanceTarget> targets{
            amount("ENERC_KCAL", energy * 0.95, energy * 1.05, "l'energia Energia", "kcal"),
            amount("PROCNT", protein * 0.9, protein * 1.1, "le proteine Proteine", "%En", 400),
            amount("FIBTG", fibre, std::nullopt, "la fibra Fibra", "g")};

        const auto distance = [&rows](const std::array<double, kRows> &grams) {
            double d = 0;
            for (std::size_t r = 0; r < kRows; ++r)
                d += std::abs(grams[r] - rows[r].grossGrams) / std::max(rows[r].grossGrams, 10.0);
            return d;
        };
        std::optional<double> best;
        std::array<double, kRows> g{};
        for (g[0] = 0; g[0] <= kMaximum; g[0] += rows[0].stepGross)
            for (g[1] = 0; g[1] <= kMaximum; g[1] += rows[1].stepGross)
                for (g[2] = 0; g[2] <= kMaximum; g[2] += rows[2].stepGross) {
                    const std::array<double, 4> t = totals(g);
                    const double share = t[0] > 0 ? t[1] * 400 / t[0] : -1;
                    const double slack = 1e-6;
                    if (t[0] >= energy * 0.95 * (1 - slack) && t[0] <= energy * 1.05 * (1 + slack)
                        && share >= protein * 0.9 * (1 - slack) && share <= protein * 1.1 * (1 + slack)
                        && t[3] >= fibre * (1 - slack) && (!best || distance(g) < *best))
                        best = distance(g);
                }

        const BalanceResult result = balance(nutrients(), rows, targets, solver(), QLocale());
        if (!best) {
            EXPECT_EQ(result.status, BalanceResult::Status::Closest);
            continue;
        }
        ASSERT_EQ(result.status, BalanceResult::Status::Balanced) << result.error.toStdString();
        ++balanced;
        std::array<double, kRows> proposed{};
        for (std::size_t r = 0; r < kRows; ++r) {
            proposed[r] = result.grossGrams[r];
            EXPECT_EQ(std::fmod(proposed[r], rows[r].stepGross), 0) << r;
        }
        EXPECT_NEAR(distance(proposed), *best, 1e-6 * std::max(1.0, *best));
    }
    EXPECT_GE(balanced, 200);
}

// A plan that cannot meet every target is the closest one, and the sentences name the targets
// in conflict; under either language the numbers are the user's.
TEST(Balancer, ConflictingTargetsAreNamed)
{
    // Bread is free up to a kilogram; the oil, fixed, has 900 kcal. The cheese alone has three
    // quarters of its energy from fat.
    const std::vector<BalanceRow> breadAndOil{food("Pane", {250, 0, 1, 2.5, 20}, 300, false, 1000),
                                              food("Olio", {900, 0, 100, 0, 60}, 100, true)};
    const std::vector<BalanceRow> cheese{food("Formaggio", {300, 20, 25, 0, 500}, 125)};
    // Milk is free up to a kilogram; the mackerel, fixed, has 200 kcal and lacks calcium.
    const std::vector<BalanceRow> milkAndMackerel{food("Latte", {64, 3, 4, 0, 120}, 200, false, 1000),
                                                  food("Sgombro", {200, 20, 10, 0, {}}, 100, true)};
    const struct {
        int line;
        const std::vector<BalanceRow> &rows;
        std::vector<BalanceTarget> targets;
        const char *locale;
        const char *conflict;
    } kCases[] = {
        {__LINE__,
         breadAndOil,
         {amount("ENERC_KCAL", 1900, 2000, "l'energia Energia", "kcal"),
          amount("FIBTG", 25, std::nullopt, "la fibra Fibra", "g")},
         "it_IT",
         "Con questi alimenti la fibra arriva al massimo a 11 g senza superare 2000 kcal."},
        {__LINE__,
         breadAndOil,
         {amount("ENERC_KCAL", 1900, 2000, "l'energia Energia", "kcal"),
          amount("FIBTG", 25, std::nullopt, "la fibra Fibra", "g")},
         "en_US",
         "Con questi alimenti la fibra arriva al massimo a 11 g senza superare 2000 kcal."},
        // The energy is missed only where it cannot be reached: the other targets give way first.
        {__LINE__,
         breadAndOil,
         {amount("ENERC_KCAL", 1200, 3000, "l'energia Energia", "kcal"),
          amount("CA", std::nullopt, 50, "il calcio Calcio", "mg")},
         "en_US",
         "Con questi alimenti il calcio scende al minimo a 84 mg senza scendere sotto 1200 kcal."},
        {__LINE__,
         cheese,
         {amount("ENERC_KCAL", 670, 730, "l'energia Energia", "kcal"),
          amount("FAT", std::nullopt, 35, "la quota dei grassi Grassi", "%En", 900)},
         "it_IT",
         "Con questi alimenti la quota dei grassi non scende a 35 %En."},
        {__LINE__,
         breadAndOil,
         {amount("PROCNT", 15, std::nullopt, "la quota delle proteine Proteine", "%En", 400)},
         "it_IT",
         "Con questi alimenti la quota delle proteine non arriva a 15 %En."},
        // A food lacking calcium does not lift the most: the milk alone passes it.
        {__LINE__,
         milkAndMackerel,
         {amount("ENERC_KCAL", 510, 530, "l'energia Energia", "kcal"),
          amount("CA", std::nullopt, 400, "il calcio Calcio", "mg")},
         "it_IT",
         "Con questi alimenti il calcio scende al minimo a 581 mg sui valori noti senza scendere sotto 510 kcal."},
        {__LINE__,
         milkAndMackerel,
         {amount("ENERC_KCAL", 510, 530, "l'energia Energia", "kcal"),
          amount("CA", 1000, std::nullopt, "il calcio Calcio", "mg")},
         "it_IT",
         "Con questi alimenti il calcio arriva al massimo a 619 mg sui valori noti senza superare 530 kcal."},
    };
    for (const auto &c : kCases) {
        VELMO_CASE(c);
        LocaleGuard guard(c.locale);
        const BalanceResult result = balance(nutrients(), c.rows, c.targets, solver(), QLocale());
        ASSERT_EQ(result.status, BalanceResult::Status::Closest);
        EXPECT_EQ(result.conflicts.join(u'|').toStdString(), c.conflict);
        for (std::size_t r = 0; r < c.rows.size(); ++r)
            EXPECT_TRUE(!c.rows[r].fixed || result.grossGrams[r] == c.rows[r].grossGrams) << r;
        EXPECT_TRUE(c.targets[0].key != QLatin1String("ENERC_KCAL") || result.outcomes[0].met);
        EXPECT_EQ(std::count_if(result.outcomes.cbegin(), result.outcomes.cend(),
                                [](const TargetOutcome &o) { return !o.met && o.miss > 0; }),
                  result.conflicts.size());
    }
}

// A food lacking calcium: at least the reference is met on the known values, at most is kept on
// them but cannot be verified, naming the food; plans the balancer cannot make (no food, every food
// fixed, no weight of its steps) are refused.
TEST(Balancer, UnknownValuesAndImpossibleRows)
{
    const std::vector<BalanceRow> rows{food("Latte", {64, 3, 4, 0, 120}, 200),
                                       food("Sgombro", {200, 20, 10, 0, {}}, 100)};
    const BalanceResult result = balance(nutrients(), rows, {amount("CA", 300, 400, "il calcio Calcio", "mg")},
                                         solver(), QLocale());
    ASSERT_EQ(result.status, BalanceResult::Status::Balanced);
    EXPECT_GE(result.grossGrams[0], 250);
    EXPECT_TRUE(result.outcomes[0].unverifiable);
    EXPECT_EQ(result.outcomes[0].lackingFoods, QStringList{QStringLiteral("Sgombro")});

    std::vector<BalanceRow> fixed = rows;
    fixed[0].fixed = fixed[1].fixed = true;
    EXPECT_EQ(balance(nutrients(), fixed, {}, solver(), QLocale()).status, BalanceResult::Status::Failed);
    EXPECT_EQ(balance(nutrients(), {}, {}, solver(), QLocale()).error, QStringLiteral("nessun alimento da bilanciare"));
    for (const double badStep : {400.0, 0.4}) {  // no weight of its steps within the bounds; under half a gram
        std::vector<BalanceRow> step = rows;
        step[0].stepGross = badStep;
        step[0].minimumGross = 10;
        EXPECT_EQ(balance(nutrients(), step, {}, solver(), QLocale()).error.section(u':', 0, 0),
                  QStringLiteral("Latte"))
            << badStep;
    }
}

// 200 g of milk (240 mg of calcium) and a food lacking calcium, in two meals of the day: the known
// values alone meet a least they reach and miss a most they pass; a most they stay within cannot
// be verified. The food lacking the value is named once.
TEST(Balancer, KnownValuesDecideWhatTheyCan)
{
    const std::vector<BalanceRow> rows{food("Latte", {64, 3, 4, 0, 120}, 200),
                                       food("Sgombro", {200, 20, 10, 0, {}}, 100),
                                       food("Sgombro", {200, 20, 10, 0, {}}, 50)};
    const struct {
        int line;
        std::optional<double> minimum, maximum;
        bool met, unverifiable;
        double miss;
    } kCases[] = {
        {__LINE__, 200, std::nullopt, true, false, 0},    // reached on the known values
        {__LINE__, 300, std::nullopt, false, false, 60},  // 60 mg short of it
        {__LINE__, std::nullopt, 300, false, true, 0},    // the mackerel could take it past 300 mg
        {__LINE__, std::nullopt, 200, false, false, 40},  // 40 mg past it, whatever the mackerel adds
        {__LINE__, 100, 200, false, false, 40},
    };
    for (const auto &c : kCases) {
        VELMO_CASE(c);
        const TargetOutcome o = checkTargets(nutrients(), rows, {200, 100, 50},
                                             {amount("CA", c.minimum, c.maximum, "il calcio Calcio", "mg")})[0];
        EXPECT_EQ(std::tuple(o.met, o.unverifiable, o.miss), std::tuple(c.met, c.unverifiable, c.miss));
        EXPECT_EQ(o.lackingFoods, QStringList{QStringLiteral("Sgombro")});
    }
}

// Shares of energy with no energy to reach (none, or switched off): the cheese alone has three
// quarters of its energy from fat, so only an empty plan keeps fat below 35 %En, and an empty plan
// has no share to meet.
TEST(Balancer, AnEmptyPlanMeetsNoShareOfEnergy)
{
    const std::vector<BalanceRow> cheese{food("Formaggio", {300, 20, 25, 0, 500}, 125)};
    BalanceTarget energy = amount("ENERC_KCAL", 300, 400, "l'energia Energia", "kcal");
    energy.enabled = false;
    const struct {
        int line;
        double fatMaximum;
        bool energyOff;
        BalanceResult::Status status;
    } kCases[] = {
        {__LINE__, 80, false, BalanceResult::Status::Balanced},
        {__LINE__, 35, false, BalanceResult::Status::Failed},
        {__LINE__, 35, true, BalanceResult::Status::Failed},
    };
    for (const auto &c : kCases) {
        VELMO_CASE(c);
        std::vector<BalanceTarget> targets{
            amount("FAT", std::nullopt, c.fatMaximum, "la quota dei grassi Grassi", "%En", 900)};
        if (c.energyOff)
            targets.push_back(energy);
        const BalanceResult result = balance(nutrients(), cheese, targets, solver(), QLocale());
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.error.isEmpty(), c.status != BalanceResult::Status::Failed);
    }
}

// Half portions of an odd number of grams: the weight is the halves' grams rounded, halves up,
// so that a whole portion is its own weight and every target is met by the weight proposed.
TEST(Balancer, HalfPortionsOfAnOddPortionAreRoundedLikeTheTable)
{
    const struct {
        int line;
        double written, minimumKcal, maximumKcal, expected;
        double minimumGross = 0;
        double maximumGross = 27;
    } kCases[] = {
        {__LINE__, 9, 78, 84, 9},            // one portion of 9 g
        {__LINE__, 9, 120, 130, 14},         // three halves, 13.5 g
        {__LINE__, 27, 36, 45, 5},           // one half, 4.5 g
        {__LINE__, 27, 240, 245, 27},        // three portions
        {__LINE__, 27, 0, 900, 14, 14, 14},  // bounds only the rounded three halves meet
    };
    for (const auto &c : kCases) {
        VELMO_CASE(c);
        BalanceRow oil = usualBalanceRow(QStringLiteral("Olio"), food("Olio", {900, 0, 100, 0, 0}, 0).values, c.written,
                                         9, true);
        oil.minimumGross = c.minimumGross;
        oil.maximumGross = c.maximumGross;
        const std::vector<BalanceTarget> targets{
            amount("ENERC_KCAL", c.minimumKcal, c.maximumKcal, "l'energia Energia", "kcal")};
        const BalanceResult result = balance(nutrients(), {oil}, targets, solver(), QLocale());
        ASSERT_EQ(result.status, BalanceResult::Status::Balanced) << result.conflicts.join(u' ').toStdString();
        EXPECT_EQ(result.grossGrams[0], c.expected);
        EXPECT_TRUE(result.outcomes[0].met);
    }
}

// A search asked to stop (the plan has changed meanwhile) ends with no plan, and stops no other.
TEST(Balancer, AStoppedSearchProposesNothing)
{
    const std::vector<BalanceRow> rows{food("Pane", {270, 9, 1, 3, 20}, 83), food("Latte", {64, 3, 4, 0, 120}, 157)};
    const std::vector<BalanceTarget> targets{amount("ENERC_KCAL", 501, 503, "l'energia Energia", "kcal")};
    for (const bool stopped : {true, false}) {
        const std::atomic<bool> stop{stopped};
        const BalanceResult result = balance(nutrients(), rows, targets, solver(), QLocale(), &stop);
        EXPECT_EQ(result.status, stopped ? BalanceResult::Status::Failed : BalanceResult::Status::Balanced) << stopped;
    }
}

// Each target's line says where the plan stands, and what is unknown only with the foods it lacks.
TEST(Balancer, OutcomeLinesSayWhatIsKnown)
{
    LocaleGuard guard("it_IT");
    const BalanceTarget fat = amount("FAT", 20, 35, "la quota dei grassi Grassi", "%En", 900);
    const struct {
        int line;
        TargetOutcome outcome;
        const char *expected;
    } kCases[] = {
        {__LINE__, {30, false, true, 0, {}, false}, "Grassi: 30 %En (obiettivo 20-35 %En), raggiunto"},
        {__LINE__, {40, false, false, 5, {}, false}, "Grassi: 40 %En (obiettivo 20-35 %En), mancato di 5 %En"},
        {__LINE__, {35.2, false, false, 0.2, {}, false}, "Grassi: 35,2 %En (obiettivo 20-35 %En), mancato di 0,2 %En"},
        {__LINE__,
         {19.995, false, false, 0.005, {}, false},
         "Grassi: 19,995 %En (obiettivo 20-35 %En), mancato di 0,005 %En"},
        {__LINE__,
         {30, true, true, 0, {QStringLiteral("Olio")}, false},
         "Grassi: ≥ 30 %En (obiettivo 20-35 %En), raggiunto sui valori noti (mancano quelli di Olio)"},
        {__LINE__,
         {std::nullopt, false, false, 0, {QStringLiteral("Olio"), QStringLiteral("Pane")}, true},
         "Grassi: n.d. (obiettivo 20-35 %En), non verificabile: mancano i valori di Olio, Pane"},
        // An empty plan has no energy to take a share of.
        {__LINE__, {std::nullopt, false, false, 0, {}, true}, "Grassi: n.d. (obiettivo 20-35 %En), non verificabile"},
    };
    for (const auto &c : kCases) {
        VELMO_CASE(c);
        EXPECT_EQ(outcomeLines({fat}, {c.outcome}, QLocale()).join(u'|').toStdString(), c.expected);
    }
}

}  // namespace
}  // namespace velmo
