// The main window's chrome: menus, toolbar, status bar and timers.

#include "ui/shell/mainwindow.h"

#include "catalogue/foodcategory.h"
#include "ui/catalogue/foodgridview.h"

#include <QAction>
#include <QMenu>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <vector>

namespace velmo::ui {

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    buildMealMenu();

    // Every total is for one person: the persons menu is there but never opens.
    mnuPersone_ = bar->addMenu(QStringLiteral("&N° Persone"));
    mnuPersone_->setObjectName(QStringLiteral("mnuPersone"));
    for (int n = 1; n <= 11; ++n) {
        const QString caption = n <= 9    ? QStringLiteral("&%1").arg(n)
                                : n == 10 ? QStringLiteral("1&0")
                                          : QStringLiteral("11");
        mnuPersone_->addAction(caption)->setObjectName(QStringLiteral("mnu%1").arg(n));
    }
    mnuPersone_->menuAction()->setEnabled(false);

    mnuScelta_ = bar->addMenu(QStringLiteral("&Scelta alimenti"));
    mnuScelta_->setObjectName(QStringLiteral("mnuScelta"));
    // The sixteen categories' keys are given; the items added beside them take letters that no
    // category uses, and the personal foods' commands go in a submenu, which has keys of its own.
    QAction *find = mnuScelta_->addAction(QStringLiteral("Cerca &alimento..."));
    find->setObjectName(QStringLiteral("mnuCerca"));
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(find, &QAction::triggered, this, &MainWindow::openFoodSearch);
    mnuScelta_->addSeparator();
    const auto &categories = foodCategories();
    for (int i = 0; i < kFoodCategoryCount; ++i) {
        const FoodCategory &category = categories[static_cast<std::size_t>(i)];
        QAction *item = mnuScelta_->addAction(category.menuCaption);
        item->setObjectName(QString::fromLatin1(category.menuItem));
        // A category chosen from the keyboard is browsed from the keyboard: the grid takes the focus.
        connect(item, &QAction::triggered, &model_, [this, i] {
            model_.chooseCategory(i);
            grid_->setFocus(Qt::ShortcutFocusReason);
        });
    }
    QAction *personal = mnuScelta_->addAction(personalCategory().menuCaption);
    personal->setObjectName(QString::fromLatin1(personalCategory().menuItem));
    connect(personal, &QAction::triggered, &model_, [this] { model_.chooseCategory(kPersonalCategory); });

    // The personal foods' commands, in a submenu; the grid's right button opens this same menu.
    struct PersonalCommand {
        const char *caption;
        const char *objectName;
        void (MainWindowModel::*command)();
        bool needsPersonalFood;  // only on a current food of the personal category
    };
    const PersonalCommand personalCommands[] = {
        {"&Nuovo alimento...", "mnuNuovoAlimento", &MainWindowModel::newPersonalFood, false},
        {"&Modifica alimento...", "mnuModificaAlimento", &MainWindowModel::modifyPersonalFood, true},
        {"&Elimina alimento", "mnuEliminaAlimento", &MainWindowModel::deletePersonalFood, true},
        {nullptr, nullptr, nullptr, false},
        {"&Importa alimenti personali...", "mnuImportaAlimenti", &MainWindowModel::importPersonalFoods, false},
        {"E&sporta alimenti personali...", "mnuEsportaAlimenti", &MainWindowModel::exportPersonalFoods, false},
        {nullptr, nullptr, nullptr, false},
        {"Salva pasto come &alimento...", "mnuSalvaPasto", &MainWindowModel::saveMealAsFood, false},
    };
    mnuScelta_->addSeparator();
    QMenu *personalMenu = mnuScelta_->addMenu(QStringLiteral("&Gestione alimenti personali"));
    personalMenu->setObjectName(QStringLiteral("mnuGestionePersonali"));
    std::vector<QAction *> needFood;
    for (const PersonalCommand &c : personalCommands) {
        if (!c.caption) {
            personalMenu->addSeparator();
            continue;
        }
        QAction *action = personalMenu->addAction(QString::fromUtf8(c.caption));
        action->setObjectName(QString::fromLatin1(c.objectName));
        connect(action, &QAction::triggered, &model_, c.command);
        if (c.needsPersonalFood)
            needFood.push_back(action);
    }
    const auto enableForFood = [this, needFood] {
        for (QAction *action : needFood)
            action->setEnabled(model_.personalCategoryCurrent() && model_.hasCurrentFood());
    };
    connect(mnuScelta_, &QMenu::aboutToShow, this, enableForFood);
    connect(personalMenu, &QMenu::aboutToShow, this, enableForFood);

