// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "plan/balancer.h"

#include "common/decimalround.h"
#include "common/numbertext.h"
#include "nutrition/householdmeasure.h"
#include "plan/lpsolver.h"

#include <algorithm>
#include <cmath>

namespace velmo {

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("Balancer", source);
}

const QString kEnergyKey = QStringLiteral("ENERC_KCAL");

// A bound met within this share of itself is met: the solver's arithmetic is not exact.
double slackAllowed(double bound)
{
    return 1e-6 * std::max(1.0, std::abs(bound));
}

// One side of a target as a linear constraint on the gross grams: sum(perGram[i] * grams[i])
// against `rhs`, at least it (`upper` false) or at most it. Divided by `scale`, every side reads
// in shares of itself, so that the misses of grams and of kilocalories can be added.
struct Limit {
    int target = 0;
    bool upper = false;
    double bound = 0;  // in the target's unit
    double rhs = 0;
    double scale = 1;
    std::vector<double> perGram;
};

bool weighs(const BalanceRow &row)
{
    return row.fixed ? row.grossGrams > 0 : row.maximumGross > 0;
}

std::optional<double> per100(const BalanceRow &row, int index)
{
    return row.values ? row.values->value(index) : std::nullopt;
}

double ediblePerGross(const BalanceRow &row)
{
    return (row.values ? row.values->ediblePercent : 100.0) / 100.0;
}

QString amountText(double value, int decimals, const QString &unit, const QLocale &locale)
{
    return QStringLiteral("%1 %2").arg(formatDecimals(value, decimals, locale), unit);
}

// A food lacking the nutrient counts for none of it: a least is then met for sure, a most is still
// a bound the known values must keep (the truth can only be more; the outcome says so). A food
// lacking the energy counts for none of it too, and the share looks larger than it is: its most is
// then kept for sure and its least is left out.
bool sideKept(const std::vector<BalanceRow> &rows, std::optional<int> energy, bool share, bool upper)
{
    if (!share)
        return true;
    if (!energy)
        return false;
    return upper || std::all_of(rows.cbegin(), rows.cend(), [energy](const BalanceRow &row) {
               return !weighs(row) || per100(row, *energy);
           });
}

struct Problem {
    const Nutrients &nutrients;
    const std::vector<BalanceRow> &rows;
    const std::vector<BalanceTarget> &targets;
    std::vector<int> free;  // the rows the solver moves
    std::vector<Limit> limits;
    const std::atomic<bool> *stop = nullptr;
};

double referenceEnergy(const Problem &p, std::optional<int> energy)
{
    for (const BalanceTarget &t : p.targets)
        if (t.enabled && t.key == kEnergyKey && t.perEnergy == 0 && (t.minimum || t.maximum))
            return t.minimum && t.maximum ? (*t.minimum + *t.maximum) / 2 : t.minimum ? *t.minimum : *t.maximum;
    double total = 0;
    if (energy)
        for (const BalanceRow &row : p.rows)
            total += per100(row, *energy).value_or(0) * row.preferredGross.value_or(row.grossGrams)
                     * ediblePerGross(row) / 100.0;
    return total;
}

void addLimits(Problem &p)
{
    const std::optional<int> energy = p.nutrients.indexOf(kEnergyKey);
    const double energyScale = std::max(1.0, referenceEnergy(p, energy));
    for (int t = 0; t < static_cast<int>(p.targets.size()); ++t) {
        const BalanceTarget &target = p.targets[static_cast<std::size_t>(t)];
        const std::optional<int> nutrient = p.nutrients.indexOf(target.key);
        if (!target.enabled || !nutrient)
            continue;
        const bool share = target.perEnergy != 0;
        for (const bool upper : {false, true}) {
            const std::optional<double> bound = upper ? target.maximum : target.minimum;
            if (!bound || !sideKept(p.rows, energy, share, upper))
                continue;
            Limit limit{t,
                        upper,
                        *bound,
                        share ? 0 : *bound,
                        share ? std::max(1e-9, std::abs(*bound) * energyScale) : std::max(1.0, std::abs(*bound)),
                        {}};
            for (const BalanceRow &row : p.rows) {
                double per100g = per100(row, *nutrient).value_or(0) * (share ? target.perEnergy : 1.0);
                if (share)
                    per100g -= *bound * per100(row, *energy).value_or(0);
                limit.perGram.push_back(per100g * ediblePerGross(row) / 100.0);
            }
            p.limits.push_back(std::move(limit));
        }
    }
}

