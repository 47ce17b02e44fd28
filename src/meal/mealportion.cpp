// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/mealportion.h"

#include "common/numbertext.h"

#include <cmath>

namespace velmo {

std::optional<MealPortion> MealPortion::of(const MealRow &row, const QLocale &locale)
{
    const QString &grossText = row.cell(MealColumn::Gross).text;
    if (grossText.isEmpty())
        return std::nullopt;

    // The edible percentage as the browser shows it, in the user's number format (a personal food
    // may have decimals); any other text by the leading-number rule, "." its decimal point.
    const auto gross = readLeadingNumber(grossText);
    const QString &edibleText = row.cell(MealColumn::Net).text;
    auto edible = readLocaleNumber(edibleText, locale);
    if (!edible)
        edible = readLeadingNumber(edibleText);
    if (!gross || !edible)
        return std::nullopt;
    const double net = *gross * *edible / 100.0;
    if (!std::isfinite(net))
        return std::nullopt;
    MealPortion p;
    p.net = formatPlain(net, locale);

    // The nutrients take the net weight as the user sees it. A value the database does not have
    // stays empty; any other text must be a number.
    const auto grams = readLocaleNumber(p.net, locale);
    if (!grams)
        return std::nullopt;
    for (std::size_t i = 0; i < kNutrientColumns.size(); ++i) {
        const QString &text = row.cell(kNutrientColumns[i]).text;
        if (text.isEmpty())
            continue;
        const auto per100 = readLocaleNumber(text, locale);
        if (!per100)
            return std::nullopt;
        const double value = *per100 * *grams / 100.0;
        if (!std::isfinite(value))
            return std::nullopt;
        p.nutrients[i] = formatGrouped2(value, locale);
    }
    return p;
}

}  // namespace velmo
