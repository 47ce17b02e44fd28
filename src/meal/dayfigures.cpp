// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/dayfigures.h"

#include "common/numbertext.h"
#include "meal/nutrientrows.h"
#include "meal/nutrientstore.h"
#include "meal/requirementcomparison.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace velmo {

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("DayFigures", source);
}

QString boundText(const NutrientAmount &amount)
{
    return amount.lowerBound ? QStringLiteral("\u2265 ") : QString();
}

}  // namespace

std::optional<PlannedDay> plannedDay(const MealDay &day, NutrientStore &store, const Nutrients &nutrients, QString *why)
{
    const auto energy = nutrients.indexOf(QStringLiteral("ENERC_KCAL"));
    PlannedDay planned;
    std::vector<double> energies;
    for (const DayMeal &dayMeal : day.meals) {
        auto meal = nutritionMeal(dayMeal.entries, store, why);
        if (!meal)
            return std::nullopt;
        NutrientAmount mealEnergy = energy ? nutrientProfile(nutrients, *meal).at(*energy) : NutrientAmount{};
        if (meal->items.empty())
            mealEnergy.amount = 0.0;  // a meal not yet planned brings nothing, which is known
        energies.push_back(std::max(0.0, mealEnergy.amount.value_or(0)));
        planned.whole.items.insert(planned.whole.items.end(), meal->items.cbegin(), meal->items.cend());
        planned.meals.push_back({std::move(*meal), mealEnergy, 0});
    }
    const std::vector<qint64> shares = wholePercentShares(energies);
    for (std::size_t m = 0; m < shares.size(); ++m)
        planned.meals[m].share = shares[m];
    return planned;
}

std::optional<int> usualMealIndex(const QString &mealName)
{
    // A meal keeps the name it was given, so a day made under one language is read under the
    // other: each usual meal is known by its Italian name, its English one and the one the
    // interface gives it now.
    static constexpr const char *kItalian[] = {"Colazione", "Spuntino", "Pranzo", "Merenda", "Cena"};
    static constexpr const char *kEnglish[] = {"Breakfast", "Morning snack", "Lunch", "Afternoon snack", "Dinner"};
    const QStringList usual = defaultMealNames();
    const QString name = mealName.simplified();
    for (int i = 0; i < usual.size(); ++i)
        for (const QString &known : {usual[i], QString::fromLatin1(kItalian[i]), QString::fromLatin1(kEnglish[i])})
            if (known.compare(name, Qt::CaseInsensitive) == 0)
                return i;
    return std::nullopt;
}

std::optional<int> mealGuideShare(const QString &mealName)
{
    static constexpr int kShares[] = {20, 5, 40, 5, 30};
    const std::optional<int> usual = usualMealIndex(mealName);
    return usual ? std::optional(kShares[*usual]) : std::nullopt;
}

QString energyAmountText(const NutrientAmount &energy, const QLocale &locale)
{
    return energy.amount ? boundText(energy) + formatAmount(*energy.amount, Amount::Kilocalories, locale)
                               + QStringLiteral(" kcal")
                         : text(QT_TRANSLATE_NOOP("DayFigures", "n.d."));
}

DayFigures dayFigures(const Nutrients &nutrients, const NutrientProfile &profile, const ReferenceFor &reference,
                      const QLocale &locale)
{
    const std::vector<NutrientRowText> rows = nutrientRowTexts(nutrients, profile, reference, locale);
    const auto lineOf = [&](const char *key, bool withRange) -> std::optional<FigureLine> {
        const auto row = std::find_if(rows.cbegin(), rows.cend(),
                                      [&](const NutrientRowText &r) { return r.nutrient->key == QLatin1String(key); });
        if (row == rows.cend())
            return std::nullopt;
        FigureLine line{row->nutrient->shownName(), row->amountText() + u' ' + row->nutrient->unit, {}, {}};
        if (!row->amount->amount)
            line.amount = row->amountText();
        if (withRange && row->reference) {
            line.reference = row->referenceWithKind();
            switch (
                intakeStatus(row->reference, row->amount->amount, row->nutrient->decimals, row->amount->lowerBound)) {
            case IntakeStatus::BelowAverage:
            case IntakeStatus::BelowReference:
                line.status = text(QT_TRANSLATE_NOOP("DayFigures", "sotto l'intervallo"));
                break;
            case IntakeStatus::Reached: line.status = text(QT_TRANSLATE_NOOP("DayFigures", "nell'intervallo")); break;
            case IntakeStatus::AboveMaximum:
                line.status = text(QT_TRANSLATE_NOOP("DayFigures", "sopra l'intervallo"));
                break;
            case IntakeStatus::None: break;
            }
        }
        return line;
    };
    DayFigures figures;
    for (const char *key : {"ENERC_KCAL", "PROCNT", "FAT", "CHOCDF", "FIBTG"})
        if (auto line = lineOf(key, false))
            figures.totals.push_back(*line);
    for (const char *key : {"EN_PROT", "EN_FAT", "EN_CHO"})
        if (auto line = lineOf(key, true))
            figures.split.push_back(*line);
    return figures;
}

QString daySummaryText(const NutrientAmount &dayEnergy, std::optional<double> requirementKcal, const QLocale &locale,
                       SummaryOf of)
{
    // The three sentences of each kind of summary: compared, beside the requirement, alone.
    static const std::array<std::array<const char *, 3>, 3> kTexts{{
        {QT_TRANSLATE_NOOP("DayFigures", "Giorno %1 kcal = %2 % di %3 kcal"),
         QT_TRANSLATE_NOOP("DayFigures", "Giorno %1 kcal; fabbisogno %2 kcal"),
         QT_TRANSLATE_NOOP("DayFigures", "Giorno %1 kcal; nessun fabbisogno calcolato con cui confrontarlo")},
        {QT_TRANSLATE_NOOP("DayFigures", "Pasto %1 kcal = %2 % di %3 kcal"),
         QT_TRANSLATE_NOOP("DayFigures", "Pasto %1 kcal; fabbisogno %2 kcal"),
         QT_TRANSLATE_NOOP("DayFigures", "Pasto %1 kcal; nessun fabbisogno calcolato con cui confrontarlo")},
        {QT_TRANSLATE_NOOP("DayFigures", "Media giornaliera %1 kcal = %2 % di %3 kcal"),
         QT_TRANSLATE_NOOP("DayFigures", "Media giornaliera %1 kcal; fabbisogno %2 kcal"),
         QT_TRANSLATE_NOOP("DayFigures", "Media giornaliera %1 kcal; nessun fabbisogno calcolato con cui "
                                         "confrontarlo")},
    }};
    const auto &texts = kTexts.at(static_cast<std::size_t>(of));
    const QString kcal = dayEnergy.amount
                             ? boundText(dayEnergy) + formatAmount(*dayEnergy.amount, Amount::Kilocalories, locale)
                             : text(QT_TRANSLATE_NOOP("DayFigures", "n.d."));
    if (requirementKcal && *requirementKcal > 0 && dayEnergy.amount)
        return text(texts[0]).arg(
            kcal, boundText(dayEnergy) + formatDecimals(*dayEnergy.amount * 100 / *requirementKcal, 0, locale),
            formatAmount(*requirementKcal, Amount::Kilocalories, locale));
    if (requirementKcal && *requirementKcal > 0)
        return text(texts[1]).arg(kcal, formatAmount(*requirementKcal, Amount::Kilocalories, locale));
    return text(texts[2]).arg(kcal);
}

}  // namespace velmo
