#pragma once

#include "shell/mainwindowmodel.h"
#include "ui/shell/screenpointer.h"

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QTimer;
class QToolBar;

namespace velmo::ui {

class CompositionTableView;
class FoodGridView;
class FoodSearchWindow;
class MacroChartView;

// `frmmain`: menus, toolbar, status bar and timers around the food grid, the composition table
// and the chart. It renders the main window model and forwards the user's commands to it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The client area, 11400 × 8610 twips at 15 twips per logical pixel.
    static constexpr int kClientWidth = 760;
    static constexpr int kClientHeight = 574;

    explicit MainWindow(MainWindowModel &model, QWidget *parent = nullptr);

    MainWindowModel &model() { return model_; }
    QLabel *categoryHeading() const { return categoryHeading_; }  // `Label5`
    QLabel *scrollingTitle() const { return scrollingTitle_; }    // `Label2`
    FoodGridView *grid() const { return grid_; }
    CompositionTableView *table() const { return table_; }
    MacroChartView *chart() const { return chart_; }
    QToolBar *toolbar() const { return toolbar_; }
    QAction *toolbarButton(int position) const { return buttons_[static_cast<std::size_t>(position - 1)]; }
    QMenu *categoryMenu() const { return mnuScelta_; }
    // "Cerca alimento", made at its first opening.
    FoodSearchWindow *foodSearchWindow() const { return searchWindow_; }
    QMenu *personsMenu() const { return mnuPersone_; }
    QMenu *mealMenu() const { return mnuPasto_; }
    QLabel *statusPanel(int panel) const { return panels_[static_cast<std::size_t>(panel - 1)]; }
    QTimer *clockTimer() const { return clockTimer_; }  // `Timer1`
    QTimer *titleTimer() const { return titleTimer_; }  // `Timer2`

signals:
    void lafFemminaRequested();
    void lafMaschioRequested();
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
    void buildMenus();
    void buildMealMenu();
    void bindMealDocument();
    void exitChosen() { model_.exitClicked(); }
    void buildToolbar();
    void buildStatusBar();
    void buildTimers();
    void renderToolbarStyle();
    void openFoodSearch();

    MainWindowModel &model_;
    ScreenPointer pointer_;
    QWidget *client_ = nullptr;
    QLabel *categoryHeading_ = nullptr;
    QLabel *scrollingTitle_ = nullptr;
    FoodGridView *grid_ = nullptr;
    CompositionTableView *table_ = nullptr;
    MacroChartView *chart_ = nullptr;
    QToolBar *toolbar_ = nullptr;
    std::array<QAction *, 9> buttons_{};
    QMenu *mnuPasto_ = nullptr;
    QMenu *mnuPersone_ = nullptr;
    QMenu *mnuScelta_ = nullptr;
    FoodSearchWindow *searchWindow_ = nullptr;
    QStatusBar *statusBar_ = nullptr;
    std::array<QLabel *, 3> panels_{};
    QTimer *clockTimer_ = nullptr;
    QTimer *titleTimer_ = nullptr;
};

}  // namespace velmo::ui
