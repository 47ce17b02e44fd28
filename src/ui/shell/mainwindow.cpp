// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/shell/mainwindow.h"

#include "meal/nutrientrankingmodel.h"
#include "shell/daypanelmodel.h"
#include "shell/weekmodel.h"
#include "shell/balancemodel.h"
#include "shell/portionchoicemodel.h"
#include "ui/catalogue/foodgridview.h"
#include "ui/catalogue/foodsearchwindow.h"
#include "ui/nutrition/nutrientprofilewindow.h"
#include "ui/catalogue/foodwindow.h"
#include "ui/meal/compositiontableview.h"
#include "ui/meal/daypanel.h"
#include "ui/meal/mealselector.h"
#include "ui/meal/macrochartview.h"
#include "ui/nutrition/rankingwindow.h"
#include "ui/plan/daytargetdialog.h"
#include "ui/plan/habitualmealdialog.h"
#include "ui/plan/personswindow.h"
#include "ui/plan/weekwindow.h"
#include "ui/report/planprintdialog.h"
#include "ui/report/practiceheadingdialog.h"
#include "ui/plan/balancewindow.h"
#include "ui/shell/portiondialog.h"
#include "ui/shell/windowplacement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTime>
#include <QTimer>

#include <algorithm>

namespace velmo::ui {

namespace {

// Long enough for the start to be over, short beside the time a user takes to ask for a search.
constexpr int kSearchPreparationDelayMs = 300;

// A key held down on a date steps it many times a second, faster than a day of many rows opens,
// and so does a turning mouse wheel: the dates it passes are shown, and only the one it stops at
// is opened, on the key's release or once the wheel has rested a moment.
class HeldKeyGate : public QObject {
public:
    HeldKeyGate(QWidget *watched, std::function<void()> released) : QObject(watched), released_(std::move(released))
    {
        watched->installEventFilter(this);
        wheelRest_.setSingleShot(true);
        wheelRest_.setInterval(kWheelRestMs);
        connect(&wheelRest_, &QTimer::timeout, this, &HeldKeyGate::release);
    }
    // Whether a change now waits for the release, which is then told.
    bool defers()
    {
        pending_ = pending_ || held_;
        return held_;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->isAutoRepeat()) {
            held_ = true;
        } else if (event->type() == QEvent::Wheel) {
            held_ = true;
            wheelRest_.start();
        } else if ((event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent *>(event)->isAutoRepeat())
                   || event->type() == QEvent::FocusOut) {
            release();
        }
        return false;
    }

private:
    static constexpr int kWheelRestMs = 300;

    void release()
    {
        wheelRest_.stop();
        held_ = false;
        if (std::exchange(pending_, false))
            released_();
    }

    QTimer wheelRest_;
    std::function<void()> released_;
    bool held_ = false;
    bool pending_ = false;
};

// The black heading above the grid, in a bold serif: the category shown.
QLabel *newCategoryHeading(QWidget *parent)
{
    auto *heading = new QLabel(parent);
    heading->setObjectName(QStringLiteral("Label5"));
    heading->setGeometry(8, 32, 450, 20);
    heading->setAutoFillBackground(true);
    QPalette palette = heading->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    heading->setPalette(palette);
    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSize(11);
    serif.setBold(true);
    heading->setFont(serif);
    heading->setIndent(6);
    return heading;
}

// The cyan line below the grid where the program's title scrolls, in bold red.
QLabel *newScrollingTitle(QWidget *parent)
{
    auto *title = new QLabel(parent);
    title->setObjectName(QStringLiteral("Label2"));
    title->setGeometry(8, 226, 450, 18);
    title->setAutoFillBackground(true);
    QPalette palette = title->palette();
    palette.setColor(QPalette::Window, QColor(0, 192, 192));
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    title->setPalette(palette);
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    return title;
}

// The fixed-size client area, light grey.
QWidget *newClientArea(QWidget *parent, QSize size)
{
    auto *client = new QWidget(parent);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(size);
    client->setAutoFillBackground(true);
    QPalette background = client->palette();
    background.setColor(QPalette::Window, QColor(224, 224, 224));
    client->setPalette(background);
    return client;
}

// The fixed client area scrolls inside the window only when the window is smaller than it (a
// small screen, a high scaling): the window then still reaches every part of the table. It asks
// for room for the whole area, so that the window is as large as the layout wherever it fits.
class ClientScrollArea : public QScrollArea {
public:
    explicit ClientScrollArea(QWidget *client, QWidget *parent) : QScrollArea(parent)
    {
        setObjectName(QStringLiteral("clientScroll"));
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);  // the keys go to the controls; the focus scrolls to them
        setAccessibleName(MainWindow::tr("Area di lavoro"));
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setWidget(client);
        // Beyond the area (a window made larger than it) the same grey, not a hole.
        viewport()->setPalette(client->palette());
        viewport()->setBackgroundRole(QPalette::Window);
        viewport()->setAutoFillBackground(true);
    }
    QSize sizeHint() const override { return widget()->size(); }
};

}  // namespace

