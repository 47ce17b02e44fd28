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
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

namespace velmo {

namespace {

// One printed row: the numbers already written in the user's format.
struct ReportRow {
    const NutrientDefinition *nutrient;
    const NutrientAmount *amount;
    QString quantity;  // empty: no food has the value
    std::optional<ReferenceValue> reference;
    QString referenceText, referenceCsv, percent, upper;
};

// A reference as a person reads it ("45–60", "≥ 25", "< 10") and as a script does ("45-60",
// ">=25", "<10"); a single value alike in both.
std::pair<QString, QString> referenceTexts(const ReferenceValue &r, int decimals, const QLocale &locale)
{
    const auto number = [&](double v) { return formatDecimals(v, decimals, locale); };
    if (r.minimum && r.maximum)
        return *r.minimum == *r.maximum ? std::pair{number(*r.minimum), number(*r.minimum)}
                                        : std::pair{number(*r.minimum) + u'\u2013' + number(*r.maximum),
                                                    number(*r.minimum) + u'-' + number(*r.maximum)};
    if (r.minimum)
        return {QStringLiteral("\u2265 ") + number(*r.minimum), QStringLiteral(">=") + number(*r.minimum)};
    if (r.maximum)
        return {QStringLiteral("< ") + number(*r.maximum), QStringLiteral("<") + number(*r.maximum)};
    return {};
}

std::vector<ReportRow> reportRows(const Nutrients &nutrients, const NutrientProfile &profile,
                                  const ReferenceFor &reference, const QLocale &locale)
{
    std::vector<ReportRow> rows;
    for (int i = 0; i < nutrients.size(); ++i) {
        const NutrientDefinition &n = nutrients.at(i);
        const NutrientAmount &a = profile.at(i);
        if (!a.applies)
            continue;
        ReportRow row{&n, &a, a.amount ? formatDecimals(*a.amount, n.decimals, locale) : QString(), {}, {}, {}, {}, {}};
        if (reference)
            row.reference = reference(n.key);
        if (row.reference) {
            std::tie(row.referenceText, row.referenceCsv) = referenceTexts(*row.reference, n.decimals, locale);
            if (row.reference->upper)
                row.upper = formatDecimals(*row.reference->upper, n.decimals, locale);
            if (const auto percent = a.amount ? row.reference->percentOf(*a.amount) : std::nullopt)
                row.percent = formatDecimals(*percent, 0, locale);
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
        if (!r.referenceText.isEmpty())
            line[3] = QStringLiteral("%1 %2 %3").arg(r.reference->kind, r.referenceText, r.nutrient->unit).trimmed();
        if (!r.upper.isEmpty())
            line[3] += (line[3].isEmpty() ? QString() : QStringLiteral(", "))
                       + QCoreApplication::translate("NutrientReport", "UL %1 %2").arg(r.upper, r.nutrient->unit);
        if (!r.percent.isEmpty())
            line[4] = bound(*r.amount) + r.percent + QStringLiteral(" %");
        if (r.amount->lowerBound)
            line[5] = QCoreApplication::translate("NutrientReport", "(%n alimenti senza valore)", nullptr,
                                                  r.amount->foodsLacking);
        if (r.reference && !r.reference->unitNote.isEmpty())
            line[5] += (line[5].isEmpty() ? QString() : QStringLiteral(" ")) + u'[' + r.reference->unitNote + u']';
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
                           QString::number(r.amount->foodsLacking), r.referenceCsv,
                           r.reference ? r.reference->kind : QString(), r.percent, r.upper});
    return text;
}

QString missingNutrientsText(const ReferenceIntakes &intakes, const IntakePerson &person)
{
    static const std::array<std::pair<const char *, const char *>, 6> kNames{{
        {"ID", QT_TRANSLATE_NOOP("NutrientReport", "Iodio")},
        {"BIOT", QT_TRANSLATE_NOOP("NutrientReport", "Biotina")},
        {"CLD", QT_TRANSLATE_NOOP("NutrientReport", "Cloro")},
        {"FD", QT_TRANSLATE_NOOP("NutrientReport", "Fluoro")},
        {"MO", QT_TRANSLATE_NOOP("NutrientReport", "Molibdeno")},
        {"CR", QT_TRANSLATE_NOOP("NutrientReport", "Cromo")},
    }};
    const QLocale locale;
    QString text;
    for (const auto &[key, name] : kNames) {
        const auto found = intakes.find(person, QString::fromLatin1(key));
        if (!found || !found->reference)
            continue;
        ReferenceValue value{found->reference->value.minimum, found->reference->value.maximum,
                             intakeKindName(found->reference->kind), std::nullopt, QString()};
        // As many decimals as the table's value has, at most two.
        const double shown = value.minimum ? *value.minimum : value.maximum.value_or(0);
        const int decimals = shown == std::floor(shown) ? 0 : (shown * 10 == std::floor(shown * 10) ? 1 : 2);
        text += QStringLiteral("  %1  %2 %3 %4  %5\n")
                    .arg(QCoreApplication::translate("NutrientReport", name), value.kind,
                         referenceTexts(value, decimals, locale).first, found->unit(),
                         ReferenceIntakes::missingFromFoodsText());
    }
    return text.isEmpty() ? text
                          : QCoreApplication::translate("NutrientReport", "Non disponibili nei dati degli alimenti")
                                + u'\n' + text;
}

}  // namespace velmo