    // The commands: the two energy windows under "&LAF", then titles that are commands themselves.
    QMenu *laf = bar->addMenu(QStringLiteral("&LAF"));
    laf->setObjectName(QStringLiteral("mnuLAF"));
    struct Command {
        QMenu *menu;  // none: a title of the menu bar
        const char *caption;
        const char *objectName;
        void (MainWindow::*signal)();
        // The usual keys of printing and help; "&Stampa" shares its accelerator with "&Scelta alimenti".
        QKeySequence shortcut;
    };
    const Command commands[] = {
        {laf, "LAF &Femmina", "mnuLAFfemmina", &MainWindow::lafFemminaRequested, {}},
        {laf, "LAF &Maschio", "mnuLAFmaschio", &MainWindow::lafMaschioRequested, {}},
        {nullptr, "&Stampa", "mnuStampa", &MainWindow::printRequested, QKeySequence::Print},
        {nullptr, "&Help", "mnuHelp", &MainWindow::helpRequested, QKeySequence::HelpContents},
        {nullptr, "&Esci", "mnuEsci", &MainWindow::exitChosen, {}},
    };
    for (const Command &c : commands) {
        const QString caption = QString::fromUtf8(c.caption);
        QAction *action = c.menu ? c.menu->addAction(caption) : bar->addAction(caption);
        action->setObjectName(QString::fromLatin1(c.objectName));
        action->setShortcut(c.shortcut);
        connect(action, &QAction::triggered, this, c.signal);
    }
}

void MainWindow::buildToolbar()
{
    toolbar_ = new QToolBar(client_);
    toolbar_->setObjectName(QStringLiteral("Toolbar2"));
    toolbar_->setGeometry(0, 0, kClientWidth, 28);
    toolbar_->setIconSize(QSize(20, 20));
    toolbar_->setMovable(false);

    // Positions 1 and 6 are separators; the others carry the pictures in order, no captions.
    static const char *pictures[9] = {nullptr, "first", "previous", "next", "last", nullptr, "print", "help", "exit"};
    // Named for the tooltips and screen readers; the buttons show only their pictures.
    static const char *names[9] = {nullptr,
                                   "Primo alimento",
                                   "Alimento precedente",
                                   "Alimento successivo",
                                   "Ultimo alimento",
                                   nullptr,
                                   "Stampa",
                                   "Guida",
                                   "Esci"};
    for (int position = 1; position <= 9; ++position) {
        QAction *button = nullptr;
        if (pictures[position - 1] == nullptr) {
            button = toolbar_->addSeparator();
        } else {
            button = toolbar_->addAction(
                QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(pictures[position - 1]))),
                QString::fromUtf8(names[position - 1]));
            connect(button, &QAction::triggered, &model_, [this, position] { model_.toolbarButtonClicked(position); });
        }
        button->setObjectName(QStringLiteral("Toolbar2_%1").arg(position));
        buttons_[static_cast<std::size_t>(position - 1)] = button;
    }
}

void MainWindow::renderToolbarStyle()
{
    // Flat: the buttons show no frame until the mouse is over them.
    for (QAction *button : buttons_) {
        if (auto *tool = qobject_cast<QToolButton *>(toolbar_->widgetForAction(button)))
            tool->setAutoRaise(model_.toolbarFlat());
    }
}

void MainWindow::buildStatusBar()
{
    statusBar_ = new QStatusBar(client_);
    statusBar_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar_->setSizeGripEnabled(false);
    statusBar_->setGeometry(0, kClientHeight - 20, kClientWidth, 20);
    const int widths[3] = {180, 120, 0};
    for (int i = 0; i < 3; ++i) {
        auto *panel = new QLabel(statusBar_);
        panel->setObjectName(QStringLiteral("StatusBar1_panel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (widths[i] > 0)
            panel->setMinimumWidth(widths[i]);
        statusBar_->addWidget(panel, widths[i] > 0 ? 0 : 1);
        panels_[static_cast<std::size_t>(i)] = panel;
    }
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

}  // namespace velmo::ui
