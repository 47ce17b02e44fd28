// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodcategory.h"
#include "catalogue/personalfoodtable.h"
#include "common/translation.h"
#include "support/fakeprinterservice.h"
#include "shellfixture.h"
#include "ui/catalogue/foodgridview.h"
#include "ui/catalogue/foodsearchwindow.h"
#include "ui/nutrition/nutrientprofilewindow.h"
#include "ui/nutrition/rankingwindow.h"
#include "ui/catalogue/foodwindow.h"
#include "ui/energy/choicedialog.h"
#include "ui/energy/energyui.h"
#include "ui/energy/energywindow.h"
#include "ui/energy/launcherwindow.h"
#include "shell/daypanelmodel.h"
#include "shell/weekmodel.h"
#include "shell/weightlistmodel.h"
#include "ui/meal/compositiontableview.h"
#include "ui/meal/mealselector.h"
#include "shell/balancerowsmodel.h"
#include "shell/balancetargetsmodel.h"
#include "ui/plan/balancewindow.h"
#include "ui/plan/habitualmealdialog.h"
#include "ui/plan/personform.h"
#include "ui/plan/personswindow.h"
#include "ui/plan/weekwindow.h"
#include "ui/shell/appwindows.h"
#include "ui/shell/helpwindow.h"
#include "ui/shell/mainwindow.h"
#include "ui/report/planprintdialog.h"
#include "ui/report/practiceheadingdialog.h"
#include "ui/shell/portiondialog.h"
#include "ui/shell/qtdialogs.h"

#include <functional>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDebug>
#include <QFile>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTranslator>
#include <QHeaderView>
#include <QTableView>
#include <QTreeView>
#include <QXmlStreamReader>

using namespace velmo;
using namespace velmo::test;
using velmo::ui::MainWindow;
using namespace Qt::StringLiterals;

namespace {

// Runs the program's event loop until it ends, or 99 if it does not end within five seconds.
int execUntilQuit()
{
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    safety.start(5000);
    return QApplication::exec();
}

// A missing database stops the start with its reason and shows no window.
TEST(AppWindowsStart, AMissingDatabaseShowsNoWindow)
{
    FakeDialogs dialogs;
    ui::AppWindows windows;
    windows.setDialogs(&dialogs);
    QString error;
    EXPECT_FALSE(windows.start(QStringLiteral("/nessuna/cartella/elementi97.db"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("elementi97.db"))) << error.toStdString();
    EXPECT_EQ(windows.mainWindow(), nullptr);
}

// The program's boxes show their text as written: a name typed with markup in it is not read as
// markup.
TEST(QtDialogsTest, ABoxShowsItsTextAsWritten)
{
    ui::QtDialogs boxes;
    const QString name = u"<b>Pane</b> & latte"_s;
    QStringList shown;
    const auto look = [&shown] {
        QTimer::singleShot(0, [&shown] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            shown << (box->textFormat() == Qt::PlainText ? box->text() : u"(markup)"_s);
            box->close();
        });
    };
    look();
    boxes.message(name, u"Velmo"_s, MessageIcon::Information);
    look();
    boxes.askYesNoCancel(name, u"Velmo"_s);
    look();
    boxes.choose(name, u"Velmo"_s, {u"Uno"_s});
    EXPECT_EQ(shown, QStringList({name, name, name}));
}

// The practice's logo is reached with its letter; one that is no picture is refused, and said.
TEST(PracticeHeadingDialogTest, ALogoThatIsNoPictureIsRefused)
{
    const LocaleGuard italian("it_IT");
    QTemporaryDir dir;
    Settings settings;
    settings.setPath(dir.filePath(u"velmo.conf"_s));
    ui::PracticeHeadingDialog dialog(&settings, nullptr);
    QLineEdit *logo = nullptr;
    for (QLabel *label : dialog.findChildren<QLabel *>())
        if (label->text() == u"&Logo")
            logo = qobject_cast<QLineEdit *>(label->buddy());
    ASSERT_TRUE(logo);
    QFile notAPicture(dir.filePath(u"logo.png"_s));
    ASSERT_TRUE(notAPicture.open(QIODevice::WriteOnly) && notAPicture.write("testo") == 5);
    notAPicture.close();
    logo->setText(notAPicture.fileName());
    QString said;
    QTimer::singleShot(0, [&said] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            said = box->text();
            box->close();
        }
    });
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_TRUE(said.startsWith(u"Il logo "_s)) << said.toStdString();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(settings.practiceHeading().logoPath.isEmpty());
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString path = dir.filePath(u"elementi97.db"_s);
        ASSERT_TRUE(writeShellDatabase(path));
        windows.setDialogs(&dialogs);
        windows.setPrinters(&printers);
        windows.settings().setPath(dir.filePath(u"velmo.conf"_s));  // not the user's
        QString error;
        ASSERT_TRUE(windows.start(path, &error)) << error.toStdString();
        window = windows.mainWindow();
        window->model().personalFoods().setPath(dir.filePath(u"utente/alimenti-personali.db"_s));  // not the user's
        window->model().persons().setPath(dir.filePath(u"utente/persone.db"_s));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    QAction *menuItem(const char *name) const { return window->findChild<QAction *>(QString::fromLatin1(name)); }
    // Runs every command of the main window but exit, so every window it opens, now or in later
    // versions, is looked at (a modal one while it runs); then the windows the energy windows lead
    // to. How many windows were looked at.
    int lookAtEveryWindow(const std::function<void(QWidget *)> &look);
    QString cell(int row, MealColumn c) const { return window->table()->cellLabel(row, c)->text(); }

    LocaleGuard italian{"it_IT"};
    QTemporaryDir dir;
    FakeDialogs dialogs;
    FakePrinterService printers;
    ui::AppWindows windows;
    MainWindow *window = nullptr;
};

// The menu fills the grid; the toolbar, the arrow keys and a click move the current food; a right
// click opens the category menu.
TEST_F(MainWindowTest, MenuToolbarKeysAndMouseChooseTheCurrentFood)
{
    menuItem("mnuFrutta")->trigger();
    EXPECT_EQ(window->categoryHeading()->text(), u"Frutta"_s);
    EXPECT_EQ(cell(0, MealColumn::Fat), u"0,39"_s);
    window->toolbarButton(4)->trigger();
    EXPECT_EQ(window->grid()->currentIndex().row(), 1);
    window->grid()->setFocus();
    QTest::keyClick(window->grid(), Qt::Key_Down);
    EXPECT_EQ(cell(0, MealColumn::Name), u"Pera, cruda"_s);
    window->toolbarButton(4)->trigger();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{u"Sei alla fine dell'Archivio"_s});
    window->toolbarButton(2)->trigger();
    QTest::keyClick(window->grid(), Qt::Key_Up);
    EXPECT_EQ(cell(0, MealColumn::Name), u"Albicocche, crude"_s);

    QWidget *viewport = window->grid()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {},
                      window->grid()->visualRect(window->grid()->model()->index(2, 0)).center());
    EXPECT_EQ(cell(0, MealColumn::Name), u"Pera, cruda"_s);
    bool menuShown = false;
    QTimer::singleShot(0, [&] {
        menuShown = window->categoryMenu()->isVisible();
        window->categoryMenu()->close();
    });
    QTest::mousePress(viewport, Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_TRUE(QTest::qWaitFor([&] { return menuShown; }));
}

// Ctrl+F opens the search, typing filters, Enter brings the food to the open row, Escape closes.
TEST_F(MainWindowTest, SearchWindowFindsAndChoosesAFood)
{
    QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
    ui::FoodSearchWindow *search = window->foodSearchWindow();
    ASSERT_NE(search, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(search));
    QTest::keyClicks(search->textBox(), QStringLiteral("CRUDa p"));
    ASSERT_EQ(search->list()->model()->rowCount(), 1);
    EXPECT_EQ(search->list()->model()->index(0, 1).data().toString(), u"Frutta"_s);
    QTest::keyClick(search->textBox(), Qt::Key_Return);
    EXPECT_FALSE(search->isVisible());
    EXPECT_EQ(window->categoryHeading()->text(), u"Frutta"_s);
    EXPECT_EQ(cell(0, MealColumn::Name), u"Pera, cruda"_s);

    QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitForWindowActive(search));
    QTest::keyClick(search->textBox(), Qt::Key_Escape);
    EXPECT_FALSE(search->isVisible());
    EXPECT_EQ(cell(0, MealColumn::Name), u"Pera, cruda"_s);
}

