// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/settings.h"
#include "shell/mainwindowmodel.h"
#include "ui/shell/mainmenubar.h"
#include "ui/shell/mainstatusbar.h"
#include "ui/shell/maintoolbar.h"
#include "ui/shell/screenpointer.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QDockWidget;
class QLabel;
class QMenu;
class QProgressDialog;
class QScrollArea;
class QTimer;
class QToolBar;

namespace velmo {
class DayPanelModel;
class PortionChoiceModel;
class NutrientRankingModel;
class WeekModel;
}  // namespace velmo

namespace velmo::ui {

class CompositionTableView;
class DayPanel;
class MealSelector;
class FoodGridView;
class FoodSearchWindow;
class NutrientProfileWindow;
class PersonsWindow;
class WeekWindow;
class MacroChartView;
class RankingWindow;

// The main window: menus, toolbar, status bar and timers around the food grid, the composition
// table and the chart. It renders the main window model and forwards the user's commands to it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The client area, 11400 × 8610 twips at 15 twips per logical pixel.
    static constexpr int kClientWidth = 760;
    static constexpr int kClientHeight = 574;
    static constexpr int kStatusBarHeight = 20;

    explicit MainWindow(MainWindowModel &model, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The window's size with the whole client area shown. On a screen too small for it the
    // window opens smaller, within the screen's available area, and the area scrolls.
    QSize fullSize() const;
    // Sizes the window for `available` (a screen's available area, frame included): the full
    // size where it fits, otherwise as much as fits, from the area's corner.
    void fitWithin(const QRect &available);
    QScrollArea *clientScrollArea() const { return scrollArea_; }
    // Where the windows it opens keep their size and place; none: they keep nothing.
    void setSettings(Settings *settings) { settings_ = settings; }

    MainWindowModel &model() { return model_; }
    QLabel *categoryHeading() const { return categoryHeading_; }
    QLabel *scrollingTitle() const { return scrollingTitle_; }
    FoodGridView *grid() const { return grid_; }
    CompositionTableView *table() const { return table_; }
    MealSelector *mealSelector() const { return mealSelector_; }
    // The day panel, made when the day first has more than one meal; hidden while it has one.
    QDockWidget *dayDock() const { return dayDock_; }
    MacroChartView *chart() const { return chart_; }
    QToolBar *toolbar() const { return toolbar_; }
    QAction *toolbarButton(int position) const { return toolbar_->button(position); }
    QMenu *categoryMenu() const { return menus_->categoryMenu(); }
    // "Cerca alimento", made at its first opening.
    FoodSearchWindow *foodSearchWindow() const { return searchWindow_; }
    // "Alimenti ricchi di...", made at its first opening.
    RankingWindow *rankingWindow() const { return rankingWindow_; }
    NutrientProfileWindow *nutrientProfileWindow() const { return profileWindow_; }
    // "Persone...", made at its first opening.
    PersonsWindow *personsWindow() const { return personsWindow_; }
    // "Settimana...", made at its first opening.
    WeekWindow *weekWindow() const { return weekWindow_; }
    QMenu *personsMenu() const { return menus_->personsMenu(); }
    QMenu *mealMenu() const { return menus_->mealMenu(); }
    QLabel *statusPanel(int panel) const { return statusBar_->panel(panel); }
    QTimer *clockTimer() const { return clockTimer_; }  // every second: the time
    QTimer *titleTimer() const { return titleTimer_; }  // every 100 ms: the title scrolls
    // "Porzione...": the open row's gross weight from a measure of its food (F3).
    QAction *portionAction() const { return portionAction_; }

signals:
    void femaleEnergyWindowRequested();
    void maleEnergyWindowRequested();
    void printRequested();
    void helpRequested();
    void exitRequested();
    // The window has been closed by the user: it is to be unloaded.
    void closed();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildClientArea();
    void buildTimers();
    void connectMenus();
    void connectMeal();
    void connectGrid();
    void connectModel();
    void showFoodWindow();
    void choosePortion();
    // "Bilancia quantità...": the shown meal's weights, or every meal's of the day.
    void openBalance(bool wholeDay);
    const FoodSearch &foodSearchNow();
    void openFoodSearch();
    void openRanking();
    void followPersonalFoodsInRanking();
    void chooseRankedFood(int category, const QString &shownName);
    void openNutrientProfile();
    void updateDayPanel();
    void openPersons();
    // The week the week window and the profile's week average share, made when one first needs
    // it; it reads nothing until it is opened.
    WeekModel &weekModel();
    void openWeek();
    void openWeekAverageProfile();
    void openPersonDay();
    void copyTo(bool wholeDay);
    void insertHabitual();
    void showStoredDay();

    MainWindowModel &model_;
    ScreenPointer pointer_;
    QWidget *client_ = nullptr;
    QScrollArea *scrollArea_ = nullptr;
    Settings *settings_ = nullptr;
    QLabel *categoryHeading_ = nullptr;
    QLabel *scrollingTitle_ = nullptr;
    FoodGridView *grid_ = nullptr;
    CompositionTableView *table_ = nullptr;
    MealSelector *mealSelector_ = nullptr;
    DayPanelModel *dayPanelModel_ = nullptr;
    DayPanel *dayPanel_ = nullptr;
    QDockWidget *dayDock_ = nullptr;
    QSize fixedMaximum_;
    MacroChartView *chart_ = nullptr;
    MainMenuBar *menus_ = nullptr;
    MainToolBar *toolbar_ = nullptr;
    FoodSearchWindow *searchWindow_ = nullptr;
    NutrientRankingModel *ranking_ = nullptr;
    RankingWindow *rankingWindow_ = nullptr;
    NutrientProfileWindow *profileWindow_ = nullptr;
    PersonsWindow *personsWindow_ = nullptr;
    WeekModel *weekModel_ = nullptr;
    WeekWindow *weekWindow_ = nullptr;
    MainStatusBar *statusBar_ = nullptr;
    QTimer *clockTimer_ = nullptr;
    QTimer *titleTimer_ = nullptr;
    QAction *portionAction_ = nullptr;
    std::unique_ptr<PortionChoiceModel> portionChoice_;
    std::unique_ptr<QProgressDialog> readingProgress_;  // while a file is read, once it takes a while
    bool searchPrepared_ = false;
};

}  // namespace velmo::ui
