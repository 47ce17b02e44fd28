// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/mealcsv.h"

#include "common/csv.h"
#include "common/numbertext.h"

#include <QCoreApplication>

namespace velmo {

std::vector<QStringList> mealReportLines(const MealGrid &grid)
{
    std::vector<QStringList> lines;
    QStringList heading{QCoreApplication::translate("MealCsv", "Alimento")};
    for (const QString &h : valueColumnHeadings())
        heading.append(h);
    lines.push_back(heading);
    for (int r = 0; r < kMealRows; ++r) {
        if (grid.row(r).lock != 1)
            continue;
        QStringList line{grid.row(r).name()};
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
        for (qsizetype c = 1; c < lines[i].size(); ++c)
            lines[i][c] = ungroupedNumberText(lines[i][c], locale);
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

}  // namespace velmo