// The search window keeps where its foods stand: once the personal foods are read anew (a food
// removed before the found one), it looks again, and shows and chooses the food it found.
TEST_F(MainWindowTest, TheSearchLooksAgainWhenThePersonalFoodsChange)
{
    PersonalCatalogue *catalogue = nullptr;
    QString error;
    ASSERT_TRUE(window->model().personalFoods().open() && (catalogue = window->model().personalFoods().catalogue()));
    for (const char *name : {"Zuppa A", "Zuppa B"})
        ASSERT_TRUE(catalogue->save({QString::fromLatin1(name), 100, {5.0, 1.0, 10.0, 70.0, {}, {}}}, {}, &error))
            << error.toStdString();
    QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
    ui::FoodSearchWindow *search = window->foodSearchWindow();
    ASSERT_TRUE(search && QTest::qWaitForWindowActive(search));
    QTest::keyClicks(search->textBox(), QStringLiteral("zuppa b"));
    ASSERT_EQ(search->list()->model()->rowCount(), 1);
    QTest::keyClick(search->textBox(), Qt::Key_Escape);
    ASSERT_TRUE(catalogue->remove(u"Zuppa A"_s, &error)) << error.toStdString();
    QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitForWindowActive(search));
    ASSERT_EQ(search->list()->model()->rowCount(), 1);
    EXPECT_EQ(search->list()->model()->index(0, 0).data().toString(), u"Zuppa B"_s);
    QTest::keyClick(search->textBox(), Qt::Key_Return);
    EXPECT_EQ(window->categoryHeading()->text(), u"Alimenti personali"_s);
    EXPECT_EQ(cell(0, MealColumn::Name), u"Zuppa B"_s);
    // A food removed while the search is open: the list follows and stays on the food chosen there.
    for (const char *name : {"Zuppa C", "Zuppa D"})
        ASSERT_TRUE(catalogue->save({QString::fromLatin1(name), 100, {5.0, 1.0, 10.0, 70.0, {}, {}}}, {}, &error));
    QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitForWindowActive(search));
    search->textBox()->setText(u"zuppa"_s);
    ASSERT_EQ(search->list()->model()->rowCount(), 3);
    search->list()->setCurrentIndex(search->list()->model()->index(2, 0));
    dialogs.questionAnswers = {Answer::Yes};
    window->model().personalFoods().deleteFood();  // Zuppa B, the grid's food
    ASSERT_EQ(search->list()->model()->rowCount(), 2);
    QTest::keyClick(search->textBox(), Qt::Key_Return);
    EXPECT_EQ(cell(0, MealColumn::Name), u"Zuppa D"_s);
    // The ranking too follows a food removed while it is open; Tab leaves its list.
    addShellProfile(dir.filePath(u"elementi97.db"_s));
    menuItem("mnuRicchiDi")->trigger();
    ui::RankingWindow *ranking = window->rankingWindow();
    ASSERT_TRUE(ranking && ranking->isVisible());
    const auto soups = [list = ranking->list()] {
        return list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, u"Zuppa"_s, -1, Qt::MatchStartsWith);
    };
    for (QComboBox *box : ranking->findChildren<QComboBox *>())
        if (box->accessibleName() == u"Categoria"_s)
            box->setCurrentIndex(box->count() - 1);  // the personal foods
    ASSERT_EQ(soups().size(), 2);
    dialogs.questionAnswers = {Answer::Yes};
    window->model().personalFoods().deleteFood();  // Zuppa D
    ASSERT_EQ(soups().size(), 1);
    ranking->list()->setFocus();
    QTest::keyClick(ranking->list(), Qt::Key_Tab);
    EXPECT_FALSE(ranking->list()->hasFocus());
    ranking->close();
    // The personal foods unreadable for a while: the line below the list says so while they are.
    const QString table = PersonalFoodTable::name();
    QSqlQuery rename(catalogue->connection());
    for (const auto &[from, to] : {std::pair{table, u"altrove"_s}, std::pair{u"altrove"_s, table}}) {
        ASSERT_TRUE(rename.exec(u"ALTER TABLE %1 RENAME TO %2"_s.arg(from, to)));
        QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
        ASSERT_TRUE(QTest::qWaitForWindowActive(search));
        EXPECT_EQ(search->summary()->text().startsWith(u"Impossibile leggere"_s), to != table);
        QTest::keyClick(search->textBox(), Qt::Key_Escape);
    }
}

// "Elimina" asks for the chosen habitual meal, never for none, and the list follows the removal.
// A form refused on "OK" stays open with the cursor in the field to mend.
TEST(PersonFormTest, ARefusedFormPutsTheCursorInTheFaultyField)
{
    // clang-format off
    const struct { int line; QString name; QDate birth; QString notes; const char *focused; } cases[] = {
        {__LINE__, u""_s, QDate(1980, 1, 1), u""_s, "Nome"},
        {__LINE__, u"Anna"_s, QDate::currentDate().addDays(1), u""_s, "Data di nascita"},
        {__LINE__, u"Anna"_s, QDate(1980, 1, 1), QString(kMaxNotesLength + 1, u'x'), "Note"},
        {__LINE__, u"Anna"_s, QDate(1980, 1, 1), u""_s, "Nome"},  // refused for a reason of the store's
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        Person person;
        person.name = c.name;
        person.birthDate = c.birth;
        person.heightCm = 165;
        person.notes = c.notes;
        ui::PersonForm form(person, [](const Person &) { return false; });
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.findChild<QComboBox *>()->setFocus();
        form.accept();
        EXPECT_TRUE(form.isVisible());
        ASSERT_TRUE(QApplication::focusWidget());
        EXPECT_EQ(QApplication::focusWidget()->accessibleName(), QString::fromLatin1(c.focused));
    }
}

TEST(HabitualMealDialogTest, RemoveAsksForTheChosenMealAndTheListFollows)
{
    ui::HabitualMealDialog dialog({u"Merenda"_s, u"Spuntino"_s});
    QStringList asked;
    QObject::connect(&dialog, &ui::HabitualMealDialog::removeRequested, [&](const QString &name) { asked << name; });
    dialog.list()->setCurrentRow(1);
    QTest::mouseClick(dialog.removeButton(), Qt::LeftButton);
    EXPECT_EQ(asked, QStringList{u"Spuntino"_s});
    dialog.removeChosen();
    dialog.removeChosen();
    EXPECT_EQ(dialog.list()->count(), 0);
    EXPECT_FALSE(dialog.removeButton()->isEnabled());
    EXPECT_TRUE(dialog.chosen().isEmpty());
}

// A food found only by a common name shows it beside its own name.
TEST(FoodSearchWindowTest, ShowsTheCommonNameThatFoundAFood)
{
    FoodSearch search;
    search.setFoods({{u"lattuga romana"_s, u"Lattuga romana"_s, 15, 0}}, {{u"insalata"_s, u"insalata"_s, 15, 0}});
    ui::FoodSearchWindow window(search, QString());
    for (const auto &[typed, shown] :
         {std::pair{u"insal"_s, u"Lattuga romana (insalata)"_s}, std::pair{u"lattuga"_s, u"Lattuga romana"_s}}) {
        window.textBox()->setText(typed);
        EXPECT_EQ(window.list()->model()->index(0, 0).data().toString(), shown);
    }
}

// Every menu reachable from the menu bar, the bar's own titles included: every item has a key
// (but the specified "11"), and items sharing one are all specified captions: the categories'
// "Cereali e &derivati" / "Pro&dotti vari", "D&olci" / "&Oli e grassi", "Fr&utta" / "&Uova", and
// the bar's "&Scelta alimenti" / "&Stampa" and "&Pasto" / "&Persona".
TEST_F(MainWindowTest, NoItemWeAddedSharesAKeyInItsMenu)
{
    QSet<QString> specified{u"&N° Persone"_s, u"&Pasto"_s,  u"&Persona"_s, u"&Scelta alimenti"_s,
                            u"&LAF"_s,        u"&Stampa"_s, u"&Help"_s,    u"&Esci"_s,
                            u"11"_s};
    for (const FoodCategory &category : foodCategories())
        specified << category.menuCaption;
    QList<QList<QAction *>> menus{window->menuBar()->actions()};
    for (qsizetype m = 0; m < menus.size(); ++m)
        for (QAction *item : menus[m])
            if (item->menu())
                menus << item->menu()->actions();
    EXPECT_EQ(menus.size(), 9)
        << "bar, Pasto and its recent files, Modifica, Persone, Persona, Scelta and its submenu, "
           "LAF";
    for (const QList<QAction *> &items : menus) {
        QMap<int, QStringList> byKey;
        for (QAction *item : items)
            if (!item->isSeparator()) {
                const QKeySequence key = QKeySequence::mnemonic(item->text());
                EXPECT_TRUE(!key.isEmpty() || specified.contains(item->text())) << qPrintable(item->text());
                if (!key.isEmpty())
                    byKey[key[0].toCombined()] << item->text();
            }
        for (const QStringList &same : byKey)
            for (const QString &text : same)
                EXPECT_TRUE(same.size() == 1 || specified.contains(text)) << qPrintable(same.join(u" | "_s));
    }
}

// F3, and the open row's gross-weight box's own menu, open the portion choice; the weight it works
// out reaches the box, the portion the food's tip.
TEST_F(MainWindowTest, ThePortionChoiceWritesTheOpenRowsWeight)
{
    addShellMeasures(dir.filePath(u"elementi97.db"_s));
    menuItem("mnuFrutta")->trigger();
    window->model().gridRowChosen(1);  // the apple, 90 % edible
    const std::unique_ptr<QMenu> menu(window->table()->grossMenu(0));
    EXPECT_TRUE(menu->actions().contains(window->portionAction()));
    QTimer::singleShot(0, [this] {
        if (auto *dialog = window->findChild<ui::PortionDialog *>()) {
            dialog->count()->setEditText(u"2"_s);
            dialog->accept();
            dialog->reject();  // closed whatever happened
        }
    });
    QTest::keyClick(window, Qt::Key_F3);
    EXPECT_EQ(window->table()->grossBox(0)->text(), u"60"_s);
    EXPECT_EQ(window->table()->cellLabel(0, MealColumn::Name)->toolTip(), u"Porzione: 2 fette"_s);
    // One Enter takes the measure as it opens: one of it.
    QTimer::singleShot(0, [this] {
        if (auto *dialog = window->findChild<ui::PortionDialog *>()) {
            QTest::keyClick(dialog->count()->lineEdit(), Qt::Key_Return);
            dialog->reject();  // closed whatever happened
        }
    });
    window->portionAction()->trigger();
    EXPECT_EQ(window->table()->grossBox(0)->text(), u"30"_s);
}