MainWindow::MainWindow(MainWindowModel &model, QWidget *parent) : QMainWindow(parent), model_(model)
{
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(QStringLiteral("Velmo"));

    // The status bar is the client area's last line, held by the window below the scrolling part:
    // the date, the time and the hints stay in sight on any screen.
    client_ = newClientArea(this, QSize(kClientWidth, kClientHeight - kStatusBarHeight));
    scrollArea_ = new ClientScrollArea(client_, this);
    setCentralWidget(scrollArea_);
    menus_ = new MainMenuBar(model_, this);
    setMenuBar(menus_);
    buildClientArea();
    buildTimers();

    connectMenus();
    connectMeal();
    connectGrid();
    connectModel();

    categoryHeading_->setText(model_.categoryHeading());
    scrollingTitle_->setText(model_.scrollingTitle());
    // Whatever takes the focus in the client area is scrolled into sight: Tab from the grid to
    // the open row's weight, the row a lock opens.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && client_->isAncestorOf(now))
            scrollArea_->ensureWidgetVisible(now);
    });
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrollArea_);
    fixedMaximum_ = sizeHint() + QSize(bar, bar);
    setMaximumSize(fixedMaximum_);
    if (const QScreen *screen = this->screen())
        fitWithin(screen->availableGeometry());
}

QSize MainWindow::fullSize() const
{
    return sizeHint();
}

void MainWindow::fitWithin(const QRect &available)
{
    const QSize full = fullSize();
    const QMargins frame = frameAllowance(*this);
    const QSize room = available.size() - QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    QSize size = full.boundedTo(room);
    // A scroll bar takes room across the area: the window grows by as much where the screen allows,
    // so that scrolling one way does not also need a bar the other way.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrollArea_);
    if (size.height() < full.height())
        size.setWidth(std::min(full.width() + bar, room.width()));
    if (size.width() < full.width())
        size.setHeight(std::min(full.height() + bar, room.height()));
    resize(size);
    // Where the window does not fit whole, it takes the screen's room from its corner; elsewhere
    // the window manager places it, as always.
    if (size != full)
        move(available.topLeft());
}

// The widgets of the client area, in the order the keyboard's focus visits them.
void MainWindow::buildClientArea()
{
    toolbar_ = new MainToolBar(model_, client_);
    toolbar_->setGeometry(0, 0, kClientWidth, 28);
    categoryHeading_ = newCategoryHeading(client_);
    grid_ = new FoodGridView(model_.dataControl(), client_);
    grid_->setGeometry(8, 54, 450, 168);
    chart_ = new MacroChartView(client_);
    chart_->setGeometry(464, 56, 272, 185);
    scrollingTitle_ = newScrollingTitle(client_);
    table_ = new CompositionTableView(model_.meal(), client_);
    table_->move(0, 248);
    // Above the foods' names, where the table's first heading line has no heading.
    mealSelector_ = new MealSelector(model_.day(), client_);
    mealSelector_->setGeometry(8, 250, 178, 22);
    mealSelector_->raise();
    mealSelector_->setCommands(menus_->dayCommands());
    statusBar_ = new MainStatusBar(model_, QRect(0, 0, kClientWidth, kStatusBarHeight), this);
    setStatusBar(statusBar_);
}

