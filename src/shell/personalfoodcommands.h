// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/datacontrol.h"
#include "catalogue/foodbrowser.h"
#include "catalogue/foodformmodel.h"
#include "catalogue/personalcatalogue.h"
#include "common/dialogs.h"
#include "meal/mealgrid.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace velmo {

// The main window's commands on the personal catalogue (the "&Gestione alimenti personali"
// menu): the catalogue itself, opened on first use, the food window's model while that window
// is open, and what the commands change in the window: the category shown and its current food.
class PersonalFoodCommands : public QObject {
    Q_OBJECT
public:
    // What the commands work on in the main window.
    struct WindowParts {
        DataControl &data;
        FoodBrowser &browser;
        MealGrid &meal;
        std::function<void(int category)> chooseCategory;
        std::function<int()> currentCategory;
        // Gives the meal saved as a food what the nutrient profile knows of it: a value unknown
        // where an ingredient of some weight lacks it, and the other nutrients all of them give.
        std::function<void(PersonalFood &food)> completeRecipe = {};
        // Shows that the window is busy (true) or no longer (false), while a file is read.
        std::function<void(bool busy)> busy = {};
        // Shows how far a file is read, 0 to 1000, while busy; false when the user stops it.
        std::function<bool(int permille)> progress = {};
        // Whether the window has steps that "Annulla" can take back.
        std::function<bool()> canUndo = {};
        // Where a food is planned (persons' days, habitual meals), as a sentence; empty: nowhere.
        std::function<QString(const QString &name)> usesOf = {};
    };
    PersonalFoodCommands(WindowParts window, Dialogs &dialogs, QObject *parent = nullptr);
    ~PersonalFoodCommands() override;

    // The file to use; by default the one in the user's data folder.
    void setPath(const QString &path) { path_ = path; }
    QString path() const;
    // Opens the catalogue on first use, creating the file. When it cannot be opened the user is
    // told why and where; a damaged file may be set aside (renamed, never deleted) for a new one
    // if the user says so. Otherwise nothing is written and Velmo goes on without personal foods,
    // asking again at the next use.
    bool open();
    // The same for a search, which does not ask again about a damaged file the user chose to keep:
    // it searches the shipped foods alone.
    bool openForSearch();
    // Null until opened.
    PersonalCatalogue *catalogue() { return catalogue_.get(); }
    // A food of the personal category is current: what modifying and deleting need.
    bool personalFoodCurrent() const;

    // "&Nuovo alimento...", "&Modifica alimento...": prepare the food window's model and ask for
    // the window; the view shows it and reports with foodWindowClosed.
    void newFood();
    void modifyFood();
    FoodFormModel *foodForm() { return foodForm_.get(); }
    void foodWindowClosed();
    void deleteFood();      // "&Elimina alimento", after a confirmation
    void importFoods();     // from a CSV file the user picks
    void exportFoods();     // to a CSV file the user names
    void saveMealAsFood();  // "Salva pasto come &alimento..."

signals:
    void foodWindowRequested();
    // The catalogue has just been opened.
    void opened();
    // A personal food was added, changed or removed; `renamedFrom` is the old name of the one
    // renamed to `renamedTo` (both empty when none was).
    void foodsChanged(const QString &renamedFrom, const QString &renamedTo);
    // Before foodsChanged, when the user deleted the food called `name`.
    void foodDeleted(const QString &name);

private:
    bool personalCategoryCurrent() const;
    // Shows the personal category again, standing on the food called `name` when there is one.
    void showFood(const QString &name);
    // The category shown anew when it is the personal one, so that it shows the change.
    void refreshCategory();
    // The meal as a food named by the user, checked as the food window checks one.
    std::optional<PersonalFood> mealFood();
    void refuse(const QString &text);
    static QString csvFilter();  // what the file boxes offer

    WindowParts window_;
    Dialogs &dialogs_;
    QString path_;
    std::unique_ptr<PersonalCatalogue> catalogue_;
    std::unique_ptr<FoodFormModel> foodForm_;
    bool declinedDamaged_ = false;  // the user kept a damaged file, and Velmo goes on without it
};

}  // namespace velmo