// "Bilancia quantità..." says what is missing until the meal holds a food, then opens the window
// on the meal: "Annulla" leaves the table as it was, "Applica" writes the weight proposed into the
// row.
TEST_F(MainWindowTest, TheBalanceWindowAppliesItsProposalOrNothing)
{
    addShellProfile(dir.filePath(u"elementi97.db"_s));
    addShellMeasures(dir.filePath(u"elementi97.db"_s));
    QAction *balance = menuItem("mnuPastoBilancia");
    balance->trigger();
    EXPECT_EQ(dialogs.messageTexts(), QStringList(balance->statusTip()));
    EXPECT_EQ(window->findChild<ui::BalanceWindow *>(), nullptr);
    dialogs.clear();
    menuItem("mnuFrutta")->trigger();
    window->model().gridRowChosen(0);  // apricots, 48 kcal per 100 g
    window->model().meal().setGrossText(0, u"100"_s);
    window->model().lockBoxClicked(0, true);
    ASSERT_TRUE(balance->isEnabled());
    window->model().setRequirement(500, {});
    for (const QString &button : {u"cmdAnnulla"_s, u"cmdApplica"_s}) {
        QString proposed;
        QTimer::singleShot(0, [this, button, &proposed] {
            auto *balancing = window->findChild<ui::BalanceWindow *>();
            ASSERT_NE(balancing, nullptr);
            ASSERT_TRUE(QTest::qWaitFor([balancing] { return balancing->applyButton()->isEnabled(); }));
            proposed = balancing->rows()->model()->index(0, BalanceRowsModel::ProposedColumn).data().toString();
            if (button == u"cmdAnnulla") {  // a proposal arriving keeps what is being typed
                QTableView *targets = balancing->targets();
                const QModelIndex bound = targets->model()->index(0, BalanceTargetsModel::MaximumColumn);
                targets->edit(bound);
                auto *editor = targets->viewport()->findChild<QLineEdit *>();
                ASSERT_NE(editor, nullptr);
                editor->selectAll();
                QTest::keyClicks(editor, u"28"_s);
                emit targets->model()->dataChanged(bound, bound);
                EXPECT_EQ(editor->text(), u"28"_s);
            }
            balancing->rows()->setFocus();
            QTest::keyClick(balancing->rows(), Qt::Key_Tab);  // Tab leaves a table, Enter applies nothing
            EXPECT_EQ(QApplication::focusWidget(), balancing->targets());
            QTest::keyClick(balancing->targets(), Qt::Key_Return);
            EXPECT_TRUE(balancing->isVisible());
            QTest::mouseClick(balancing->findChild<QPushButton *>(button), Qt::LeftButton);
            balancing->reject();  // closed whatever happened
        });
        balance->trigger();
        EXPECT_EQ(window->table()->grossBox(0)->text() + u" g"_s, button == u"cmdAnnulla" ? u"100 g"_s : proposed);
    }
    EXPECT_NE(window->table()->grossBox(0)->text(), u"100"_s);
}

TEST_F(MainWindowTest, PersonalFoodsMenuOpensTheFoodWindowAndItsCommandsWaitForAPersonalFood)
{
    menuItem("mnuFrutta")->trigger();
    emit window->categoryMenu()->aboutToShow();
    EXPECT_FALSE(menuItem("mnuModificaAlimento")->isEnabled());

    // A wrong number keeps the window open on its box; a good one saves and shows the food.
    QTimer::singleShot(0, [this] {
        auto *food = window->findChild<ui::FoodWindow *>();
        ASSERT_NE(food, nullptr);
        // Folded, the window is still wide enough to read what is typed in its boxes.
        EXPECT_GE(food->field(0)->width(), food->fontMetrics().averageCharWidth() * 20);
        food->field(0)->setText(u"Torta"_s);
        // Each box has a key of its own.
        QString keys;
        for (const QLabel *label : food->findChildren<QLabel *>())
            if (const qsizetype at = label->text().indexOf(u'&'); at >= 0) {
                const QChar key = label->text().at(at + 1).toLower();
                EXPECT_FALSE(keys.contains(key)) << label->text().toStdString();
                keys += key;
            }
        EXPECT_GE(keys.size(), 9);
        // Esc asks before it drops what was typed; Cancel keeps the window.
        dialogs.questionAnswers = {Answer::Cancel};
        QTest::keyClick(food->field(0), Qt::Key_Escape);
        EXPECT_TRUE(food->isVisible());
        EXPECT_TRUE(dialogs.questionAnswers.empty());  // asked
        food->field(2)->setText(u"x"_s);
        dialogs.questionAnswers = {Answer::Yes};  // then Yes: saved as by the button, here refused
        QTest::keyClick(food->field(0), Qt::Key_Escape);
        EXPECT_TRUE(food->isVisible());
        EXPECT_EQ(food->focusWidget(), food->field(2));
        food->field(2)->setText(u"6,5"_s);
        // A wrong value of another nutrient unfolds their section, scrolled to its box.
        QLineEdit *last = food->field(FoodFormModel::kAllFieldCount - 1);
        EXPECT_FALSE(last->isVisibleTo(food));
        last->setText(u"x"_s);
        food->accept();
        EXPECT_TRUE(last->isVisibleTo(food));
        EXPECT_EQ(food->focusWidget(), last);
        const QWidget *viewport = food->findChild<QScrollArea *>(u"scrAltriNutrienti"_s)->viewport();
        EXPECT_TRUE(viewport->rect().contains(QRect(last->mapTo(viewport, QPoint()), last->size())));
        last->clear();
        food->field(FoodFormModel::kFieldCount + 14)->setText(u"120"_s);  // calcium
        food->accept();
    });
    menuItem("mnuNuovoAlimento")->trigger();
    EXPECT_EQ(window->categoryHeading()->text(), u"Alimenti personali"_s);
    EXPECT_EQ(cell(0, MealColumn::Protein), u"6,5"_s);
    EXPECT_EQ(window->model().personalFoods().catalogue()->find(u"Torta"_s)->extra[14], 120);
    EXPECT_TRUE(windows.settings().windowGeometry(RememberedWindow::Food));  // kept as it closed
    emit window->categoryMenu()->aboutToShow();
    EXPECT_TRUE(menuItem("mnuModificaAlimento")->isEnabled());
}

// The windows added beside the fixed ones come back where the user left them, never off-screen.
TEST_F(MainWindowTest, NewWindowsComeBackWhereTheyWereLeftWithinTheScreen)
{
    QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
    ui::FoodSearchWindow *search = window->foodSearchWindow();
    ASSERT_TRUE(search && QTest::qWaitForWindowExposed(search));
    search->setGeometry(60, 70, 420, 330);
    search->close();
    EXPECT_EQ(windows.settings().windowGeometry(RememberedWindow::FoodSearch), QRect(60, 70, 420, 330));
    windows.settings().setWindowGeometry(RememberedWindow::Help, QRect(5000, 4000, 420, 330));
    window->toolbarButton(8)->trigger();
    ui::HelpWindow *help = windows.helpWindow();
    ASSERT_TRUE(help && QTest::qWaitForWindowExposed(help));
    EXPECT_EQ(help->size(), QSize(420, 330));
    EXPECT_TRUE(help->screen()->availableGeometry().contains(help->frameGeometry()));
}

TEST_F(MainWindowTest, EnergyWindowsOpenOnceAndVelmoOnTheLauncherLoadsAClosedMainWindowAfresh)
{
    menuItem("mnuFrutta")->trigger();
    ASSERT_EQ(cell(0, MealColumn::Name), u"Albicocche, crude"_s);
    // Each energy window opens once; one keeps the program alive, as it does for the user.
    menuItem("mnuLAFfemmina")->trigger();
    ui::EnergyWindow *female = windows.energy()->energyWindow(Sex::Female);
    ASSERT_TRUE(female && female->isVisible());
    menuItem("mnuLAFfemmina")->trigger();
    EXPECT_EQ(windows.energy()->energyWindow(Sex::Female), female);
    const QPointer<MainWindow> closed = window;
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());

    const auto clickVelmo = [this] {
        windows.energy()->showLauncher();
        QTest::mouseClick(windows.energy()->launcher()->findChild<QLabel *>(u"Label1"_s), Qt::LeftButton);
        return windows.mainWindow();
    };
    MainWindow *fresh = clickVelmo();
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(fresh->isVisible());
    EXPECT_EQ(fresh->table()->cellLabel(0, MealColumn::Name)->text(), u""_s);
    // While it is open, "Velmo" only brings it to the front.
    EXPECT_EQ(clickVelmo(), fresh);
}

TEST_F(MainWindowTest, HelpClosesWithTheMainWindowAndTheProgramEnds)
{
    window->toolbarButton(8)->trigger();
    const QPointer<ui::HelpWindow> help = windows.helpWindow();
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_TRUE(help->browser()->toPlainText().contains(u"Comporre un pasto"_s));
    QTimer::singleShot(0, window, [this] { window->close(); });
    EXPECT_EQ(execUntilQuit(), 0);
    EXPECT_TRUE(help.isNull() || !help->isVisible());
    EXPECT_EQ(windows.helpWindow(), nullptr);
}

// Runs `act` on each modal window open while it lives.
class WhileModal : public QTimer {
public:
    explicit WhileModal(const std::function<void(QWidget *)> &act)
    {
        connect(this, &QTimer::timeout, [act] {
            if (QWidget *open = QApplication::activeModalWidget())
                act(open);
        });
        start(20);
    }
};

// A plan that could not be made (here: a database without nutrients) brings its dialog back as it
// was typed, until the user cancels it.
TEST_F(MainWindowTest, ThePlanDialogComesBackWithItsNotesAfterARefusal)
{
    QStringList notesSeen;
    const WhileModal fill([&](QWidget *open) {
        auto *notes = open->findChild<QPlainTextEdit *>();
        if (open->objectName() != u"frmStampaPiano" || !notes)
            return;
        notesSeen << notes->toPlainText();
        if (notes->toPlainText().isEmpty())
            notes->setPlainText(u"Bere acqua"_s);
        if (notesSeen.size() < 3)
            static_cast<QDialog *>(open)->accept();
        else
            static_cast<QDialog *>(open)->reject();
    });
    menuItem("mnuEsportaPdf")->trigger();
    EXPECT_EQ(notesSeen, QStringList({QString(), u"Bere acqua"_s, u"Bere acqua"_s}));
    EXPECT_EQ(dialogs.messageTexts().filter(u"Il piano non è stato stampato"_s).size(), 2);
}