// The program: per free row a whole number of steps, its weight in whole grams when a step is not
// (half a standard portion of an odd number of grams: the steps' weight rounded, halves up, as the
// table rounds a portion), and its distance from the preferred weight; per limit its constraint,
// with an elastic slack when `elastic`. `missed`, when given, leaves those limits out.
struct Program {
    LinearProgram lp;
    int slackBase = -1;
    // Per free row, the variable and the factor that make its gross grams.
    std::vector<std::pair<int, double>> grams;
};

bool wholeSteps(const BalanceRow &row)
{
    return row.stepGross == std::round(row.stepGross);
}

// The fewest and the most steps whose weight, rounded as above, lies within the row's bounds.
std::pair<double, double> stepRange(const BalanceRow &row)
{
    const double below = wholeSteps(row) ? 0 : 0.5;
    const double above = wholeSteps(row) ? 0 : 0.499;
    return {std::ceil((row.minimumGross - below) / row.stepGross - 1e-9),
            std::floor((row.maximumGross + above) / row.stepGross + 1e-9)};
}

Program makeProgram(const Problem &p, bool elastic, bool integer, const std::vector<bool> *leftOut = nullptr)
{
    Program program;
    program.lp.stop = p.stop;
    auto &vars = program.lp.variables;
    for (int r : p.free) {
        const BalanceRow &row = p.rows[static_cast<std::size_t>(r)];
        const auto [fewest, most] = stepRange(row);
        program.grams.push_back({static_cast<int>(vars.size()), row.stepGross});
        vars.push_back({fewest, most, 0, integer});
    }
    const int count = static_cast<int>(p.free.size());
    for (int k = 0; k < count; ++k) {
        const BalanceRow &row = p.rows[static_cast<std::size_t>(p.free[static_cast<std::size_t>(k)])];
        const double preferred = row.preferredGross.value_or(row.grossGrams);
        vars.push_back({0, std::nullopt, elastic ? 0.0 : 1.0 / std::max(preferred, 10.0), false});
    }
    for (int k = 0; k < count; ++k) {
        const BalanceRow &row = p.rows[static_cast<std::size_t>(p.free[static_cast<std::size_t>(k)])];
        if (wholeSteps(row))
            continue;
        const int grams = static_cast<int>(vars.size());
        vars.push_back({std::ceil(row.minimumGross - 1e-9), std::floor(row.maximumGross + 1e-9), 0, integer});
        program.lp.constraints.push_back({{{grams, 1}, {k, -row.stepGross}}, -0.499, 0.5});
        program.grams[static_cast<std::size_t>(k)] = {grams, 1};
    }
    for (int k = 0; k < count; ++k) {
        const BalanceRow &row = p.rows[static_cast<std::size_t>(p.free[static_cast<std::size_t>(k)])];
        const double preferred = row.preferredGross.value_or(row.grossGrams);
        const int deviation = count + k;
        const auto [var, step] = program.grams[static_cast<std::size_t>(k)];
        program.lp.constraints.push_back({{{var, step}, {deviation, -1}}, std::nullopt, preferred});
        program.lp.constraints.push_back({{{var, step}, {deviation, 1}}, preferred, std::nullopt});
        // Whole steps cannot reach a preferred weight that lies between two of them: the chord
        // between those two steps bounds the distance from below. No whole step is cut off (the
        // distance at each is on or above the chord), but the relaxation no longer places a row
        // between two steps for free, so the search visits far fewer nodes.
        const double below = std::floor(preferred / step);
        const double rest = preferred - below * step;
        if (integer && rest > 1e-9 && step - rest > 1e-9)
            program.lp.constraints.push_back(
                {{{var, -(step - 2 * rest)}, {deviation, 1}}, rest - (step - 2 * rest) * below, std::nullopt});
    }
    program.slackBase = static_cast<int>(vars.size());
    for (std::size_t j = 0; j < p.limits.size(); ++j) {
        const Limit &limit = p.limits[j];
        if (leftOut && (*leftOut)[j])
            continue;
        double fixedPart = 0;
        for (std::size_t r = 0; r < p.rows.size(); ++r)
            if (p.rows[r].fixed)
                fixedPart += limit.perGram[r] * p.rows[r].grossGrams;
        LpConstraint c;
        for (int k = 0; k < count; ++k) {
            const auto r = static_cast<std::size_t>(p.free[static_cast<std::size_t>(k)]);
            const auto [var, step] = program.grams[static_cast<std::size_t>(k)];
            c.terms.push_back({var, limit.perGram[r] * step / limit.scale});
        }
        if (elastic) {
            c.terms.push_back({static_cast<int>(vars.size()), limit.upper ? -1.0 : 1.0});
            vars.push_back({0, std::nullopt, 1, false});
        }
        const double rhs = (limit.rhs - fixedPart) / limit.scale;
        (limit.upper ? c.upper : c.lower) = rhs;
        program.lp.constraints.push_back(std::move(c));
    }
    return program;
}

