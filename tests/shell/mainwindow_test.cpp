#include "catalogue/foodcategory.h"
#include "support/fakeprinterservice.h"
#include "shellfixture.h"
#include "ui/catalogue/foodgridview.h"
#include "ui/catalogue/foodsearchwindow.h"
#include "ui/catalogue/foodwindow.h"
#include "ui/energy/energyui.h"
#include "ui/energy/energywindow.h"
#include "ui/energy/launcherwindow.h"
#include "ui/meal/compositiontableview.h"
#include "ui/shell/appwindows.h"
#include "ui/shell/helpwindow.h"
#include "ui/shell/mainwindow.h"

#include <functional>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDebug>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeView>

using namespace velmo;
using namespace velmo::test;
using velmo::ui::MainWindow;

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

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString path = dir.filePath("elementi97.db");
        ASSERT_TRUE(writeShellDatabase(path));
        windows.setDialogs(&dialogs);
        windows.setPrinters(&printers);
        QString error;
        ASSERT_TRUE(windows.start(path, &error)) << error.toStdString();
        window = windows.mainWindow();
        window->model().personalFoods().setPath(dir.filePath("utente/alimenti-personali.db"));  // not the user's
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    QAction *menuItem(const char *name) const { return window->findChild<QAction *>(QString::fromLatin1(name)); }
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
    EXPECT_EQ(window->categoryHeading()->text(), "Frutta");
    EXPECT_EQ(cell(0, MealColumn::Fat), "0,39");
    window->toolbarButton(4)->trigger();
    EXPECT_EQ(window->grid()->currentIndex().row(), 1);
    window->grid()->setFocus();
    QTest::keyClick(window->grid(), Qt::Key_Down);
    EXPECT_EQ(cell(0, MealColumn::Name), "Pera, cruda");
    window->toolbarButton(4)->trigger();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{"Sei alla fine dell'Archivio"});
    window->toolbarButton(2)->trigger();
    QTest::keyClick(window->grid(), Qt::Key_Up);
    EXPECT_EQ(cell(0, MealColumn::Name), "Albicocche, crude");

    QWidget *viewport = window->grid()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {},
                      window->grid()->visualRect(window->grid()->model()->index(2, 0)).center());
    EXPECT_EQ(cell(0, MealColumn::Name), "Pera, cruda");
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
    EXPECT_EQ(search->list()->model()->index(0, 1).data().toString(), "Frutta");
    QTest::keyClick(search->textBox(), Qt::Key_Return);
    EXPECT_FALSE(search->isVisible());
    EXPECT_EQ(window->categoryHeading()->text(), "Frutta");
    EXPECT_EQ(cell(0, MealColumn::Name), "Pera, cruda");

    QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitForWindowActive(search));
    QTest::keyClick(search->textBox(), Qt::Key_Escape);
    EXPECT_FALSE(search->isVisible());
    EXPECT_EQ(cell(0, MealColumn::Name), "Pera, cruda");
}

// Every menu reachable from the menu bar, the bar's own titles included: every item has a key
// (but the specified "11"), and items sharing one are all specified captions: the categories'
// "Cereali e &derivati" / "Pro&dotti vari", "D&olci" / "&Oli e grassi", "Fr&utta" / "&Uova", and
// the bar's "&Scelta alimenti" / "&Stampa".
TEST_F(MainWindowTest, NoItemWeAddedSharesAKeyInItsMenu)
{
    QSet<QString> specified{"&N° Persone", "&Scelta alimenti", "&LAF", "&Stampa", "&Help", "&Esci", "11"};
    for (const FoodCategory &category : foodCategories())
        specified << category.menuCaption;
    QList<QList<QAction *>> menus{window->menuBar()->actions()};
    for (qsizetype m = 0; m < menus.size(); ++m)
        for (QAction *item : menus[m])
            if (item->menu())
                menus << item->menu()->actions();
    EXPECT_EQ(menus.size(), 6) << "bar, Pasto, Persone, Scelta and its submenu, LAF";
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
                EXPECT_TRUE(same.size() == 1 || specified.contains(text)) << qPrintable(same.join(" | "));
    }
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
        food->field(0)->setText("Torta");
        food->field(2)->setText("x");
        food->accept();
        EXPECT_TRUE(food->isVisible());
        EXPECT_EQ(food->focusWidget(), food->field(2));
        food->field(2)->setText("6,5");
        food->accept();
    });
    menuItem("mnuNuovoAlimento")->trigger();
    EXPECT_EQ(window->categoryHeading()->text(), "Alimenti personali");
    EXPECT_EQ(cell(0, MealColumn::Protein), "6,5");
    emit window->categoryMenu()->aboutToShow();
    EXPECT_TRUE(menuItem("mnuModificaAlimento")->isEnabled());
}

