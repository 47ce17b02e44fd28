#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace velmo {

// One food of a meal file: `categoria;alimento;grammi` on line `line`.
struct MealFileEntry {
    int line = 0;
    int category = -1;   // index in foodCategories()
    QString food;
    QString grams;       // digits only
};

// A fault of the input, in Italian; `line` is 0 when it concerns the whole text.
struct InputError {
    int line = 0;
    QString text;
    QString message() const { return line > 0 ? QStringLiteral("riga %1: %2").arg(line).arg(text) : text; }
};

struct MealFile {
    std::vector<MealFileEntry> entries;
    std::vector<InputError> errors;
    bool ok() const { return errors.empty(); }
};

// Reads the lines of a meal file. Blank lines and lines starting with "#" are skipped; every
// other line must name a known category, a food and a whole number of grams; at most twelve
// foods, as many as the table has rows.
MealFile readMealFile(const QString &text);

// The text of a meal file given as bytes: UTF-8, with or without a byte-order mark. When the
// bytes are no UTF-8 text, `error` names the first faulty line and the text is empty.
QString decodeMealFile(const QByteArray &bytes, QString *error);

}  // namespace velmo
