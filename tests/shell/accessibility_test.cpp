#include "support/fakedialogs.h"
#include "support/fakeprinterservice.h"
#include "support/fooddbfixture.h"
#include "support/localeguard.h"
#include "ui/catalogue/foodgridview.h"
#include "ui/energy/energyui.h"
#include "ui/energy/energywindow.h"
#include "ui/meal/compositiontableview.h"
#include "ui/shell/appwindows.h"
#include "ui/shell/mainwindow.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace velmo;
using namespace velmo::test;

namespace {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString path = dir.filePath("elementi97.db");
        ASSERT_TRUE(writeFoodDatabase(path, {{"Frutta",
                                              {{"Albicocche, crude", {93, 1.4, 0.39, 11.12, 48, 2, 0}},
                                               {"Mela, con buccia, cruda", {90, 0.26, 0.17, 13.81, 52, 2.4, 0}}}}}));
        windows.setDialogs(&dialogs);
        windows.setPrinters(&printers);
        QString error;
        ASSERT_TRUE(windows.start(path, &error)) << error.toStdString();
        window = windows.mainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    LocaleGuard italian{"it_IT"};
    QTemporaryDir dir;
    FakeDialogs dialogs;
    FakePrinterService printers;
    ui::AppWindows windows;
    ui::MainWindow *window = nullptr;
};

// The controls of `iface` and below that take the focus but have no name to read, as
// "window: role object". A table's or list's cells are read by their column and content, so only
// the table itself must be named.
void collectNameless(QAccessibleInterface *iface, const QString &window, QStringList &found)
{
    if (!iface || iface->state().invisible)
        return;
    if (iface->state().focusable && iface->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject *object = iface->object();
        found << QStringLiteral("%1: ruolo %2 %3")
                     .arg(window)
                     .arg(iface->role())
                     .arg(object ? object->objectName() + QLatin1Char(' ') + object->metaObject()->className()
                                 : QString());
    }
    const QAccessible::Role role = iface->role();
    if (role == QAccessible::Table || role == QAccessible::List || role == QAccessible::Tree)
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        collectNameless(iface->child(i), window, found);
}

void collectNameless(QWidget *window, QSet<QWidget *> &seen, QStringList &found)
{
    if (!window || !window->isVisible() || seen.contains(window))
        return;
    seen.insert(window);
    const QString title = window->objectName() + QLatin1Char(' ') + window->metaObject()->className();
    collectNameless(QAccessible::queryAccessibleInterface(window), title, found);
}

void collectMenuActions(const QList<QAction *> &actions, QList<QAction *> &out)
{
    for (QAction *action : actions) {
        if (action->menu())
            collectMenuActions(action->menu()->actions(), out);
        else if (action->isEnabled() && !action->isSeparator() && !action->objectName().contains(QLatin1String("Esci")))
            out << action;
    }
}

// Every command of the main window's menus is run, so that every window the program opens from
// there, now or later, is looked at; a modal window is looked at while it runs, then closed.
TEST_F(ProgramTest, EveryFocusableControlOfEveryWindowHasAName)
{
    QSet<QWidget *> seen;
    QStringList nameless;
    QTimer modal;
    modal.setInterval(20);
    QObject::connect(&modal, &QTimer::timeout, [&] {
        if (QWidget *open = QApplication::activeModalWidget()) {
            collectNameless(open, seen, nameless);
            open->close();
        }
    });
    modal.start();

    QList<QAction *> commands;
    collectMenuActions(window->menuBar()->actions(), commands);
    ASSERT_GE(commands.size(), 20);
    for (QAction *command : commands)
        command->trigger();
    windows.energy()->showLauncher();
    windows.energy()->showChoiceDialog();
    QApplication::processEvents();
    for (QWidget *top : QApplication::topLevelWidgets())
        collectNameless(top, seen, nameless);

    EXPECT_GE(seen.size(), 7) << "main, two energy windows, print, help, launcher, choice";
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join(QLatin1Char('\n')).toStdString();
}

QWidget *focused()
{
    return QApplication::focusWidget();
}

// The meal from the keyboard alone: a category from the menu bar, a food with the arrows, its
// weight in the open row, the lock with Space, then the energy window and printing.
TEST_F(ProgramTest, TheMealFlowNeedsOnlyTheKeyboard)
{
    QTest::keyClick(window, Qt::Key_S, Qt::AltModifier);
    QMenu *categories = window->categoryMenu();
    ASSERT_TRUE(categories->isVisible()) << "Alt+S opens Scelta alimenti";
    QTest::keyClick(categories, Qt::Key_U);  // Fr&utta before &Uova
    QTest::keyClick(categories, Qt::Key_Return);
    ASSERT_EQ(focused(), window->grid());
    QTest::keyClick(focused(), Qt::Key_Down);
    EXPECT_EQ(window->table()->cellLabel(0, MealColumn::Name)->text(), "Mela, con buccia, cruda");

    QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), window->table()->grossBox(0));
    QTest::keyClicks(focused(), "150");
    QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), window->table()->lockBox(0));
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_EQ(window->model().meal().row(0).lock, 1);
    EXPECT_EQ(window->table()->cellLabel(0, MealColumn::Net)->text(), "135");

    // The next food goes to the row that opened: Tab from the grid reaches its weight.
    window->grid()->setFocus();
    QTest::keyClick(focused(), Qt::Key_Up);
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), window->table()->grossBox(1));

    QTest::keyClick(window, Qt::Key_L, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_F);
    ASSERT_NE(windows.energy()->energyWindow(Sex::Female), nullptr);
    EXPECT_TRUE(windows.energy()->energyWindow(Sex::Female)->isVisible());

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTimer printWindow;
    int ticks = 0;
    QObject::connect(&printWindow, &QTimer::timeout, [&] {
        QWidget *open = QApplication::activeModalWidget();
        QWidget *focus = QApplication::focusWidget();
        if (open && focus && focus->objectName() == QLatin1String("cmdStampa"))  // where the focus starts
            QTest::keyClick(focus, Qt::Key_Space);
        else if (open && ++ticks > 100)
            open->close();
    });
    printWindow.start(20);
    QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printers.imageJobs.size(), 1u);
}

}  // namespace
