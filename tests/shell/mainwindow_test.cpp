#include "support/fakedialogs.h"
#include "support/fooddbfixture.h"
#include "support/localeguard.h"
#include "ui/catalogue/foodgridview.h"
#include "ui/energy/energyui.h"
#include "ui/energy/energywindow.h"
#include "ui/energy/launcherwindow.h"
#include "ui/meal/compositiontableview.h"
#include "ui/shell/appwindows.h"
#include "ui/shell/helpwindow.h"
#include "ui/shell/mainwindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

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

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString path = dir.filePath("elementi97.db");
        ASSERT_TRUE(writeFoodDatabase(path, {{"Frutta",
                                              {{"Albicocche, crude", {93, 1.4, 0.39, 11.12, 48, 2, 0}},
                                               {"Mela, con buccia, cruda", {90, 0.26, 0.17, 13.81, 52, 2.4, 0}},
                                               {"Pera, cruda", {92, 0.36, 0.14, 15.23, 57, 3.1, QVariant()}}}}}));
        windows.setDialogs(&dialogs);
        QString error;
        ASSERT_TRUE(windows.start(path, &error)) << error.toStdString();
        window = windows.mainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    QAction *menuItem(const char *name) const { return window->findChild<QAction *>(QString::fromLatin1(name)); }
    QString cell(int row, MealColumn c) const { return window->table()->cellLabel(row, c)->text(); }

    LocaleGuard italian{"it_IT"};
    QTemporaryDir dir;
    FakeDialogs dialogs;
    ui::AppWindows windows;
    MainWindow *window = nullptr;
};

TEST_F(MainWindowTest, ChoosingACategoryFillsTheGridAndRowZero)
{
    menuItem("mnuFrutta")->trigger();
    EXPECT_EQ(window->categoryHeading()->text(), "Frutta");
    EXPECT_EQ(window->grid()->model()->index(0, 2).data().toString(), "1,4");
    EXPECT_EQ(window->grid()->currentIndex().row(), 0);
    EXPECT_EQ(cell(0, MealColumn::Lip), "0,39");
}

TEST_F(MainWindowTest, ToolbarAndArrowKeysMoveTheCurrentFood)
{
    menuItem("mnuFrutta")->trigger();
    window->toolbarButton(4)->trigger();
    EXPECT_EQ(window->grid()->currentIndex().row(), 1);
    window->grid()->setFocus();
    QTest::keyClick(window->grid(), Qt::Key_Down);
    EXPECT_EQ(cell(0, MealColumn::Name), "Pera, cruda");
    window->toolbarButton(4)->trigger();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{"Sei alla fine dell'Archivio"});
    window->toolbarButton(2)->trigger();
    EXPECT_EQ(cell(0, MealColumn::Name), "Albicocche, crude");
    QTest::keyClick(window->grid(), Qt::Key_Up);
    EXPECT_EQ(cell(0, MealColumn::Name), "Albicocche, crude");
}

TEST_F(MainWindowTest, MouseOnTheGridChoosesFoodsAndOpensTheCategoryMenu)
{
    menuItem("mnuFrutta")->trigger();
    QWidget *viewport = window->grid()->viewport();
    const QRect third = window->grid()->visualRect(window->grid()->model()->index(2, 0));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, third.center());
    EXPECT_EQ(cell(0, MealColumn::Name), "Pera, cruda");

    bool menuShown = false;
    QTimer::singleShot(0, [&] {
        menuShown = window->categoryMenu()->isVisible();
        window->categoryMenu()->close();
    });
    QTest::mousePress(viewport, Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_TRUE(QTest::qWaitFor([&] { return menuShown; }));
    EXPECT_EQ(cell(0, MealColumn::Name), "Pera, cruda");
}

TEST_F(MainWindowTest, LafMenuOpensEachEnergyWindowOnce)
{
    menuItem("mnuLAFfemmina")->trigger();
    ui::EnergyWindow *female = windows.energy()->energyWindow(Sex::Female);
    ASSERT_NE(female, nullptr);
    EXPECT_TRUE(female->isVisible() && window->isVisible());
    menuItem("mnuLAFmaschio")->trigger();
    ASSERT_NE(windows.energy()->energyWindow(Sex::Male), nullptr);
    EXPECT_TRUE(windows.energy()->energyWindow(Sex::Male)->isVisible());
    menuItem("mnuLAFfemmina")->trigger();
    EXPECT_EQ(windows.energy()->energyWindow(Sex::Female), female);
}

TEST_F(MainWindowTest, VelmoOnTheLauncherLoadsAClosedMainWindowAfresh)
{
    menuItem("mnuFrutta")->trigger();
    ASSERT_EQ(cell(0, MealColumn::Name), "Albicocche, crude");
    // An energy window keeps the program alive, as it does for the user.
    menuItem("mnuLAFfemmina")->trigger();
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
    EXPECT_TRUE(fresh->toolbar()->findChildren<QToolButton *>().value(0)->autoRaise());
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

TEST(MainWindowStart, AMissingDatabaseStopsTheStartWithItsReasonAndCreatesNothing)
{
    QTemporaryDir dir;
    FakeDialogs dialogs;
    ui::AppWindows windows;
    windows.setDialogs(&dialogs);
    QString error;
    EXPECT_FALSE(windows.start(dir.filePath("elementi97.db"), &error));
    EXPECT_TRUE(error.contains("elementi97.db"));
    EXPECT_EQ(windows.mainWindow(), nullptr);
    EXPECT_FALSE(QFile::exists(dir.filePath("elementi97.db")));
}

TEST_F(MainWindowTest, StatusBarShowsDateAndTimeAndTheTitleScrolls)
{
    const QString title = window->scrollingTitle()->text();
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return !window->statusPanel(2)->text().isEmpty() && window->scrollingTitle()->text() != title;
    }));
    EXPECT_EQ(window->statusPanel(1)->text(), QLocale().toString(QDate::currentDate(), "dd MMMM yyyy"));
}

}  // namespace
