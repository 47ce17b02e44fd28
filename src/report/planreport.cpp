// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "report/planreport.h"

#include "catalogue/foodnames.h"
#include "common/numbertext.h"
#include "energy/energymodel.h"
#include "meal/nutrientrows.h"
#include "meal/nutrientstore.h"
#include "meal/portiontext.h"
#include "plan/personmetrics.h"
#include "velmo/version.h"

#include <QCoreApplication>

#include <algorithm>
#include <set>

namespace velmo {

namespace {

// The person whose references are taken when nobody is said: an adult, as the day panel does.
constexpr double kAdultAge = 30;

QString text(const char *source, int n = -1)
{
    return QCoreApplication::translate("PlanReport", source, nullptr, n);
}

QString activityText(ActivityLevel activity)
{
    switch (activity) {
    case ActivityLevel::Light: return text(QT_TRANSLATE_NOOP("PlanReport", "attività leggera"));
    case ActivityLevel::Moderate: return text(QT_TRANSLATE_NOOP("PlanReport", "attività moderata"));
    case ActivityLevel::Heavy: return text(QT_TRANSLATE_NOOP("PlanReport", "attività pesante"));
    case ActivityLevel::NotChosen: break;
    }
    return text(QT_TRANSLATE_NOOP("PlanReport", "livello di attività non scelto"));
}

QString recommendedText(RecommendedActivities recommended)
{
    switch (recommended) {
    case RecommendedActivities::With:
        return text(QT_TRANSLATE_NOOP("PlanReport", "con le attività fisiche auspicabili"));
    case RecommendedActivities::Without:
        return text(QT_TRANSLATE_NOOP("PlanReport", "senza le attività fisiche auspicabili"));
    case RecommendedActivities::NotChosen: break;
    }
    return text(QT_TRANSLATE_NOOP("PlanReport", "attività fisiche auspicabili non indicate"));
}

class Builder {
public:
    Builder(const PlanInput &input, NutrientStore &store, const Nutrients &nutrients, const FoodNames *names,
            const QLocale &locale)
        : input_(input), store_(store), nutrients_(nutrients), names_(names), locale_(locale)
    {
    }

    bool build(PlanReport &report, QString *error);

private:
    void describePerson(PlanReport &report);
    void describeRequirement(PlanReport &report);
    int daysWithFoods() const;
    bool addDays(PlanReport &report, Meal &all, QString *error);
    void addFigures(PlanReport &report, const Meal &all);
    void addFooter(PlanReport &report) const;
    void addSex(PlanReport &report, bool female) const;
    void addAge(PlanReport &report, int years) const;
    void addCondition(PlanReport &report, PersonCondition condition) const;
    QString grams(double value) const { return formatAmount(value, Amount::FoodGrams, locale_) + QStringLiteral(" g"); }

