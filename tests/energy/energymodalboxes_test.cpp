#include "support/fakedialogs.h"
#include "support/fakeprinterservice.h"
#include "support/localeguard.h"
#include "ui/energy/energyui.h"
#include "ui/energy/energywindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace velmo;
using namespace velmo::test;

namespace {

// The message boxes open inside focus changes and clicks; the window must come out of real modal
// boxes (each closed as soon as it is open, as a user pressing OK would) with the focus and the
// buttons where the window's rules put them.
TEST(EnergyModalBoxes, RealMessageBoxesLeaveTheWindowConsistent)
{
    LocaleGuard guard("it_IT");
    FakeDialogs dialogs;
    dialogs.onMessage = [] {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Attenzione"), QStringLiteral("?"), QMessageBox::Ok);
        QTimer::singleShot(20, &box, &QMessageBox::accept);
        box.exec();
    };
    FakePrinterService printers;
    ui::EnergyUi energy(printers, dialogs, [] {}, [] {});
    energy.showEnergyWindow(Sex::Female);
    ui::EnergyWindow *window = energy.energyWindow(Sex::Female);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto *text1 = window->findChild<QLineEdit *>(QStringLiteral("Text1"));
    auto *text3 = window->findChild<QLineEdit *>(QStringLiteral("Text3"));
    auto *option12 = window->findChild<QRadioButton *>(QStringLiteral("Option12"));

    // The weight box before the age.
    QTest::mouseClick(text3, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QApplication::activeModalWidget() && window->focusWidget() == text1; }));
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("Non hai messo gli anni!!")});
    EXPECT_EQ(energy.model(Sex::Female).focus(), EnergyControl::Text1);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClicks(text1, QStringLiteral("30"));
    EXPECT_EQ(window->focusWidget(), text3);
    QTest::keyClicks(text3, QStringLiteral("60"));

    // With or without, before the activity.
    dialogs.clear();
    QTest::mouseClick(option12, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QApplication::activeModalWidget() && window->focusWidget() == text3; }));
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("Non hai scelto l'attività")});
    EXPECT_FALSE(option12->isChecked());
    EXPECT_EQ(energy.model(Sex::Female).focus(), EnergyControl::Text3);
    EXPECT_EQ(text1->text() + u'/' + text3->text(), QStringLiteral("30/60"));
}

}  // namespace