void MainWindow::buildTimers()
{
    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName(QStringLiteral("Timer1"));
    clockTimer_->setInterval(1000);
    connect(clockTimer_, &QTimer::timeout, this, [this] { model_.clockTick(QTime::currentTime()); });
    clockTimer_->start();

    titleTimer_ = new QTimer(this);
    titleTimer_->setObjectName(QStringLiteral("Timer2"));
    titleTimer_->setInterval(100);
    connect(titleTimer_, &QTimer::timeout, &model_, &MainWindowModel::titleTick);
    titleTimer_->start();
}

void MainWindow::connectMenus()
{
    connect(menus_, &MainMenuBar::categoryChosen, this, [this] { grid_->setFocus(Qt::ShortcutFocusReason); });
    connect(menus_, &MainMenuBar::foodSearchRequested, this, &MainWindow::openFoodSearch);
    connect(menus_, &MainMenuBar::rankingRequested, this, &MainWindow::openRanking);
    connect(menus_, &MainMenuBar::nutrientProfileRequested, this, &MainWindow::openNutrientProfile);
    connect(menus_, &MainMenuBar::personsWindowRequested, this, &MainWindow::openPersons);
    connect(menus_, &MainMenuBar::weekWindowRequested, this, &MainWindow::openWeek);
    connect(menus_, &MainMenuBar::planPrintRequested, this,
            [this] { printPlan(model_, settings_, PlanOutput::Printer, this); });
    connect(menus_, &MainMenuBar::planPdfRequested, this,
            [this] { printPlan(model_, settings_, PlanOutput::Pdf, this); });
    connect(menus_, &MainMenuBar::practiceHeadingRequested, this, [this] {
        PracticeHeadingDialog heading(settings_, this);
        heading.exec();
    });
    connect(menus_, &MainMenuBar::personDayRequested, this, &MainWindow::openPersonDay);
    connect(menus_, &MainMenuBar::copyRequested, this, &MainWindow::copyTo);
    connect(menus_, &MainMenuBar::insertHabitualRequested, this, &MainWindow::insertHabitual);
    connect(menus_, &MainMenuBar::balanceRequested, this, [this] { openBalance(false); });
    connect(menus_, &MainMenuBar::femaleEnergyWindowRequested, this, &MainWindow::femaleEnergyWindowRequested);
    connect(menus_, &MainMenuBar::maleEnergyWindowRequested, this, &MainWindow::maleEnergyWindowRequested);
    connect(menus_, &MainMenuBar::printRequested, this, &MainWindow::printRequested);
    connect(menus_, &MainMenuBar::helpRequested, this, &MainWindow::helpRequested);
}

void MainWindow::connectMeal()
{
    MealGrid &meal = model_.meal();
    connect(table_, &CompositionTableView::grossEdited, &meal, &MealGrid::setGrossText);
    connect(table_, &CompositionTableView::grossClicked, &meal, &MealGrid::grossClicked);
    connect(table_, &CompositionTableView::lockBoxClicked, &model_, &MainWindowModel::lockBoxClicked);
    // The open row's portion: F3 anywhere in the window, or the gross-weight box's own menu.
    portionAction_ = new QAction(tr("P&orzione..."), this);
    portionAction_->setObjectName(QStringLiteral("mnuPorzione"));
    portionAction_->setShortcut(QKeySequence(Qt::Key_F3));
    portionAction_->setToolTip(tr("Peso lordo da una misura o da una porzione dell'alimento"));
    addAction(portionAction_);
    connect(portionAction_, &QAction::triggered, this, &MainWindow::choosePortion);
    table_->setOpenRowActions({portionAction_});
    auto showChart = [this, &meal] {
        const auto &values = meal.chartValues();
        chart_->setValues(values[0], values[1], values[2]);
    };
    connect(&meal, &MealGrid::chartChanged, chart_, showChart);
    showChart();
    MealDocument &document = model_.document();
    connect(&document, &MealDocument::windowTitleChanged, this,
            [this, &document] { setWindowTitle(document.windowTitle()); });
    connect(&model_.day(), &DayPlan::changed, this, &MainWindow::updateDayPanel);
}