bool solved(const LpSolution &s)
{
    return s.status == LpStatus::Optimal || s.status == LpStatus::Feasible;
}

// The gross grams of every row in the plan `s` of `program`: whole numbers of its variables.
std::vector<double> gramsOf(const Problem &p, const Program &program, const LpSolution &s, bool whole = true)
{
    std::vector<double> grams;
    for (const BalanceRow &row : p.rows)
        grams.push_back(row.grossGrams);
    for (std::size_t k = 0; k < p.free.size(); ++k) {
        const auto [var, step] = program.grams[k];
        const double value = s.values[static_cast<std::size_t>(var)];
        grams[static_cast<std::size_t>(p.free[k])] = (whole ? std::round(value) : value) * step;
    }
    return grams;
}

double sideValue(const Problem &p, const Limit &limit, const std::vector<double> &grams)
{
    double total = 0;
    for (std::size_t r = 0; r < p.rows.size(); ++r)
        total += limit.perGram[r] * grams[r];
    return total;
}

QString boundPhrase(const Problem &p, const Limit &limit, const QLocale &locale)
{
    const BalanceTarget &t = p.targets[static_cast<std::size_t>(limit.target)];
    QString bound = amountText(limit.bound, t.decimals, t.unit, locale);
    if (t.key != kEnergyKey || t.perEnergy != 0)
        bound = text(QT_TRANSLATE_NOOP("Balancer", "%1 di %2")).arg(bound, t.label.toLower());
    return (limit.upper ? text(QT_TRANSLATE_NOOP("Balancer", "superare %1"))
                        : text(QT_TRANSLATE_NOOP("Balancer", "scendere sotto %1")))
        .arg(bound);
}