// F1 opens the page about the window it is pressed in, in every window; over a modal one the help
// is modal too, on top, so that it can be read. "&Help" opens the contents.
TEST_F(MainWindowTest, F1OpensThePageAboutItsWindow)
{
    const auto pressF1 = [this](QWidget *in) {
        QTest::keyClick(in->focusWidget() ? in->focusWidget() : in, Qt::Key_F1);
        ui::HelpWindow *help = windows.helpWindow();
        if (!help || !help->isVisible())
            return QString();
        const QString seen = help->browser()->source().toString()
                             + (QApplication::activeModalWidget() == help ? u" modale"_s : QString());
        help->close();
        return seen;
    };
    using Opened = std::function<QWidget *()>;  // none: the command opens a modal window
    // clang-format off
    const struct { int line; const char *command; Opened window; const char *page; } cases[] = {
        {__LINE__, nullptr, [this] { return window; }, "pasto.html"},
        {__LINE__, "mnuCerca", [this] { return window->foodSearchWindow(); }, "alimenti.html#cerca"},
        {__LINE__, "mnuPastoProfilo", [this] { return window->nutrientProfileWindow(); }, "profilo.html"},
        {__LINE__, "mnuPersoneFinestra", [this] { return window->personsWindow(); }, "persone.html"},
        {__LINE__, "mnuSettimana", [this] { return window->weekWindow(); }, "settimana.html"},
        {__LINE__, "mnuLAFfemmina", [this] { return windows.energy()->energyWindow(Sex::Female); }, "fabbisogno.html"},
        {__LINE__, "mnuLAFmaschio", [this] { return windows.energy()->energyWindow(Sex::Male); }, "fabbisogno.html"},
        {__LINE__, nullptr, [this] { windows.energy()->showLauncher(); return windows.energy()->launcher(); }, "fabbisogno.html#iniziale"},
        {__LINE__, nullptr, [this] { windows.energy()->showChoiceDialog(); return windows.energy()->choiceDialog(); }, "fabbisogno.html#iniziale"},
        {__LINE__, "mnuNuovoAlimento", {}, "personali.html modale"},
        {__LINE__, "mnuStampa", {}, "stampa.html modale"},
        {__LINE__, "mnuStampaPiano", {}, "stampa.html#piano modale"},
        {__LINE__, "mnuIntestazione", {}, "stampa.html#piano modale"},
        {__LINE__, "mnuGiornoPersona", {}, "giorno.html#persona modale"},
        {__LINE__, "mnuCopiaPasto", {}, "giorno.html#copia modale"},
        {__LINE__, "mnuCopiaGiorno", {}, "giorno.html#copia modale"},
        {__LINE__, nullptr, [this] { return window->dayDock()->widget(); }, "giorno.html#pannello"},
    };
    // clang-format on
    // A person for the windows that ask for one, and a day of meals for the day's panel.
    ASSERT_TRUE(window->model()
                    .persons()
                    .store()
                    ->addPerson({u"Anna"_s, Sex::Female, QDate(1980, 1, 1), 165, {}, {}, {}, {}, {}})
                    .ok());
    window->model().document().newDay();
    for (const auto &c : cases) {
        VELMO_CASE(c);
        QString seen;
        if (c.window) {
            if (c.command)
                menuItem(c.command)->trigger();
            seen = pressF1(c.window());
        } else {
            const WhileModal modal([&](QWidget *open) {
                seen = pressF1(open);
                open->close();
            });
            menuItem(c.command)->trigger();
        }
        EXPECT_EQ(seen, u"qrc:/help/"_s + QString::fromLatin1(c.page));
    }
    menuItem("mnuHelp")->trigger();
    EXPECT_EQ(windows.helpWindow()->browser()->source(), QUrl(u"qrc:/help/index.html"_s));
}

// A prompt or a message has no page of its own: F1 there opens the page of the window it came from.
TEST(HelpWindowTest, APromptTakesThePageOfTheWindowThatOpenedIt)
{
    QWidget persons;
    persons.setObjectName(u"frmPersone"_s);
    QInputDialog prompt(&persons);
    QMessageBox box(&prompt);
    EXPECT_EQ(ui::HelpWindow::pageFor(&prompt), u"persone.html"_s);
    EXPECT_EQ(ui::HelpWindow::pageFor(&box), u"persone.html"_s);
    persons.setObjectName(QString());
    EXPECT_EQ(ui::HelpWindow::pageFor(&box), u"index.html"_s);
}

