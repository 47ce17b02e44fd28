// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/balancemodel.h"

#include "common/inputecho.h"
#include "common/numbertext.h"
#include "meal/dayfigures.h"
#include "meal/nutrientstore.h"
#include "meal/portiontext.h"
#include "plan/lpsolver.h"
#include "shell/mainwindowmodel.h"
#include "shell/portionchoicemodel.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace velmo {

namespace {

// The person whose references are taken when neither a person nor an energy window says one: an
// adult, whose ranges of the shares of energy are alike for either sex.
constexpr double kAdultAge = 30;
// A meal of no usual name is taken for a main meal: the guide's share of lunch.
constexpr int kMainMealShare = 40;
constexpr double kTolerancePercent = 3;

QString gramsText(double grams)
{
    return formatDecimals(grams, 0, QLocale()) + QStringLiteral(" g");
}

}  // namespace

BalanceModel::BalanceModel(MainWindowModel &main, QObject *parent) : QObject(parent), main_(main)
{
    solving_.setMaxThreadCount(1);
}

BalanceModel::~BalanceModel()
{
    stopCalculation();
    solving_.waitForDone();
}

QString BalanceModel::nothingToBalance(MainWindowModel &main, Scope scope)
{
    bool shownHasFood = false;
    for (int r = 0; r < kMealRows; ++r)
        shownHasFood = shownHasFood || (main.meal().row(r).lock == 1 && main.meal().row(r).taken());
    if (scope == Scope::Meal)
        return shownHasFood ? QString()
                            : tr("Il pasto non ha alimenti da bilanciare: scegliere gli alimenti, scriverne il peso "
                                 "e bloccarli nella tabella.");
    if (main.day().isSingleMeal())
        return tr("La finestra mostra un pasto, non un giorno: bilanciare il pasto, o aprire un giorno o "
                  "aggiungere un pasto con \"Aggiungi pasto...\".");
    const MealDay &day = main.document().dayState().day;
    const bool any = shownHasFood || std::any_of(day.meals.cbegin(), day.meals.cend(), [](const DayMeal &m) {
                         return !m.entries.empty();
                     });
    return any ? QString()
               : tr("Nessun pasto del giorno ha alimenti da bilanciare: scegliere gli alimenti, scriverne il peso e "
                    "bloccarli nella tabella.");
}

bool BalanceModel::refuse(const QString &why)
{
    main_.dialogs().message(why, warningTitle(), MessageIcon::Critical);
    return false;
}

bool BalanceModel::refuseBound(const QString &typed, bool target)
{
    const QLocale locale;
    if (target)
        return refuse(
            tr("%1 non è un limite valido: scrivere un numero da 0 a %2, per esempio %3, o lasciare la "
               "cella vuota per togliere il limite.")
                .arg(echoInput(typed), formatDecimals(kMaxTargetBound, 0, locale), formatDecimals(12.5, 1, locale)));
    return refuse(tr("%1 non è un peso valido: scrivere i grammi lordi, da 0 a %2.")
                      .arg(echoInput(typed), formatDecimals(kMaxGrossGrams, 0, locale)));
}

bool BalanceModel::begin(Scope scope)
{
    const QString nothing = nothingToBalance(main_, scope);
    if (!nothing.isEmpty())
        return refuse(nothing);
    QString error;
    NutrientStore *store = main_.nutrientStore();
    const Nutrients *nutrients = store ? store->nutrients(&error) : nullptr;
    std::vector<Line> lines;
    std::vector<BalanceRow> rows;
    // Read aside, so that a scope that cannot be read leaves the one shown as it is.
    if (!nutrients || !readLines(scope, lines, rows, &error))
        return refuse(tr("Le quantità non possono essere bilanciate: %1").arg(error));
    stopCalculation();
    result_ = {};  // of the rows that are about to go
    scope_ = scope;
    nutrients_ = nutrients;
    lines_ = std::move(lines);
    rows_ = std::move(rows);
    prefillTargets();
    calculate();
    emit restarted();
    return true;
}

bool BalanceModel::readLines(Scope scope, std::vector<Line> &lines, std::vector<BalanceRow> &rows, QString *error)
{
    const MealDay day = main_.document().day();
    const int current = main_.day().current();
    for (int m = 0; m < static_cast<int>(day.meals.size()); ++m) {
        if (scope == Scope::Meal && m != current)
            continue;
        const std::vector<MealFileEntry> &entries = day.meals[static_cast<std::size_t>(m)].entries;
        const std::optional<Meal> meal = nutritionMeal(entries, *main_.nutrientStore(), error);
        if (!meal)
            return false;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const MealItem &item = meal->items[i];
            const std::optional<FoodPortions> portions = readFoodPortions(main_, measures_, item.food, error);
            if (!portions)
                return false;
            Line line{m, main_.day().mealNames().value(m), entries[i], *portions, std::nullopt};
            if (portions->standard)
                line.standardGross = standardPortionGross(portions->standard->grams, item.values->ediblePercent);
            rows.push_back(usualBalanceRow(main_.document().shownName(entries[i].category, entries[i].food),
                                           item.values, item.portion.grossGrams, line.standardGross, true));
            lines.push_back(std::move(line));
        }
    }
    return true;
}