// The panel is made, and the profile's tables read, only when a day has more than a meal.
void MainWindow::updateDayPanel()
{
    const bool wanted = !model_.day().isSingleMeal();
    if (!dayDock_) {
        if (!wanted)
            return;
        dayPanelModel_ = new DayPanelModel(model_, this);
        dayDock_ = new QDockWidget(tr("Giorno"), this);
        dayDock_->setObjectName(QStringLiteral("dockGiorno"));
        dayDock_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
        // A title of its own: the panel is never closed, it goes with the day's meals.
        auto *title = new QLabel(dayDock_->windowTitle(), dayDock_);
        title->setMargin(4);
        dayDock_->setTitleBarWidget(title);
        // The dock's own buttons, hidden behind that title, still speak to a screen reader: in
        // the program's language, as everything else does.
        const std::pair<const char *, QString> buttons[] = {{"qt_dockwidget_closebutton", tr("Chiudi il pannello")},
                                                            {"qt_dockwidget_floatbutton", tr("Stacca il pannello")}};
        for (const auto &[name, text] : buttons)
            if (auto *button = dayDock_->findChild<QWidget *>(QLatin1String(name)))
                button->setAccessibleName(text);
        dayPanel_ = new DayPanel(*dayPanelModel_, dayDock_);
        dayDock_->setWidget(dayPanel_);
        connect(dayPanel_->balanceButton(), &QPushButton::clicked, this, [this] { openBalance(true); });
        const auto enableBalance = [this] {
            const QString missing = BalanceModel::nothingToBalance(model_, BalanceModel::Scope::Day);
            dayPanel_->balanceButton()->setEnabled(missing.isEmpty());
            dayPanel_->balanceButton()->setToolTip(missing);
            dayPanel_->balanceButton()->setStatusTip(missing);
        };
        connect(dayPanelModel_, &DayPanelModel::refreshed, this, enableBalance);
        enableBalance();
        QDateEdit *dayDate = dayPanel_->dayDate();
        const auto openShownDate = [this, dayDate] {
            if (!model_.storedDays().openDate(dayDate->date()))
                showStoredDay();
        };
        auto *gate = new HeldKeyGate(dayDate, openShownDate);
        connect(dayDate, &QDateEdit::dateChanged, this, [gate, openShownDate] {
            if (!gate->defers())
                openShownDate();
        });
        // Without a stored day in the window the date shows today's: picking that same date in
        // the calendar changes no date, and opens the day all the same. Another date was opened,
        // or refused, by the change of date already.
        connect(dayPanel_->dayDate()->calendarWidget(), &QCalendarWidget::clicked, this, [this](QDate date) {
            StoredDays &days = model_.storedDays();
            if (!model_.document().storedDay() && date == days.date() && !days.openDate(date))
                showStoredDay();
        });
        connect(&model_.storedDays(), &StoredDays::changed, this, &MainWindow::showStoredDay);
        connect(&model_.persons(), &PersonSession::currentChanged, this, &MainWindow::showStoredDay);
        showStoredDay();
        dayDock_->hide();
        addDockWidget(Qt::RightDockWidgetArea, dayDock_);
    }
    if (dayDock_->isHidden() != wanted)
        return;
    if (!wanted) {
        dayDock_->hide();
        setMaximumSize(fixedMaximum_);
        return;
    }
    // Beside the table the window grows by the panel, as far as the screen allows.
    setMaximumSize(QWIDGETSIZE_MAX, fixedMaximum_.height());
    dayDock_->show();
    if (dayDock_->isFloating())
        return;
    // The panel, and the separator between it and the table.
    const int panel = dayDock_->sizeHint().width();
    int room = width() + panel + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    if (const QScreen *screen = this->screen()) {
        const QMargins frame = frameAllowance(*this);
        room = std::min(room, screen->availableGeometry().width() - frame.left() - frame.right());
    }
    resize(std::max(room, width()), height());
}

