// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/datacontrol.h"
#include "catalogue/foodbrowser.h"
#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "catalogue/foodsearch.h"
#include "common/dialogs.h"
#include "meal/mealgrid.h"
#include "meal/mealdocument.h"
#include "meal/nutrientstore.h"
#include "nutrition/referenceintakes.h"
#include "meal/requirementcomparison.h"
#include "shell/daycopies.h"
#include "shell/dayplan.h"
#include "shell/mealsteps.h"
#include "shell/personalfoodcommands.h"
#include "shell/personsession.h"
#include "shell/recentfiles.h"
#include "shell/storeddays.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QUndoStack>

#include <future>
#include <functional>
#include <memory>
#include <optional>

namespace velmo {

enum class MousePointer { Default, Hourglass };

// The main window without its widgets: the category heading, the scrolling title, the status bar
// texts, the screen's mouse pointer, the data control with its bound controls, the composition
// table, and the commands of the toolbar and the menus (the meal's file and the personal foods
// in classes of their own). The view renders it and forwards the user's commands.
class MainWindowModel : public QObject {
    Q_OBJECT
public:
    // The scrolling title at start (in Italian 51 characters).
    static QString initialTitle() { return tr(" - Valutazione calorica e nutrizionale in una dieta"); }

    // How many steps "Annulla" can take back; the oldest are forgotten first.
    static constexpr int kUndoLimit = 500;

    // The toolbar's buttons by their 1-based position.
    enum ToolbarButton { First = 2, Previous = 3, Next = 4, Last = 5, Print = 7, Help = 8, Exit = 9 };

    explicit MainWindowModel(Dialogs &dialogs, QObject *parent = nullptr);
    ~MainWindowModel() override;

    // The load handler: flat toolbar, default pointer, the food database at `databasePath`.
    // False with an Italian message in `error` when the database cannot be opened.
    bool load(const QString &databasePath, QString *error);

    // The activation handler: today's date in the status bar, the clock running.
    void activate(const QDate &today);
    // Another Velmo window, or velmo-pasto, may have changed the personal foods since this window
    // last looked: the category and the meal show them as they are now, as after a change made
    // here (a food renamed there is one deleted here). Called as the window comes to the front.
    void followPersonalFoodsChangedElsewhere();
    void clockTick(const QTime &now);  // every second: the time in the status bar
    void titleTick();                  // every 100 ms: the title scrolls by one character

    // A category of the "&Scelta alimenti" menu (0 to 15, 16 the personal foods).
    void chooseCategory(int index);
    // The category being browsed; -1 before the first.
    int category() const { return category_; }
    // The toolbar's button-click notification.
    void toolbarButtonClicked(int position);
    // "&Esci" and the toolbar's exit button: the program ends once the meal may be lost.
    void exitClicked();
    // The user closes the window: whether it may go (the meal saved, or not wanted).
    bool mayClose() { return document_.confirmDiscard(); }
    // A click in the food grid; its row, when the click makes another food current.
    void gridClicked();
    void gridRowChosen(int row);
    // The user's click on a lock box of the table: the lock handler runs, and "Annulla" takes back
    // what it did.
    void lockBoxClicked(int row, bool checked) { mealSteps_.lockClicked(row, checked); }

    // The foods of every category by words of their names, read at the first search, not at
    // start-up. A file that cannot be read finds nothing, and foodSearchError() says why.
    const FoodSearch &foodSearch();
    // Starts reading the foods for the search in a thread of its own, once the window is up, so
    // that the first search waits for none of it (or only for the rest).
    void prepareFoodSearch();
    // Why the last search holds no foods, or not the personal ones; empty when it holds them all.
    QString foodSearchError() const { return foodSearchError_.isEmpty() ? personalSearchError_ : foodSearchError_; }
    // A food found by a search: its category chosen as its menu item chooses it, then the food
    // made current, so that it reaches the open row of the table as a browsed food does.
    void chooseFood(const SearchableFood &food);
    // The food database's connection; none before load().
    QSqlDatabase foodDatabase() const { return database_ ? database_->connection() : QSqlDatabase(); }

    // The black heading above the grid: the category shown.
    QString categoryHeading() const { return categoryHeading_; }
    // The coloured line below the grid, where the program's title scrolls.
    QString scrollingTitle() const { return scrollingTitle_; }
    QString statusDate() const { return statusDate_; }  // the status bar's first panel
    QString statusTime() const { return statusTime_; }  // the second
    // How those two panels write a date and a time, in the user's language.
    static QString statusDateText(QDate date);
    static QString statusTimeText(QTime time);
    // The third: the meal against the daily requirement; empty without one.
    QString comparisonText() const { return comparisonText_; }
    std::optional<MealComparison> comparison() const;
    // What the status bar says beside the comparison: why a gross-weight box refused a key or a
    // text (`MealGrid::hint`), else, while the table holds no food, what to do first.
    QString statusHint() const;
    // The requirement of an energy window (none: no window holds one) and, when two do, whose.
    void setRequirement(std::optional<double> kcal, const QString &whose);
    // The person (sex and age) of the energy window computed last; none when it said nothing.
    void setCalculatedPerson(const std::optional<IntakePerson> &person);
    std::optional<IntakePerson> calculatedPerson() const { return calculatedPerson_; }
    // The requirement the meal is compared with; none without one.
    std::optional<double> requirementKcal() const { return requirementKcal_; }
    // The nutrient profile's tables, read when first asked for; null before the database is open.
    NutrientStore *nutrientStore();
    bool toolbarFlat() const { return toolbarFlat_; }
    bool clockEnabled() const { return clockEnabled_; }  // the clock runs
    MousePointer mousePointer() const { return mousePointer_; }
    // How the window shows a file being read: how far, 0 to 1000, and -1 once it is done; false
    // when the user stops the reading.
    void setReadingProgress(std::function<bool(int permille)> shown) { readingProgress_ = std::move(shown); }