// The help's search lists the pages holding every word, case and accents aside, most often first;
// Enter opens the first at the first word, selected. Esc closes the help.
TEST_F(MainWindowTest, HelpSearchFindsThePagesWithTheWordsAndEscCloses)
{
    menuItem("mnuHelp")->trigger();
    ui::HelpWindow *help = windows.helpWindow();
    // clang-format off
    const struct { int line; const char *typed; const char *pages; const char *selected; } cases[] = {
        {__LINE__, "GRIGIO persone", "Comporre un pasto | Leggere i totali e il grafico | Guida di Velmo", "Persone"},
        {__LINE__, "lucchetto", "Comporre un pasto", "lucchetto"},
        {__LINE__, "PERCHE grigio", "Comporre un pasto | Guida di Velmo | Leggere i totali e il grafico", "Perché"},
        {__LINE__, "lucchetto zebra", "", ""},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        help->searchBox()->clear();
        QTest::keyClicks(help->searchBox(), QString::fromUtf8(c.typed));
        QStringList pages;
        for (int i = 0; i < help->results()->count(); ++i)
            pages << help->results()->item(i)->text();
        EXPECT_EQ(pages.join(u" | "_s), QString::fromUtf8(c.pages));
        QTest::keyClick(help->searchBox(), Qt::Key_Return);
        if (!pages.isEmpty()) {
            EXPECT_EQ(help->browser()->textCursor().selectedText(), QString::fromUtf8(c.selected));
        }
    }
    QTest::keyClick(help->searchBox(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

// "File recenti" lists the files saved or opened, a missing one greyed out until removed; one
// chosen opens as "Apri..." opens it.
TEST_F(MainWindowTest, RecentFilesReopenMealsAndForgetMissingOnes)
{
    menuItem("mnuFrutta")->trigger();
    window->model().meal().setGrossText(0, u"100"_s);
    window->model().meal().setLock(0, 1);
    dialogs.saveAnswers = {dir.filePath(u"cena.pasto"_s), dir.filePath(u"sparito.pasto"_s)};
    menuItem("mnuPastoSalva")->trigger();
    menuItem("mnuPastoSalvaConNome")->trigger();
    ASSERT_TRUE(QFile::remove(dir.filePath(u"sparito.pasto"_s)));
    const auto items = [this] {
        emit window->mealMenu()->findChild<QMenu *>(u"mnuPastoRecenti"_s)->aboutToShow();
        QStringList shown;
        for (const char *name : {"mnuPastoRecente1", "mnuPastoRecente2", "mnuPastoRimuoviMancanti"})
            if (QAction *item = menuItem(name))
                shown << item->text().section(u' ', 0, 1) + (item->isEnabled() ? QString() : u" (grigio)"_s);
        return shown.join(u", "_s);
    };
    EXPECT_EQ(items(), u"&1 sparito.pasto (grigio), &2 cena.pasto, &Rimuovi i"_s);
    menuItem("mnuPastoRecente2")->trigger();
    EXPECT_EQ(window->windowTitle(), u"Velmo - cena.pasto"_s);
    menuItem("mnuPastoRimuoviMancanti")->trigger();
    EXPECT_EQ(items(), u"&1 cena.pasto, &Rimuovi i (grigio)"_s);
}

// `velmo a.pasto b.pasto`: the window holds one meal, the first; a message names the others.
TEST_F(MainWindowTest, OfSeveralFilesAtStartTheFirstOpensAndTheOthersAreNamed)
{
    menuItem("mnuFrutta")->trigger();
    window->model().meal().setGrossText(0, u"100"_s);
    window->model().meal().setLock(0, 1);
    dialogs.saveAnswers = {dir.filePath(u"primo.pasto"_s)};
    menuItem("mnuPastoSalva")->trigger();
    dialogs.clear();
    windows.openMealFiles({dir.filePath(u"primo.pasto"_s), u"secondo.pasto"_s, u"terzo.pasto"_s});
    EXPECT_EQ(window->windowTitle(), u"Velmo - primo.pasto"_s);
    ASSERT_EQ(dialogs.messageTexts().size(), 1);
    EXPECT_TRUE(dialogs.messageTexts().front().contains(u"\"secondo.pasto\", \"terzo.pasto\""_s))
        << dialogs.messageTexts().front().toStdString();
    dialogs.clear();
    windows.openMealFiles({dir.filePath(u"primo.pasto"_s)});
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST_F(MainWindowTest, ExitEndsTheProgramAtOnce)
{
    QTimer::singleShot(0, [this] { menuItem("mnuEsci")->trigger(); });
    EXPECT_EQ(execUntilQuit(), 0);
}

// The meal's menu comes first and "Modifica" next: Ctrl+Z takes back the lock just clicked and
// Ctrl+Maiusc+Z makes it again, the items naming the step. Closing with an unsaved meal asks, and
// Annulla keeps the window and the meal.
TEST_F(MainWindowTest, MealAndEditMenusAndTheQuestionBeforeClosing)
{
    EXPECT_EQ(window->menuBar()->actions().value(0), window->mealMenu()->menuAction());
    EXPECT_EQ(window->menuBar()->actions().value(1)->text(), u"&Modifica"_s);
    menuItem("mnuFrutta")->trigger();
    QTest::keyClicks(window->table()->grossBox(0), u"100"_s);
    QTest::mouseClick(window->table()->lockBox(0), Qt::LeftButton);
    EXPECT_EQ(menuItem("mnuAnnulla")->text(), u"&Annulla blocco di Albicocche, crude"_s);
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->windowTitle(), u"Velmo"_s);
    EXPECT_EQ(menuItem("mnuRipeti")->text(), u"&Ripeti blocco di Albicocche, crude"_s);
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(window->table()->lockBox(0)->isChecked());
    // In the open row's weight box, with nothing typed there to take back, the keys are the window's.
    QLineEdit *open = window->table()->grossBox(1);
    ASSERT_FALSE(open->isReadOnly());
    QTest::keyClick(open, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(window->table()->lockBox(0)->isChecked());
    QTest::keyClick(open, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(window->table()->lockBox(0)->isChecked());
    EXPECT_EQ(window->windowTitle(), u"Velmo - Senza nome*"_s);
    dialogs.questionAnswers = {Answer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(dialogs.shown.size(), 1U);
    EXPECT_EQ(dialogs.shown[0].text, u"Salvare le modifiche al pasto?"_s);
    EXPECT_EQ(window->model().meal().row(0).lock, 1);
}

// The third panel: the meal against the requirement computed last, or in its place, with the
// comparison in the tool tip, what to do first and why a key did nothing.
TEST_F(MainWindowTest, TheStatusBarSetsTheMealAgainstTheRequirementComputedLastOrGivesAHint)
{
    windows.energy()->model(Sex::Male).setText(EnergyControl::RequirementBox, u"2000"_s);
    windows.energy()->model(Sex::Female).setText(EnergyControl::RequirementBox, u"1800"_s);
    const QString comparison = u"Pasto 0 kcal = 0 % di 1800 kcal (femmina)"_s;
    QLabel *panel = window->statusPanel(3);
    EXPECT_EQ(panel->text(), u"Scegli un alimento: Scelta alimenti o Ctrl+F"_s);
    EXPECT_EQ(panel->toolTip(), panel->text() + u'\n' + comparison);
    menuItem("mnuFrutta")->trigger();
    EXPECT_EQ(panel->text(), comparison);
    EXPECT_EQ(panel->toolTip(), comparison);
    QLineEdit *box = window->table()->grossBox(0);
    QTest::keyClicks(box, u"1,"_s);
    EXPECT_EQ(panel->text(), u"Solo grammi interi: i decimali non sono accettati"_s);
    QTest::keyClick(box, Qt::Key_5);  // the next key the box takes: the hint stays for its time
    EXPECT_EQ(box->text(), u"15"_s);
    EXPECT_EQ(panel->text(), u"Solo grammi interi: i decimali non sono accettati"_s);
    auto *hintTimer = window->findChild<QTimer *>(u"hintTimer"_s);
    ASSERT_TRUE(hintTimer && hintTimer->isActive());
    QMetaObject::invokeMethod(hintTimer, "timeout");  // the few seconds are over
    EXPECT_EQ(panel->text(), comparison);
    QTest::keyClick(box, Qt::Key_G);
    QTest::keyClick(box, Qt::Key_0);  // any other hint goes with the next key the box takes
    EXPECT_EQ(panel->text(), comparison);
    auto *lock = window->table()->lockBox(0);
    EXPECT_EQ(lock->toolTip(), u"Blocca la riga e calcola la porzione"_s);
    EXPECT_FALSE(lock->accessibleDescription().isEmpty());
}

TEST_F(MainWindowTest, StatusBarShowsDateAndTimeAndTheTitleScrolls)
{
    const QString title = window->scrollingTitle()->text();
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !window->statusPanel(2)->text().isEmpty() && window->scrollingTitle()->text() != title; }));
    EXPECT_EQ(window->statusPanel(1)->text(), QLocale().toString(QDate::currentDate(), u"dd MMMM yyyy"_s));
}

// A screen of 1024 × 600, one of 1920 × 1080 at a scale factor of 2 (960 × 540 logical pixels),
// and one where the window fits: the window opens within it, and every total is in sight or a
// scroll away while the status bar stays in sight.
TEST_F(MainWindowTest, OnAnyScreenTheWindowFitsAndTheTotalsCanBeReached)
{
    EXPECT_EQ(window->fullSize().width(), MainWindow::kClientWidth);
    QScrollArea *area = window->clientScrollArea();
    for (const QRect &screen : {QRect(0, 0, 1024, 600), QRect(0, 0, 960, 540), QRect(0, 0, 1280, 900)}) {
        SCOPED_TRACE(screen.height());
        window->fitWithin(screen);
        QCoreApplication::sendPostedEvents();
        EXPECT_TRUE(screen.contains(window->frameGeometry()));
        const bool whole = window->size() == window->fullSize();
        EXPECT_TRUE(screen.height() == 540 ? !whole : screen.height() < 900 || whole);  // 600: the frame decides
        EXPECT_EQ(area->verticalScrollBar()->isVisible(), !whole);
        QLabel *panel = window->statusPanel(3);
        EXPECT_TRUE(window->rect().contains(QRect(panel->mapTo(window, QPoint()), panel->size())));
        for (int i = 0; i < 8; ++i) {
            QLabel *total = window->table()->totalLabel(i);
            area->ensureWidgetVisible(total, 0, 0);
            EXPECT_TRUE(
                area->viewport()->rect().contains(QRect(total->mapTo(area->viewport(), QPoint()), total->size())))
                << i;
        }
    }
}

int MainWindowTest::lookAtEveryWindow(const std::function<void(QWidget *)> &look)
{
    int looked = 0;  // a modal window is closed once looked at, so none is looked at twice
    const WhileModal modal([&](QWidget *open) {
        ++looked;
        look(open);
        open->close();
    });
    for (QAction *command : window->findChildren<QAction *>())
        if (command->isEnabled() && !command->menu() && !command->isSeparator() && command->objectName() != "mnuEsci"_L1
            && command->objectName() != "Toolbar2_9"_L1)
            command->trigger();
    windows.energy()->showLauncher();
    windows.energy()->showChoiceDialog();
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible()) {
            ++looked;
            look(top);
        }
    return looked;
}

// The focusable controls under `iface` that have no name; a table's cells are read by their
// column and content, so a table or list needs only its own name.
void collectNameless(QAccessibleInterface *iface, QStringList &found)
{
    if (!iface || iface->state().invisible)
        return;
    if (iface->state().focusable && iface->text(QAccessible::Name).trimmed().isEmpty())
        found << QStringLiteral("ruolo %1 %2").arg(iface->role()).arg(QDebug::toString(iface->object()));
    const QAccessible::Role role = iface->role();
    if (role != QAccessible::Table && role != QAccessible::List && role != QAccessible::Tree)
        for (int i = 0; i < iface->childCount(); ++i)
            collectNameless(iface->child(i), found);
}

// Where Tab goes up the window, before a control above the one it leaves and to its left: the
// order the window's controls were made in, not the order the user reads them in.
void collectTabsUp(QWidget *top, QStringList &found)
{
    const auto tabbable = [top](QWidget *w) {
        return w != top && top->isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
               && !w->focusProxy();
    };
    const auto place = [top](QWidget *w) { return QRect(w->mapTo(top, QPoint()), w->size()); };
    // The round starts at the control read first, where Tab comes back to from the last.
    QWidget *first = nullptr;
    for (QWidget *w : top->findChildren<QWidget *>())
        if (tabbable(w)
            && (!first
                || std::pair(place(w).top(), place(w).left()) < std::pair(place(first).top(), place(first).left())))
            first = w;
    if (!first)
        return;
    QWidget *from = first;
    for (QWidget *w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain()) {
        if (!tabbable(w))
            continue;
        const QRect was = place(from);
        const QRect now = place(w);
        if (now.bottom() < was.top() && now.left() < was.right())
            found << QStringLiteral("%1: %2 -> %3").arg(top->objectName(), QDebug::toString(from), QDebug::toString(w));
        from = w;
    }
}

// The number boxes of `top` that drop a decimal separator: "99.5" typed in Italian must not be 995,
// nor "99,5" in English.
void collectDroppedSeparators(QWidget *top, QStringList &found)
{
    for (QDoubleSpinBox *box : top->findChildren<QDoubleSpinBox *>())
        for (const QString &typed : {u"99.5"_s, u"99,5"_s}) {
            const double was = box->value();
            box->selectAll();
            QTest::keyClicks(box, typed);
            if (box->value() != 99.5)
                found << top->objectName() + u": "_s + box->accessibleName() + u' ' + typed;
            box->setValue(was);
        }
}

TEST_F(MainWindowTest, TabGoesDownEveryNewerWindow)
{
    // The main and energy windows keep the order of their controls as their users have always known it.
    const QStringList kept{u"frmmain"_s, u"Form_LAF_Uomo"_s, u"Form_LAF_Femmina"_s};
    QStringList up;
    EXPECT_GE(lookAtEveryWindow([&](QWidget *top) {
                  if (!kept.contains(top->objectName()))
                      collectTabsUp(top, up);
              }),
              7);
    EXPECT_EQ(up.join(u'\n'), QString());
}

TEST_F(MainWindowTest, EveryFocusableControlOfEveryWindowHasANameAndEveryDateItsWholeYear)
{
    // A person, for the windows that ask for one.
    ASSERT_TRUE(window->model()
                    .persons()
                    .store()
                    ->addPerson({u"Anna"_s, Sex::Female, QDate(1980, 1, 1), 165, {}, {}, {}, {}, {}})
                    .ok());
    QStringList nameless, shortYears, dropped;
    const int looked = lookAtEveryWindow([&](QWidget *top) {
        collectNameless(QAccessible::queryAccessibleInterface(top), nameless);
        collectDroppedSeparators(top, dropped);
        // Every date is typed and read with its whole year: "26" could be 1926 or 2026.
        for (const QDateEdit *date : top->findChildren<QDateEdit *>())
            if (!date->displayFormat().contains(u"yyyy"_s))
                shortYears << top->objectName() + u": "_s + date->accessibleName();
    });
    EXPECT_GE(looked, 7) << "main, print, help, two energy windows, launcher, choice";
    EXPECT_EQ(nameless.join(u'\n'), QString());
    EXPECT_EQ(shortYears.join(u'\n'), QString());
    EXPECT_EQ(dropped.join(u'\n'), QString());
}

// On the test's screen of 800 × 800; the energy windows keep the size of their form, which holds in
// any screen of 1024 × 768.
TEST_F(MainWindowTest, EveryWindowOpensWithinTheScreen)
{
    QStringList outside;
    lookAtEveryWindow([&](QWidget *top) {
        if (!top->objectName().startsWith("Form_LAF"_L1)
            && !top->screen()->availableGeometry().contains(QRect(top->pos(), top->size())))
            outside << top->objectName();
    });
    EXPECT_EQ(outside.join(u' '), QString());
}

// The Italian texts that velmo_en.ts translates into something else, without their accelerators.
QSet<QString> translatedItalian()
{
    QFile file(QStringLiteral(VELMO_ENGLISH_TS));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << VELMO_ENGLISH_TS;
    QXmlStreamReader ts(&file);
    QSet<QString> texts;
    QString source;
    while (!ts.atEnd())
        if (ts.readNext() == QXmlStreamReader::StartElement && ts.name() == "source"_L1)
            source = ts.readElementText().remove(u'&');
        else if (ts.isStartElement() && ts.name() == "translation"_L1
                 && ts.readElementText(QXmlStreamReader::IncludeChildElements).remove(u'&') != source)
            texts << source;
    return texts;
}

// Every text `top` shows or gives a screen reader, but the rows of its tables and lists: those
// are the food database's.
QStringList textsOf(QWidget *top)
{
    QStringList texts;
    QObjectList objects = top->findChildren<QObject *>();  // widgets and actions
    for (QObject *o : objects << top) {
        for (const char *name : {"text", "title", "windowTitle", "toolTip", "accessibleName", "accessibleDescription",
                                 "documentTitle"})  // the help's page: in the interface's language
            texts << o->property(name).toString();
        if (auto *combo = qobject_cast<QComboBox *>(o))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (auto *view = qobject_cast<QAbstractItemView *>(o); view && view->model())
            for (int c = 0; c < view->model()->columnCount(); ++c)
                texts << view->model()->headerData(c, Qt::Horizontal).toString();
    }
    return texts;
}

// The main window built in English, with English numbers; Italian again afterwards, with no
// translation installed, as the other tests run.
class EnglishWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(installLanguage(Language::English));
        MainWindowTest::SetUp();
    }
    void TearDown() override
    {
        installLanguage(Language::Italian);
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());  // each removes itself
    }
    LocaleGuard english{"en_US"};
};

