// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/cli/mealreport.h"

#include "meal/mealcsv.h"

#include <algorithm>

namespace velmo {

QString alignedReportText(const std::vector<QStringList> &lines)
{
    std::vector<qsizetype> widths(static_cast<std::size_t>(lines.front().size()), 0);
    for (const QStringList &line : lines)
        for (qsizetype i = 0; i < line.size(); ++i)
            widths[static_cast<std::size_t>(i)] = std::max(widths[static_cast<std::size_t>(i)], line[i].size());

    auto render = [&](const QStringList &line) {
        QString text = line[0].leftJustified(widths[0]);
        for (qsizetype i = 1; i < line.size(); ++i)
            text += QStringLiteral("  ") + line[i].rightJustified(widths[static_cast<std::size_t>(i)]);
        // An empty last cell leaves only padding.
        while (text.endsWith(u' '))
            text.chop(1);
        return text + u'\n';
    };
    qsizetype total = 0;
    for (qsizetype w : widths)
        total += w;
    const QString rule = QString(total + 2 * (static_cast<qsizetype>(widths.size()) - 1), u'-') + u'\n';

    QString text = render(lines.front()) + rule;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i)
        text += render(lines[i]);
    text += rule + render(lines.back());
    return text;
}

QString mealReportText(const MealGrid &grid, const std::optional<MealComparison> &comparison)
{
    QString text = alignedReportText(mealReportLines(grid));
    if (comparison)
        text += comparisonText(*comparison, QString(), QLocale()) + u'\n';
    return text;
}

}  // namespace velmo