// Why the limit `j` is missed: how far it can go with the foods, the weights allowed and the other
// targets that are met, and which of those stop it there (those it meets exactly at the end).
QString conflict(const Problem &p, std::size_t j, const std::vector<bool> &missed, const LpSolver &solver,
                 const QLocale &locale)
{
    const Limit &limit = p.limits[j];
    const BalanceTarget &t = p.targets[static_cast<std::size_t>(limit.target)];
    Program program = makeProgram(p, false, false, &missed);
    for (auto &v : program.lp.variables)
        v.cost = 0;
    for (std::size_t k = 0; k < p.free.size(); ++k) {
        const auto r = static_cast<std::size_t>(p.free[k]);
        const auto [var, step] = program.grams[k];
        program.lp.variables[static_cast<std::size_t>(var)].cost = (limit.upper ? 1.0 : -1.0) * limit.perGram[r] * step;
    }
    const LpSolution s = solver.solve(program.lp);
    QString sentence;
    if (!solved(s))
        return text(QT_TRANSLATE_NOOP("Balancer", "Con questi alimenti %1 non rispetta l'obiettivo.")).arg(t.name);
    const std::vector<double> grams = gramsOf(p, program, s, false);
    const QString bound = amountText(limit.bound, t.decimals, t.unit, locale);
    const double reached = sideValue(p, limit, grams);
    // Reachable alone: the miss is the price of another target missed less.
    if (limit.upper ? reached <= limit.rhs + 1e-7 * limit.scale : reached >= limit.rhs - 1e-7 * limit.scale)
        return (limit.upper ? text(QT_TRANSLATE_NOOP("Balancer", "Con questi alimenti %1 non scende a %2 senza "
                                                                 "mancare altri obiettivi."))
                            : text(QT_TRANSLATE_NOOP("Balancer", "Con questi alimenti %1 non arriva a %2 senza "
                                                                 "mancare altri obiettivi.")))
            .arg(t.name, bound);
    if (t.perEnergy != 0) {
        // The best the foods reach on a share is not the plan found here (that maximises a
        // difference, not the share), so only the bound is said.
        return (limit.upper ? text(QT_TRANSLATE_NOOP("Balancer", "Con questi alimenti %1 non scende a %2."))
                            : text(QT_TRANSLATE_NOOP("Balancer", "Con questi alimenti %1 non arriva a %2.")))
            .arg(t.name, bound);
    }
    sentence = limit.upper ? text(QT_TRANSLATE_NOOP("Balancer", "Con questi alimenti %1 scende al minimo a %2"))
                           : text(QT_TRANSLATE_NOOP("Balancer", "Con questi alimenti %1 arriva al massimo a %2"));
    // A food lacking the value counts for none of it: the amount is that of the known values.
    QString reachedText = amountText(reached, t.decimals, t.unit, locale);
    const std::optional<int> nutrient = p.nutrients.indexOf(t.key);
    if (nutrient && std::any_of(p.rows.cbegin(), p.rows.cend(), [&](const BalanceRow &row) {
            return weighs(row) && !per100(row, *nutrient);
        }))
        reachedText = text(QT_TRANSLATE_NOOP("Balancer", "%1 sui valori noti")).arg(reachedText);
    sentence = sentence.arg(t.name, reachedText);
    QStringList stops;
    for (std::size_t k = 0; k < p.limits.size(); ++k) {
        if (missed[k] || p.limits[k].target == limit.target)
            continue;
        const Limit &other = p.limits[k];
        if (std::abs(sideValue(p, other, grams) - other.rhs) / other.scale <= 1e-7)
            stops.append(boundPhrase(p, other, locale));
    }
    if (!stops.isEmpty())
        sentence += text(QT_TRANSLATE_NOOP("Balancer", " senza %1"))
                        .arg(stops.join(text(QT_TRANSLATE_NOOP("Balancer", " né "))));
    return sentence + u'.';
}

// The known energy of the rows at `grams`, in kcal.
double energyOf(const Problem &p, const std::vector<double> &grams)
{
    const std::optional<int> energy = p.nutrients.indexOf(kEnergyKey);
    double total = 0;
    for (std::size_t r = 0; energy && r < p.rows.size(); ++r)
        total += per100(p.rows[r], *energy).value_or(0) * grams[r] * ediblePerGross(p.rows[r]) / 100.0;
    return total;
}

// An empty plan meets every share of energy only because it has no energy to share: as the plan
// that meets them, it is no plan.
QString emptyPlanError(const Problem &p, const std::vector<double> &grams)
{
    const bool shares = std::any_of(p.limits.cbegin(), p.limits.cend(), [&p](const Limit &limit) {
        return p.targets[static_cast<std::size_t>(limit.target)].perEnergy != 0;
    });
    if (!shares || energyOf(p, grams) > 0)
        return {};
    return text(QT_TRANSLATE_NOOP("Balancer", "il piano più vicino che rispetta le quote di energia è vuoto: spuntare "
                                              "l'obiettivo dell'energia e dargli un minimo"));
}

