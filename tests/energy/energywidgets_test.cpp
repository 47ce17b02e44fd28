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
#include <QBarSet>
#include <QCategoryAxis>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
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
    void SetUp() override
    {
        ui = std::make_unique<EnergyUi>(printers, dialogs, [this] { ++mainWindowShown; }, [this] { ++quitRequested; });
    }
    void TearDown() override { ui.reset(); }

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

    void clickOption(QWidget *window, int option)
    {
        auto *button = child<QRadioButton>(window, qPrintable(QStringLiteral("Option%1").arg(option)));
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    LocaleGuard guard{"it_IT"};
    FakeDialogs dialogs;
    FakePrinterService printers;
    std::unique_ptr<EnergyUi> ui;
    int mainWindowShown = 0;
    int quitRequested = 0;
};

// The age box opens with the focus, lets only digits through and hands the focus on at two.
TEST_F(EnergyWidgetsTest, AgeBoxFiltersKeysAndMovesTheFocus)
{
    EnergyWindow *window = openWindow(Sex::Male);
    auto *text1 = child<QLineEdit>(window, "Text1");
    EXPECT_EQ(QApplication::focusWidget(), text1);
    QTest::keyClicks(text1, QStringLiteral("a3-"));
    EXPECT_EQ(text1->text(), QStringLiteral("3"));
    EXPECT_EQ(ui->model(Sex::Male).ageText(), QStringLiteral("3"));
    EXPECT_EQ(QApplication::focusWidget(), text1);
    QTest::keyClicks(text1, QStringLiteral("5"));
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(window, "Text3"));
}

TEST_F(EnergyWidgetsTest, ActivityCaptionsAreGreyWhileDisabledAndColouredWhenEnabled)
{
    EnergyWindow *window = openWindow(Sex::Female);
    const QColor grey = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
    const struct { const char *name; QColor caption; } options[] = {{"Option3", QColor(0, 0, 255)}, {"Option4", QColor(190, 150, 0)}, {"Option5", QColor(255, 0, 0)}};
    const auto shown = [](QRadioButton *b) { return b->palette().color(QPalette::WindowText); };

    auto *text1 = child<QLineEdit>(window, "Text1");
    QTest::keyClicks(text1, QStringLiteral("8"));
    QTest::keyClick(text1, Qt::Key_Tab);  // a one-digit age disables the options
    QCoreApplication::processEvents();
    for (const auto &o : options) {
        auto *button = child<QRadioButton>(window, o.name);
        ASSERT_FALSE(button->isEnabled()) << o.name;
        EXPECT_EQ(shown(button), grey) << o.name;
    }
    text1->setFocus(Qt::MouseFocusReason);  // back in the age box: enabled again
    QCoreApplication::processEvents();
    for (const auto &o : options) {
        auto *button = child<QRadioButton>(window, o.name);
        ASSERT_TRUE(button->isEnabled()) << o.name;
        EXPECT_EQ(shown(button), o.caption) << o.name;
    }
}

// clang-format off
struct WiringCase { int line; Sex sex; const char *age; const char *weight; QList<int> clicks; };
// clang-format on

// Whatever the model decides reaches its widget: texts, visibility, buttons and the chart.
TEST_F(EnergyWidgetsTest, EveryControlShowsItsModel)
{
    // clang-format off
    const WiringCase cases[] = {
        {__LINE__, Sex::Female, "12", "40", {}},
        {__LINE__, Sex::Male, "40", "75", {4, 12, 5}},
    };
    // clang-format on
    for (const WiringCase &c : cases) {
        VELMO_CASE(c);
        EnergyWindow *window = openWindow(c.sex);
        const EnergyWindowModel &m = ui->model(c.sex);
        QTest::keyClicks(child<QLineEdit>(window, "Text1"), QString::fromLatin1(c.age));
        QTest::keyClicks(child<QLineEdit>(window, "Text3"), QString::fromLatin1(c.weight));
        for (int option : c.clicks)
            clickOption(window, option);
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
        window->close();
    }
}