void MainWindow::connectGrid()
{
    // From the grid, Tab goes on to the weight of the food just chosen, in the row that takes it.
    grid_->installEventFilter(this);
    connect(grid_, &FoodGridView::gridClicked, &model_, &MainWindowModel::gridClicked);
    connect(grid_, &FoodGridView::rowChosen, &model_, &MainWindowModel::gridRowChosen);
    connect(grid_, &FoodGridView::categoryMenuRequested, this,
            [this](const QPoint &at) { menus_->categoryMenu()->popup(at); });
}

void MainWindow::connectModel()
{
    connect(&model_, &MainWindowModel::categoryHeadingChanged, this,
            [this] { categoryHeading_->setText(model_.categoryHeading()); });
    connect(&model_, &MainWindowModel::scrollingTitleChanged, this,
            [this] { scrollingTitle_->setText(model_.scrollingTitle()); });
    connect(&model_, &MainWindowModel::mousePointerChanged, this, [this] { pointer_.set(model_.mousePointer()); });
    connect(&model_, &MainWindowModel::printRequested, this, &MainWindow::printRequested);
    connect(&model_, &MainWindowModel::helpRequested, this, &MainWindow::helpRequested);
    connect(&model_, &MainWindowModel::exitRequested, this, &MainWindow::exitRequested);
    connect(&model_.personalFoods(), &PersonalFoodCommands::foodWindowRequested, this, &MainWindow::showFoodWindow);
    // An open search and an open ranking show the personal foods as they are now.
    connect(&model_.personalFoods(), &PersonalFoodCommands::foodsChanged, this, [this] {
        if (searchWindow_ && searchWindow_->isVisible())
            foodSearchNow();
        if (rankingWindow_ && rankingWindow_->isVisible()) {
            followPersonalFoodsInRanking();
            rankingWindow_->rankAgain();
        }
    });
    // A file read for long shows how far it is and may be stopped; nothing else is done meanwhile.
    model_.setReadingProgress([this](int permille) {
        if (permille < 0) {
            readingProgress_.reset();
            return true;
        }
        if (!readingProgress_) {
            readingProgress_ = std::make_unique<QProgressDialog>(tr("Lettura del file in corso..."), tr("Annulla"), 0,
                                                                 1000, this);
            readingProgress_->setWindowTitle(tr("Importa alimenti personali"));
            readingProgress_->setAccessibleName(tr("Avanzamento della lettura del file"));
            readingProgress_->setWindowModality(Qt::ApplicationModal);
            readingProgress_->setMinimumDuration(500);
        }
        readingProgress_->setValue(permille);
        return !readingProgress_->wasCanceled();
    });
}

void MainWindow::showFoodWindow()
{
    if (FoodFormModel *form = model_.personalFoods().foodForm()) {
        FoodWindow window(*form, this);
        if (settings_)
            rememberPlacement(window, *settings_, RememberedWindow::Food);
        window.exec();
    }
    model_.personalFoods().foodWindowClosed();
}

MainWindow::~MainWindow()
{
    model_.setReadingProgress({});
}

void MainWindow::choosePortion()
{
    if (!portionChoice_)
        portionChoice_ = std::make_unique<PortionChoiceModel>(model_);
    if (!portionChoice_->begin())
        return;
    PortionDialog dialog(*portionChoice_, this);
    dialog.exec();
}

void MainWindow::openBalance(bool wholeDay)
{
    // Read anew each time: the table and the person may have changed since.
    BalanceModel balance(model_);
    if (!balance.begin(wholeDay ? BalanceModel::Scope::Day : BalanceModel::Scope::Meal))
        return;
    BalanceWindow window(balance, this);
    fitWithinScreen(window);
    window.exec();
}

// The search with the personal foods as they are now; the search window, which keeps where its
// foods stood, looks again.
const FoodSearch &MainWindow::foodSearchNow()
{
    const auto kept = searchWindow_ ? searchWindow_->currentFood() : std::nullopt;
    const FoodSearch &search = model_.foodSearch();
    if (searchWindow_)
        searchWindow_->refresh(model_.foodSearchError(), kept);
    return search;
}