// The limits are kept within the solver's own tolerance: a plan that misses a target by the
// profile's arithmetic all the same is not said to meet them all.
bool missesAny(const std::vector<BalanceTarget> &targets, const std::vector<TargetOutcome> &outcomes)
{
    for (std::size_t t = 0; t < targets.size(); ++t)
        if (targets[t].enabled && outcomes[t].miss > 0)
            return true;
    return false;
}

QString checkRows(const std::vector<BalanceRow> &rows)
{
    if (rows.empty())
        return text(QT_TRANSLATE_NOOP("Balancer", "nessun alimento da bilanciare"));
    for (const BalanceRow &row : rows) {
        if (row.fixed)
            continue;
        if (!(row.stepGross >= 0.5) || !std::isfinite(row.stepGross) || !std::isfinite(row.minimumGross)
            || !std::isfinite(row.maximumGross) || row.minimumGross < 0 || row.maximumGross > 9'999'999
            || stepRange(row).first > stepRange(row).second)
            return text(QT_TRANSLATE_NOOP("Balancer",
                                          "%1: tra il minimo e il massimo non c'è un peso possibile con questo "
                                          "passo; allargare i limiti o scegliere il passo di un grammo"))
                .arg(row.name);
    }
    if (std::all_of(rows.cbegin(), rows.cend(), [](const BalanceRow &r) { return r.fixed; }))
        return text(QT_TRANSLATE_NOOP("Balancer",
                                      "tutti gli alimenti sono fissi: liberarne almeno uno perché se ne possa "
                                      "cambiare il peso"));
    return {};
}

}  // namespace

BalanceResult balance(const Nutrients &nutrients, const std::vector<BalanceRow> &rows,
                      const std::vector<BalanceTarget> &targets, const LpSolver &solver, const QLocale &locale,
                      const std::atomic<bool> *stop)
{
    BalanceResult result;
    result.error = checkRows(rows);
    if (!result.error.isEmpty())
        return result;
    Problem p{nutrients, rows, targets, {}, {}, stop};
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        if (!rows[static_cast<std::size_t>(r)].fixed)
            p.free.push_back(r);
    addLimits(p);
    const auto failed = [&result] {
        result.error = text(QT_TRANSLATE_NOOP("Balancer",
                                              "il risolutore non ha trovato un piano in tempo: fissare qualche "
                                              "alimento o ridurre gli obiettivi e riprovare"));
        return result;
    };
    const Program strictProgram = makeProgram(p, false, true);
    LpSolution strict = solver.solve(strictProgram.lp);
    if (solved(strict)) {
        result.grossGrams = gramsOf(p, strictProgram, strict);
        result.error = emptyPlanError(p, result.grossGrams);
        if (!result.error.isEmpty()) {
            result.grossGrams.clear();
            return result;
        }
        result.status = BalanceResult::Status::Balanced;
    } else if (strict.status != LpStatus::Infeasible) {
        return failed();
    } else {
        // The energy first: every share of energy is met by an empty plan, so the least miss of
        // all targets together could be found in a plan that shrinks towards nothing. The plan
        // misses the energy no more than it must; then the least miss of all, then, among the
        // plans that miss that little, the closest one.
        Program elastic = makeProgram(p, true, true);
        std::vector<bool> notEnergy(p.limits.size());
        LpConstraint energyCap;
        for (std::size_t j = 0; j < p.limits.size(); ++j) {
            const BalanceTarget &t = targets[static_cast<std::size_t>(p.limits[j].target)];
            notEnergy[j] = t.key != kEnergyKey || t.perEnergy != 0;
            if (!notEnergy[j])
                energyCap.terms.push_back({elastic.slackBase + static_cast<int>(j), 1});
        }
        if (!energyCap.terms.empty()) {
            const LpSolution energyMiss = solver.solve(makeProgram(p, true, true, &notEnergy).lp);
            if (!solved(energyMiss))
                return failed();
            energyCap.upper = energyMiss.objective * (1 + 1e-6) + 1e-9;
            elastic.lp.constraints.push_back(energyCap);
        }
        const LpSolution least = solver.solve(elastic.lp);
        if (!solved(least))
            return failed();
        LpConstraint cap;
        for (int v = elastic.slackBase; v < static_cast<int>(elastic.lp.variables.size()); ++v)
            cap.terms.push_back({v, 1});
        cap.upper = least.objective * (1 + 1e-6) + 1e-9;
        elastic.lp.constraints.push_back(cap);
        for (std::size_t k = 0; k < p.free.size(); ++k) {
            const BalanceRow &row = rows[static_cast<std::size_t>(p.free[k])];
            elastic.lp.variables[p.free.size() + k].cost = 1.0
                                                           / std::max(row.preferredGross.value_or(row.grossGrams),
                                                                      10.0);
        }
        for (int v = elastic.slackBase; v < static_cast<int>(elastic.lp.variables.size()); ++v)
            elastic.lp.variables[static_cast<std::size_t>(v)].cost = 0;
        const LpSolution closest = solver.solve(elastic.lp);
        const LpSolution &plan = solved(closest) ? closest : least;
        result.status = BalanceResult::Status::Closest;
        result.grossGrams = gramsOf(p, elastic, plan);
        std::vector<bool> missed(p.limits.size());
        for (std::size_t j = 0; j < p.limits.size(); ++j)
            missed[j] = least.values[static_cast<std::size_t>(elastic.slackBase) + j] > 1e-7;
        for (std::size_t j = 0; j < p.limits.size(); ++j)
            if (missed[j])
                result.conflicts.append(conflict(p, j, missed, solver, locale));
    }
    result.outcomes = checkTargets(nutrients, rows, result.grossGrams, targets);
    if (result.status == BalanceResult::Status::Balanced && missesAny(targets, result.outcomes))
        result.status = BalanceResult::Status::Closest;
    return result;
}

