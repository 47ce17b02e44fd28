// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/mealcsv.h"

#include "meal/portiontext.h"

#include "common/csv.h"
#include "common/numbertext.h"

#include <QCoreApplication>

#include <algorithm>

namespace velmo {

namespace {

QStringList reportHeading()
{
    QStringList heading{QCoreApplication::translate("MealCsv", "Alimento")};
    for (const QString &h : valueColumnHeadings())
        heading.append(h);
    return heading;
}

}  // namespace

std::vector<QStringList> mealReportLines(const MealGrid &grid)
{
    std::vector<QStringList> lines{reportHeading()};
    for (int r = 0; r < kMealRows; ++r) {
        if (grid.row(r).lock != 1)
            continue;
        // The portion the weight stands for beside the name: rows without one read as they always did.
        const QString &portion = grid.row(r).portion;
        QStringList line{portion.isEmpty() ? grid.row(r).name()
                                           : grid.row(r).name() + QStringLiteral(" (") + shownPortion(portion) + u')'};
        for (MealColumn c : kValueColumns)
            line.append(grid.row(r).cell(c).text);
        lines.push_back(line);
    }
    QStringList totals{totalsCaption()};
    for (const QString &t : grid.totals().texts)
        totals.append(t);
    lines.push_back(totals);
    return lines;
}

namespace {

// Numbers of a value line without groups, as a spreadsheet reads them.
QStringList ungrouped(const QStringList &cells, const QLocale &locale)
{
    QStringList numbers;
    for (const QString &cell : cells)
        numbers.append(ungroupedNumberText(cell, locale));
    return numbers;
}

QStringList totalsCells(const MealTotals &totals)
{
    return QStringList(totals.texts.cbegin(), totals.texts.cend());
}

QStringList comparisonCells(const MealTotals &totals, std::optional<double> requirementKcal, const QLocale &locale)
{
    const auto comparison = requirementKcal ? compareWithRequirement(totals, *requirementKcal, locale) : std::nullopt;
    return comparison ? comparisonCsvCells(*comparison, locale) : QStringList();
}

// The lines of one day, each headed by `front` (the date, or nothing).
void appendDay(QStringList &records, const QStringList &front, const std::vector<NamedMealGrid> &meals,
               std::optional<double> requirementKcal, const QLocale &locale)
{
    const QStringList none(requirementKcal ? comparisonCsvHeadings().size() : 0, QString());
    for (const NamedMealGrid &meal : meals) {
        const QStringList head = front + QStringList{spreadsheetSafeText(meal.name)};
        const std::vector<QStringList> lines = mealReportLines(*meal.grid);
        for (std::size_t i = 1; i + 1 < lines.size(); ++i)
            records.append(csvRecord(head + QStringList{spreadsheetSafeText(lines[i][0])}
                                     + ungrouped(lines[i].mid(1), locale) + none));
        records.append(csvRecord(head + QStringList{totalsCaption()}
                                 + ungrouped(totalsCells(meal.grid->totals()), locale)
                                 + comparisonCells(meal.grid->totals(), requirementKcal, locale)));
    }
    const MealTotals day = dayTotals(meals);
    records.append(csvRecord(front + QStringList{QString(), dayTotalsCaption()} + ungrouped(totalsCells(day), locale)
                             + comparisonCells(day, requirementKcal, locale)));
}

QString headingRecord(const QStringList &front, std::optional<double> requirementKcal)
{
    QStringList heading = front;
    for (const QString &h : reportHeading())
        heading.append(h.trimmed());
    if (requirementKcal)
        heading.append(comparisonCsvHeadings());
    return csvRecord(heading);
}

}  // namespace

QString mealReportCsv(const MealGrid &grid, const std::optional<MealComparison> &comparison)
{
    // A spreadsheet reads "1.234,56" as text but "1234,56" as a number: every value cell is
    // written without groups, and no heading carries the blanks the window pads it with.
    const QLocale locale;
    std::vector<QStringList> lines = mealReportLines(grid);
    for (QString &heading : lines.front())
        heading = heading.trimmed();
    // A personal food may be named "=1+1": the spreadsheet must show it, not compute it.
    for (std::size_t i = 1; i < lines.size(); ++i) {
        lines[i][0] = spreadsheetSafeText(lines[i][0]);
        lines[i] = QStringList{lines[i][0]} + ungrouped(lines[i].mid(1), locale);
    }
    if (comparison) {
        lines.front().append(comparisonCsvHeadings());
        const QStringList none(comparisonCsvHeadings().size(), QString());
        for (std::size_t i = 1; i + 1 < lines.size(); ++i)
            lines[i].append(none);
        lines.back().append(comparisonCsvCells(*comparison, locale));
    }
    QString text;
    for (const QStringList &line : lines)
        text += csvRecord(line);
    return text;
}

MealTotals dayTotals(const std::vector<NamedMealGrid> &meals)
{
    const QLocale locale;
    MealTotals totals;
    for (std::size_t c = 0; c < totals.texts.size(); ++c) {
        double sum = 0.0;
        for (const NamedMealGrid &meal : meals)
            sum += readLocaleNumberOrZero(meal.grid->totals().texts[c], locale);
        totals.texts[c] = formatPlain(sum, locale);
    }
    return totals;
}

std::vector<qint64> mealEnergyShares(const std::vector<NamedMealGrid> &meals)
{
    const QLocale locale;
    std::vector<double> energies;
    for (const NamedMealGrid &meal : meals)
        energies.push_back(std::max(0.0, readLocaleNumberOrZero(meal.grid->totalText(MealColumn::Energy), locale)));
    return wholePercentShares(energies);
}

QString dayTotalsCaption()
{
    return QCoreApplication::translate("MealCsv", "Totale del giorno");
}

QString dayReportCsv(const std::vector<NamedMealGrid> &meals, std::optional<double> requirementKcal)
{
    const QStringList front{QCoreApplication::translate("MealCsv", "Pasto")};
    QStringList records{headingRecord(front, requirementKcal)};
    appendDay(records, {}, meals, requirementKcal, QLocale());
    return records.join(QString());
}

QString daysReportCsv(const std::vector<DatedMealGrids> &days, std::optional<double> requirementKcal)
{
    const QStringList front{QCoreApplication::translate("MealCsv", "Data"),
                            QCoreApplication::translate("MealCsv", "Pasto")};
    QStringList records{headingRecord(front, requirementKcal)};
    for (const DatedMealGrids &day : days)
        appendDay(records, {day.date.toString(Qt::ISODate)}, day.meals, requirementKcal, QLocale());
    return records.join(QString());
}

}  // namespace velmo
