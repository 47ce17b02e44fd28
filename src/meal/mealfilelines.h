// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealfile.h"

#include <QString>

#include <optional>
#include <vector>

class QIODevice;

namespace velmo {

// The line reading that meal files and day files share: what a reader does with each line.
class MealTextLines {
public:
    virtual ~MealTextLines() = default;
    // A line that is neither blank nor a comment, trimmed; none for a line longer than
    // kMaxLineLength, whose fault is already in the errors. False stops the reading.
    virtual bool line(int number, const std::optional<QString> &content) = 0;
};

// Reads `input` as `readMealFile` says (line ends, UTF-8, byte-order mark, comments, limits),
// passing each line to `lines` and adding the faults of the text itself to `errors`.
void readMealTextLines(QIODevice &input, MealTextLines &lines, std::vector<InputError> &errors);

// The food line `content`, checked; the entry is added even when faulty, with its faults.
void readFoodLine(int line, const QString &content, std::vector<MealFileEntry> &entries,
                  std::vector<InputError> &errors);

// The fault of a text that holds nothing to compute.
InputError nothingToCompute();

// "più di dodici alimenti" and why, for a meal file's foods.
QString tooManyFoods();

}  // namespace velmo
