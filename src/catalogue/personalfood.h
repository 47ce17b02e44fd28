// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <bitset>
#include <functional>
#include <optional>
#include <vector>

namespace velmo {

// The nutrients of the profile a personal food may have beyond the six of the category tables,
// by their INFOODS tag, in the profile's order (data/nutrienti.csv, whose measured rows they
// must match). The largest value is what 100 g of food can hold in the unit (100 g, 100000 mg,
// 100000000 µg; 3800 kJ, a little above pure fat): only nonsense is refused, since these
// values come from labels and tables of every kind.
struct ExtraNutrient {
    const char *tag;
    const char *name;  // in Italian, as the profile names it; shownName() for the window
    const char *unit;  // UTF-8
    double maximum;

    QString shownName() const;
    // The name and the tag, for the messages.
    QString label() const;
};
inline constexpr std::size_t kExtraNutrientCount = 41;
const std::array<ExtraNutrient, kExtraNutrientCount> &extraNutrients();
// The index of a tag, whatever its capitals; none for another text.
std::optional<std::size_t> extraNutrientIndex(const QString &tag);
// The optional columns of a food's CSV record: the extra nutrients by their index, then the
// household measures (`misure`) at kMeasuresColumn.
inline constexpr std::size_t kMeasuresColumn = kExtraNutrientCount;
using ExtraColumns = std::bitset<kExtraNutrientCount + 1>;
// What is wrong with a value of the extra nutrient `index`, naming it; empty when none.
QString extraProblem(std::size_t index, double value);

// A household measure of a personal food: its name ("fetta") and the grams of edible part one
// of it weighs.
struct PersonalMeasure {
    QString name;
    double grams = 0;

    bool operator==(const PersonalMeasure &) const = default;
};
inline constexpr std::size_t kMaxPersonalMeasures = 10;
inline constexpr int kMaxMeasureNameLength = 40;
inline constexpr double kMaxMeasureGrams = 10000;

// The measures as one text, "fetta=30|cucchiaio=12.5" (the CSV column `misure`); empty for none.
// Shown to the user, the weights take the decimal separator of `shownIn` ("cucchiaio=12,5").
QString measuresText(const std::vector<PersonalMeasure> &measures, const QLocale *shownIn = nullptr);
// Reads such a text (blanks around names and numbers allowed, a decimal point or comma); none,
// with what is wrong in `problem`, when a measure has no name or no weight, a name holds "=", "|"
// or a control character or is longer than kMaxMeasureNameLength, a weight is not above zero or
// above kMaxMeasureGrams, a name comes twice, or there are more than kMaxPersonalMeasures.
// Typed by the user under `typedIn`, a weight whose separator is that locale's thousands separator
// before three digits ("1.000" in Italian, not "0.125") may mean a thousand: it is refused, not read
// as 1. In a file (`inFile`), which this program may have written ("12.125"), only three digits
// ending in 0, which it never writes ("1.000", "2.500"), are refused.
std::optional<std::vector<PersonalMeasure>> readMeasuresText(QStringView text, QString *problem,
                                                             const QLocale *typedIn = nullptr, bool inFile = false);

// One food of the personal catalogue: the eight columns of a category table and the optional
// values of the profile's other nutrients. An empty nutrient is unknown, as in the shipped
// tables, and stays apart from zero.
struct PersonalFood {
    QString name;
    double edible = 100;
    // proteine, lipidi, carboidrati, energia, fibra, colesterolo, per 100 g of edible part
    std::array<std::optional<double>, 6> nutrients{};
    // by the index of extraNutrients(), per 100 g of edible part
    std::array<std::optional<double>, kExtraNutrientCount> extra{};
    // Its own household measures, in their order.
    std::vector<PersonalMeasure> measures{};
    // The extra values (and, at kMeasuresColumn, the measures) its source did not state (a CSV
    // file without their column): a food updated from it keeps what the catalogue has for them.
    // Not part of the food's value.
    ExtraColumns unstated{};

    bool operator==(const PersonalFood &other) const
    {
        return name == other.name && edible == other.edible && nutrients == other.nutrients && extra == other.extra
               && measures == other.measures;
    }
};

// One of the seven numbers of a food, as the food window and the import describe it.
struct FoodQuantity {
    const char *column;  // the column of the category tables
    QString label;       // in Italian; shownLabel() for the window and the messages
    QString unit;
    double minimum;
    double maximum;

