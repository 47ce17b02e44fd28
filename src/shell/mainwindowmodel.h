#pragma once

#include "catalogue/datacontrol.h"
#include "catalogue/foodbrowser.h"
#include "catalogue/foodcategory.h"
#include "catalogue/foodformmodel.h"
#include "catalogue/fooddatabase.h"
#include "catalogue/foodsearch.h"
#include "catalogue/personalcatalogue.h"
#include "common/dialogs.h"
#include "meal/mealgrid.h"
#include "meal/mealdocument.h"
#include "meal/requirementcomparison.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace velmo {

enum class MousePointer { Default, Hourglass };

// The main window `frmmain` without its widgets: the category heading, the scrolling title, the
// status bar texts, the screen's mouse pointer, the data control with its bound controls, and the
// composition table. The view renders it and forwards the user's commands.
class MainWindowModel : public QObject {
    Q_OBJECT
public:
    // The scrolling title at start, 51 characters.
    static QString initialTitle() { return QStringLiteral(" - Valutazione calorica e nutrizionale in una dieta"); }

    // The toolbar's buttons by their 1-based position.
    enum ToolbarButton { First = 2, Previous = 3, Next = 4, Last = 5, Print = 7, Help = 8, Exit = 9 };

    explicit MainWindowModel(Dialogs &dialogs, QObject *parent = nullptr);
    ~MainWindowModel() override;

    // The load handler: flat toolbar, default pointer, the food database at `databasePath`.
    // False with an Italian message in `error` when the database cannot be opened.
    bool load(const QString &databasePath, QString *error);

    // The activation handler: today's date in the status bar, the clock running.
    void activate(const QDate &today);
    void clockTick(const QTime &now);  // `Timer1`, every 1000 ms: the time in the status bar
    void titleTick();                  // `Timer2`, every 100 ms: the title scrolls by one character

    // A category of the "&Scelta alimenti" menu (0 to 15, 16 the personal foods).
    void chooseCategory(int index);
    // The toolbar's button-click notification.
    void toolbarButtonClicked(int position);
    // "&Esci" and the toolbar's exit button: the program ends once the meal may be lost.
    void exitClicked();
    // The user closes the window: whether it may go (the meal saved, or not wanted).
    bool mayClose() { return document_.confirmDiscard(); }
    // A click in the food grid; its row, when the click makes another food current.
    void gridClicked();
    void gridRowChosen(int row);

    // The foods of every category by words of their names, read at the first search, not at
    // start-up. A file that cannot be read finds nothing, and foodSearchError() says why.
    const FoodSearch &foodSearch();
    QString foodSearchError() const { return foodSearchError_; }
    // A food found by a search: its category chosen as its menu item chooses it, then the food
    // made current, so that it reaches the open row of the table as a browsed food does.
    void chooseFood(const SearchableFood &food);

    QString categoryHeading() const { return categoryHeading_; }  // `Label5`
    QString scrollingTitle() const { return scrollingTitle_; }    // `Label2`
    QString statusDate() const { return statusDate_; }            // `StatusBar1`, panel 1
    QString statusTime() const { return statusTime_; }            // `StatusBar1`, panel 2
    // `StatusBar1`, panel 3: the meal against the daily requirement; empty without one.
    QString comparisonText() const { return comparisonText_; }
    std::optional<MealComparison> comparison() const;
    // The requirement of an energy window (none: no window holds one) and, when two do, whose.
    void setRequirement(std::optional<double> kcal, const QString &whose);
    bool toolbarFlat() const { return toolbarFlat_; }
    bool clockEnabled() const { return clockEnabled_; }  // `Timer1` enabled
    MousePointer mousePointer() const { return mousePointer_; }

    // `FlatToolbar`: flips the toolbar's flat style, whatever it was.
    void flipToolbarStyle();

    // --- The personal catalogue (its commands are in personalfoods.cpp) ------------------------
    // The file to use; by default the one in the user's data folder.
    void setPersonalPath(const QString &path) { personalPath_ = path; }
    QString personalPath() const;
    // Opens the catalogue on first use, creating the file. When it cannot be opened the user is
    // told why and where; a damaged file may be set aside (renamed, never deleted) for a new one
    // if the user says so. Otherwise nothing is written and Velmo goes on without personal foods,
    // asking again at the next use.
    bool openPersonal();
    PersonalCatalogue *personal() { return personal_.get(); }
    bool personalCategoryCurrent() const { return isPersonalCategory(category_); }
    bool hasCurrentFood() const { return dataControl_.currentRow().has_value(); }

    // "&Nuovo alimento...", "&Modifica alimento...": prepare the food window's model and ask for
    // the window; the view shows it and reports with foodWindowClosed.
    void newPersonalFood();
    void modifyPersonalFood();
    FoodFormModel *foodForm() { return foodForm_.get(); }
    void foodWindowClosed();
    void deletePersonalFood();   // "&Elimina alimento", after a confirmation
    void importPersonalFoods();  // from a CSV file the user picks
    void exportPersonalFoods();  // to a CSV file the user names
    void saveMealAsFood();       // "Salva pasto come &alimento..."

    DataControl &dataControl() { return dataControl_; }  // `Data1`
    FoodBrowser &browser() { return browser_; }
    MealGrid &meal() { return meal_; }
    MealDocument &document() { return document_; }
    Dialogs &dialogs() { return dialogs_; }

signals:
    void categoryHeadingChanged();
    void scrollingTitleChanged();
    void statusChanged();
    void comparisonChanged();
    void toolbarFlatChanged();
    void mousePointerChanged();
    void printRequested();
    void helpRequested();
    void exitRequested();
    void foodWindowRequested();

private:
    void setCategoryHeading(const QString &text);
    void setMousePointer(MousePointer pointer);
    void navigateFirst();
    void navigateStep(bool forward);
    void navigateLast();
    void refreshQuietly();
    void updateComparison();
    // Shows the personal category again, standing on the food called `name` when there is one.
    void showPersonalFood(const QString &name);

    Dialogs &dialogs_;
    std::unique_ptr<FoodDatabase> database_;
    // Before the data control, which may hold its connection, so that it outlives it.
    std::unique_ptr<PersonalCatalogue> personal_;
    DataControl dataControl_;
    FoodBrowser browser_;
    MealGrid meal_;
    FoodSearch foodSearch_;
    bool foodSearchRead_ = false;
    QString foodSearchError_;
    QString categoryHeading_;
    QString scrollingTitle_ = initialTitle();
    QString statusDate_;
    QString statusTime_;
    bool toolbarFlat_ = false;
    bool clockEnabled_ = true;
    MousePointer mousePointer_ = MousePointer::Default;
    std::optional<double> requirementKcal_;
    QString requirementWhose_;
    QString comparisonText_;
    MealDocument document_;
    int category_ = -1;
    QString personalPath_;
    std::unique_ptr<FoodFormModel> foodForm_;
};

}  // namespace velmo
