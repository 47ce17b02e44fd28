// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "nutrition/householdmeasure.h"

#include "common/numbertext.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace velmo {

namespace {

QString message(const char *source)
{
    return QCoreApplication::translate("HouseholdMeasure", source);
}

// The vulgar fractions people write for a part of a portion.
constexpr std::array<std::pair<char16_t, double>, 3> kFractions{{{u'½', 0.5}, {u'¼', 0.25}, {u'¾', 0.75}}};

}  // namespace

PortionValue readPortionCount(QStringView text, const QLocale &locale)
{
    const QStringView typed = text.trimmed();
    std::optional<double> count;
    for (const auto &[sign, part] : kFractions) {
        if (!typed.endsWith(sign))
            continue;
        const QStringView whole = typed.chopped(1).trimmed();
        const bool digits = std::all_of(whole.begin(), whole.end(), [](QChar c) { return c.isDigit(); });
        if (whole.isEmpty())
            count = part;
        else if (const auto units = readLocaleNumber(whole, locale); units && digits)
            count = *units + part;
    }
    if (!count)
        count = readLocaleNumber(typed, locale);
    if (!count || !std::isfinite(*count))
        return {std::nullopt,
                message(QT_TRANSLATE_NOOP("HouseholdMeasure",
                                          "\"%1\" non è un numero di porzioni: scrivere per esempio 2, %2 o ½."))
                    .arg(text.toString(), locale.toString(1.5))};
    if (*count <= 0)
        return {std::nullopt,
                message(QT_TRANSLATE_NOOP("HouseholdMeasure", "Il numero di porzioni deve essere maggiore di zero."))};
    if (*count > kMaxPortionCount)
        return {std::nullopt,
                message(QT_TRANSLATE_NOOP("HouseholdMeasure",
                                          "Al massimo %1 porzioni alla volta: scrivere un numero più piccolo."))
                    .arg(locale.toString(kMaxPortionCount, 'f', 0))};
    return {count, {}};
}

double edibleGrams(double count, const HouseholdMeasure &measure)
{
    return count * measure.gramsEach();
}

PortionValue grossGramsFor(double edibleGrams, double ediblePercent)
{
    if (!(ediblePercent > 0))
        return {std::nullopt,
                message(QT_TRANSLATE_NOOP("HouseholdMeasure",
                                          "Questo alimento non ha parte edibile (0 %): non se ne può indicare "
                                          "una porzione; scrivere il peso lordo in grammi."))};
    const double gross = std::round(edibleGrams * 100.0 / ediblePercent);
    // The table weighs whole grams: a pinch of 0.1 g would stand there as 0 g, a food that
    // counts for nothing and drops out of the meal.
    if (gross < 1)
        return {std::nullopt,
                message(QT_TRANSLATE_NOOP("HouseholdMeasure",
                                          "La porzione pesa meno di 1 g: scegliere più porzioni o scrivere il peso "
                                          "lordo in grammi."))};
    if (!(gross <= kMaxGrossGrams))
        return {std::nullopt,
                message(QT_TRANSLATE_NOOP("HouseholdMeasure",
                                          "Il peso lordo supererebbe 9.999.999 g: scegliere meno porzioni."))};
    return {gross, {}};
}

}  // namespace velmo
