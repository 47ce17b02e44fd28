// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

class QIODevice;

namespace velmo {

// One food of a meal file: `categoria;alimento;grammi` on line `line`, or with the portion the
// weight stands for, `categoria;alimento;grammi;porzione`, or with a portion in place of the
// weight, `categoria;alimento;porzione` (the composer works the weight out).
struct MealFileEntry {
    int line = 0;
    int category = -1;  // index in foodCategories()
    QString food;
    QString grams;      // digits only; empty when the portion stands in place of the weight
    QString portion{};  // "2 fette"; empty: none

    // The same food, weight and portion in the same category; where it stood in a file does not
    // matter.
    bool operator==(const MealFileEntry &other) const
    {
        return category == other.category && food == other.food && grams == other.grams && portion == other.portion;
    }
};

// A fault of the input, in the interface's language; `line` is 0 when it concerns the whole text.
struct InputError {
    int line = 0;
    QString text;
    QString message() const
    {
        return line > 0 ? QCoreApplication::translate("MealFile", "riga %1: %2").arg(QString::number(line), text)
                        : text;
    }
};

struct MealFile {
    std::vector<MealFileEntry> entries;
    std::vector<InputError> errors;
    bool ok() const { return errors.empty(); }
};

// Limits that no real meal file reaches; they keep time and memory bounded whatever the input.
inline constexpr int kMaxLineLength = 1000;           // characters of one line
inline constexpr qint64 kMaxMealFileBytes = 1000000;  // the whole text, 1 MB
inline constexpr int kMaxReportedErrors = 20;

// Reads a meal file line by line. Lines end with LF, CR LF or CR alone; the text is UTF-8, with
// or without a byte-order mark. Blank lines and lines starting with "#" are skipped; every other
// line must name a known category, a food and a whole number of grams, separated by ";" and
// each trimmed of blanks unless written between double quotes (see `mealFileLine`); at most
// twelve foods, as many as the table has rows.
// Reading stops at the first line that is no text (not UTF-8, or with a NUL byte), at the
// thirteenth food line, beyond kMaxMealFileBytes, or on a read error; each is an error naming
// its line. A line longer than kMaxLineLength characters is an error of its own.
MealFile readMealFile(QIODevice &input);
MealFile readMealFile(const QByteArray &bytes);

// Whether a field names a portion ("2 fette", "½ porzione") rather than grams: a count, then words.
bool namesPortion(const QString &field);

// "impossibile leggere FILE: REASON", the reason being openRegularFile's.
QString readFailureMessage(const QString &path, const QString &reason);

// The first two fields of a meal line, `categoria;alimento`: adding `;grammi` makes the line.
// A field that holds ";" or '"' or begins or ends with blanks, which the reader would take for a
// separator, a quote or blanks to trim, is written between double quotes (RFC 4180 with ";"
// between fields, a quote inside doubled); any other is written as it is.
QString mealFileLine(const QString &heading, const QString &food);

// The text of a meal file holding `entries` in their order: a "#" line saying what the file is,
// then one `categoria;alimento;grammi` line per food with the category's heading (and `;porzione`
// after the weight of a food that has one), UTF-8 with LF line ends. `readMealFile` reads it back as the same entries,
// whatever the foods' names.
QByteArray mealFileText(const std::vector<MealFileEntry> &entries);

// The messages of `errors` in line order, at most kMaxReportedErrors of them, and then one line
// saying how many more there are.
QStringList errorReport(std::vector<InputError> errors);

}  // namespace velmo
