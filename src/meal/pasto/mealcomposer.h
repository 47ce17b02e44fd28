#pragma once

#include "catalogue/datacontrol.h"
#include "catalogue/foodbrowser.h"
#include "catalogue/foodcategory.h"
#include "meal/mealgrid.h"
#include "meal/pasto/mealfile.h"

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

    // The personal catalogue's connection, for entries of the personal category.
    void setPersonalDatabase(const QSqlDatabase &personal) { personal_ = personal; }

    // Every entry whose food is not in its category, as Italian messages naming the line;
    // `databaseError` is set instead when a category cannot be read at all.
    std::vector<InputError> missingFoods(const std::vector<MealFileEntry> &entries, QString *databaseError);

    // Adds one food to the meal. False with the reason when it could not be placed.
    bool add(const MealFileEntry &entry, QString *error);

    const MealGrid &grid() const { return grid_; }

private:
    // Reads every food the entries name, in one query, into the recordsets.
    void prefetch(const std::vector<MealFileEntry> &entries);
    // Whether the category holds a food of this name, compared as the names look (nameKey).
    bool hasFood(int category, const QString &key, QString *databaseError);
    // Every name of a category, read only to suggest what a missing name may have meant.
    const QStringList &namesOf(int category, QString *databaseError);

    // The database does not change during a run: each food is read from it once, whether for
    // checking or composing.
    // The connection that holds a category's table.
    const QSqlDatabase &databaseOf(int category) const { return isPersonalCategory(category) ? personal_ : database_; }

    QSqlDatabase database_;
    QSqlDatabase personal_;
    RecordsetCache recordsets_;
    DataControl data_;
    FoodBrowser browser_;
    MealGrid grid_;
    std::optional<int> notifiedRow_;
    // Checking a whole file before composing reads through a data control of its own, so that
    // checking moves nothing in the table; what it reads is kept for composing.
    std::map<int, QStringList> names_;
    DataControl lookup_;
};

}  // namespace velmo
