// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/requirementcomparison.h"

#include "common/decimalround.h"
#include "common/numbertext.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace velmo {

namespace {

// Kilocalories per gram of protein, fat and carbohydrate.
constexpr std::array<double, 3> kKcalPerGram{4.0, 9.0, 4.0};
constexpr std::array<MealColumn, 3> kMacroColumns{MealColumn::Protein, MealColumn::Fat, MealColumn::Carbohydrate};
// A meal of several million grams is the most the table holds: far below where whole numbers
// stop fitting, so a failed rounding can only mean a value that is no number.
qint64 whole(double value)
{
    return roundHalfEvenToInteger(value).value_or(0);
}

}  // namespace

std::vector<qint64> wholePercentShares(const std::vector<double> &parts)
{
    double sum = 0.0;
    for (double part : parts)
        sum += part;
    if (!(sum > 0.0) || !std::isfinite(sum))
        return {};
    std::vector<qint64> shares(parts.size(), 0);
    std::vector<double> remainders(parts.size(), 0.0);
    qint64 given = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const double exact = parts[i] / sum * 100.0;
        shares[i] = static_cast<qint64>(std::floor(exact));
        remainders[i] = exact - static_cast<double>(shares[i]);
        given += shares[i];
    }
    // Ties go to the earlier part, so equal meals always read alike.
    for (; given < 100; ++given) {
        const auto largest = std::max_element(remainders.begin(), remainders.end());
        ++shares[static_cast<std::size_t>(largest - remainders.begin())];
        *largest = -1.0;
    }
    return shares;
}

std::optional<MealComparison> compareWithRequirement(const MealTotals &totals, double requirementKcal,
                                                     const QLocale &locale)
{
    if (!std::isfinite(requirementKcal) || requirementKcal <= 0.0)
        return std::nullopt;
    const auto total = [&](MealColumn column) {
        const auto at = std::find(kValueColumns.begin(), kValueColumns.end(), column) - kValueColumns.begin();
        return readLocaleNumberOrZero(totals.texts[static_cast<std::size_t>(at)], locale);
    };
    const double meal = total(MealColumn::Energy);
    MealComparison comparison;
    comparison.mealKcal = whole(meal);
    comparison.requirementKcal = whole(requirementKcal);
    comparison.percentOfRequirement = whole(meal / requirementKcal * 100.0);

    std::vector<double> energies(3);
    for (std::size_t i = 0; i < 3; ++i)
        energies[i] = std::max(0.0, total(kMacroColumns[i])) * kKcalPerGram[i];
    if (const std::vector<qint64> shares = wholePercentShares(energies); !shares.empty())
        comparison.shares = std::array<qint64, 3>{shares[0], shares[1], shares[2]};
    return comparison;
}

QString comparisonText(const MealComparison &comparison, const QString &whose, const QLocale &locale)
{
    return comparisonText(comparison, whose, locale, ComparedPart::Meal);
}

QString comparisonText(const MealComparison &comparison, const QString &whose, const QLocale &locale, ComparedPart part)
{
    const bool day = part == ComparedPart::Day;
    const auto number = [&](qint64 value) { return formatUnits(value, 0, locale); };
    const auto kcal = [&](qint64 value) {
        return formatAmount(static_cast<double>(value), Amount::Kilocalories, locale);
    };
    const QString meal = kcal(comparison.mealKcal);
    const QString percent = number(comparison.percentOfRequirement);
    const QString requirement = kcal(comparison.requirementKcal);
    if (!comparison.shares)
        return day || whose.isEmpty()
                   ? (day ? QCoreApplication::translate("RequirementComparison", "Giorno %1 kcal = %2 % di %3 kcal")
                          : QCoreApplication::translate("RequirementComparison", "Pasto %1 kcal = %2 % di %3 kcal"))
                         .arg(meal, percent, requirement)
                   : QCoreApplication::translate("RequirementComparison", "Pasto %1 kcal = %2 % di %3 kcal (%4)")
                         .arg(meal, percent, requirement, whose);
    const auto &s = *comparison.shares;
    if (day || whose.isEmpty())
        return (day ? QCoreApplication::translate("RequirementComparison",
                                                  "Giorno %1 kcal = %2 % di %3 kcal · Protidi %4 % Lipidi %5 % Glucidi "
                                                  "%6 % dell'energia")
                    : QCoreApplication::translate("RequirementComparison",
                                                  "Pasto %1 kcal = %2 % di %3 kcal · Protidi %4 % Lipidi %5 % Glucidi "
                                                  "%6 % dell'energia"))
            .arg(meal, percent, requirement, number(s[0]), number(s[1]), number(s[2]));
    return QCoreApplication::translate("RequirementComparison",
                                       "Pasto %1 kcal = %2 % di %3 kcal (%4) · Protidi %5 % Lipidi %6 % Glucidi %7 % "
                                       "dell'energia")
        .arg(meal, percent, requirement, whose, number(s[0]), number(s[1]), number(s[2]));
}

QStringList comparisonCsvHeadings()
{
    return {QCoreApplication::translate("RequirementComparison", "Fabbisogno: kcal"),
            QCoreApplication::translate("RequirementComparison", "Pasto: % del fabbisogno"),
            QCoreApplication::translate("RequirementComparison", "Protidi: % energia"),
            QCoreApplication::translate("RequirementComparison", "Lipidi: % energia"),
            QCoreApplication::translate("RequirementComparison", "Glucidi: % energia")};
}

QStringList comparisonCsvCells(const MealComparison &comparison, const QLocale &locale)
{
    QStringList cells{formatUnits(comparison.requirementKcal, 0, locale),
                      formatUnits(comparison.percentOfRequirement, 0, locale)};
    for (std::size_t i = 0; i < 3; ++i)
        cells.append(comparison.shares ? formatUnits((*comparison.shares)[i], 0, locale) : QString());
    return cells;
}

}  // namespace velmo
