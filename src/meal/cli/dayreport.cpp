// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/cli/dayreport.h"

#include "common/numbertext.h"
#include "meal/cli/mealreport.h"

#include <QCoreApplication>
#include <QLocale>

namespace velmo {

namespace {

QString shownName(const QString &name)
{
    return name.isEmpty() ? QCoreApplication::translate("DayReport", "(pasto senza nome)") : name;
}

std::optional<MealComparison> compared(const MealTotals &totals, std::optional<double> requirementKcal)
{
    return requirementKcal ? compareWithRequirement(totals, *requirementKcal, QLocale()) : std::nullopt;
}

}  // namespace

QString dayReportText(const std::vector<NamedMealGrid> &meals, std::optional<double> requirementKcal)
{
    const QLocale locale;
    QString text;
    for (const NamedMealGrid &meal : meals)
        text += shownName(meal.name) + u'\n'
                + mealReportText(*meal.grid, compared(meal.grid->totals(), requirementKcal)) + u'\n';

    // One line per meal, its totals and its share of the day's energy.
    std::vector<QStringList> lines{{QCoreApplication::translate("DayReport", "Pasto")}};
    for (const QString &h : valueColumnHeadings())
        lines.front().append(h);
    lines.front().append(QCoreApplication::translate("DayReport", "Quota: % energia del giorno"));
    const std::vector<qint64> shares = mealEnergyShares(meals);
    for (std::size_t m = 0; m < meals.size(); ++m) {
        QStringList line{shownName(meals[m].name)};
        for (const QString &t : meals[m].grid->totals().texts)
            line.append(t);
        line.append(shares.empty() ? QString() : formatUnits(shares[m], 0, locale));
        lines.push_back(line);
    }
    const MealTotals day = dayTotals(meals);
    QStringList totals{dayTotalsCaption()};
    for (const QString &t : day.texts)
        totals.append(t);
    lines.push_back(totals);
    text += QCoreApplication::translate("DayReport", "Totali del giorno") + u'\n' + alignedReportText(lines);
    if (const auto comparison = compared(day, requirementKcal))
        text += comparisonText(*comparison, QString(), locale, ComparedPart::Day) + u'\n';
    return text;
}

}  // namespace velmo