// The day's requirement of the current person, else of the energy window computed last; a meal
// gets the guide's share of it. Without either the plan keeps the energy it has.
void BalanceModel::prefillTargets()
{
    std::optional<double> kcal;
    IntakePerson who{false, kAdultAge};
    bool nobody = true;  // the references are no one's in particular: the text says whose they are
    QString whose;
    QString without;  // the current person, whose requirement is not calculated
    QString past;     // why it cannot be, when that person is past the energy tables
    if (const auto person = main_.persons().currentRequirement(); person && person->kcal) {
        kcal = person->kcal;
        nobody = !person->person;
        who = person->person.value_or(who);
        whose = tr("Fabbisogno di %1").arg(person->name);
    } else if (main_.requirementKcal()) {
        kcal = main_.requirementKcal();
        nobody = !main_.calculatedPerson();
        who = main_.calculatedPerson().value_or(who);
        whose = tr("Fabbisogno dell'ultimo calcolo");
    } else if (person && person->person) {
        // Her references stand without a requirement: a man's would be no one's.
        who = *person->person;
        nobody = false;
        without = person->name;
        past = person->pastEnergyTables;
    }
    mealShare_ = 1;
    QString share;
    if (scope_ == Scope::Meal) {
        const QString name = main_.day().mealNames().value(main_.day().current());
        const std::optional<int> guide = mealGuideShare(name);
        mealShare_ = guide.value_or(kMainMealShare) / 100.0;
        share = guide ? tr("; %1: %2 % del giorno (guida LARN)").arg(name).arg(*guide)
                      : tr("; un pasto senza nome abituale: %1 % del giorno, come il pranzo").arg(kMainMealShare);
    }
    std::vector<double> written;
    for (const BalanceRow &row : rows_)
        written.push_back(row.grossGrams);
    const double energy = kcal ? *kcal * mealShare_ : energyOf(written);
    const QLocale locale;
    targetSource_ = kcal ? tr("%1: %2 kcal al giorno%3.")
                               .arg(whose, formatAmount(*kcal, Amount::Kilocalories, locale),
                                    scope_ == Scope::Meal ? share : QString())
                    : !past.isEmpty()
                        ? tr("Per %1 il fabbisogno %2: l'energia resta quella di ora, %3 kcal; i riferimenti sono i "
                             "suoi.")
                              .arg(without, past, formatAmount(energy, Amount::Kilocalories, locale))
                    : !without.isEmpty()
                        ? tr("%1 non ha un fabbisogno calcolato (si completa nella finestra Persone): l'energia "
                             "resta quella di ora, %2 kcal; i riferimenti sono i suoi.")
                              .arg(without, formatAmount(energy, Amount::Kilocalories, locale))
                        : tr("Nessun fabbisogno calcolato (né persona corrente né finestra del fabbisogno): "
                             "l'energia resta quella di ora, %1 kcal.")
                              .arg(formatAmount(energy, Amount::Kilocalories, locale));
    if (nobody)
        targetSource_ += u' '
                         + tr("I riferimenti dei nutrienti sono quelli di un uomo adulto di %1 anni: per quelli "
                              "di un'altra persona, sceglierla come persona corrente.")
                               .arg(kAdultAge);
    const ReferenceIntakes *intakes = ReferenceIntakes::shipped();
    reference_ = intakes ? referenceLookup(*intakes, who, *nutrients_) : ReferenceFor();
    targets_ = usualTargets(*nutrients_, reference_, energy, kTolerancePercent, usualBalanceNutrients(), mealShare_);
}

void BalanceModel::setFixed(int row, bool fixed)
{
    rows_[static_cast<std::size_t>(row)].fixed = fixed;
    calculate();
}

bool BalanceModel::setRowBounds(int row, double minimum, double maximum)
{
    if (!(minimum >= 0) || !(maximum <= kMaxGrossGrams) || minimum > maximum)
        return false;
    BalanceRow &r = rows_[static_cast<std::size_t>(row)];
    r.minimumGross = minimum;
    r.maximumGross = maximum;
    calculate();
    return true;
}

void BalanceModel::setHalfPortionSteps(int row, bool halfPortions)
{
    const Line &line = lines_[static_cast<std::size_t>(row)];
    BalanceRow &r = rows_[static_cast<std::size_t>(row)];
    r.stepGross = usualBalanceRow({}, nullptr, 0, line.standardGross, halfPortions).stepGross;
    calculate();
}