std::vector<TargetOutcome> checkTargets(const Nutrients &nutrients, const std::vector<BalanceRow> &rows,
                                        const std::vector<double> &grossGrams,
                                        const std::vector<BalanceTarget> &targets)
{
    Meal meal;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const double edible = rows[r].values ? rows[r].values->ediblePercent : 100.0;
        meal.items.push_back({{-1, rows[r].name}, {grossGrams[r], edible}, rows[r].values});
    }
    const NutrientProfile profile = nutrientProfile(nutrients, meal);
    const std::optional<int> energyIndex = nutrients.indexOf(kEnergyKey);
    std::vector<TargetOutcome> outcomes;
    for (const BalanceTarget &target : targets) {
        TargetOutcome outcome;
        const std::optional<int> index = nutrients.indexOf(target.key);
        const bool share = target.perEnergy != 0;
        // A food in several meals of the day is named once.
        for (const MealItem &item : meal.items)
            if (item.portion.netGrams() != 0 && index
                && (!item.values->value(*index) || (share && energyIndex && !item.values->value(*energyIndex)))
                && !outcome.lackingFoods.contains(item.food.name))
                outcome.lackingFoods.append(item.food.name);
        if (index) {
            const NutrientAmount &amount = profile.at(*index);
            outcome.lowerBound = amount.lowerBound;
            if (!share) {
                outcome.value = amount.amount;
            } else if (energyIndex) {
                const NutrientAmount &energy = profile.at(*energyIndex);
                if (amount.amount && energy.amount && !energy.lowerBound && *energy.amount > 0)
                    outcome.value = *amount.amount * target.perEnergy / *energy.amount;
            }
        }
        if (!target.enabled) {
            outcomes.push_back(outcome);
            continue;
        }
        bool met = true;
        if (target.minimum) {
            if (!outcome.value)
                outcome.unverifiable = true;
            else if (*outcome.value < *target.minimum - slackAllowed(*target.minimum))
                outcome.miss = *target.minimum - *outcome.value;
        }
        // Known values above the maximum miss it whatever the foods lacking a value add; below it,
        // those foods could still take the amount past it.
        if (target.maximum) {
            if (outcome.value && *outcome.value > *target.maximum + slackAllowed(*target.maximum))
                outcome.miss = *outcome.value - *target.maximum;
            else if (!outcome.value || outcome.lowerBound)
                outcome.unverifiable = true;
        }
        met = !outcome.unverifiable && outcome.miss == 0;
        outcome.met = met;
        outcomes.push_back(outcome);
    }
    return outcomes;
}