// F4 opens the profile; a lock reaches it at once, its export writes the console's CSV, and it
// takes the person of the requirement computed last.
TEST_F(MainWindowTest, F4OpensTheProfileThatFollowsTheTableAndExportsItsCsv)
{
    addShellProfile(dir.filePath(u"elementi97.db"_s));
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_F4);
    ui::NutrientProfileWindow *profile = window->nutrientProfileWindow();
    ASSERT_TRUE(profile && profile->isVisible());
    const auto fitsTheScreen = [profile] {
        return profile->width() <= profile->screen()->availableGeometry().width()
               && profile->height() <= profile->screen()->availableGeometry().height();
    };
    EXPECT_TRUE(fitsTheScreen());
    menuItem("mnuFrutta")->trigger();
    window->model().gridRowChosen(1);
    window->model().meal().setGrossText(0, u"100"_s);
    window->model().lockBoxClicked(0, true);
    QCoreApplication::processEvents();
    const auto row = profile->model().rowOf(u"ENERC_KCAL"_s);
    ASSERT_TRUE(row);
    EXPECT_EQ(profile->table()->model()->index(*row, NutrientProfileModel::AmountColumn).data(), u"47 kcal"_s);
    dialogs.saveAnswers = {dir.filePath(u"profilo"_s)};
    profile->findChild<QPushButton *>(u"cmdEsportaProfilo"_s)->click();
    QFile csv(dir.filePath(u"profilo.csv"_s));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().contains("\r\nENERC_KCAL,Energia,kcal,47,0,0,,,,\r\n"));
    EnergyWindowModel &woman = windows.energy()->model(Sex::Female);  // the person of the last requirement
    woman.setText(EnergyControl::AgeBox, u"30"_s);
    woman.setText(EnergyControl::WeightBox, u"60"_s);  // the age read for the calculation
    woman.setText(EnergyControl::RequirementBox, u"1800"_s);
    const auto person = profile->model().person();
    ASSERT_TRUE(person);
    EXPECT_TRUE(person->female && person->ageYears == 30 && person->weightKg == 60.0);
    EXPECT_TRUE(fitsTheScreen()) << "grown for the references";
    for (QComboBox *box : profile->findChildren<QComboBox *>())  // a choice there keeps the weight
        if (box->count() == 2)                                   // LARN or EFSA
            box->setCurrentIndex(1);
    EXPECT_EQ(profile->model().person()->weightKg, 60.0);
    EXPECT_EQ(profile->model().person()->source, ReferenceSource::Efsa);
    // Pregnancy and lactation, one at a time.
    const auto boxes = profile->findChildren<QCheckBox *>();
    ASSERT_EQ(boxes.size(), 2);
    for (QCheckBox *box : {boxes[0], boxes[1], boxes[0]}) {
        box->click();
        EXPECT_TRUE(box->isChecked() && !(box == boxes[0] ? boxes[1] : boxes[0])->isChecked());
        EXPECT_FALSE(profile->model().person()->pregnant && profile->model().person()->lactating);
        EXPECT_TRUE(profile->model().person()->pregnant || profile->model().person()->lactating);
    }
    // A baby keeps its months whatever else is chosen; one chosen in the window is over six months.
    profile->model().setPerson(IntakePerson{false, 0.75});
    QSpinBox *age = nullptr;
    for (auto *box : profile->findChildren<QSpinBox *>())
        if (box->accessibleName() == u"Età in anni"_s)
            age = box;
    ASSERT_TRUE(age);
    EXPECT_EQ(age->text(), u"meno di 1 anno"_s);
    for (QComboBox *box : profile->findChildren<QComboBox *>())
        if (box->count() == 2)
            box->setCurrentIndex(0);
    EXPECT_EQ(profile->model().person()->ageYears, 0.75);
    age->setValue(1);
    age->setValue(0);
    EXPECT_EQ(profile->model().person()->ageYears, 0.5);
}

