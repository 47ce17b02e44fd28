#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace velmo {

// One food of the personal catalogue: the eight columns of a category table. An empty nutrient
// is unknown, as in the shipped tables, and stays apart from zero.
struct PersonalFood {
    QString name;
    double edible = 100;
    // proteine, lipidi, carboidrati, energia, fibra, colesterolo, per 100 g of edible part
    std::array<std::optional<double>, 6> nutrients{};

    bool operator==(const PersonalFood &) const = default;
};

// One of the seven numbers of a food, as the food window and the import describe it.
struct FoodQuantity {
    const char *column;  // the column of the category tables
    QString label;       // Italian, for the window and the messages
    QString unit;
    double minimum;
    double maximum;
};

// edibile, then the six nutrients in column order.
const std::array<FoodQuantity, 7> &foodQuantities();

// The longest name the catalogue takes: no real food needs more, and the grid shows less.
inline constexpr int kMaxFoodNameLength = 100;

// The name as the catalogue keeps it (blanks at the ends dropped, in nameKey form), and the key
// under which names are unique: the same name written with other capitals is the same food.
QString personalFoodName(const QString &typed);
QString personalFoodKey(const QString &name);

// What is wrong with a name, in Italian; empty when it is acceptable.
QString nameProblem(const QString &name);
// What is wrong with a number of quantity `index` (0 edible part, 1 to 6 the nutrients).
QString quantityProblem(int index, double value);

// When the energy is more than 15 % away from 4 × protein + 9 × fat + 4 × carbohydrate, the
// message that says so; empty when it agrees or any of the four is unknown. Alcohol and polyols
// bring energy of their own, so this is a question, never a refusal.
QString energyMismatch(const PersonalFood &food);

// The catalogue as CSV: the header of the eight column names, then one record per food, numbers
// with a decimal point, unknown values empty. UTF-8 with CRLF line ends.
QString foodsToCsv(const std::vector<PersonalFood> &foods);

// Reads such a file. All or nothing: with any error the foods are not returned and `errors`
// name the lines (at most `maxErrors` of them, then how many more).
struct CsvFoods {
    std::vector<PersonalFood> foods;
    QStringList errors;
    bool ok() const { return errors.isEmpty(); }
};
inline constexpr qint64 kMaxFoodCsvBytes = 64 * 1024 * 1024;
CsvFoods foodsFromCsv(const QByteArray &bytes, int maxErrors = 20);
// The same from a file; the errors name the file when it cannot be read.
CsvFoods readFoodsFile(const QString &path, int maxErrors = 20);

}  // namespace velmo
