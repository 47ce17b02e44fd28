// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/nutrientrows.h"

#include "common/csv.h"
#include "common/decimalround.h"
#include "common/numbertext.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace velmo {

namespace {

QString bound(const NutrientAmount &a)
{
    return a.lowerBound ? QStringLiteral("\u2265 ") : QString();
}

}  // namespace

QString NutrientRowText::amountText() const
{
    return amount->amount ? bound(*amount) + quantity : QCoreApplication::translate("NutrientReport", "n.d.");
}

QString NutrientRowText::referenceWithKind() const
{
    QString text;
    if (!referenceText.isEmpty())
        text = QStringLiteral("%1 %2 %3").arg(reference->kind, referenceText, nutrient->unit).trimmed();
    if (!goal.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral(", "))
                + QStringLiteral("%1 \u2264 %2 %3").arg(reference->goalKind, goal, nutrient->unit);
    if (!upper.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral(", "))
                + QCoreApplication::translate("NutrientReport", "UL %1 %2").arg(upper, nutrient->unit);
    return text;
}

QString NutrientRowText::percentText() const
{
    return percent.isEmpty() ? QString() : bound(*amount) + percent + QStringLiteral(" %");
}

QString NutrientRowText::note() const
{
    QString text;
    if (amount->lowerBound)
        text = QCoreApplication::translate("NutrientReport", "(%n alimenti senza valore)", nullptr,
                                           amount->foodsLacking);
    if (reference && !reference->unitNote.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + u'[' + reference->unitNote + u']';
    if (reference && !reference->conditionNote.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + reference->conditionNote;
    return text;
}

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

std::vector<NutrientRowText> nutrientRowTexts(const Nutrients &nutrients, const NutrientProfile &profile,
                                              const ReferenceFor &reference, const QLocale &locale)
{
    std::vector<NutrientRowText> rows;
    for (int i = 0; i < nutrients.size(); ++i) {
        const NutrientDefinition &n = nutrients.at(i);
        const NutrientAmount &a = profile.at(i);
        if (!a.applies)
            continue;
        NutrientRowText row{
            i, &n, &a, a.amount ? formatDecimals(*a.amount, n.decimals, locale) : QString(), {}, {}, {}, {}, {}, {}};
        if (reference)
            row.reference = reference(n.key);
        if (row.reference) {
            std::tie(row.referenceText, row.referenceCsv) = referenceTexts(*row.reference, n.decimals, locale);
            if (row.reference->upper)
                row.upper = formatDecimals(*row.reference->upper, n.decimals, locale);
            if (row.reference->goalMaximum)
                row.goal = formatDecimals(*row.reference->goalMaximum, n.decimals, locale);
            if (a.amount)
                row.percent = intakePercent(*row.reference, *a.amount, n.decimals, locale);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

namespace {

// The amount as it is shown with `decimals`.
double shownAmount(double amount, int decimals)
{
    decimals = std::clamp(decimals, 0, 6);
    const auto scaled = roundHalfEvenScaled(amount, decimals);
    return scaled ? static_cast<double>(*scaled) / std::pow(10.0, decimals) : amount;
}

}  // namespace

QString intakePercent(const ReferenceValue &reference, double amount, int decimals, const QLocale &locale)
{
    std::optional<double> percent = reference.percentOf(amount);
    if (!percent)
        return {};
    // percentOf gives a share only where there is a minimum.
    *percent = shownAmount(amount, decimals) < *reference.minimum ? std::min(*percent, 99.0)
                                                                  : std::max(*percent, 100.0);
    return formatDecimals(*percent, 0, locale);
}

IntakeStatus intakeStatus(const std::optional<ReferenceValue> &reference, std::optional<double> amount, int decimals,
                          bool lowerBound)
{
    if (!reference || !amount)
        return IntakeStatus::None;
    amount = shownAmount(*amount, decimals);
    const ReferenceValue &r = *reference;
    const bool range = r.minimum && r.maximum && *r.maximum != *r.minimum;
    std::optional<double> top = r.upper ? r.upper : (range || !r.minimum ? r.maximum : std::nullopt);
    if (r.goalMaximum && (!top || *r.goalMaximum < *top))
        top = r.goalMaximum;
    if (top && *amount > *top)
        return IntakeStatus::AboveMaximum;
    // A lower bound past its minimum has reached it; under a range's top or a goal's maximum it may
    // not stay (an upper level is a limit of safety, not the goal: the amount above it is told).
    if (lowerBound)
        return r.minimum && !range && !r.goalMaximum && *amount >= *r.minimum ? IntakeStatus::Reached
                                                                              : IntakeStatus::None;
    if (!r.minimum)
        return r.maximum ? IntakeStatus::Reached : IntakeStatus::None;
    if (r.average && *amount < *r.average)
        return IntakeStatus::BelowAverage;
    return *amount < *r.minimum ? IntakeStatus::BelowReference : IntakeStatus::Reached;
}

QString nutrientProfileCsv(const Nutrients &nutrients, const NutrientProfile &profile, const ReferenceFor &reference,
                           const std::vector<MissingNutrient> &missing)
{
    QString text = csvRecord({QStringLiteral("chiave"), QStringLiteral("nutriente"), QStringLiteral("unita"),
                              QStringLiteral("quantita"), QStringLiteral("limite_inferiore"),
                              QStringLiteral("alimenti_senza_valore"), QStringLiteral("riferimento"),
                              QStringLiteral("tipo"), QStringLiteral("percentuale"), QStringLiteral("limite_massimo")});
    for (const NutrientRowText &r : nutrientRowTexts(nutrients, profile, reference, QLocale()))
        text += csvRecord({r.nutrient->key, r.nutrient->shownName(), r.nutrient->unit, r.quantity,
                           r.amount->lowerBound ? QStringLiteral("1") : QStringLiteral("0"),
                           QString::number(r.amount->foodsLacking), r.referenceCsv,
                           r.reference ? r.reference->kind : QString(), r.percent, r.upper});
    for (const MissingNutrient &m : missing)
        text += csvRecord({m.key, m.name, m.unit, QString(), QStringLiteral("0"), QString(), m.referenceCsv, m.kind,
                           QString(), m.upperCsv});
    return text;
}

std::vector<MissingNutrient> missingNutrients(const ReferenceIntakes &intakes, const IntakePerson &person,
                                              const QLocale &locale)
{
    static const std::array<std::pair<const char *, const char *>, 6> kNames{{
        {"ID", QT_TRANSLATE_NOOP("NutrientReport", "Iodio")},
        {"BIOT", QT_TRANSLATE_NOOP("NutrientReport", "Biotina")},
        {"CLD", QT_TRANSLATE_NOOP("NutrientReport", "Cloro")},
        {"FD", QT_TRANSLATE_NOOP("NutrientReport", "Fluoro")},
        {"MO", QT_TRANSLATE_NOOP("NutrientReport", "Molibdeno")},
        {"CR", QT_TRANSLATE_NOOP("NutrientReport", "Cromo")},
    }};
    // As many decimals as the table's value has, at most two.
    const auto decimalsOf = [](double shown) {
        return shown == std::floor(shown) ? 0 : (shown * 10 == std::floor(shown * 10) ? 1 : 2);
    };
    std::vector<MissingNutrient> missing;
    for (const auto &[key, name] : kNames) {
        const auto found = intakes.find(person, QString::fromLatin1(key));
        if (!found || !found->reference)
            continue;
        const ReferenceValue value{found->reference->value.minimum,
                                   found->reference->value.maximum,
                                   intakeKindName(found->reference->kind),
                                   std::nullopt,
                                   QString(),
                                   std::nullopt,
                                   std::nullopt,
                                   QString(),
                                   QString()};
        const auto [text, csv] = referenceTexts(
            value, decimalsOf(value.minimum ? *value.minimum : value.maximum.value_or(0)), locale);
        QString upper;
        if (found->upperLevel && found->upperLevel->value.maximum)
            upper = formatDecimals(*found->upperLevel->value.maximum, decimalsOf(*found->upperLevel->value.maximum),
                                   locale);
        missing.push_back({QString::fromLatin1(key), QCoreApplication::translate("NutrientReport", name), value.kind,
                           text, csv, found->unit(), upper});
    }
    return missing;
}

QString missingNutrientsText(const std::vector<MissingNutrient> &missing)
{
    QString text;
    for (const MissingNutrient &m : missing)
        text += QStringLiteral("  %1  %2 %3 %4  %5\n")
                    .arg(m.name, m.kind, m.referenceText, m.unit, ReferenceIntakes::missingFromFoodsText());
    return text.isEmpty() ? text
                          : QCoreApplication::translate("NutrientReport", "Non disponibili nei dati degli alimenti")
                                + u'\n' + text;
}

}  // namespace velmo
