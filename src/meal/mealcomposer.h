// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/datacontrol.h"
#include "catalogue/foodbrowser.h"
#include "catalogue/foodcategory.h"
#include "catalogue/foodnames.h"
#include "meal/mealgrid.h"
#include "meal/mealfile.h"
#include "meal/measurestore.h"
#include "nutrition/householdmeasure.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace velmo {

// Composes a meal the way the user does in the main window, through the same data control,
// bound texts and composition table: choose the category, make the food current, type the
// weight into the open row, check its lock box.
class MealComposer {
public:
    // Composes into a table of its own.
    explicit MealComposer(const QSqlDatabase &database);

    // The main window's parts, and its category menu: `chooseCategory` does what the menu item
    // does and says whether the category could be read. The window's own links (the bound name
    // placing each food in the table) stay as they are; the composer only follows them.
    struct WindowParts {
        DataControl &data;
        FoodBrowser &browser;
        MealGrid &grid;
        std::function<bool(int category)> chooseCategory;
    };
    MealComposer(const QSqlDatabase &database, WindowParts window);
    ~MealComposer();
    MealComposer(const MealComposer &) = delete;
    MealComposer &operator=(const MealComposer &) = delete;

    // The personal catalogue's connection, for entries of the personal category.
    void setPersonalDatabase(const QSqlDatabase &personal)
    {
        personal_ = personal;
        foodNames_.setPersonalDatabase(personal);
    }
    // A day the program stored itself names each portion beside its grams as the food's measures
    // were then: a label no longer among them (renamed or removed since) is not a fault of the
    // day, and `add` leaves it out as it leaves out a label its grams no longer weigh.
    void setStoredLabels(bool stored) { storedLabels_ = stored; }

    // Every entry whose food is not in its category, or whose portion is no portion of its food
    // (naming the food's measures), as messages naming the line;
    // `databaseError` is set instead when a category cannot be read at all.
    std::vector<InputError> missingFoods(const std::vector<MealFileEntry> &entries, QString *databaseError);

    // Adds one food to the meal. False with the reason when it could not be placed.
    bool add(const MealFileEntry &entry, QString *error);
    // The entry's food in the open row, as browsing to it puts it there, not locked: the row; none
    // with the reason when it could not be placed.
    std::optional<int> place(const MealFileEntry &entry, QString *error);
    // The whole meal, after the checks: false with the reason at the first food not placed.
    bool addAll(const std::vector<MealFileEntry> &entries, QString *error);

    const MealGrid &grid() const { return grid_; }
    // The foods placed so far, in order, each by its category and its Italian name as the
    // catalogue spells it (the names a file may write differently), with its grams (worked out
    // where the entry named a portion in their place) and its portion.
    const std::vector<MealFileEntry> &placed() const { return placed_; }

private:
    // `place`, with the food's index in its category, which `lockPlaced` then locks in row `open`.
    std::optional<int> place(const MealFileEntry &entry, int *index, QString *error);
    bool lockPlaced(const MealFileEntry &entry, int index, int open, QString *error);
    struct OwnParts;
    MealComposer(const QSqlDatabase &database, std::unique_ptr<OwnParts> own);
    // Taken by reference: `parts` refers into `own`, which must not move before they are bound.
    MealComposer(const QSqlDatabase &database, WindowParts parts, std::unique_ptr<OwnParts> &&own);
    // A food named in a meal file, in either language: the Italian name its table is looked up
    // by, and the name its rows show (nameKey forms; the name itself when no food has it).
    struct FoodKey {
        QString canonical;
        QString shown;
    };
    FoodKey keyOf(const MealFileEntry &entry) const;
    // Makes the category current with the named food among its rows; its index, or -1.
    bool showCategoryWith(int category, const FoodKey &key, int *index, QString *error);

    // The household measures and the standard portion of a food, by its Italian name.
    std::optional<FoodPortions> portionsOf(int category, const QString &canonical, QString *databaseError);
    // The edible grams of the portion an entry names; none with why, or with `databaseError` set.
    PortionValue portionEdible(const MealFileEntry &entry, QString *databaseError);
    // The gross grams of an entry that names a portion in place of its weight, for its food at
    // `ediblePercent`; none with why (naming the food's measures), or with `databaseError` set.
    PortionValue portionGross(const MealFileEntry &entry, double ediblePercent, QString *databaseError);
    // The edible percentage of the food, read through the lookup; none when it cannot be read.
    std::optional<double> ediblePercentOf(int category, const FoodKey &key, QString *databaseError);

    // Reads every food the entries name, in one query, into the recordsets.
    void prefetch(const std::vector<MealFileEntry> &entries);
    // Reads the named foods of each category into the recordsets; `withNames` also tells the
    // names it finds to foodNames_ and leaves out the names not found. False when the query fails.
    bool readRecordsets(const std::map<int, QStringList> &wanted, bool withNames);
    // Whether the category holds a food of this name, compared as the names look (nameKey).
    bool hasFood(int category, const FoodKey &key, QString *databaseError);
    // Every name of a category, read only to suggest what a missing name may have meant.
    const QStringList &namesOf(int category, QString *databaseError);

    // The database does not change during a run: each food is read from it once, whether for
    // checking or composing.
    // The connection that holds a category's table.
    const QSqlDatabase &databaseOf(int category) const { return isPersonalCategory(category) ? personal_ : database_; }

    QSqlDatabase database_;
    QSqlDatabase personal_;
    bool storedLabels_ = false;
    MeasureStore measures_{database_};
    FoodNames foodNames_;
    RecordsetCache recordsets_;
    std::unique_ptr<OwnParts> own_;  // none in the window
    DataControl &data_;
    FoodBrowser &browser_;
    MealGrid &grid_;
    std::function<bool(int)> chooseCategory_;
    std::optional<int> notifiedRow_;
    QMetaObject::Connection following_;  // a window's parts outlive the composer
    // Checking a whole file before composing reads through a data control of its own, so that
    // checking moves nothing in the table; what it reads is kept for composing.
    std::map<int, QStringList> names_;
    DataControl lookup_;
    std::vector<MealFileEntry> placed_;
};

}  // namespace velmo
