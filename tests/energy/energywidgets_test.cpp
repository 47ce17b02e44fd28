// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/energy/energywindow.h"
#include "ui/energy/choicedialog.h"
#include "ui/energy/energyui.h"
#include "ui/energy/launcherwindow.h"
#include "ui/chart/barchart.h"
#include "support/fakedialogs.h"
#include "support/fakeprinterservice.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using namespace velmo;
using namespace velmo::test;
using velmo::ui::EnergyUi;
using velmo::ui::EnergyWindow;

namespace {

class EnergyWidgetsTest : public ::testing::Test {
protected:
    EnergyWindow *openWindow(Sex sex)
    {
        ui->showEnergyWindow(sex);
        EnergyWindow *window = ui->energyWindow(sex);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        QCoreApplication::processEvents();
        return window;
    }

    template <typename T>
    T *child(QWidget *window, const char *name)
    {
        T *widget = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    LocaleGuard guard{"it_IT"};
    FakeDialogs dialogs;
    FakePrinterService printers;
    int mainWindowShown = 0;
    int quitRequested = 0;
    std::unique_ptr<EnergyUi> ui = std::make_unique<EnergyUi>(
        printers, dialogs, [this] { ++mainWindowShown; }, [this] { ++quitRequested; });
};

TEST_F(EnergyWidgetsTest, ActivityCaptionsAreGreyWhileDisabledAndColouredWhenEnabled)
{
    EnergyWindow *window = openWindow(Sex::Female);
    const QColor grey = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
    const struct {
        const char *name;
        QColor caption;
    } options[] = {{"Option3", QColor(0, 0, 255)}, {"Option4", QColor(190, 150, 0)}, {"Option5", QColor(255, 0, 0)}};
    auto *ageBox = child<QLineEdit>(window, "Text1");
    QTest::keyClicks(ageBox, QStringLiteral("8"));
    for (const bool enabled : {false, true}) {
        // A one-digit age left with Tab disables the options; back in the age box they return.
        enabled ? ageBox->setFocus(Qt::MouseFocusReason) : QTest::keyClick(ageBox, Qt::Key_Tab);
        QCoreApplication::processEvents();
        for (const auto &o : options) {
            auto *button = child<QRadioButton>(window, o.name);
            ASSERT_EQ(button->isEnabled(), enabled) << o.name;
            EXPECT_EQ(button->palette().color(QPalette::WindowText), enabled ? o.caption : grey) << o.name;
        }
    }
}

// Whatever the model decides reaches its widget: texts, visibility, buttons, the chart and the print button.
TEST_F(EnergyWidgetsTest, EveryControlShowsItsModel)
{
    // clang-format off
    // `shown`: the weight box after typing; a point typed under Italian is the decimal comma.
    const struct { int line; Sex sex; const char *age, *weight, *shown; QList<int> clicks; } cases[] = {
        {__LINE__, Sex::Female, "12", "40", "40", {}},
        {__LINE__, Sex::Male, "40", "75.5", "75,5", {4, 12, 5}},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        dialogs.clear();
        EnergyWindow *window = openWindow(c.sex);
        const EnergyWindowModel &m = ui->model(c.sex);
        QTest::keyClicks(child<QLineEdit>(window, "Text1"), QString::fromLatin1(c.age));
        QTest::keyClicks(child<QLineEdit>(window, "Text3"), QString::fromLatin1(c.weight));
        EXPECT_EQ(child<QLineEdit>(window, "Text3")->text(), QString::fromLatin1(c.shown));
        for (int option : c.clicks)
            QTest::mouseClick(child<QRadioButton>(window, qPrintable(QStringLiteral("Option%1").arg(option))),
                              Qt::LeftButton);
        ASSERT_FALSE(m.requirementText().isEmpty());
        EXPECT_EQ(child<QLabel>(window, "Label1")->text(), m.basalMetabolismCaption());
        EXPECT_EQ(child<QLabel>(window, "Label2")->text(), m.lafCaption());
        EXPECT_EQ(child<QLineEdit>(window, "Text2")->text(), m.requirementText());
        EXPECT_EQ(child<QLabel>(window, "Label7")->text(), m.adolescentSplitCaption());
        EXPECT_EQ(child<QLabel>(window, "Label8")->isVisible(), m.adultSplitVisible());
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(child<QLabel>(window, qPrintable(QStringLiteral("Label6_%1").arg(i)))->text(), m.gramsCaption(i));
            EXPECT_DOUBLE_EQ(window->chartValue(i + 1), m.chartValue(i + 1));
        }
        for (const EnergyOption &o : EnergyWindowModel::kOptions) {
            auto *button = child<QRadioButton>(window, qPrintable(QStringLiteral("Option%1").arg(o.number)));
            EXPECT_EQ(button->isEnabled(), m.optionEnabled(o.number)) << o.number;
            EXPECT_EQ(button->isChecked(), m.optionSelected(o.number)) << o.number;
        }
        EXPECT_TRUE(dialogs.shown.empty());
        dialogs.inputAnswers.push_back(QStringLiteral("Maria"));
        QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
        ASSERT_FALSE(printers.textJobs.empty());
        EXPECT_EQ(printers.textJobs.back().lines, m.printLines(QStringLiteral("Maria")));
        window->close();
    }
}

// Each window exists once and keeps its members; the back button leads to the launcher, its second
// label to the choice dialog, and each of the dialog's buttons to its own window.
TEST_F(EnergyWidgetsTest, WindowsAndTheRoadsBetweenThem)
{
    EnergyWindow *men = openWindow(Sex::Male);
    QTest::keyClicks(child<QLineEdit>(men, "Text1"), QStringLiteral("40"));
    QTest::keyClicks(child<QLineEdit>(men, "Text3"), QStringLiteral("75"));
    men->close();
    EXPECT_EQ(openWindow(Sex::Male), men);
    EXPECT_TRUE(child<QLineEdit>(men, "Text1")->text().isEmpty());
    EXPECT_EQ(ui->model(Sex::Male).weightMember(), std::optional<qint16>(75));
    EnergyWindow *women = openWindow(Sex::Female);
    EXPECT_EQ(child<QLabel>(women, "Label7")->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(child<QLabel>(men, "Label8")->font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_FALSE(child<QRadioButton>(women, "Option12")->toolTip().isEmpty());
    EXPECT_TRUE(child<QRadioButton>(men, "Option12")->toolTip().isEmpty());
    men->close();
    QTest::mouseClick(child<QPushButton>(women, "Command3"), Qt::LeftButton);
    ASSERT_NE(ui->launcher(), nullptr);
    EXPECT_TRUE(ui->launcher()->isVisible() && !women->isVisible());
    QTest::mouseClick(child<QLabel>(ui->launcher(), "Label2"), Qt::LeftButton);
    ASSERT_NE(ui->choiceDialog(), nullptr);
    EXPECT_TRUE(ui->choiceDialog()->isVisible() && !ui->launcher()->isVisible());
    for (const auto &[button, sex] : {std::pair{"Command1", Sex::Male}, std::pair{"Command2", Sex::Female}}) {
        ui->showChoiceDialog();
        QTest::mouseClick(child<QToolButton>(ui->choiceDialog(), button), Qt::LeftButton);
        EXPECT_FALSE(ui->choiceDialog()->isVisible()) << button;
        ASSERT_NE(ui->energyWindow(sex), nullptr) << button;
        EXPECT_TRUE(ui->energyWindow(sex)->isVisible()) << button;
    }
}

// The launcher's labels turn red under the mouse and black over the frame; a command runs on a
// click or its key, not on a press dragged away.
TEST_F(EnergyWidgetsTest, LauncherFollowsTheMouseAndRunsCommandsOnAClickOrSpace)
{
    ui->showEnergyWindow(Sex::Female);
    ui->showLauncher();
    const auto moveOver = [&](const char *name) {
        QWidget *w = child<QWidget>(ui->launcher(), name);
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), w->mapToGlobal(QPointF(1, 1)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    };
    const auto colours = [&] {
        return QList<QColor>{child<QLabel>(ui->launcher(), "Label1")->palette().color(QPalette::WindowText),
                             child<QLabel>(ui->launcher(), "Label2")->palette().color(QPalette::WindowText)};
    };
    const QColor red(255, 0, 0), black(0, 0, 0);
    moveOver("Label1");
    moveOver("Label2");
    EXPECT_EQ(colours(), QList<QColor>({red, red}));
    moveOver("Frame1");
    EXPECT_EQ(colours(), QList<QColor>({black, black}));

    const struct {
        const char *label;
        const int *runs;
    } commands[] = {{"Label5", &quitRequested}, {"Label1", &mainWindowShown}};
    for (const auto &c : commands) {
        ui->showLauncher();
        auto *label = child<QLabel>(ui->launcher(), c.label);
        const QPoint outside(label->width() / 2, label->height() + 40);
        QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
        QTest::mouseMove(label, outside);
        QTest::mouseRelease(label, Qt::LeftButton, {}, outside);
        EXPECT_EQ(*c.runs, 0) << c.label;
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_EQ(*c.runs, 1) << c.label;
        ui->showLauncher();
        QTest::keyClick(label, Qt::Key_Space);
        EXPECT_EQ(*c.runs, 2) << c.label;
    }
    EXPECT_FALSE(ui->launcher()->isVisible());
}

// The age box opens with the focus, lets only digits through and hands the focus on at two; a
// one-digit weight gets its zero when Tab leaves it. The message boxes open inside focus changes
// and clicks: the window must come out of real modal boxes (each closed as soon as it is open, as
// a user pressing OK would) with the focus and the buttons where the window's rules put them.
TEST_F(EnergyWidgetsTest, KeysFocusAndRealMessageBoxes)
{
    dialogs.onMessage = [] {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Attenzione"), QStringLiteral("?"), QMessageBox::Ok);
        QTimer::singleShot(20, &box, &QMessageBox::accept);
        box.exec();
    };
    EnergyWindow *window = openWindow(Sex::Female);
    auto *ageBox = child<QLineEdit>(window, "Text1");
    auto *weightBox = child<QLineEdit>(window, "Text3");
    auto *withRecommended = child<QRadioButton>(window, "Option12");
    const auto settled = [&](QWidget *focus) {
        return QTest::qWaitFor([&] { return !QApplication::activeModalWidget() && window->focusWidget() == focus; });
    };
    EXPECT_EQ(QApplication::focusWidget(), ageBox);

    // The weight box before the age.
    QTest::mouseClick(weightBox, Qt::LeftButton);
    EXPECT_TRUE(settled(ageBox));
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("Non hai messo gli anni!!")});
    EXPECT_EQ(ui->model(Sex::Female).focus(), EnergyControl::AgeBox);
    openWindow(Sex::Female);
    QTest::keyClicks(ageBox, QStringLiteral("a3-"));
    EXPECT_EQ(ageBox->text(), QStringLiteral("3"));
    EXPECT_EQ(ui->model(Sex::Female).ageText(), QStringLiteral("3"));
    EXPECT_EQ(window->focusWidget(), ageBox);
    QTest::keyClicks(ageBox, QStringLiteral("0"));
    EXPECT_EQ(window->focusWidget(), weightBox);
    QTest::keyClicks(weightBox, QStringLiteral("7"));
    QTest::keyClick(weightBox, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(weightBox->text(), QStringLiteral("07"));

    // With or without, before the activity.
    dialogs.clear();
    QTest::mouseClick(withRecommended, Qt::LeftButton);
    EXPECT_TRUE(settled(weightBox));
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("Non hai scelto l'attività")});
    EXPECT_FALSE(withRecommended->isChecked());
    EXPECT_EQ(ui->model(Sex::Female).focus(), EnergyControl::WeightBox);
    EXPECT_EQ(ageBox->text() + u'/' + weightBox->text(), QStringLiteral("30/07"));
}

// The shared bar chart: the energy chart's scale follows the tallest bar, the meal chart's stays
// while the tallest bar still fills more than half of it.
TEST(BarChart, ValueAxisFollowsTheTallestBarOrKeepsAScaleThatSuits)
{
    // clang-format off
    const struct { int line; ui::AxisFit fit; double first, then, axisMax; } cases[] = {
        {__LINE__, ui::AxisFit::ToTallest, 100, 80, 100},
        {__LINE__, ui::AxisFit::KeepWhileSuits, 100, 80, 150},
        {__LINE__, ui::AxisFit::KeepWhileSuits, 100, 30, 40},
        {__LINE__, ui::AxisFit::KeepWhileSuits, 100, 200, 250},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        ui::BarChart chart({}, {{QStringLiteral("a"), Qt::red}, {QStringLiteral("b"), Qt::blue}}, c.fit);
        chart.setValues({c.first, 1});
        chart.setValue(0, c.then);
        EXPECT_EQ(chart.value(0), c.then);
        EXPECT_EQ(chart.valueAxis()->max(), c.axisMax);
    }
}

}  // namespace