TEST_F(EnergyWidgetsTest, OneDigitWeightGetsItsZeroOnTab)
{
    EnergyWindow *window = openWindow(Sex::Female);
    QTest::keyClicks(child<QLineEdit>(window, "Text1"), QStringLiteral("15"));
    auto *text3 = child<QLineEdit>(window, "Text3");
    QTest::keyClicks(text3, QStringLiteral("7"));
    QTest::keyClick(text3, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(text3->text(), QStringLiteral("07"));
}

TEST_F(EnergyWidgetsTest, PrintButtonPrintsTheSummary)
{
    EnergyWindow *window = openWindow(Sex::Female);
    QTest::keyClicks(child<QLineEdit>(window, "Text1"), QStringLiteral("30"));
    QTest::keyClicks(child<QLineEdit>(window, "Text3"), QStringLiteral("60"));
    clickOption(window, 4);
    clickOption(window, 12);
    dialogs.inputAnswers.push_back(QStringLiteral("Maria"));
    QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
    ASSERT_EQ(printers.textJobs.size(), 1u);
    EXPECT_EQ(printers.textJobs[0].lines, ui->model(Sex::Female).printLines(QStringLiteral("Maria")));
}

TEST_F(EnergyWidgetsTest, EachWindowExistsOnceAndKeepsItsMembers)
{
    EnergyWindow *window = openWindow(Sex::Male);
    QTest::keyClicks(child<QLineEdit>(window, "Text1"), QStringLiteral("40"));
    QTest::keyClicks(child<QLineEdit>(window, "Text3"), QStringLiteral("75"));
    window->close();
    EXPECT_EQ(openWindow(Sex::Male), window);
    EXPECT_TRUE(child<QLineEdit>(window, "Text1")->text().isEmpty());
    EXPECT_EQ(ui->model(Sex::Male).weightMember(), std::optional<qint16>(75));
}

TEST_F(EnergyWidgetsTest, MenAndWomenWindowsDiffer)
{
    EnergyWindow *women = openWindow(Sex::Female);
    EnergyWindow *men = openWindow(Sex::Male);
    EXPECT_EQ(child<QLabel>(women, "Label7")->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(child<QLabel>(men, "Label8")->font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_FALSE(child<QRadioButton>(women, "Option12")->toolTip().isEmpty());
    EXPECT_TRUE(child<QRadioButton>(men, "Option12")->toolTip().isEmpty());
}

TEST_F(EnergyWidgetsTest, BackButtonLeadsToTheLauncherAndOnToTheOtherWindow)
{
    EnergyWindow *window = openWindow(Sex::Female);
    QTest::mouseClick(child<QPushButton>(window, "Command3"), Qt::LeftButton);
    ASSERT_NE(ui->launcher(), nullptr);
    EXPECT_TRUE(ui->launcher()->isVisible() && !window->isVisible());
    QWidget *launcher = ui->launcher();
    QTest::mouseClick(child<QLabel>(launcher, "Label2"), Qt::LeftButton);
    ASSERT_NE(ui->choiceDialog(), nullptr);
    EXPECT_TRUE(ui->choiceDialog()->isVisible() && !launcher->isVisible());
    QTest::mouseClick(child<QToolButton>(ui->choiceDialog(), "Command1"), Qt::LeftButton);
    EXPECT_FALSE(ui->choiceDialog()->isVisible());
    ASSERT_NE(ui->energyWindow(Sex::Male), nullptr);
    EXPECT_TRUE(ui->energyWindow(Sex::Male)->isVisible());
}

TEST_F(EnergyWidgetsTest, LauncherColoursFollowTheMouse)
{
    ui->showLauncher();
    QWidget *launcher = ui->launcher();
    auto *label1 = child<QLabel>(launcher, "Label1");
    auto *label2 = child<QLabel>(launcher, "Label2");
    auto *frame = child<QWidget>(launcher, "Frame1");
    const auto colour = [](QLabel *l) { return l->palette().color(QPalette::WindowText); };
    const auto moveOver = [](QWidget *w) {
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), w->mapToGlobal(QPointF(1, 1)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    };
    const QColor red(255, 0, 0), black(0, 0, 0);
    moveOver(label1);
    EXPECT_EQ(colour(label1), red);
    moveOver(label2);
    EXPECT_TRUE(colour(label1) == red && colour(label2) == red);
    moveOver(frame);
    EXPECT_TRUE(colour(label1) == black && colour(label2) == black);
}

TEST_F(EnergyWidgetsTest, LauncherCommandsRunOnAClickOnlyNotOnAPressDraggedAway)
{
    ui->showEnergyWindow(Sex::Female);
    const struct { const char *label; const int *runs; } commands[] = {{"Label5", &quitRequested}, {"Label1", &mainWindowShown}};
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
    }
    EXPECT_FALSE(ui->launcher()->isVisible());
}

// The labels that act as commands run from the keyboard too.
TEST_F(EnergyWidgetsTest, LauncherCommandRunsWithSpace)
{
    ui->showLauncher();
    QTest::keyClick(child<QLabel>(ui->launcher(), "Label1"), Qt::Key_Space);
    EXPECT_EQ(mainWindowShown, 1);
}

TEST_F(EnergyWidgetsTest, ChoiceDialogOpensTheWomensWindow)
{
    ui->showChoiceDialog();
    QTest::mouseClick(child<QToolButton>(ui->choiceDialog(), "Command2"), Qt::LeftButton);
    ASSERT_NE(ui->energyWindow(Sex::Female), nullptr);
    EXPECT_TRUE(ui->energyWindow(Sex::Female)->isVisible());
    EXPECT_EQ(ui->energyWindow(Sex::Male), nullptr);
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