    // Flips the toolbar's flat style, whatever it was.
    void flipToolbarStyle();

    // The data control: the current category's foods and the current one among them.
    DataControl &dataControl() { return dataControl_; }
    FoodBrowser &browser() { return browser_; }
    MealGrid &meal() { return meal_; }
    MealDocument &document() { return document_; }
    // The day's meals, of which the table shows one.
    DayPlan &day() { return dayPlan_; }
    // A person's stored day in the window, written to the store as the user works.
    StoredDays &storedDays() { return storedDays_; }
    // Copies of the meal or the day to a person's day, and the habitual meals.
    DayCopies &dayCopies() { return dayCopies_; }
    // The meal files opened or saved last, for "File recenti".
    RecentFiles &recentFiles() { return recentFiles_; }
    PersonalFoodCommands &personalFoods() { return *personalFoods_; }
    // The persons' store, opened on first use, and the current person.
    PersonSession &persons() { return persons_; }
    Dialogs &dialogs() { return dialogs_; }
    // The composition table's steps on the undo stack, for a change of the table made elsewhere.
    MealSteps &mealSteps() { return mealSteps_; }
    // The window's one undo stack: every edit that "Annulla" can take back is a command on it.
    QUndoStack &undoStack() { return undoStack_; }

signals:
    void categoryHeadingChanged();
    void scrollingTitleChanged();
    void statusChanged();
    void comparisonChanged();
    void calculatedPersonChanged();
    void requirementChanged();
    // Also when the same hint is given again, so that it is shown anew.
    void statusHintChanged();
    void toolbarFlatChanged();
    void mousePointerChanged();
    void printRequested();
    void helpRequested();
    void exitRequested();

private:
    void completeRecipe(PersonalFood &food);
    void personalFoodsChanged(const QString &renamedFrom, const QString &renamedTo);
    // `elsewhere`: deleted or renamed by another window or velmo-pasto, as the message says.
    void dropDeletedPersonalFoods(const QString &deleted, bool elsewhere = false);
    void recomposePersonalRows();
    QString personalFoodUsesText(const QString &name);
    // The personal catalogue's count of others' changes when this window last looked, or opened it.
    std::optional<qint64> personalFoodsSeen_;
    void setCategoryHeading(const QString &text);
    void setMousePointer(MousePointer pointer);
    void navigateFirst();
    void navigateStep(bool forward);
    void navigateLast();
    void refreshQuietly();
    void updateComparison();

    Dialogs &dialogs_;
    std::unique_ptr<FoodDatabase> database_;
    // Before the data control, which may hold the personal catalogue's connection, so that the
    // catalogue outlives it; made once the parts it works on are.
    std::unique_ptr<PersonalFoodCommands> personalFoods_;
    // Before the connections it reads go.
    std::unique_ptr<NutrientStore> nutrientStore_;
    DataControl dataControl_;
    FoodBrowser browser_;
    MealGrid meal_;
    FoodSearch foodSearch_;
    bool foodSearchRead_ = false;
    struct PreparedSearch {
        FoodSearch search;
        bool read = false;
        QString error;
    };
    std::future<PreparedSearch> preparedSearch_;
    QString foodSearchError_;
    QString personalSearchError_;
    QString categoryHeading_;
    QString scrollingTitle_ = initialTitle();
    QString statusDate_;
    QString statusTime_;
    bool toolbarFlat_ = false;
    bool clockEnabled_ = true;
    MousePointer mousePointer_ = MousePointer::Default;
    std::function<bool(int permille)> readingProgress_;
    std::optional<double> requirementKcal_;
    QString requirementWhose_;
    std::optional<IntakePerson> calculatedPerson_;
    QString comparisonText_;
    bool mealHoldsNoFood_ = true;
    MealDocument document_;
    // Before the stack, whose person steps use it.
    PersonSession persons_;
    // Before the steps, which its commands refer to: the stack goes last.
    QUndoStack undoStack_;
    MealSteps mealSteps_;
    DayPlan dayPlan_;
    StoredDays storedDays_;
    DayCopies dayCopies_;
    RecentFiles recentFiles_;
    int category_ = -1;
};

}  // namespace velmo