void MainWindow::openFoodSearch()
{
    const FoodSearch &search = foodSearchNow();
    if (!searchWindow_) {
        searchWindow_ = new FoodSearchWindow(search, model_.foodSearchError(), this);
        if (settings_)
            rememberPlacement(*searchWindow_, *settings_, RememberedWindow::FoodSearch);
        connect(searchWindow_, &FoodSearchWindow::foodChosen, &model_, &MainWindowModel::chooseFood);
    }
    searchWindow_->showSearch();
}

void MainWindow::openRanking()
{
    // The search opens the personal foods when there are some; the ranking ranks them too.
    foodSearchNow();
    if (!rankingWindow_) {
        ranking_ = new NutrientRankingModel(model_.foodDatabase(), this);
        rankingWindow_ = new RankingWindow(*ranking_, this);
        if (settings_)
            rememberPlacement(*rankingWindow_, *settings_, RememberedWindow::Ranking);
        connect(rankingWindow_, &RankingWindow::foodChosen, this, &MainWindow::chooseRankedFood);
    }
    followPersonalFoodsInRanking();
    rankingWindow_->showRanking();
}

void MainWindow::followPersonalFoodsInRanking()
{
    if (PersonalCatalogue *personal = model_.personalFoods().catalogue())
        ranking_->setPersonalDatabase(personal->connection());
}

// The ranked food reaches the open row as a food found by the search does.
void MainWindow::chooseRankedFood(int category, const QString &shownName)
{
    const FoodSearch &search = foodSearchNow();
    for (int i = 0; i < search.size(); ++i)
        if (search.food(i).category == category && search.food(i).name == shownName)
            return model_.chooseFood(search.food(i));
    model_.dialogs().message(tr("\"%1\" non è più tra gli alimenti.").arg(shownName), QStringLiteral("Velmo"),
                             MessageIcon::Information);
}

void MainWindow::openNutrientProfile()
{
    if (!profileWindow_) {
        profileWindow_ = new NutrientProfileWindow(model_, this);
        profileWindow_->model().setWeek(&weekModel());
        if (settings_)
            rememberPlacement(*profileWindow_, *settings_, RememberedWindow::NutrientProfile);
    }
    profileWindow_->show();
    profileWindow_->raise();
    profileWindow_->activateWindow();
}

// The persons' store is opened here, at the window's first use; a store that cannot be opened
// has been told, and no window opens.
void MainWindow::openPersons()
{
    if (!personsWindow_) {
        auto *window = new PersonsWindow(model_.persons(), model_.undoStack(), this);
        if (!window->model().open()) {
            delete window;
            return;
        }
        personsWindow_ = window;
        if (settings_)
            rememberPlacement(*personsWindow_, *settings_, RememberedWindow::Persons);
    } else {
        personsWindow_->model().reloadSelected();  // another Velmo may have changed the persons since
    }
    personsWindow_->show();
    personsWindow_->raise();
    personsWindow_->activateWindow();
}

WeekModel &MainWindow::weekModel()
{
    if (!weekModel_)
        weekModel_ = new WeekModel(model_, this);
    return *weekModel_;
}

// As the persons' window, the week opens the store at its first use; a store that cannot be opened
// has been told, and no window opens.
void MainWindow::openWeek()
{
    if (!weekWindow_) {
        if (!weekModel().open())
            return;
        weekWindow_ = new WeekWindow(weekModel(), this);
        connect(weekWindow_, &WeekWindow::averageProfileRequested, this, &MainWindow::openWeekAverageProfile);
        if (settings_)
            rememberPlacement(*weekWindow_, *settings_, RememberedWindow::Week);
    } else if (weekWindow_->isHidden()) {
        // Opened again, it starts from this week, as it did the first time.
        weekModel().thisWeek();
        weekModel().refresh();  // another Velmo may have planned a day since
    } else {
        weekModel().refresh();
    }
    weekWindow_->show();
    weekWindow_->raise();
    weekWindow_->activateWindow();
}