bool BalanceModel::halfPortionSteps(int row) const
{
    return lines_[static_cast<std::size_t>(row)].standardGross && rows_[static_cast<std::size_t>(row)].stepGross > 1;
}

void BalanceModel::setTargetEnabled(int target, bool enabled)
{
    targets_[static_cast<std::size_t>(target)].enabled = enabled;
    calculate();
}

bool BalanceModel::setTargetBounds(int target, std::optional<double> minimum, std::optional<double> maximum)
{
    const auto outside = [](std::optional<double> bound) {
        return bound && !(*bound >= 0 && *bound <= kMaxTargetBound);
    };
    if (outside(minimum) || outside(maximum) || (minimum && maximum && *minimum > *maximum))
        return false;
    BalanceTarget &t = targets_[static_cast<std::size_t>(target)];
    t.minimum = minimum;
    t.maximum = maximum;
    calculate();
    return true;
}

std::vector<std::pair<QString, QString>> BalanceModel::addableNutrients() const
{
    std::vector<std::pair<QString, QString>> addable;
    if (!nutrients_ || !reference_)
        return addable;
    for (const NutrientDefinition &n : nutrients_->all()) {
        // A derived row (a share of energy, a density) is no food's value: no plan could reach it.
        if (n.derived())
            continue;
        const bool taken = std::any_of(targets_.cbegin(), targets_.cend(),
                                       [&n](const BalanceTarget &t) { return t.key == n.key && t.perEnergy == 0; });
        const auto value = reference_(n.key);
        if (!taken && value && (value->minimum || value->upper) && n.key != QLatin1String("ENERC_KCAL"))
            addable.emplace_back(n.key, n.shownName());
    }
    return addable;
}

void BalanceModel::addNutrient(const QString &key)
{
    const std::vector<BalanceTarget> usual = usualTargets(*nutrients_, reference_, 1, kTolerancePercent, {key},
                                                          mealShare_);
    if (usual.empty() || usual.back().key != key || usual.back().perEnergy != 0)
        return;
    targets_.push_back(usual.back());
    calculate();
    emit restarted();
}

void BalanceModel::stopCalculation()
{
    if (stop_)
        stop_->store(true);
    ++generation_;
    calculating_ = false;
}

void BalanceModel::calculate()
{
    stopCalculation();
    QString error;
    const LpSolver *solver = nutrients_ ? LpSolver::load(&error) : nullptr;
    if (!solver) {
        result_ = {};
        result_.error = error;
        emit calculated();
        return;
    }
    stop_ = std::make_shared<std::atomic<bool>>(false);
    calculating_ = true;
    // The worker has copies of all it reads; the destructor waits for it before `this` goes.
    solving_.start([this, solver, generation = generation_, stop = stop_, nutrients = *nutrients_, rows = rows_,
                    targets = targets_, locale = QLocale()] {
        const BalanceResult result = balance(nutrients, rows, targets, *solver, locale, stop.get());
        if (!stop->load())
            QMetaObject::invokeMethod(
                this, [this, generation, result] { deliver(generation, result); }, Qt::QueuedConnection);
    });
    emit calculationStarted();
}

void BalanceModel::deliver(quint64 generation, const BalanceResult &result)
{
    if (generation != generation_)
        return;
    calculating_ = false;
    result_ = result;
    emit calculated();
}

