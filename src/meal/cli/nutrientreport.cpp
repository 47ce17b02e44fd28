// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/cli/nutrientreport.h"

#include "meal/nutrientrows.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

namespace velmo {

QString nutrientProfileText(const Nutrients &nutrients, const NutrientProfile &profile, const ReferenceFor &reference)
{
    const std::vector<NutrientRowText> rows = nutrientRowTexts(nutrients, profile, reference, QLocale());
    // Name, amount, unit, reference, share, note: the first left-aligned, the numbers right.
    std::vector<std::array<QString, 6>> cells;
    cells.reserve(rows.size());
    for (const NutrientRowText &r : rows)
        // "n.d." stands alone: a unit after it would read as a quantity.
        cells.push_back({QStringLiteral("  ") + r.nutrient->shownName(), r.amountText(),
                         r.amount->amount ? r.nutrient->unit : QString(), r.referenceWithKind(), r.percentText(),
                         r.note()});
    std::array<qsizetype, 6> widths{};
    for (const auto &line : cells)
        for (std::size_t c = 0; c < line.size(); ++c)
            widths[c] = std::max(widths[c], line[c].size());
    QString text = QCoreApplication::translate("NutrientReport", "Profilo nutrizionale") + u'\n';
    std::optional<NutrientGroup> group;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].nutrient->group != group) {
            group = rows[i].nutrient->group;
            text += nutrientGroupName(*group) + u'\n';
        }
        const auto &line = cells[i];
        QString out = line[0].leftJustified(widths[0]) + QStringLiteral("  ") + line[1].rightJustified(widths[1]) + u' '
                      + line[2].leftJustified(widths[2]);
        for (std::size_t c = 3; c < line.size(); ++c)
            if (widths[c] > 0)
                out += QStringLiteral("  ") + (c == 5 ? line[c] : line[c].rightJustified(widths[c]));
        while (out.endsWith(u' '))
            out.chop(1);
        text += out + u'\n';
    }
    return text;
}

}  // namespace velmo
