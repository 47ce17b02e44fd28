// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "nutrition/householdmeasure.h"

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

namespace velmo {

// What a count is of: one of a food's household measures, its standard portion, or grams of its
// edible part.
struct PortionUnit {
    enum class Kind { Measure, Standard, EdibleGrams };
    Kind kind = Kind::EdibleGrams;
    int measure = -1;  // in FoodPortions::measures

    bool operator==(const PortionUnit &) const = default;
};

// The units a food offers, in the order they are offered: its measures, its standard portion,
// grams of edible part (always there).
std::vector<PortionUnit> portionUnits(const FoodPortions &portions);

// How a unit is offered: "1 fetta (30 g)", "1 porzione standard (80 g)", "grammi di parte
// edibile"; the grams are of edible part.
QString portionUnitCaption(const FoodPortions &portions, PortionUnit unit, const QLocale &locale);

// The count typed for a unit: a count of portions (readPortionCount), or for grams of edible part
// any number above zero.
PortionValue readUnitCount(QStringView text, PortionUnit unit, const QLocale &locale);

// The edible grams of `count` × the unit.
double portionEdibleGrams(double count, const FoodPortions &portions, PortionUnit unit);

// What a row and a meal file say of the portion: "2 fette", "1½ porzioni standard", "80 g di parte
// edibile". The count has no groups and the locale's decimal separator; halves and quarters are
// written ½, ¼, ¾. `readPortionText` reads it back whatever the locale.
QString portionText(double count, const FoodPortions &portions, PortionUnit unit, const QLocale &locale);

// A portion as portionText() writes it, as the user reads it: the count in the user's number
// format, whatever language wrote it, and the standard portion's and the edible grams' words in the
// user's language ("2 standard portions"); a measure as shownMeasureName() names it.
QString shownPortion(const QString &stored);

// The English names of the shipped foods' household measures, by their Italian names, singular and
// plural ("tazza, a dadini" and "tazze, a dadini": "cup, diced"): `load` is called once, when a
// measure is first shown under English. Whoever opens the food database installs it; none: every
// measure keeps its own name.
void setEnglishMeasureNames(std::function<QHash<QString, QString>()> load);

// A household measure's name as the user reads it: under English, the English name of a shipped
// food's measure; otherwise, or for a name the food tables do not have (a personal food's), as given.
QString shownMeasureName(const QString &name);

// The edible grams of a portion written in a meal file ("2 fette", "1 porzione", "½ porzione
// standard", "80 g di parte edibile"; a decimal comma or point). "porzione" and "porzioni" are the
// standard portion unless the food has a measure of that name. None, with an Italian message
// that names `food` and its measures, when the text names no unit of the food or its count is
// refused.
PortionValue readPortionText(QStringView text, const FoodPortions &portions, const QString &food);

}  // namespace velmo
