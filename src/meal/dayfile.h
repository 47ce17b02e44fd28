// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealday.h"
#include "meal/mealfile.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

class QIODevice;

namespace velmo {

// A meal's name in a day file, in characters.
inline constexpr int kMaxMealNameLength = 40;

struct DayFile {
    MealDay day;
    std::vector<InputError> errors;
    bool ok() const { return errors.empty(); }
};

// Why `name` cannot name a meal of a day file: empty, longer than kMaxMealNameLength
// characters, holding "]" or a control character (line breaks and direction marks included), or
// beginning or ending with blanks. Empty when it can.
QString mealNameFault(const QString &name);

// A day the meal file format holds as it is: one meal without a name.
bool isMealFile(const MealDay &day);

// Reads a day file: a meal file in which a line `[Nome]` starts a meal named by what stands
// between the brackets, trimmed. Every rule of `readMealFile` holds (line ends, UTF-8, quoting,
// comments, limits, errors naming their line); the foods before the first `[...]` line form a
// meal without a name, so a meal file reads as a day of that one meal. A meal may be empty; two
// meals may not have the same name (whatever the case). Reading stops at the thirteenth food of
// a meal and at the meal beyond kMaxMealsPerDay, each an error naming the line and the meal.
DayFile readDayFile(QIODevice &input);
DayFile readDayFile(const QByteArray &bytes);

// The text of a day file holding `day`: a meal file's text (`mealFileText`) for a day of one
// meal without a name; otherwise a "#" line saying what the file is, then each meal's `[Nome]`
// line and its foods (the first meal's line is left out when that meal has no name). None when
// `readDayFile` would not read the day back as it is: no meal, more than kMaxMealsPerDay of them
// or more than twelve foods in one, a name `mealNameFault` refuses or two names alike, a meal
// without a name after the first or without foods.
std::optional<QByteArray> dayFileText(const MealDay &day);

}  // namespace velmo