namespace {

// A nutrient as the subject of a sentence: "la quantità di calcio". The name's first letter is
// lowered unless the name begins with an abbreviation ("EPA").
QString amountOf(const QString &name)
{
    QString subject = name;
    if (subject.size() > 1 && subject.at(1).isLower())
        subject[0] = subject.at(0).toLower();
    return text(QT_TRANSLATE_NOOP("Balancer", "la quantità di %1")).arg(subject);
}

}  // namespace

std::vector<BalanceTarget> usualTargets(const Nutrients &nutrients, const ReferenceFor &reference, double energyKcal,
                                        double tolerancePercent, const QStringList &nutrientKeys, double mealShare)
{
    std::vector<BalanceTarget> targets;
    const double tolerance = energyKcal * tolerancePercent / 100.0;
    targets.push_back({kEnergyKey, 0, energyKcal - tolerance, energyKcal + tolerance,
                       text(QT_TRANSLATE_NOOP("Balancer", "l'energia")), text(QT_TRANSLATE_NOOP("Balancer", "Energia")),
                       QStringLiteral("kcal"), 0, true});
    struct Share {
        const char *key;
        const char *row;
        double perEnergy;
        const char *name;
        const char *label;
        const char *unit;
        int decimals;
    };
    static const Share kShares[] = {
        {"PROCNT", "EN_PROT", 400, QT_TRANSLATE_NOOP("Balancer", "la quota di energia delle proteine"),
         QT_TRANSLATE_NOOP("Balancer", "Proteine"), "%En", 0},
        {"FAT", "EN_FAT", 900, QT_TRANSLATE_NOOP("Balancer", "la quota di energia dei grassi"),
         QT_TRANSLATE_NOOP("Balancer", "Grassi"), "%En", 0},
        {"CHOCDF", "EN_CHO", 400, QT_TRANSLATE_NOOP("Balancer", "la quota di energia dei carboidrati"),
         QT_TRANSLATE_NOOP("Balancer", "Carboidrati"), "%En", 0},
        {"FASAT", "EN_FASAT", 900, QT_TRANSLATE_NOOP("Balancer", "la quota di energia dei grassi saturi"),
         QT_TRANSLATE_NOOP("Balancer", "Grassi saturi"), "%En", 0},
        {"SUGAR", "EN_SUGAR", 400, QT_TRANSLATE_NOOP("Balancer", "la quota di energia degli zuccheri"),
         QT_TRANSLATE_NOOP("Balancer", "Zuccheri"), "%En", 0},
        {"FIBTG", "FIB_1000KCAL", 1000, QT_TRANSLATE_NOOP("Balancer", "la fibra"),
         QT_TRANSLATE_NOOP("Balancer", "Fibra"), "g/1000 kcal", 1},
    };
    for (const Share &s : kShares) {
        const auto value = reference ? reference(QString::fromLatin1(s.row)) : std::nullopt;
        if (!value || !nutrients.indexOf(QString::fromLatin1(s.key)))
            continue;
        BalanceTarget t{QString::fromLatin1(s.key),
                        s.perEnergy,
                        value->minimum,
                        value->maximum,
                        text(s.name),
                        text(s.label),
                        QString::fromUtf8(s.unit),
                        s.decimals,
                        true};
        // A density of fibre needs only its least.
        if (t.key == QLatin1String("FIBTG"))
            t.maximum.reset();
        targets.push_back(t);
    }
    for (const QString &key : nutrientKeys) {
        // Foods hold no derived row's value (a share of energy, a density): only measured ones.
        const auto index = nutrients.indexOf(key);
        const auto value = reference && index && !nutrients.at(*index).derived() ? reference(key) : std::nullopt;
        if (!value)
            continue;
        const NutrientDefinition &n = nutrients.at(*index);
        const auto scaled = [mealShare](std::optional<double> v) { return v ? std::optional(*v * mealShare) : v; };
        targets.push_back({key, 0, scaled(value->minimum), scaled(value->upper), amountOf(n.shownName()), n.shownName(),
                           n.unit, n.decimals, true});
    }
    return targets;
}

