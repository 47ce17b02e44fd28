#pragma once

#include "catalogue/datacontrol.h"
#include "catalogue/foodbrowser.h"
#include "meal/mealgrid.h"
#include "meal/pasto/mealfile.h"

#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

namespace velmo {

// Composes a meal the way the user does in the main window, through the same data control,
// bound texts and composition table: choose the category, make the food current, type the
// weight into the open row, check its lock box.
class MealComposer {
public:
    explicit MealComposer(const QSqlDatabase &database);

    // Every entry whose food is not in its category, as Italian messages naming the line;
    // `databaseError` is set instead when a category cannot be read at all.
    std::vector<InputError> missingFoods(const std::vector<MealFileEntry> &entries, QString *databaseError);

    // Adds one food to the meal. False with the reason when it could not be placed.
    bool add(const MealFileEntry &entry, QString *error);

    const MealGrid &grid() const { return grid_; }

private:
    // The names of one category, in table order, with their comparison keys.
    struct Names {
        QStringList names;
        QStringList keys;
        QSet<QString> known;
    };
    const Names *names(int category, QString *databaseError);

    DataControl data_;
    FoodBrowser browser_;
    MealGrid grid_;
    std::optional<int> notifiedRow_;
    // The names of each category already read, for checking a whole file before composing; read
    // through a data control of their own, so that checking moves nothing in the table.
    std::map<int, Names> names_;
    DataControl lookup_;
};

}  // namespace velmo