// A day shows its panel; a lock reaches it at once, and Ctrl+PgDn and Ctrl+PgUp change the meal
// the selector and the table show.
TEST_F(MainWindowTest, TheMealSelectorAndTheDayPanelFollowTheDay)
{
    addShellProfile(dir.filePath(u"elementi97.db"_s));
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QComboBox *meals = window->mealSelector()->meals();
    EXPECT_EQ(meals->currentText(), u"Pasto"_s);
    EXPECT_EQ(window->dayDock(), nullptr);  // a meal is no day: no panel, no profile read
    menuItem("mnuPastoNuovoGiorno")->trigger();
    ASSERT_TRUE(window->dayDock() && window->dayDock()->isVisible());
    menuItem("mnuFrutta")->trigger();
    QTest::keyClicks(window->table()->grossBox(0), u"100"_s);
    QTest::mouseClick(window->table()->lockBox(0), Qt::LeftButton);
    QCoreApplication::processEvents();
    const QAbstractItemModel *panel = window->dayDock()->findChild<QTableView *>()->model();
    EXPECT_EQ(panel->index(0, DayPanelModel::EnergyColumn).data(), u"45 kcal"_s);  // 93 g of 48 kcal per 100 g
    QTest::keyClick(window, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(meals->currentText(), u"Spuntino"_s);
    EXPECT_FALSE(window->table()->lockBox(0)->isChecked());
    QTest::keyClick(window, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(meals->currentText(), u"Colazione"_s);
    EXPECT_TRUE(window->table()->lockBox(0)->isChecked());
}

// "Persone..." opens the window on the store; a person chosen and made current shows in the status
// bar and gives the comparison its requirement; Ctrl+Z takes the person back, and with it the
// current person.
TEST_F(MainWindowTest, ThePersonsWindowMakesTheCurrentPersonOfTheComparison)
{
    EXPECT_FALSE(window->model().persons().isOpen());  // start-up leaves the persons' store alone
    ASSERT_TRUE(window->model().document().newDay());  // a step of the main window, out of the persons' sight
    menuItem("mnuPersoneFinestra")->trigger();
    ui::PersonsWindow *persons = window->personsWindow();
    ASSERT_TRUE(persons && persons->isVisible());
    Person anna{u"Anna"_s,
                Sex::Female,
                QDate(1980, 1, 1),
                165,
                {{QDate(2025, 1, 1), 60, std::nullopt}},
                ActivityLevel::Light,
                RecommendedActivities::Without,
                PersonCondition::None,
                QString()};
    ASSERT_TRUE(persons->model().addPerson(anna));
    EXPECT_TRUE(persons->list()->currentIndex().data().toString() == u"Anna"_s);
    EXPECT_TRUE(persons->summary()->text().contains(u"Fabbisogno energetico: 1918,42 kcal"_s))
        << persons->summary()->text().toStdString();  // 1,42 × (8,7 × 60 + 829)
    QTest::mouseClick(persons->button(u"cmdPersonaCorrente"_s), Qt::LeftButton);
    EXPECT_EQ(windows.settings().currentPerson(), u"Anna"_s);
    EXPECT_EQ(window->statusPanel(4)->text(), u"Persona: Anna"_s);
    EXPECT_TRUE(window->statusPanel(3)->toolTip().endsWith(u"\nPasto 0 kcal = 0 % di 1918 kcal (Anna)"_s));
    // The keys undo in the persons' window as well, where the change was made.
    QApplication::setActiveWindow(persons);
    QTest::keyClick(persons, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(persons->model().persons().rowCount(), 0);
    EXPECT_TRUE(window->statusPanel(4)->isHidden());
    EXPECT_EQ(window->statusPanel(3)->toolTip(), QString());
    // There they stop at the first step of the main window, and make the person again.
    const int index = window->model().undoStack().index();
    QTest::keyClick(persons, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->model().undoStack().index(), index);
    QTest::keyClick(persons, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(persons->model().persons().rowCount(), 1);
}

// The list of persons and the table of weights keep the focus and a current row through a change
// saved under them: a name typed in the list, a weight added or typed in the table, a person
// deleted, another made current.
TEST_F(MainWindowTest, ThePersonsWindowKeepsTheFocusAndItsPlaceThroughAChange)
{
    menuItem("mnuPersoneFinestra")->trigger();
    ui::PersonsWindow *persons = window->personsWindow();
    ASSERT_TRUE(persons);
    for (const char *name : {"Anna", "Bea", "Carla"})
        ASSERT_TRUE(persons->model().addPerson({QString::fromLatin1(name),
                                                Sex::Female,
                                                QDate(1980, 1, 1),
                                                165,
                                                {{QDate(2025, 1, 1), 60, std::nullopt}},
                                                {},
                                                {},
                                                {},
                                                {}}));
    QApplication::setActiveWindow(persons);
    QListView *list = persons->list();
    list->setCurrentIndex(list->model()->index(1, 0));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_TRUE(editor);
    editor->selectAll();
    QTest::keyClicks(editor, u"Beatrice"_s);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate commits once the key is over
    EXPECT_EQ(QApplication::focusWidget(), list);
    EXPECT_EQ(list->currentIndex().data().toString(), u"Beatrice"_s);

    QTableView *weights = persons->weightTable();
    QPushButton *removeWeight = persons->button(u"cmdRimuoviPeso"_s);
    EXPECT_FALSE(removeWeight->isEnabled());  // no weight chosen yet
    QTest::mouseClick(persons->button(u"cmdAggiungiPeso"_s), Qt::LeftButton);
    ASSERT_EQ(weights->model()->rowCount(), 2);
    const QModelIndex added = weights->currentIndex();
    ASSERT_TRUE(added.isValid());
    EXPECT_NE(persons->model().weights().weights()[static_cast<std::size_t>(added.row())].date, QDate(2025, 1, 1));
    EXPECT_TRUE(removeWeight->isEnabled());
    const QModelIndex old = weights->model()->index(1 - added.row(), WeightListModel::KilogramsColumn);
    weights->setCurrentIndex(old);
    weights->setFocus();
    weights->edit(old);
    editor = weights->findChild<QLineEdit *>();
    ASSERT_TRUE(editor);
    editor->selectAll();
    QTest::keyClicks(editor, u"73.5"_s);  // the point taken for the comma
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(QApplication::focusWidget() == weights || weights->isAncestorOf(QApplication::focusWidget()));
    EXPECT_EQ(weights->currentIndex().row(), old.row());
    EXPECT_EQ(persons->model().weights().weights()[static_cast<std::size_t>(old.row())].kilograms, 73.5);

    dialogs.questionAnswers = {Answer::Yes};
    QPushButton *remove = persons->button(u"cmdEliminaPersona"_s);
    remove->setFocus();
    QTest::keyClick(remove, Qt::Key_Space);
    EXPECT_EQ(persons->model().persons().rowCount(), 2);
    EXPECT_TRUE(QApplication::focusWidget() == remove || QApplication::focusWidget() == list);
    EXPECT_EQ(list->currentIndex().data().toString(), u"Carla"_s);
    QPushButton *makeCurrent = persons->button(u"cmdPersonaCorrente"_s);
    makeCurrent->setFocus();
    QTest::keyClick(makeCurrent, Qt::Key_Space);
    EXPECT_EQ(windows.settings().currentPerson(), u"Carla"_s);
    EXPECT_EQ(QApplication::focusWidget(), list);
}

// The current person's name, in the status bar and in its comparison, never widens the window,
// however long: the panels end in "…" and keep the whole text.
TEST_F(MainWindowTest, ALongNameNeverWidensTheWindow)
{
    window->show();
    menuItem("mnuFrutta")->trigger();
    window->model().gridRowChosen(0);
    window->model().meal().setGrossText(0, u"100"_s);
    window->model().lockBoxClicked(0, true);
    const QString name = u"Maria Vittoria Benedetta Anastasia Guglielmina Ottaviani Rossi"_s.left(60);
    int before = 0;
    for (const QString &whom : {u"Ada"_s, name}) {
        Person person = shellPerson();
        person.name = whom;
        ASSERT_TRUE(window->model().persons().store()->addPerson(person).ok());
        window->model().persons().setCurrentName(whom);
        QCoreApplication::processEvents();
        before = before == 0 ? window->minimumSizeHint().width() : before;
    }
    const auto *person = window->findChild<QLabel *>(u"StatusBar1_panel4"_s);
    const auto *comparison = window->findChild<QLabel *>(u"StatusBar1_panel3"_s);
    ASSERT_TRUE(person && comparison);
    EXPECT_TRUE(person->text().endsWith(name));
    EXPECT_TRUE(comparison->text().contains(name)) << comparison->text().toStdString();
    EXPECT_EQ(window->minimumSizeHint().width(), before);
}

// "Giorno della persona..." shows the chosen person's day, and the day panel's date then shows the
// same person's day of that date, as stored.
TEST_F(MainWindowTest, TheDateOfTheDayPanelShowsThePersonsStoredDay)
{
    PersonStore *store = window->model().persons().store();
    ASSERT_TRUE(store->addPerson({u"Anna"_s, Sex::Female, QDate(1980, 1, 1), 165, {}, {}, {}, {}, {}}).ok());
    const QDate monday(2026, 3, 9);
    MealDay apricots = emptyDay();
    apricots.meals[1].entries = {{0, *findFoodCategory(u"Frutta"_s), u"Albicocche, crude"_s, u"100"_s}};
    ASSERT_TRUE(store->writeDay(u"Anna"_s, monday.addDays(1), apricots, PersonStore::kNotStored).ok());
    QStringList nameless;
    const WhileModal choose([&](QWidget *open) {
        collectNameless(QAccessible::queryAccessibleInterface(open), nameless);
        open->findChild<QDateEdit *>(u"dtpData"_s)->setDate(monday);
        static_cast<QDialog *>(open)->accept();
    });
    menuItem("mnuGiornoPersona")->trigger();
    EXPECT_EQ(nameless, QStringList());
    EXPECT_EQ(window->windowTitle(), u"Velmo - Anna, lunedì 9 marzo 2026"_s);
    ASSERT_TRUE(window->dayDock() && window->dayDock()->isVisible());
    // Another person made current: the day stays Anna's, compared with the other's requirement.
    auto *whose = window->dayDock()->findChild<QLabel *>(u"lblPersonaGiorno"_s);
    EXPECT_EQ(whose->text(), u"Giorno di Anna:"_s);
    ASSERT_TRUE(store->addPerson({u"Bea"_s, Sex::Female, QDate(1990, 1, 1), 160, {}, {}, {}, {}, {}}).ok());
    window->model().persons().setCurrentName(u"Bea"_s);
    EXPECT_EQ(whose->text(), u"Giorno di Anna (fabbisogno di Bea):"_s);
    // Printed, the day is Anna's with Anna's details; the week is the current person's.
    QString error;
    for (const auto &[scope, whom] : {std::pair{ReportScope::Day, u"Anna"_s}, std::pair{ReportScope::Meal, u"Anna"_s},
                                      std::pair{ReportScope::Week, u"Bea"_s}}) {
        const auto plan = ui::planInput(window->model(), nullptr, scope, monday, {}, &error);
        ASSERT_TRUE(plan && plan->person) << error.toStdString();
        EXPECT_EQ(plan->person->name, whom);
    }
    // The week printed is the week's window's, from Monday; back to the day, its date.
    ui::PlanPrintDialog print(false, monday.addDays(4), window);
    auto *scope = print.findChild<QComboBox *>();
    for (const auto &[chosen, from] :
         {std::pair{ReportScope::Week, monday}, std::pair{ReportScope::Meal, monday.addDays(4)},
          std::pair{ReportScope::Week, monday}, std::pair{ReportScope::Day, monday.addDays(4)}}) {
        scope->setCurrentIndex(scope->findData(static_cast<int>(chosen)));
        EXPECT_EQ(print.date(), from);
    }
    window->model().persons().setCurrentName(u"Anna"_s);
    auto *date = window->dayDock()->findChild<QDateEdit *>(u"dtpGiorno"_s);
    EXPECT_EQ(date->date(), monday);
    date->setDate(monday.addDays(1));
    EXPECT_EQ(window->windowTitle(), u"Velmo - Anna, martedì 10 marzo 2026"_s);
    EXPECT_EQ(window->mealSelector()->meals()->currentText(), u"Colazione"_s);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    date->setFocus();
    QTest::keyClick(date, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(cell(0, MealColumn::Name), u"Albicocche, crude"_s);
    window->model().undoStack().undo();
    window->model().undoStack().undo();
    EXPECT_EQ(date->date(), monday) << "the undone choice of the date";
    // A new meal is no one's day: the date shows today's, and today picked in the calendar opens it.
    menuItem("mnuPastoNuovo")->trigger();
    ASSERT_FALSE(window->model().document().storedDay());
    emit date->calendarWidget()->clicked(date->date());
    ASSERT_TRUE(window->model().document().storedDay());
    EXPECT_EQ(window->model().document().storedDay()->date, date->date());
    // A key held down steps the date, and opens only the one it stops at, on its release.
    const QDate opened = date->date();
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
    for (int i = 0; i < 3; ++i)
        QApplication::sendEvent(date, &repeated);
    ASSERT_NE(date->date(), opened);
    EXPECT_EQ(window->model().document().storedDay()->date, opened);
    QKeyEvent released(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(date, &released);
    EXPECT_EQ(window->model().document().storedDay()->date, date->date());
    // So does a turning wheel, once it has rested.
    const QDate before = date->date();
    QWheelEvent wheel(QPointF(5, 5), date->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    for (int i = 0; i < 3; ++i)
        QApplication::sendEvent(date, &wheel);
    ASSERT_NE(date->date(), before);
    EXPECT_EQ(window->model().document().storedDay()->date, before);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->model().document().storedDay()->date == date->date(); }));
    // Its person deleted, the day still prints, with no one's details.
    ASSERT_TRUE(store->removePerson(u"Anna"_s).ok());
    const auto orphan = ui::planInput(window->model(), nullptr, ReportScope::Day, date->date(), {}, &error);
    ASSERT_TRUE(orphan) << error.toStdString();
    EXPECT_FALSE(orphan->person);
}

// In English no window shows an Italian text that has an English translation: every text reaches
// the window through tr(), after the translation is installed.
TEST_F(EnglishWindowTest, EveryWindowSpeaksEnglish)
{
    const QSet<QString> italian = translatedItalian();
    ASSERT_FALSE(italian.isEmpty());
    QStringList left, dropped;
    lookAtEveryWindow([&](QWidget *top) {
        for (const QString &text : textsOf(top))
            if (italian.contains(QString(text).remove(u'&')))
                left << top->objectName() + u": "_s + text;
        collectDroppedSeparators(top, dropped);
    });
    left.removeDuplicates();
    EXPECT_EQ(left.join(u'\n'), QString());
    EXPECT_EQ(dropped.join(u'\n'), QString());
}

// Under English, free of the Italian captions, every title of the menu bar has a key of its own.
TEST_F(EnglishWindowTest, EachMenuTitleHasItsOwnKey)
{
    QMap<int, QStringList> byKey;
    for (QAction *title : window->menuBar()->actions())
        byKey[QKeySequence::mnemonic(title->text())[0].toCombined()] << title->text();
    for (const QStringList &same : byKey)
        EXPECT_EQ(same.size(), 1) << qPrintable(same.join(u" | "_s));
}

// The status bar's clock has room for the English time with its AM or PM.
TEST_F(EnglishWindowTest, TheClockFitsItsPanel)
{
    const auto *clock = window->findChild<QLabel *>(u"StatusBar1_panel2"_s);
    ASSERT_NE(clock, nullptr);
    EXPECT_GT(clock->minimumWidth(), clock->fontMetrics().horizontalAdvance(u"12:58:58 PM"_s));
}

// Under English F1 opens the English page, or the Italian one where there is no English page.
TEST_F(EnglishWindowTest, F1OpensTheEnglishPageOrElseTheItalianOne)
{
    QTest::keyClick(window, Qt::Key_F1);
    EXPECT_EQ(windows.helpWindow()->browser()->source(), QUrl(u"qrc:/help/en/pasto.html"_s));
    menuItem("mnuCerca")->trigger();
    QTest::keyClick(window->foodSearchWindow()->textBox(), Qt::Key_F1);
    EXPECT_EQ(windows.helpWindow()->browser()->source(), QUrl(u"qrc:/help/en/alimenti.html#cerca"_s));
    // A link to an Italian page opens the English one.
    QTextBrowser *browser = windows.helpWindow()->browser();
    browser->setSource(QUrl(u"qrc:/help/pasto.html#porzione"_s));
    EXPECT_EQ(browser->source(), QUrl(u"qrc:/help/en/pasto.html#porzione"_s));
    // A page not yet in English is the Italian one.
    EXPECT_EQ(ui::HelpWindow::page(u"nuova.html#a"_s), QUrl(u"qrc:/help/nuova.html#a"_s));
}

// A category from the menu bar, a food with the arrows, its weight in the open row, the lock with
// Space, the energy window and printing: all with keys alone.
TEST_F(MainWindowTest, TheMealFlowNeedsOnlyTheKeyboard)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_S, Qt::AltModifier);
    QTest::keyClick(window->categoryMenu(), Qt::Key_U);  // Fr&utta comes before &Uova
    QTest::keyClick(window->categoryMenu(), Qt::Key_Return);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Tab, Qt::Key_1, Qt::Key_5, Qt::Key_0, Qt::Key_Tab, Qt::Key_Space})
        QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(cell(0, MealColumn::Net), u"135"_s);  // 150 g of apple, 90 % edible
    QTest::keyClick(window->grid(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->table()->grossBox(1));
    // Undone from a lock box whose row goes, the focus stays on the lock box of a row still shown.
    for (Qt::Key key : {Qt::Key_1, Qt::Key_0, Qt::Key_0, Qt::Key_Tab, Qt::Key_Space})
        QTest::keyClick(QApplication::focusWidget(), key);
    ASSERT_EQ(QApplication::focusWidget(), window->table()->lockBox(1));
    for (int step = 0; step < 2; ++step)  // the two locks
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(window->table()->lockBox(1)->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), window->table()->lockBox(0));
    menuItem("mnuPersonali")->trigger();  // the personal foods too are browsed from the keyboard
    EXPECT_EQ(QApplication::focusWidget(), window->grid());
    QTest::keyClick(window->grid(), Qt::Key_Tab);

    QTest::keyClick(window, Qt::Key_L, Qt::AltModifier);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_F);
    ASSERT_NE(windows.energy()->energyWindow(Sex::Female), nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const WhileModal print([ticks = 0](QWidget *open) mutable {
        if (QApplication::focusWidget()->objectName() == u"cmdStampa"_s)  // where the focus starts
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        else if (++ticks > 100)
            open->close();
    });
    QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printers.imageJobs.size(), 1u);
}

