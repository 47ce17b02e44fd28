// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/shell/mainmenubar.h"

#include "catalogue/foodcategory.h"
#include "shell/balancemodel.h"
#include "shell/mainwindowmodel.h"
#include "ui/plan/planbutton.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QUndoStack>

#include <functional>
#include <vector>

namespace velmo::ui {

MainMenuBar::MainMenuBar(MainWindowModel &model, QWidget *parent) : QMenuBar(parent), model_(model)
{
    buildMealMenu();
    buildEditMenu();
    buildRecentFilesMenu();
    buildPersonsMenu();
    buildCategoryMenu();
    buildCommands();
}

void MainMenuBar::buildMealMenu()
{
    mealMenu_ = addMenu(tr("&Pasto"));
    mealMenu_->setObjectName(QStringLiteral("mnuPasto"));
    MealDocument &document = model_.document();
    struct Command {
        const char *caption;
        const char *objectName;
        QKeySequence shortcut;
        std::function<void()> run;
        bool separatorAfter;
    };
    const Command commands[] = {
        {QT_TR_NOOP("&Nuovo"), "mnuPastoNuovo", QKeySequence::New, [&document] { document.newMeal(); }, false},
        {QT_TR_NOOP("Nuovo &giorno"), "mnuPastoNuovoGiorno", QKeySequence(), [&document] { document.newDay(); }, false},
        {QT_TR_NOOP("&Apri..."), "mnuPastoApri", QKeySequence::Open, [&document] { document.open(); }, false},
        {QT_TR_NOOP("&Salva"), "mnuPastoSalva", QKeySequence::Save, [&document] { document.save(); }, false},
        {QT_TR_NOOP("Salva &con nome..."), "mnuPastoSalvaConNome", QKeySequence(QStringLiteral("Ctrl+Shift+S")),
         [&document] { document.saveAs(); }, true},
        {QT_TR_NOOP("&Esporta CSV..."), "mnuPastoEsporta", QKeySequence(),
         [this, &document] { document.exportCsv(model_.comparison(), model_.requirementKcal()); }, true},
        {QT_TR_NOOP("&Profilo nutrizionale"), "mnuPastoProfilo", QKeySequence(Qt::Key_F4),
         [this] { emit nutrientProfileRequested(); }, false},
    };
    for (const Command &c : commands) {
        QAction *action = mealMenu_->addAction(tr(c.caption));
        action->setObjectName(QString::fromLatin1(c.objectName));
        action->setShortcut(c.shortcut);
        connect(action, &QAction::triggered, this, c.run);
        if (c.separatorAfter)
            mealMenu_->addSeparator();
    }
    buildBalanceCommand();
    buildDayCommands();
}

void MainMenuBar::buildBalanceCommand()
{
    balanceAction_ = mealMenu_->addAction(tr("&Bilancia quantità..."));
    balanceAction_->setObjectName(QStringLiteral("mnuPastoBilancia"));
    connect(balanceAction_, &QAction::triggered, this, &MainMenuBar::balanceRequested);
    // Never greyed out: a menu item out of use shows no status tip and takes no key, so chosen
    // with nothing to balance it says what is missing.
    const auto enable = [this] {
        const QString missing = BalanceModel::nothingToBalance(model_, BalanceModel::Scope::Meal);
        balanceAction_->setStatusTip(missing.isEmpty() ? tr("Propone i pesi che raggiungono gli obiettivi") : missing);
    };
    connect(&model_.meal(), &MealGrid::rowStateChanged, this, enable);
    connect(&model_.document(), &MealDocument::tableReplaced, this, enable);
    enable();
}

// The commands on the day's meals, in "&Pasto" and behind the meal selector's button; each is
// greyed out where the day has nothing for it to do.
void MainMenuBar::buildDayCommands()
{
    mealMenu_->addSeparator();
    DayPlan &day = model_.day();
    struct Command {
        const char *caption;
        const char *objectName;
        QKeySequence shortcut;
        bool (DayPlan::*run)();
        std::function<bool()> possible;
    };
    const Command commands[] = {
        {QT_TR_NOOP("Pasto s&uccessivo"), "mnuPastoSuccessivo", QKeySequence(Qt::CTRL | Qt::Key_PageDown),
         &DayPlan::next, [&day] { return day.current() + 1 < day.mealCount(); }},
        {QT_TR_NOOP("Pasto prece&dente"), "mnuPastoPrecedente", QKeySequence(Qt::CTRL | Qt::Key_PageUp),
         &DayPlan::previous, [&day] { return day.current() > 0; }},
        {QT_TR_NOOP("R&inomina pasto..."), "mnuPastoRinomina", QKeySequence(), &DayPlan::renameMeal,
         [] { return true; }},
        {QT_TR_NOOP("Aggiungi pas&to..."), "mnuPastoAggiungi", QKeySequence(), &DayPlan::addMeal,
         [&day] { return day.mealCount() < kMaxMealsPerDay; }},
        {QT_TR_NOOP("Rimuo&vi pasto"), "mnuPastoRimuovi", QKeySequence(), &DayPlan::removeMeal,
         [&day] { return day.mealCount() > 1; }},
    };
    std::vector<std::pair<QAction *, std::function<bool()>>> enabling;
    for (const Command &c : commands) {
        QAction *action = mealMenu_->addAction(tr(c.caption));
        action->setObjectName(QString::fromLatin1(c.objectName));
        action->setShortcut(c.shortcut);
        connect(action, &QAction::triggered, &day, [&day, run = c.run] { (day.*run)(); });
        enabling.emplace_back(action, c.possible);
        dayCommands_ << action;
    }
    const auto enable = [enabling] {
        for (const auto &[action, possible] : enabling)
            action->setEnabled(possible());
    };
    connect(&day, &DayPlan::changed, this, enable);
    enable();
}

// "Annulla" and "Ripeti" name the step they take back or again ("Annulla sblocco di Pane tipo
// italiano"), and are greyed out when there is none.
void MainMenuBar::buildEditMenu()
{
    editMenu_ = addMenu(tr("&Modifica"));
    editMenu_->setObjectName(QStringLiteral("mnuModifica"));
    QUndoStack &stack = model_.undoStack();
    QAction *undo = stack.createUndoAction(editMenu_, tr("&Annulla"));
    undo->setObjectName(QStringLiteral("mnuAnnulla"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction *redo = stack.createRedoAction(editMenu_, tr("&Ripeti"));
    redo->setObjectName(QStringLiteral("mnuRipeti"));
    redo->setShortcuts(redoKeys());
    editMenu_->addActions({undo, redo});
}

void MainMenuBar::buildRecentFilesMenu()
{
    mealMenu_->addSeparator();
    recentFilesMenu_ = mealMenu_->addMenu(tr("File &recenti"));
    recentFilesMenu_->setObjectName(QStringLiteral("mnuPastoRecenti"));
    recentFilesMenu_->setToolTipsVisible(true);
    // Made when it opens, so that a file deleted meanwhile shows as missing; never while one of
    // its items is still being chosen.
    connect(recentFilesMenu_, &QMenu::aboutToShow, this, &MainMenuBar::fillRecentFilesMenu);
    fillRecentFilesMenu();
}

void MainMenuBar::fillRecentFilesMenu()
{
    RecentFiles &recent = model_.recentFiles();
    recentFilesMenu_->clear();
    const QString home = QDir::homePath();
    bool anyMissing = false;
    int number = 0;
    for (const QString &path : recent.paths()) {
        const QFileInfo file(path);
        QString folder = file.absolutePath();
        if (folder == home || folder.startsWith(home + u'/'))
            folder = u'~' + folder.mid(home.size());
        // An "&" in a name is no accelerator.
        const auto plain = [](QString text) { return text.replace(u'&', QStringLiteral("&&")); };
        QAction *item = recentFilesMenu_->addAction(
            QStringLiteral("&%1 %2 (%3)")
                .arg(++number)
                .arg(plain(file.fileName()), plain(QDir::toNativeSeparators(folder))));
        item->setObjectName(QStringLiteral("mnuPastoRecente%1").arg(number));
        const bool missing = RecentFiles::isMissing(path);
        anyMissing = anyMissing || missing;
        item->setEnabled(!missing);
        const QString shown = QDir::toNativeSeparators(path);
        item->setToolTip(missing ? tr("%1: il file non c'è più").arg(shown) : shown);
        MealDocument &document = model_.document();
        connect(item, &QAction::triggered, &document, [&document, path] { document.openChosen(path); });
    }
    if (number > 0)
        recentFilesMenu_->addSeparator();
    QAction *removeMissing = recentFilesMenu_->addAction(tr("&Rimuovi i file mancanti"));
    removeMissing->setObjectName(QStringLiteral("mnuPastoRimuoviMancanti"));
    removeMissing->setEnabled(anyMissing);
    connect(removeMissing, &QAction::triggered, &recent, &RecentFiles::removeMissing);
    QAction *clear = recentFilesMenu_->addAction(tr("&Svuota elenco"));
    clear->setObjectName(QStringLiteral("mnuPastoSvuotaRecenti"));
    clear->setEnabled(number > 0);
    connect(clear, &QAction::triggered, &recent, &RecentFiles::clear);
}

void MainMenuBar::buildPersonsMenu()
{
    // Every total is for one person: the persons menu is there but never opens.
    personsMenu_ = addMenu(tr("&N° Persone"));
    personsMenu_->setObjectName(QStringLiteral("mnuPersone"));
    for (int n = 1; n <= 11; ++n) {
        const QString caption = n <= 9    ? QStringLiteral("&%1").arg(n)
                                : n == 10 ? QStringLiteral("1&0")
                                          : QStringLiteral("11");
        personsMenu_->addAction(caption)->setObjectName(QStringLiteral("mnu%1").arg(n));
    }
    personsMenu_->menuAction()->setEnabled(false);

    personMenu_ = addMenu(tr("&Persona"));
    personMenu_->setObjectName(QStringLiteral("mnuPersona"));
    QAction *persons = personMenu_->addAction(tr("&Persone..."));
    persons->setObjectName(QStringLiteral("mnuPersoneFinestra"));
    connect(persons, &QAction::triggered, this, &MainMenuBar::personsWindowRequested);
    // The person's days: the week, which day the window shows, copies to another, the habitual
    // meals; then the printed plan. Each key once in the menu.
    struct Command {
        const char *caption;
        const char *objectName;
        std::function<void()> run;
        bool separatorBefore;
    };
    DayCopies &copies = model_.dayCopies();
    const Command commands[] = {
        {QT_TR_NOOP("&Settimana..."), "mnuSettimana", [this] { emit weekWindowRequested(); }, false},
        {QT_TR_NOOP("&Giorno della persona..."), "mnuGiornoPersona", [this] { emit personDayRequested(); }, true},
        {QT_TR_NOOP("Copia pas&to in..."), "mnuCopiaPasto", [this] { emit copyRequested(false); }, false},
        {QT_TR_NOOP("Copia gi&orno in..."), "mnuCopiaGiorno", [this] { emit copyRequested(true); }, false},
        {QT_TR_NOOP("Salva come pasto &abituale..."), "mnuSalvaAbituale", [&copies] { copies.saveHabitual(); }, true},
        {QT_TR_NOOP("I&nserisci pasto abituale..."), "mnuInserisciAbituale", [this] { emit insertHabitualRequested(); },
         false},
        {QT_TR_NOOP("Sta&mpa piano..."), "mnuStampaPiano", [this] { emit planPrintRequested(); }, true},
        {QT_TR_NOOP("&Esporta PDF..."), "mnuEsportaPdf", [this] { emit planPdfRequested(); }, false},
        {QT_TR_NOOP("&Intestazione dello studio..."), "mnuIntestazione", [this] { emit practiceHeadingRequested(); },
         false},
    };
    for (const Command &c : commands) {
        if (c.separatorBefore)
            personMenu_->addSeparator();
        QAction *action = personMenu_->addAction(tr(c.caption));
        action->setObjectName(QString::fromLatin1(c.objectName));
        connect(action, &QAction::triggered, this, c.run);
    }
}

void MainMenuBar::buildCategoryMenu()
{
    categoryMenu_ = addMenu(tr("&Scelta alimenti"));
    categoryMenu_->setObjectName(QStringLiteral("mnuScelta"));
    // The sixteen categories' keys are given; the items added beside them take letters that no
    // category uses, and the personal foods' commands go in a submenu, which has keys of its own.
    QAction *find = categoryMenu_->addAction(tr("Cerca &alimento..."));
    find->setObjectName(QStringLiteral("mnuCerca"));
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(find, &QAction::triggered, this, &MainMenuBar::foodSearchRequested);
    QAction *richest = categoryMenu_->addAction(tr("Alimenti r&icchi di..."));
    richest->setObjectName(QStringLiteral("mnuRicchiDi"));
    connect(richest, &QAction::triggered, this, &MainMenuBar::rankingRequested);
    categoryMenu_->addSeparator();
    const auto &categories = foodCategories();
    for (int i = 0; i < kFoodCategoryCount; ++i) {
        const FoodCategory &category = categories[static_cast<std::size_t>(i)];
        QAction *item = categoryMenu_->addAction(category.shownMenuCaption());
        item->setObjectName(QString::fromLatin1(category.menuItem));
        // A category chosen from the keyboard is browsed from the keyboard: the grid takes the focus.
        connect(item, &QAction::triggered, &model_, [this, i] {
            model_.chooseCategory(i);
            emit categoryChosen();
        });
    }
    QAction *personal = categoryMenu_->addAction(personalCategory().shownMenuCaption());
    personal->setObjectName(QString::fromLatin1(personalCategory().menuItem));
    connect(personal, &QAction::triggered, &model_, [this] {
        model_.chooseCategory(kPersonalCategory);
        emit categoryChosen();
    });
    buildPersonalFoodsMenu();
}

void MainMenuBar::buildPersonalFoodsMenu()
{
    // The personal foods' commands, in a submenu; the grid's right button opens the category
    // menu that holds it.
    struct PersonalCommand {
        const char *caption;
        const char *objectName;
        void (PersonalFoodCommands::*command)();
        bool needsPersonalFood;  // only on a current food of the personal category
    };
    const PersonalCommand personalCommands[] = {
        {QT_TR_NOOP("&Nuovo alimento..."), "mnuNuovoAlimento", &PersonalFoodCommands::newFood, false},
        {QT_TR_NOOP("&Modifica alimento..."), "mnuModificaAlimento", &PersonalFoodCommands::modifyFood, true},
        {QT_TR_NOOP("&Elimina alimento"), "mnuEliminaAlimento", &PersonalFoodCommands::deleteFood, true},
        {nullptr, nullptr, nullptr, false},
        {QT_TR_NOOP("&Importa alimenti personali..."), "mnuImportaAlimenti", &PersonalFoodCommands::importFoods, false},
        {QT_TR_NOOP("E&sporta alimenti personali..."), "mnuEsportaAlimenti", &PersonalFoodCommands::exportFoods, false},
        {nullptr, nullptr, nullptr, false},
        {QT_TR_NOOP("Salva pasto come &alimento..."), "mnuSalvaPasto", &PersonalFoodCommands::saveMealAsFood, false},
    };
    categoryMenu_->addSeparator();
    QMenu *personalMenu = categoryMenu_->addMenu(tr("&Gestione alimenti personali"));
    personalMenu->setObjectName(QStringLiteral("mnuGestionePersonali"));
    PersonalFoodCommands &commands = model_.personalFoods();
    std::vector<QAction *> needFood;
    for (const PersonalCommand &c : personalCommands) {
        if (!c.caption) {
            personalMenu->addSeparator();
            continue;
        }
        QAction *action = personalMenu->addAction(tr(c.caption));
        action->setObjectName(QString::fromLatin1(c.objectName));
        connect(action, &QAction::triggered, &commands, c.command);
        if (c.needsPersonalFood)
            needFood.push_back(action);
    }
    const auto enableForFood = [&commands, needFood] {
        for (QAction *action : needFood)
            action->setEnabled(commands.personalFoodCurrent());
    };
    connect(categoryMenu_, &QMenu::aboutToShow, this, enableForFood);
    connect(personalMenu, &QMenu::aboutToShow, this, enableForFood);
}

void MainMenuBar::buildCommands()
{
    // The two energy windows under "&LAF", then titles that are commands themselves.
    QMenu *laf = addMenu(tr("&LAF"));
    laf->setObjectName(QStringLiteral("mnuLAF"));
    struct Command {
        QMenu *menu;  // none: a title of the menu bar
        const char *caption;
        const char *objectName;
        void (MainMenuBar::*run)();
        // The usual key of printing; "&Stampa" shares its accelerator with "&Scelta alimenti". F1 is
        // the help of the window it is pressed in (AppWindows); "&Help" opens the contents.
        QKeySequence shortcut;
    };
    const Command commands[] = {
        {laf, QT_TR_NOOP("LAF &Femmina"), "mnuLAFfemmina", &MainMenuBar::femaleEnergyWindowRequested, {}},
        {laf, QT_TR_NOOP("LAF &Maschio"), "mnuLAFmaschio", &MainMenuBar::maleEnergyWindowRequested, {}},
        {nullptr, QT_TR_NOOP("&Stampa"), "mnuStampa", &MainMenuBar::printRequested, QKeySequence::Print},
        {nullptr, QT_TR_NOOP("&Help"), "mnuHelp", &MainMenuBar::helpRequested, {}},
        {nullptr, QT_TR_NOOP("&Esci"), "mnuEsci", &MainMenuBar::exitChosen, {}},
    };
    for (const Command &c : commands) {
        const QString caption = tr(c.caption);
        QAction *action = c.menu ? c.menu->addAction(caption) : addAction(caption);
        action->setObjectName(QString::fromLatin1(c.objectName));
        action->setShortcut(c.shortcut);
        connect(action, &QAction::triggered, this, c.run);
    }
}

// "&Esci": the program ends once the meal may be lost.
void MainMenuBar::exitChosen()
{
    model_.exitClicked();
}

}  // namespace velmo::ui
