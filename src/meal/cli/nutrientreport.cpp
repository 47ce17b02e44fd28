// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/cli/nutrientreport.h"

#include "common/csv.h"
#include "common/numbertext.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

namespace velmo {

namespace {

// One printed row: the numbers already written in the user's format.
struct ReportRow {
    const NutrientDefinition *nutrient;
    const NutrientAmount *amount;
    QString quantity;  // empty: no food has the value
    std::optional<ReferenceValue> reference;
    QString referenceText, percent, upper;
};

std::vector<ReportRow> reportRows(const Nutrients &nutrients, const NutrientProfile &profile,
                                  const ReferenceFor &reference, const QLocale &locale)
{
    std::vector<ReportRow> rows;
    for (int i = 0; i < nutrients.size(); ++i) {
        const NutrientDefinition &n = nutrients.at(i);
        const NutrientAmount &a = profile.at(i);
        if (!a.applies)
            continue;
        ReportRow row{&n, &a, a.amount ? formatDecimals(*a.amount, n.decimals, locale) : QString(), {}, {}, {}, {}};
        if (reference)
            row.reference = reference(n.key);
        if (row.reference) {
            row.referenceText = formatDecimals(row.reference->value, n.decimals, locale);
            if (row.reference->upper)
                row.upper = formatDecimals(*row.reference->upper, n.decimals, locale);
            if (a.amount && row.reference->value > 0)
                row.percent = formatDecimals(*a.amount * 100.0 / row.reference->value, 0, locale);
        }
        rows.push_back(row);
    }
    return rows;
}

QString bound(const NutrientAmount &a)
{
    return a.lowerBound ? QStringLiteral("\u2265 ") : QString();
}

}  // namespace

QString nutrientProfileText(const Nutrients &nutrients, const NutrientProfile &profile, const ReferenceFor &reference)
{
    const std::vector<ReportRow> rows = reportRows(nutrients, profile, reference, QLocale());
    // Name, amount, unit, reference, share, note: the first left-aligned, the numbers right.
    std::vector<std::array<QString, 6>> cells;
    for (const ReportRow &r : rows) {
        std::array<QString, 6> line{QStringLiteral("  ") + r.nutrient->shownName(),
                                    r.amount->amount ? bound(*r.amount) + r.quantity
                                                     : QCoreApplication::translate("NutrientReport", "n.d."),
                                    r.nutrient->unit};
        if (r.reference)
            line[3] = QStringLiteral("%1 %2 %3").arg(r.reference->kind, r.referenceText, r.nutrient->unit);
        if (!r.percent.isEmpty())
            line[4] = bound(*r.amount) + r.percent + QStringLiteral(" %");
        if (r.amount->lowerBound)
            line[5] = QCoreApplication::translate("NutrientReport", "(%n alimenti senza valore)", nullptr,
                                                  r.amount->foodsLacking);
        cells.push_back(line);
    }
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

QString nutrientProfileCsv(const Nutrients &nutrients, const NutrientProfile &profile, const ReferenceFor &reference)
{
    QString text = csvRecord({QStringLiteral("chiave"), QStringLiteral("nutriente"), QStringLiteral("unita"),
                              QStringLiteral("quantita"), QStringLiteral("limite_inferiore"),
                              QStringLiteral("alimenti_senza_valore"), QStringLiteral("riferimento"),
                              QStringLiteral("tipo"), QStringLiteral("percentuale"), QStringLiteral("limite_massimo")});
    for (const ReportRow &r : reportRows(nutrients, profile, reference, QLocale()))
        text += csvRecord({r.nutrient->key, r.nutrient->shownName(), r.nutrient->unit, r.quantity,
                           r.amount->lowerBound ? QStringLiteral("1") : QStringLiteral("0"),
                           QString::number(r.amount->foodsLacking), r.referenceText,
                           r.reference ? r.reference->kind : QString(), r.percent, r.upper});
    return text;
}

}  // namespace velmo