// A printer gone since it was last used: one message says so and the print window opens on the
// default printer.
TEST_F(MainWindowTest, PrintingAfterThePrinterIsGoneOpensTheWindowOnTheDefaultOne)
{
    printers.inUse = u"Laser"_s;
    printers.unreachable = {u"Laser"_s};
    QString opened;
    const WhileModal print([&](QWidget *open) {
        if (open->objectName() == u"frmStampaFPB"_s)
            opened = printers.printerInUse();
        open->close();
    });
    menuItem("mnuStampa")->trigger();
    EXPECT_EQ(opened, u"Ufficio"_s);
    EXPECT_EQ(dialogs.messageTexts().size(), 1) << qPrintable(dialogs.messageTexts().join(u'|'));
}

// "Settimana..." opens the current person's week from the store; its controls move the week, the
// export asks for a file, and "Profilo della media..." shows the week's average in the profile.
// The panel says whose day the table is: a day that is not stored is nobody's, and its date
// opens one of the current person's.
TEST_F(MainWindowTest, TheDayPanelNamesThePersonOnlyOfAStoredDay)
{
    PersonSession &session = window->model().persons();
    session.setToday(QDate(2026, 3, 4));
    Person anna = shellPerson();
    anna.weights.push_back({QDate(2026, 3, 1), 90, {}});
    ASSERT_TRUE(session.store() && session.store()->addPerson(anna).ok());
    session.setCurrentName(shellPerson().name);
    menuItem("mnuPastoNuovoGiorno")->trigger();
    ASSERT_TRUE(window->dayDock());
    const auto *label = window->dayDock()->findChild<QLabel *>(u"lblPersonaGiorno"_s);
    EXPECT_EQ(label->text(), u"Apri un giorno di %1:"_s.arg(shellPerson().name));
    ASSERT_TRUE(window->model().storedDays().openDate(QDate(2026, 3, 4)));
    EXPECT_EQ(label->text(), u"Giorno di %1:"_s.arg(shellPerson().name));
    // Each day is weighed against the requirement of its date: 90 kg now, 60 kg in February.
    const std::optional<double> now = window->model().requirementKcal();
    ASSERT_TRUE(window->model().storedDays().openDate(QDate(2026, 2, 2)));
    ASSERT_TRUE(now && window->model().requirementKcal());
    EXPECT_LT(*window->model().requirementKcal(), *now - 300);
}

TEST_F(MainWindowTest, TheWeekWindowShowsTheCurrentPersonsWeekAndItsAverage)
{
    addShellProfile(dir.filePath(u"elementi97.db"_s));
    PersonSession &session = window->model().persons();
    session.setToday(QDate(2026, 3, 4));
    ASSERT_TRUE(session.store());
    const Person anna = shellPerson();
    ASSERT_TRUE(session.store()->addPerson(anna).ok());
    const MealDay day{{{u"Pranzo"_s, {{0, *findFoodCategory(u"Frutta"_s), u"Albicocche, crude"_s, u"100"_s}}}}};
    ASSERT_TRUE(session.store()->writeDay(anna.name, QDate(2026, 3, 3), day, PersonStore::kNotStored).ok());
    session.setCurrentName(anna.name);
    menuItem("mnuSettimana")->trigger();
    ui::WeekWindow *week = window->weekWindow();
    ASSERT_TRUE(week && week->isVisible());
    const auto energy = [week](int row) { return week->table()->model()->index(row, WeekModel::EnergyColumn).data(); };
    EXPECT_EQ(week->fromDate()->date(), QDate(2026, 3, 2));
    EXPECT_EQ(energy(1), u"45"_s);  // 93 g of 48 kcal per 100 g
    // However small the window, the table shows every day and the average; the charts give way.
    week->resize(640, 480);
    QTest::qWait(100);
    const QTableView *days = week->table();
    EXPECT_GE(days->viewport()->height(), days->verticalHeader()->length());
    // At its narrowest and lowest the texts, wrapped, still stand below the table.
    for (const QSize size : {QSize(1, 1), QSize(1, 1)}) {  // the second after the first's wrapping
        week->resize(size);
        QCoreApplication::processEvents();
    }
    EXPECT_GE(week->summary()->geometry().top(), days->geometry().bottom()) << week->width() << 'x' << week->height();
    EXPECT_GE(days->viewport()->height(), days->verticalHeader()->length());
    QTest::mouseClick(week->button(u"cmdSettimanaSuccessiva"_s), Qt::LeftButton);
    EXPECT_EQ(week->fromDate()->date(), QDate(2026, 3, 9));
    EXPECT_FALSE(week->button(u"cmdEsportaSettimana"_s)->isEnabled());
    week->fromDate()->setDate(QDate(2026, 3, 3));
    EXPECT_EQ(energy(0), u"45"_s);
    const QString csv = dir.filePath(u"settimana.csv"_s);
    dialogs.saveAnswers = {csv};
    QTest::mouseClick(week->button(u"cmdEsportaSettimana"_s), Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(csv)) << dialogs.messageTexts().join(u'\n').toStdString();
    QTest::mouseClick(week->button(u"cmdProfiloSettimana"_s), Qt::LeftButton);
    ui::NutrientProfileWindow *profile = window->nutrientProfileWindow();
    ASSERT_TRUE(profile && profile->isVisible());
    EXPECT_EQ(profile->subjectList()->currentText(), u"La media giornaliera della settimana"_s);
    QCoreApplication::processEvents();
    EXPECT_EQ(
        profile->model().index(*profile->model().rowOf(u"ENERC_KCAL"_s), NutrientProfileModel::AmountColumn).data(),
        u"45 kcal"_s);
    // A day another Velmo plans is there when the window is opened again, from this week's Monday.
    QString error;
    const auto other = PersonStore::open(dir.filePath(u"utente/persone.db"_s), false, &error);
    ASSERT_TRUE(other) << error.toStdString();
    ASSERT_TRUE(other->writeDay(anna.name, QDate(2026, 3, 4), day, PersonStore::kNotStored).ok());
    week->close();
    menuItem("mnuSettimana")->trigger();
    EXPECT_EQ(week->fromDate()->date(), QDate(2026, 3, 2));
    EXPECT_EQ(energy(2), u"45"_s);
}

}  // namespace