    // The label in the interface's language.
    QString shownLabel() const;
};

// edibile, then the six nutrients in column order.
const std::array<FoodQuantity, 7> &foodQuantities();

// The longest name the catalogue takes: no real food needs more, and the grid shows less.
inline constexpr int kMaxFoodNameLength = 100;

// The name as the catalogue keeps it (blanks at the ends dropped, in nameKey form), and the key
// under which names are unique: the same name written with other capitals is the same food.
QString personalFoodName(const QString &typed);
QString personalFoodKey(const QString &name);

// What is wrong with a name, as the user reads it; empty when it is acceptable.
QString nameProblem(const QString &name);
// What is wrong with a number of quantity `index` (0 edible part, 1 to 6 the nutrients).
QString quantityProblem(int index, double value);

// What a person must confirm about a food whose every number is in range: an energy more than
// 15 % away from 4 × protein + 9 × fat + 4 × carbohydrate (alcohol and polyols bring energy of
// their own), or protein, fat and carbohydrate adding up to more than 100 g (rounded values, or
// carbohydrate counted as monosaccharides, may). Each doubt names the quantity to look at
// (an index of foodQuantities) and says what is odd. The food window asks whether to keep such
// values; an import refuses them unless it is told to take them.
struct ValueDoubt {
    int quantity;
    QString text;
};
std::vector<ValueDoubt> valueDoubts(const PersonalFood &food);

// The catalogue as CSV: the header of the column names, then one record per food, numbers
// with a decimal point and as many digits as read back to the same value, unknown values empty,
// names a spreadsheet would take for a formula marked as text (spreadsheetSafeText). UTF-8 with
// CRLF line ends.
// After the eight columns come those of `columns` (the extra nutrients any food has values of,
// then `misure` when any food has measures), so that a catalogue of the eight values alone is
// written as it always was.
QString foodsCsvHeader(const ExtraColumns &columns = {});
QString foodCsvRecord(const PersonalFood &food, const ExtraColumns &columns = {});
ExtraColumns extraColumnsOf(const PersonalFood &food);
QString foodsToCsv(const std::vector<PersonalFood> &foods);

// What reading such a file found. All or nothing: with any error no food counts, and `errors`
// name the lines (at most `maxErrors` of them, then how many more).
struct CsvFoods {
    std::vector<PersonalFood> foods;  // only when read without a sink
    QStringList errors;
    int faulty = 0;          // refused rows, or 1 for a fault of the whole file
    int doubtful = 0;        // of which refused only for values to confirm (valueDoubts)
    bool cancelled = false;  // the reading was stopped by FoodReading::progress
    bool ok() const { return errors.isEmpty(); }
    // Reading again with FoodReading::force would take every row.
    bool onlyDoubts() const { return doubtful > 0 && doubtful == faulty; }
};

// Where each food goes as soon as it is read, so that a file of any size needs no more memory
// than one row: `food` is on `line`; `keep` is false once the file has shown a fault (the food
// is then only noted, so that a name the file repeats is still found). Returns the line that
// named the food before (0: none), or -1 to stop the reading (the food could not be kept).
using FoodSink = std::function<int(const PersonalFood &food, int line, bool keep)>;

struct FoodReading {
    FoodSink sink;       // none: the foods are kept in CsvFoods::foods
    bool force = false;  // take the rows whose values are only doubtful
    int maxErrors = 20;
    // Told the bytes read so far after each piece of the file; false stops the reading, which
    // then counts as a fault (nothing is taken).
    std::function<bool(qint64 read)> progress = {};
};

inline constexpr qint64 kMaxFoodCsvBytes = 64 * 1024 * 1024;
// Reads the CSV text of `csv` a piece at a time. The header is the eight columns, then any of
// the extra nutrients' tags in any order. A fault of the whole file (too large, not UTF-8, not
// CSV, a wrong header, an unknown or repeated column) is its only error.
CsvFoods readFoods(QIODevice &csv, const FoodReading &how = {});
CsvFoods foodsFromCsv(const QByteArray &bytes, int maxErrors = 20);
// The same from a file; the errors name the file when it cannot be read.
CsvFoods readFoodsFile(const QString &path, const FoodReading &how = {});

}  // namespace velmo