BalanceRow usualBalanceRow(const QString &name, std::shared_ptr<const FoodValues> values, double grossGrams,
                           std::optional<double> standardGross, bool halfPortionSteps)
{
    // A row without a weight and without a standard portion starts from this many grams.
    constexpr double kDefaultGrams = 100;
    BalanceRow row;
    row.name = name;
    row.values = std::move(values);
    row.grossGrams = grossGrams;
    row.maximumGross = std::max(standardGross ? *standardGross * 3 : 300.0, grossGrams);
    if (grossGrams == 0)
        row.preferredGross = standardGross.value_or(kDefaultGrams);
    if (halfPortionSteps && standardGross)
        row.stepGross = std::max(0.5, *standardGross / 2);
    return row;
}

std::optional<double> standardPortionGross(double edibleGrams, double ediblePercent)
{
    if (!grossGramsFor(edibleGrams, ediblePercent).value)
        return std::nullopt;
    return edibleGrams * 100.0 / ediblePercent;
}

QStringList usualBalanceNutrients()
{
    return {QStringLiteral("PROCNT"), QStringLiteral("CA"), QStringLiteral("FE")};
}

QStringList outcomeLines(const std::vector<BalanceTarget> &targets, const std::vector<TargetOutcome> &outcomes,
                         const QLocale &locale)
{
    QStringList lines;
    for (std::size_t i = 0; i < targets.size() && i < outcomes.size(); ++i) {
        const BalanceTarget &t = targets[i];
        const TargetOutcome &o = outcomes[i];
        if (!t.enabled)
            continue;
        // A miss smaller than the shown digits is told with as many more as show it, and so is the
        // value: "35 %En, mancato di 0,2 %En" would seem to meet a bound of 35, and "20,0 %En,
        // mancato di 0,0 %En" to miss nothing.
        int decimals = t.decimals;
        while (!o.met && !o.unverifiable && decimals < t.decimals + 4
               && roundHalfEvenScaled(o.miss, decimals).value_or(1) == 0)
            ++decimals;
        const QString value = o.value ? (o.lowerBound ? QStringLiteral("≥ ") : QString())
                                            + amountText(*o.value, decimals, t.unit, locale)
                                      : text(QT_TRANSLATE_NOOP("Balancer", "n.d."));
        QString goal;
        if (t.minimum && t.maximum)
            goal = QStringLiteral("%1-%2").arg(formatDecimals(*t.minimum, t.decimals, locale),
                                               amountText(*t.maximum, t.decimals, t.unit, locale));
        else if (t.minimum)
            goal = QStringLiteral("≥ ") + amountText(*t.minimum, t.decimals, t.unit, locale);
        else if (t.maximum)
            goal = QStringLiteral("≤ ") + amountText(*t.maximum, t.decimals, t.unit, locale);
        QString status;
        if (o.unverifiable && o.lackingFoods.isEmpty())
            status = text(QT_TRANSLATE_NOOP("Balancer", "non verificabile"));
        else if (o.unverifiable)
            status = text(QT_TRANSLATE_NOOP("Balancer", "non verificabile: mancano i valori di %1"))
                         .arg(o.lackingFoods.join(QStringLiteral(", ")));
        else if (o.met && !o.lackingFoods.isEmpty())
            status = text(QT_TRANSLATE_NOOP("Balancer", "raggiunto sui valori noti (mancano quelli di %1)"))
                         .arg(o.lackingFoods.join(QStringLiteral(", ")));
        else if (o.met)
            status = text(QT_TRANSLATE_NOOP("Balancer", "raggiunto"));
        else
            status =
                text(QT_TRANSLATE_NOOP("Balancer", "mancato di %1")).arg(amountText(o.miss, decimals, t.unit, locale));
        lines.append(
            text(QT_TRANSLATE_NOOP("Balancer", "%1: %2 (obiettivo %3), %4")).arg(t.label, value, goal, status));
    }
    return lines;
}

}  // namespace velmo