void MainWindow::openWeekAverageProfile()
{
    openNutrientProfile();
    profileWindow_->showSubject(ProfileSubject::WeekAverage);
}

// Whose days the panel's date goes through, and the date of the day shown (today without one).
void MainWindow::showStoredDay()
{
    StoredDays &days = model_.storedDays();
    const QString person = days.person();
    // A person's day compared with another's requirement (made current since) says whose it is.
    const QString current = model_.persons().currentName();
    QString shown = tr("Nessuna persona corrente");
    // A table that is no stored day (a file, a new day, a day whose person is gone) is nobody's:
    // the date opens one of the current person's days.
    if (!model_.document().storedDay() && !person.isEmpty())
        shown = tr("Apri un giorno di %1:").arg(person);
    else if (!person.isEmpty() && current == person)
        shown = tr("Giorno di %1:").arg(person);
    else if (!person.isEmpty())
        shown = current.isEmpty() ? tr("Giorno di %1 (nessuna persona corrente):").arg(person)
                                  : tr("Giorno di %1 (fabbisogno di %2):").arg(person, current);
    dayPanel_->dayPerson()->setText(shown);
    const QSignalBlocker quiet(dayPanel_->dayDate());
    dayPanel_->dayDate()->setDate(days.date());
    dayPanel_->dayDate()->setEnabled(!person.isEmpty());
}

void MainWindow::openPersonDay()
{
    StoredDays &days = model_.storedDays();
    const QStringList persons = model_.dayCopies().persons();
    if (persons.isEmpty())
        return;
    DayTargetDialog dialog(tr("Giorno della persona"), persons, days.person(), days.date(), {}, this);
    if (dialog.exec() == QDialog::Accepted)
        days.open(dialog.person(), dialog.date());
}

void MainWindow::copyTo(bool wholeDay)
{
    DayCopies &copies = model_.dayCopies();
    const QStringList persons = copies.persons();
    if (persons.isEmpty())
        return;
    const StoredDays &days = model_.storedDays();
    DayTargetDialog::MealsOf meals;
    if (!wholeDay)
        meals = [&copies](const QString &person, QDate date) { return copies.mealsOf(person, date); };
    DayTargetDialog dialog(wholeDay ? tr("Copia giorno in") : tr("Copia pasto in"), persons, days.person(),
                           days.date().addDays(1), meals, this);
    dialog.setObjectName(QStringLiteral("frmCopiaIn"));  // its own help
    if (dialog.exec() != QDialog::Accepted)
        return;
    const DayCopies::Target target{dialog.person(), dialog.date(), dialog.meal()};
    if (wholeDay)
        copies.copyDay(target);
    else
        copies.copyMeal(target);
}

void MainWindow::insertHabitual()
{
    DayCopies &copies = model_.dayCopies();
    const QStringList names = copies.habitualMeals();
    if (!model_.persons().isOpen())
        return;
    HabitualMealDialog dialog(names, this);
    connect(&dialog, &HabitualMealDialog::removeRequested, this, [&copies, &dialog](const QString &name) {
        if (copies.removeHabitual(name))
            dialog.removeChosen();
    });
    if (dialog.exec() == QDialog::Accepted && !dialog.chosen().isEmpty())
        copies.insertHabitual(dialog.chosen(), dialog.replace());
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        model_.activate(QDate::currentDate());
        model_.followPersonalFoodsChangedElsewhere();
        // The foods for the search are read in the background a moment after the window is up,
        // when the start no longer waits for anything.
        if (!searchPrepared_) {
            searchPrepared_ = true;
            QTimer::singleShot(kSearchPreparationDelayMs, &model_, &MainWindowModel::prepareFoodSearch);
        }
        if (model_.clockEnabled() && !clockTimer_->isActive())
            clockTimer_->start();
    }
    QMainWindow::changeEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const std::optional<int> open = model_.meal().openRow();
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier && open) {
            table_->grossBox(*open)->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!model_.mayClose()) {
        event->ignore();
        return;
    }
    pointer_.set(MousePointer::Default);
    event->accept();
    emit closed();
}

}  // namespace velmo::ui