TEST_F(MainWindowTest, EnergyWindowsOpenOnceAndVelmoOnTheLauncherLoadsAClosedMainWindowAfresh)
{
    menuItem("mnuFrutta")->trigger();
    ASSERT_EQ(cell(0, MealColumn::Name), "Albicocche, crude");
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
        QTest::mouseClick(windows.energy()->launcher()->findChild<QLabel *>("Label1"), Qt::LeftButton);
        return windows.mainWindow();
    };
    MainWindow *fresh = clickVelmo();
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(fresh->isVisible());
    EXPECT_EQ(fresh->table()->cellLabel(0, MealColumn::Name)->text(), "");
    // While it is open, "Velmo" only brings it to the front.
    EXPECT_EQ(clickVelmo(), fresh);
}

TEST_F(MainWindowTest, HelpClosesWithTheMainWindowAndTheProgramEnds)
{
    window->toolbarButton(8)->trigger();
    const QPointer<ui::HelpWindow> help = windows.helpWindow();
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_TRUE(help->browser()->toPlainText().contains("Comporre un pasto"));
    QTimer::singleShot(0, window, [this] { window->close(); });
    EXPECT_EQ(execUntilQuit(), 0);
    EXPECT_TRUE(help.isNull() || !help->isVisible());
    EXPECT_EQ(windows.helpWindow(), nullptr);
}

TEST_F(MainWindowTest, ExitEndsTheProgramAtOnce)
{
    QTimer::singleShot(0, [this] { menuItem("mnuEsci")->trigger(); });
    EXPECT_EQ(execUntilQuit(), 0);
}

// The meal's menu comes first; closing with an unsaved meal asks, and Annulla keeps the window and
// the meal.
TEST_F(MainWindowTest, MealMenuAndTheQuestionBeforeClosing)
{
    EXPECT_EQ(window->menuBar()->actions().value(0), window->mealMenu()->menuAction());
    menuItem("mnuFrutta")->trigger();
    window->model().meal().setGrossText(0, "100");
    window->model().meal().setLock(0, 1);
    EXPECT_EQ(window->windowTitle(), "Velmo - Senza nome*");
    dialogs.questionAnswers = {Answer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(dialogs.shown.size(), 1U);
    EXPECT_EQ(dialogs.shown[0].text, "Salvare le modifiche al pasto?");
    EXPECT_EQ(window->model().meal().row(0).lock, 1);
}

TEST_F(MainWindowTest, TheStatusBarSetsTheMealAgainstTheRequirementComputedLast)
{
    windows.energy()->model(Sex::Male).setText(EnergyControl::RequirementBox, "2000");
    windows.energy()->model(Sex::Female).setText(EnergyControl::RequirementBox, "1800");
    EXPECT_EQ(window->statusPanel(3)->text(), "Pasto 0 kcal = 0 % di 1800 kcal (femmina)");
}

TEST_F(MainWindowTest, StatusBarShowsDateAndTimeAndTheTitleScrolls)
{
    const QString title = window->scrollingTitle()->text();
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !window->statusPanel(2)->text().isEmpty() && window->scrollingTitle()->text() != title; }));
    EXPECT_EQ(window->statusPanel(1)->text(), QLocale().toString(QDate::currentDate(), "dd MMMM yyyy"));
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

// Every command of the main window runs, so every window it opens, now or in later versions, is
// looked at (a modal one while it runs); then the windows the energy windows lead to.
TEST_F(MainWindowTest, EveryFocusableControlOfEveryWindowHasAName)
{
    int looked = 0;  // a modal window is closed once looked at, so none is looked at twice
    QStringList nameless;
    const auto look = [&](QWidget *top) {
        ++looked;
        collectNameless(QAccessible::queryAccessibleInterface(top), nameless);
    };
    const WhileModal modal([&](QWidget *open) {
        look(open);
        open->close();
    });
    for (QAction *command : window->findChildren<QAction *>())
        if (command->isEnabled() && !command->menu() && !command->isSeparator()
            && command->text().remove(u'&') != "Esci")
            command->trigger();
    windows.energy()->showLauncher();
    windows.energy()->showChoiceDialog();
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible())
            look(top);
    EXPECT_GE(looked, 7) << "main, print, help, two energy windows, launcher, choice";
    EXPECT_EQ(nameless.join(u'\n'), "");
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
    EXPECT_EQ(cell(0, MealColumn::Net), "135");  // 150 g of apple, 90 % edible
    QTest::keyClick(window->grid(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->table()->grossBox(1));

    QTest::keyClick(window, Qt::Key_L, Qt::AltModifier);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_F);
    ASSERT_NE(windows.energy()->energyWindow(Sex::Female), nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const WhileModal print([ticks = 0](QWidget *open) mutable {
        if (QApplication::focusWidget()->objectName() == "cmdStampa")  // where the focus starts
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        else if (++ticks > 100)
            open->close();
    });
    QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printers.imageJobs.size(), 1u);
}

}  // namespace