void BalanceModel::waitForResult()
{
    solving_.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

std::optional<double> BalanceModel::proposedGross(int row) const
{
    if (result_.status == BalanceResult::Status::Failed)
        return std::nullopt;
    return result_.grossGrams[static_cast<std::size_t>(row)];
}

std::optional<double> BalanceModel::proposedEdible(int row) const
{
    const auto gross = proposedGross(row);
    const BalanceRow &r = rows_[static_cast<std::size_t>(row)];
    return gross ? std::optional(*gross * (r.values ? r.values->ediblePercent : 100.0) / 100.0) : std::nullopt;
}

QString BalanceModel::proposedPortion(int row) const
{
    const auto gross = proposedGross(row);
    if (!gross || *gross == 0 || !halfPortionSteps(row))
        return {};
    const double step = rows_[static_cast<std::size_t>(row)].stepGross;
    const double halves = std::round(*gross / step);
    if (std::abs(*gross - std::round(halves * step)) > 1e-6)
        return {};  // a fixed row off the steps: no portion says its weight
    return portionText(halves / 2, lines_[static_cast<std::size_t>(row)].portions, {PortionUnit::Kind::Standard, -1},
                       QLocale());
}

double BalanceModel::energyOf(const std::vector<double> &grams) const
{
    const std::optional<int> energy = nutrients_ ? nutrients_->indexOf(QStringLiteral("ENERC_KCAL")) : std::nullopt;
    double total = 0;
    for (std::size_t r = 0; energy && r < rows_.size(); ++r)
        if (rows_[r].values)
            total += rows_[r].values->value(*energy).value_or(0) * grams[r] * rows_[r].values->ediblePercent / 1e4;
    return total;
}

double BalanceModel::grossOf(const std::vector<double> &grams) const
{
    double total = 0;
    for (double g : grams)
        total += g;
    return total;
}

QString BalanceModel::rowName(std::size_t row) const
{
    return scope_ == Scope::Day ? tr("%1 (%2)").arg(rows_[row].name, lines_[row].mealName) : rows_[row].name;
}

QStringList BalanceModel::preview() const
{
    if (calculating_)
        return {tr("Calcolo della proposta in corso...")};
    if (result_.status == BalanceResult::Status::Failed)
        return {tr("Nessuna proposta: %1").arg(result_.error)};
    QStringList lines;
    if (result_.status == BalanceResult::Status::Closest)
        lines << tr("Nessun piano rispetta tutti gli obiettivi. Ecco il più vicino, con ciò che manca a ogni "
                    "obiettivo:")
              << result_.conflicts;
    std::vector<double> written;
    QStringList removed;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        written.push_back(rows_[r].grossGrams);
        if (rows_[r].grossGrams > 0 && result_.grossGrams[r] == 0)
            removed << rowName(r);
    }
    const QLocale locale;
    lines << tr("Totale: %1 → %2 di peso lordo, %3 → %4 kcal")
                 .arg(gramsText(grossOf(written)), gramsText(grossOf(result_.grossGrams)),
                      formatAmount(energyOf(written), Amount::Kilocalories, locale),
                      formatAmount(energyOf(result_.grossGrams), Amount::Kilocalories, locale));
    if (!removed.isEmpty())
        lines << tr("A 0 g, lasciano il pasto: %1").arg(removed.join(QStringLiteral(", ")));
    return lines + outcomeLines(targets_, result_.outcomes, locale);
}

bool BalanceModel::canApply() const
{
    if (calculating_ || result_.status == BalanceResult::Status::Failed)
        return false;
    for (std::size_t r = 0; r < rows_.size(); ++r)
        if (std::llround(result_.grossGrams[r]) != std::llround(rows_[r].grossGrams))
            return true;
    return false;
}

std::vector<MealFileEntry> BalanceModel::proposedEntries(int meal) const
{
    std::vector<MealFileEntry> entries;
    for (std::size_t r = 0; r < lines_.size(); ++r) {
        if (lines_[r].meal != meal)
            continue;
        MealFileEntry entry = lines_[r].entry;
        const qint64 grams = std::llround(result_.grossGrams[r]);
        if (grams != std::llround(rows_[r].grossGrams)) {
            if (grams == 0)
                continue;
            entry.grams = QString::number(grams);
            entry.portion = proposedPortion(static_cast<int>(r));
        }
        entries.push_back(entry);
    }
    return entries;
}

bool BalanceModel::apply()
{
    if (!canApply())
        return false;
    MealDocument &document = main_.document();
    const MealDocument::DayState was = document.dayState();
    // The table is written anew as an opened file is, browsing to each food: the browsing, and
    // the weight being typed for the open row's food, come back as they stood.
    const int category = main_.category();
    const std::optional<int> gridRow = main_.dataControl().currentRow();
    const std::optional<int> open = main_.meal().openRow();
    const QString typed = open ? main_.meal().row(*open).cell(MealColumn::Gross).text : QString();
    const bool openWasFree = open && main_.meal().row(*open).isFree();
    QString error;
    const bool done = main_.mealSteps().record(tr("bilanciamento delle quantità"), [&] {
        MealDocument::DayState next = was;
        for (int m = 0; m < static_cast<int>(next.day.meals.size()); ++m)
            if (m != was.current && scope_ == Scope::Day)
                next.day.meals[static_cast<std::size_t>(m)].entries = proposedEntries(m);
        document.setDayState(next);
        if (!document.setShownEntries(proposedEntries(was.current), &error)) {
            document.setDayState(was);
            return false;
        }
        // Browsing back places the food browsed in the open row: one left empty stays so.
        const MealGridState composed = main_.meal().state();
        if (category >= 0 && gridRow) {
            main_.chooseCategory(category);
            main_.gridRowChosen(*gridRow);
        }
        if (const std::optional<int> nowOpen = main_.meal().openRow(); nowOpen && openWasFree)
            main_.meal().restoreRows(composed, {*nowOpen});
        if (const std::optional<int> nowOpen = main_.meal().openRow(); nowOpen && !typed.isEmpty())
            main_.meal().setGrossText(*nowOpen, typed);
        return true;
    });
    if (!done)
        return refuse(tr("La proposta non può essere scritta nella tabella: %1").arg(error));
    return true;
}

}  // namespace velmo