    const PlanInput &input_;
    NutrientStore &store_;
    const Nutrients &nutrients_;
    const FoodNames *names_;
    const QLocale &locale_;
    std::optional<double> requirementKcal_;
    IntakePerson intake_{false, kAdultAge};
    std::optional<int> energy_;
    // The days of a week that cannot be worked out (a food no longer in the database): printed
    // as such and left out of the average, as the week window does.
    std::set<QDate> uncomputable_;
};

void Builder::addSex(PlanReport &report, bool female) const
{
    report.person.push_back(
        {text(QT_TRANSLATE_NOOP("PlanReport", "Sesso")),
         female ? text(QT_TRANSLATE_NOOP("PlanReport", "femmina")) : text(QT_TRANSLATE_NOOP("PlanReport", "maschio"))});
}

void Builder::addAge(PlanReport &report, int years) const
{
    report.person.push_back(
        {text(QT_TRANSLATE_NOOP("PlanReport", "Età")), text(QT_TRANSLATE_N_NOOP("PlanReport", "%n anni"), years)});
}

// The references and the notes follow a pregnancy or a lactation: the page says so.
void Builder::addCondition(PlanReport &report, PersonCondition condition) const
{
    if (condition != PersonCondition::None)
        report.person.push_back({text(QT_TRANSLATE_NOOP("PlanReport", "Condizione")),
                                 condition == PersonCondition::Pregnancy
                                     ? text(QT_TRANSLATE_NOOP("PlanReport", "gravidanza"))
                                     : text(QT_TRANSLATE_NOOP("PlanReport", "allattamento"))});
}

void Builder::describePerson(PlanReport &report)
{
    if (!input_.person) {
        if (input_.intakePerson) {
            // The references are those of this sex, age and condition: the page says so, as for a person.
            intake_ = *input_.intakePerson;
            addSex(report, intake_.female);
            addAge(report, static_cast<int>(intake_.ageYears));
            addCondition(report, intake_.pregnant    ? PersonCondition::Pregnancy
                                 : intake_.lactating ? PersonCondition::Lactation
                                                     : PersonCondition::None);
        } else  // the references are someone's: the page says whose
            report.missing << text(QT_TRANSLATE_NOOP("PlanReport", "Nessuna persona indicata: i riferimenti dei "
                                                                   "nutrienti sono quelli di un uomo adulto di %1 "
                                                                   "anni."))
                                  .arg(kAdultAge);
        return;
    }
    const Person &p = *input_.person;
    const auto age = ageInYears(p.birthDate, input_.date);
    const auto weight = p.weightAt(input_.date);
    report.person.push_back({text(QT_TRANSLATE_NOOP("PlanReport", "Nome")), p.name});
    addSex(report, p.sex == Sex::Female);
    if (age)
        addAge(report, *age);
    else
        report.missing << text(QT_TRANSLATE_NOOP("PlanReport",
                                                 "Manca la data di nascita della persona (o è dopo la data "
                                                 "del piano): età, fabbisogno e riferimenti non sono "
                                                 "calcolati. Correggerla nella finestra Persone."));
    if (p.sex == Sex::Female)
        addCondition(report, p.condition);
    if (p.heightCm > 0)
        report.person.push_back({text(QT_TRANSLATE_NOOP("PlanReport", "Altezza")),
                                 formatPlain(p.heightCm, locale_) + QStringLiteral(" cm")});
    if (weight)
        report.person.push_back({text(QT_TRANSLATE_NOOP("PlanReport", "Peso")),
                                 text(QT_TRANSLATE_NOOP("PlanReport", "%1 kg (del %2)"))
                                     .arg(formatPlain(weight->kilograms, locale_), dateText(weight->date, locale_))});
    else
        report.missing << text(QT_TRANSLATE_NOOP("PlanReport",
                                                 "Nessun peso registrato per la persona: indice di massa "
                                                 "corporea e fabbisogno non sono calcolati. Aggiungere un "
                                                 "peso nella finestra Persone."));
    if (const auto bmi = bodyMassIndex(p, input_.date))
        report.person.push_back(
            {text(QT_TRANSLATE_NOOP("PlanReport", "Indice di massa corporea")), bodyMassIndexText(*bmi, locale_)});
    if (const auto person = intakePerson(p, input_.date))
        intake_ = *person;
}

void Builder::describeRequirement(PlanReport &report)
{
    const QString label = text(QT_TRANSLATE_NOOP("PlanReport", "Fabbisogno"));
    if (!input_.person) {
        requirementKcal_ = input_.requirementKcal;
        if (requirementKcal_)
            report.requirement.push_back(
                {label, formatAmount(*requirementKcal_, Amount::Kilocalories, locale_) + QStringLiteral(" kcal")});
        return;
    }
    const Person &p = *input_.person;
    const auto requirement = personRequirement(p, input_.date, locale_);
    if (const QString past = pastEnergyTablesText(p, input_.date, locale_); !past.isEmpty())
        report.missing << text(QT_TRANSLATE_NOOP("PlanReport", "Il fabbisogno %1.")).arg(past);
    if (!requirement)
        return;  // the missing age or weight has been said
    const int age = ageInYears(p.birthDate, input_.date).value_or(0);
    QString how = text(QT_TRANSLATE_NOOP("PlanReport", "metabolismo basale %1 kcal"))
                      .arg(basalText(requirement->basalMetabolism, locale_));
    if (requirement->laf) {
        how += text(QT_TRANSLATE_NOOP("PlanReport", " × LAF %1")).arg(lafText(*requirement->laf, locale_));
        if (age >= 18)
            how += QStringLiteral("; ") + activityText(age >= 60 ? ActivityLevel::Light : p.activity)
                   + QStringLiteral(", ") + recommendedText(p.recommended);
        else
            how += text(QT_TRANSLATE_NOOP("PlanReport", "; LAF dell'età (da 10 a 17 anni)"));
    } else if (age < 10) {
        how += text(QT_TRANSLATE_NOOP("PlanReport", "; sotto i 10 anni solo il metabolismo basale"));
    }
    if (!requirement->energy) {
        report.missing << (age < 10 ? text(QT_TRANSLATE_NOOP("PlanReport", "Il fabbisogno non è calcolato: sotto i 10 "
                                                                           "anni si conosce solo il metabolismo "
                                                                           "basale."))
                                    : text(QT_TRANSLATE_NOOP("PlanReport", "Il fabbisogno non è calcolato: scegliere "
                                                                           "il livello di attività e le attività "
                                                                           "fisiche auspicabili della persona nella "
                                                                           "finestra Persone.")));
        report.requirement.push_back({text(QT_TRANSLATE_NOOP("PlanReport", "Calcolo")), how});
        return;
    }
    requirementKcal_ = *requirement->energy;
    report.requirement.push_back({label, energyText(*requirement->energy, locale_) + QStringLiteral(" kcal")});
    report.requirement.push_back({text(QT_TRANSLATE_NOOP("PlanReport", "Calcolo")), how});
    if (const QString note = requirementConditionNote(p); !note.isEmpty())
        report.missing << note;
    if (const auto &s = requirement->split)
        report.requirement.push_back(
            {text(QT_TRANSLATE_NOOP("PlanReport", "Ripartizione")),
             text(QT_TRANSLATE_NOOP("PlanReport", "proteine %1 % (%2 g), lipidi %3 % (%4 g), carboidrati %5 % (%6 g)"))
                 .arg(QString::number(s->proteinPercent), gramsText(s->proteinGrams, locale_),
                      QString::number(s->fatPercent), gramsText(s->fatGrams, locale_),
                      QString::number(s->carbohydratePercent), gramsText(s->carbohydrateGrams, locale_))});
}

// The days an average is taken over: a day stored with no food in it was not planned, as in the
// week window.
int Builder::daysWithFoods() const
{
    return static_cast<int>(std::count_if(input_.days.cbegin(), input_.days.cend(), [this](const auto &day) {
        return !allEntries(day.second).empty() && !uncomputable_.contains(day.first);
    }));
}

bool Builder::addDays(PlanReport &report, Meal &all, QString *error)
{
    std::vector<std::optional<PlannedDay>> plans;
    for (const auto &[date, day] : input_.days) {
        QString why;
        plans.push_back(plannedDay(day, store_, nutrients_, &why));
        if (plans.back())
            continue;
        // One meal or one day is the plan itself; a week goes on without the day.
        if (input_.scope != ReportScope::Week) {
            *error = why;
            return false;
        }
        uncomputable_.insert(date);
        report.missing << text(QT_TRANSLATE_NOOP("PlanReport", "Il giorno %1 non entra nella media: %2"))
                              .arg(longDayText(date, locale_), why);
    }
    const double dayCount = std::max(1, daysWithFoods());
    for (std::size_t d = 0; d < input_.days.size(); ++d) {
        const auto &[date, day] = input_.days[d];
        const std::optional<PlannedDay> &planned = plans[d];
        if (input_.scope == ReportScope::Week && allEntries(day).empty())
            continue;  // listed among the days without a plan
        ReportDay shown{date, {}, {}};
        if (!planned) {
            shown.summary = text(
                QT_TRANSLATE_NOOP("PlanReport", "non calcolabile, fuori dalla media: vedere «Da sapere»"));
            report.days.push_back(std::move(shown));
            continue;
        }
        const bool oneMeal = input_.scope == ReportScope::Meal && input_.meal >= 0;
        for (std::size_t m = 0; m < planned->meals.size(); ++m) {
            if (oneMeal && m != static_cast<std::size_t>(input_.meal))
                continue;
            const PlannedMeal &meal = planned->meals[m];
            ReportMeal row;
            row.name = day.meals[m].name.isEmpty() ? text(QT_TRANSLATE_NOOP("PlanReport", "Pasto")) : day.meals[m].name;
            row.energy = energyAmountText(meal.energy, locale_);
            row.share = QStringLiteral("%1 %").arg(meal.share);
            const std::vector<MealFileEntry> &entries = day.meals[m].entries;
            for (std::size_t k = 0; k < meal.meal.items.size(); ++k) {
                const MealItem &item = meal.meal.items[k];
                const NutrientAmount energy = energy_ ? nutrientProfile(nutrients_, Meal{{item}}).at(*energy_)
                                                      : NutrientAmount{};
                // Each entry is one item, in order: the portion the user chose for it, if any.
                const QString portion = k < entries.size() ? entries[k].portion : QString();
                report.hasPortions = report.hasPortions || !portion.isEmpty();
                row.foods.push_back({names_ ? names_->shown(item.food.category, item.food.name) : item.food.name,
                                     shownPortion(portion), grams(item.portion.netGrams()),
                                     grams(item.portion.grossGrams), energyAmountText(energy, locale_)});
                // A week's profile is that of its average day: every food at its share of the days.
                MealItem averaged = item;
                averaged.portion.grossGrams /= dayCount;
                all.items.push_back(averaged);
            }
            shown.meals.push_back(std::move(row));
        }
        const NutrientProfile whole = nutrientProfile(nutrients_, planned->whole);
        NutrientAmount energy = energy_ ? whole.at(*energy_) : NutrientAmount{};
        if (planned->whole.items.empty())
            energy.amount = 0;  // a day without food has none
        shown.summary = daySummaryText(energy, requirementKcal_, locale_);
        report.days.push_back(std::move(shown));
    }
    return true;
}

void Builder::addFigures(PlanReport &report, const Meal &all)
{
    const int days = daysWithFoods();
    const NutrientProfile profile = nutrientProfile(nutrients_, all, intake_.weightKg);
    const ReferenceIntakes *intakes = ReferenceIntakes::shipped();
    const ReferenceFor reference = intakes ? referenceLookup(*intakes, intake_, nutrients_) : ReferenceFor();
    DayFigures figures = dayFigures(nutrients_, profile, reference, locale_);
    report.totals = std::move(figures.totals);
    report.split = std::move(figures.split);
    report.summary = daySummaryText(energy_ ? profile.at(*energy_) : NutrientAmount{}, requirementKcal_, locale_,
                                    input_.scope == ReportScope::Meal   ? SummaryOf::Meal
                                    : input_.scope == ReportScope::Week ? SummaryOf::DailyAverage
                                                                        : SummaryOf::Day);
    const bool week = input_.scope == ReportScope::Week;
    report.figuresCaption = week ? text(QT_TRANSLATE_N_NOOP("PlanReport", "Media giornaliera di %n giorni"), days)
                            : input_.scope == ReportScope::Meal
                                ? text(QT_TRANSLATE_NOOP("PlanReport", "Totali del pasto"))
                                : text(QT_TRANSLATE_NOOP("PlanReport", "Totali del giorno"));
    report.nutrientsCaption = week ? text(
                                  QT_TRANSLATE_NOOP("PlanReport", "Nutrienti: media giornaliera della settimana"))
                                   : text(QT_TRANSLATE_NOOP("PlanReport", "Nutrienti"));
    std::optional<NutrientGroup> group;
    for (const NutrientRowText &r : nutrientRowTexts(nutrients_, profile, reference, locale_)) {
        if (r.nutrient->group != group) {
            group = r.nutrient->group;
            report.nutrients.push_back({true, nutrientGroupName(*group), {}, {}, {}, {}});
        }
        report.nutrients.push_back({false, r.nutrient->shownName(),
                                    r.amount->amount ? r.amountText() + u' ' + r.nutrient->unit : r.amountText(),
                                    r.referenceWithKind(), r.percentText(), r.note()});
        if (r.nutrient->key.startsWith(QStringLiteral("EN_")) && r.nutrient->unit == QStringLiteral("%En")
            && report.chart.size() < 3)
            report.chart.push_back({r.nutrient->shownName(), r.amount->amount,
                                    r.reference ? r.reference->minimum : std::nullopt,
                                    r.reference ? r.reference->maximum : std::nullopt});
    }
}

void Builder::addFooter(PlanReport &report) const
{
    report.printed = text(QT_TRANSLATE_NOOP("PlanReport", "Stampato il %1")).arg(dateText(input_.printed, locale_));
    report.sources = intake_.source == ReferenceSource::Efsa
                         ? text(QT_TRANSLATE_NOOP("PlanReport",
                                                  "Composizione degli alimenti: USDA SR28; riferimenti: EFSA"))
                         : text(QT_TRANSLATE_NOOP(
                             "PlanReport", "Composizione degli alimenti: USDA SR28; riferimenti: LARN 2014 (SINU)"));
    report.estimate = text(QT_TRANSLATE_NOOP("PlanReport",
                                             "I valori sono stime calcolate dai dati di composizione degli "
                                             "alimenti."));
}

bool Builder::build(PlanReport &report, QString *error)
{
    energy_ = nutrients_.indexOf(QStringLiteral("ENERC_KCAL"));
    report.scope = input_.scope;
    report.notes = input_.notes;
    report.practice = input_.practice;
    switch (input_.scope) {
    case ReportScope::Meal: report.title = text(QT_TRANSLATE_NOOP("PlanReport", "Piano del pasto")); break;
    case ReportScope::Day: report.title = text(QT_TRANSLATE_NOOP("PlanReport", "Piano alimentare del giorno")); break;
    case ReportScope::Week:
        report.title = text(QT_TRANSLATE_NOOP("PlanReport", "Piano alimentare della settimana"));
        break;
    }
    if (input_.date.isValid())
        report.period = input_.scope == ReportScope::Week
                            ? text(QT_TRANSLATE_NOOP("PlanReport", "da %1 a %2"))
                                  .arg(locale_.toString(input_.date, QLocale::LongFormat),
                                       locale_.toString(input_.date.addDays(6), QLocale::LongFormat))
                            : locale_.toString(input_.date, QLocale::LongFormat);
    describePerson(report);
    describeRequirement(report);
    Meal all;
    if (!addDays(report, all, error))
        return false;
    addFigures(report, all);
    addFooter(report);
    const bool noFood = std::none_of(report.days.cbegin(), report.days.cend(), [](const ReportDay &d) {
        return std::any_of(d.meals.cbegin(), d.meals.cend(), [](const ReportMeal &m) { return !m.foods.empty(); });
    });
    if (noFood)
        report.missing.prepend(
            text(QT_TRANSLATE_NOOP("PlanReport", "Il piano non ha alimenti: nessun pasto da mostrare. "
                                                 "Aggiungere alimenti ai pasti e stampare di nuovo.")));
    if (input_.scope == ReportScope::Week && input_.date.isValid()) {
        // A day kept with no food in it is no plan either, as the week window says.
        QStringList absent;
        for (int d = 0; d < 7; ++d) {
            const QDate date = input_.date.addDays(d);
            if (std::none_of(input_.days.cbegin(), input_.days.cend(),
                             [&](const auto &day) { return day.first == date && !allEntries(day.second).empty(); }))
                absent << dateText(date, locale_);
        }
        if (!absent.isEmpty())
            report.missing << text(QT_TRANSLATE_NOOP("PlanReport",
                                                     "Giorni senza piano conservato: %1; la media è dei giorni "
                                                     "con alimenti."))
                                  .arg(absent.join(QStringLiteral(", ")));
    }
    return true;
}

}  // namespace

std::optional<PlanReport> buildPlanReport(const PlanInput &input, NutrientStore &store, const FoodNames *names,
                                          const QLocale &locale, QString *error)
{
    const Nutrients *nutrients = store.nutrients(error);
    if (!nutrients)
        return std::nullopt;
    PlanReport report;
    if (!Builder(input, store, *nutrients, names, locale).build(report, error))
        return std::nullopt;
    return report;
}

QString velmoVersionText()
{
    return QStringLiteral("Velmo %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionPatch);
}

}  // namespace velmo
