#include "ui/printing/frmstampafpb.h"
#include "ui/printing/printmodule.h"
#include "sampleswindow.h"

#include "support/fakedialogs.h"
#include "support/fakeprinterservice.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

// The print window's widgets: what they pass to the model and show of it. The numbers themselves
// are the print window model's tests.
namespace velmo::ui {
namespace {

using printing::Field;
using test::FakeDialogs;
using test::FakePrinterService;

template <typename T = QWidget>
T *child(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void type(QLineEdit *field, const QString &text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
}

void click(QWidget &window, const char *name)
{
    QTest::mouseClick(child(window, name), Qt::LeftButton);
}

class PrintWindowTest : public ::testing::Test {
protected:
    void SetUp() override { mainWindow->show(); }

    // Opens the print window over the main window as its print command does, or without an object
    // to choose the printer only, and runs `body` in it.
    void withWindow(const std::function<void(frmStampaFPB &)> &body, bool withObject = true, bool closeAfter = true)
    {
        int w = 0, h = 0;
        module.FoglioStampa(w, h, 2);
        ASSERT_GT(w, 0);
        bool ran = false;
        module.onWindowReady = [&](frmStampaFPB &window) {
            QTimer::singleShot(0, &window, [&] {
                body(window);
                ran = true;
                if (closeAfter)
                    window.close();
            });
        };
        if (withObject)
            module.StampaFPB(mainWindow.get(), 0, 0, w, h, 0, QStringLiteral("Velmo"), 500000);
        else
            module.StampaFPB(nullptr, 0, 0, 0, 0, 0, QString(), 0);
        EXPECT_TRUE(ran);
    }

    test::LocaleGuard locale{"it_IT"};
    FakePrinterService printers;
    FakeDialogs dialogs;
    PrintModule module{printers, dialogs};
    std::unique_ptr<QWidget> mainWindow = test::makeWindowToPrint();
};

TEST_F(PrintWindowTest, OpensModalShowingTheModelAndTypingFollowsTheKeyFilters)
{
    withWindow([](frmStampaFPB &window) {
        EXPECT_TRUE(window.isModal());
        EXPECT_EQ(window.field(Field::Scala)->text(), window.model().text(Field::Scala));
        EXPECT_EQ(child<QGroupBox>(window, "fraFoglio")->title(), window.model().sheetFrameCaption());
        EXPECT_EQ(child<QLabel>(window, "lblFgH")->text(), window.model().sheetHeightText());
        EXPECT_FALSE(child(window, "cmdOK")->isVisible());
        EXPECT_EQ(window.focusWidget(), child(window, "cmdStampa"));
        EXPECT_EQ(child<QComboBox>(window, "cboPrinterNames")->count(), 3);
        // clang-format off
        const struct { int line; Field field; const char *typed; const char *shown; } cases[] = {
            {__LINE__, Field::PrW, "a1-2.x", "12"}, {__LINE__, Field::PrW, "2500", "2000"},
            {__LINE__, Field::PrX, "-1-5", "-15"},  {__LINE__, Field::NCopies, "-3", "3"},
        };
        // clang-format on
        for (const auto &c : cases) {
            VELMO_CASE(c);
            type(window.field(c.field), QString::fromLatin1(c.typed));
            EXPECT_EQ(window.field(c.field)->text(), QString::fromLatin1(c.shown));
        }
    });
}

// Key releases, the up-down and Enter in the scale reach the model; a key that does not type
// (Tab, End) into the height leaves the typed width alone.
TEST_F(PrintWindowTest, KeyReleaseUpDownAndEnterReachTheModel)
{
    withWindow([](frmStampaFPB &window) {
        QLineEdit *width = window.field(Field::PrW);
        type(width, QStringLiteral("51"));
        // 51 × 200 / 287 = 35.54; the width derived back from 36 would be 52.
        EXPECT_EQ(window.field(Field::PrH)->text(), QStringLiteral("36"));
        QTest::keyRelease(window.field(Field::PrH), Qt::Key_Tab);
        QTest::keyClick(window.field(Field::PrH), Qt::Key_End);
        EXPECT_EQ(width->text(), QStringLiteral("51"));
        QTest::mouseClick(child(window, "updPrW")->findChildren<QToolButton *>().at(0), Qt::LeftButton);
        EXPECT_EQ(width->text(), QStringLiteral("52"));
        QLineEdit *scale = window.field(Field::Scala);
        scale->setFocus();
        type(scale, QStringLiteral("1000000"));
        QTest::keyClick(scale, Qt::Key_Return);
        EXPECT_EQ(width->text(), QStringLiteral("144"));
        EXPECT_TRUE(window.isVisible()) << "Enter in the scale field does not press a button";
    });
}

// The warning blinks until the margins are reset; the check boxes enable their fields; the
// preview opens the zoom and the zoom closes itself.
TEST_F(PrintWindowTest, WarningCheckBoxesAndZoomFollowTheModel)
{
    withWindow([](frmStampaFPB &window) {
        auto *warning = child<QLabel>(window, "lblFuoriFoglio");
        EXPECT_FALSE(warning->isVisible());
        type(window.field(Field::PrX), QStringLiteral("5"));
        EXPECT_TRUE(warning->isVisible());
        const QColor first = warning->palette().color(QPalette::Window);
        EXPECT_TRUE(QTest::qWaitFor([&] { return warning->palette().color(QPalette::Window) != first; }, 5000));
        EXPECT_TRUE(warning->palette().color(QPalette::Window) == QColor(255, 0, 0) || first == QColor(255, 0, 0));
        click(window, "cmdOrigine");
        EXPECT_FALSE(warning->isVisible());
        EXPECT_FALSE(window.model().blinking());
        QWidget *zoom = child(window, "picZoom");
        EXPECT_FALSE(zoom->isVisible());
        click(window, "picPreview");
        EXPECT_TRUE(zoom->isVisible());
        EXPECT_GT(child(window, "picPreviewZoom")->width(), child(window, "picPreview")->width());
        click(window, "picPreviewZoom");
        EXPECT_FALSE(zoom->isVisible());
        click(window, "chkCentro");
        for (const char *name : {"txtPrX", "txtPrY", "cmdOrigine", "updPrX"})
            EXPECT_FALSE(child(window, name)->isEnabled()) << name;
        click(window, "chkProporzioni");
        EXPECT_EQ(child<QLabel>(window, "lblLblScala")->text(), QStringLiteral("Scala X:"));
        EXPECT_FALSE(window.field(Field::Scala)->isEnabled());
    });
}

// The window's picture, one job per copy typed, on the sheet the caller turned; the notice shows
// while a job runs.
TEST_F(PrintWindowTest, PrintButtonPrintsWithANoticeOverThePreviewAndCloses)
{
    printers.imageJobFailures.insert(0, ImageJobResult{});
    withWindow([this](frmStampaFPB &window) {
        auto *notice = child<QLabel>(window, "lblStampaInCorso");
        QWidget *preview = child(window, "picPreview");
        bool seen = false;
        printers.duringImageJob = [&] {
            seen = notice->isVisible();
            EXPECT_LE((notice->geometry().center() - preview->geometry().center()).manhattanLength(), 2);
        };
        click(window, "cmdStampa");
        EXPECT_TRUE(seen);
        EXPECT_FALSE(notice->isVisible()) << "hidden again after the failure";
        EXPECT_TRUE(window.isVisible()) << "a failed print leaves the window open";
        printers.duringImageJob = nullptr;
        type(window.field(Field::NCopies), QStringLiteral("2"));
        click(window, "cmdStampa");
        EXPECT_FALSE(window.isVisible()) << "the second attempt prints and closes";
    });
    ASSERT_EQ(printers.imageJobs.size(), 2u);
    EXPECT_EQ(printers.imageJobs[0].settings.orientation, 2);
    EXPECT_EQ(printers.imageJobs[0].job.image.size(), mainWindow->grab().size());
}

TEST_F(PrintWindowTest, WithoutAnObjectOnlyThePrinterIsChosen)
{
    withWindow(
        [](frmStampaFPB &window) {
            EXPECT_FALSE(window.field(Field::Scala)->isVisible());
            EXPECT_TRUE(child(window, "imgPrinter")->isVisible());
            EXPECT_EQ(window.focusWidget(), child(window, "cmdOK"));
            auto *combo = child<QComboBox>(window, "cboPrinterNames");
            combo->setCurrentIndex(1);
            emit combo->activated(1);
            click(window, "cmdOK");
        },
        false, false);
    EXPECT_EQ(printers.printerInUse(), QStringLiteral("Laser"));
}

// ---------------------------------------------------------------- what the module takes from the object

// Without a scale the object's own width stands for 1 : 1: 200 pixels are 3000 twips, so a 100 mm
// wide print is 1 : 30.
TEST_F(PrintWindowTest, PictureBoxIsPrintedFromItsPictureOrRefused)
{
    QLabel box(mainWindow.get());
    box.setObjectName(QStringLiteral("picGrafico"));
    box.resize(200, 100);
    bool shown = false;
    module.onWindowReady = [&](frmStampaFPB &) { shown = true; };
    module.StampaFPB(&box, 0, 0, 100, 50, 0, QString(), 0);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("Stampa di picGrafico\n\nL' oggetto da stampare\ne' di tipo errato.")});
    EXPECT_FALSE(shown) << "a picture box without a picture";

    QPixmap pixmap(64, 32);
    pixmap.fill(Qt::green);
    box.setPixmap(pixmap);
    module.onWindowReady = [&](frmStampaFPB &window) {
        QTimer::singleShot(0, &window, [&] {
            EXPECT_EQ(window.field(Field::Scala)->text(), QStringLiteral("30"));
            click(window, "cmdStampa");
            window.close();
        });
    };
    module.StampaFPB(&box, 0, 0, 100, 50, 0, QString(), 0);
    ASSERT_EQ(printers.imageJobs.size(), 1u);
    EXPECT_EQ(printers.imageJobs[0].job.image.size(), QSize(64, 32));
    EXPECT_EQ(printers.imageJobs[0].job.image.pixel(3, 3), qRgb(0, 255, 0));
}

}  // namespace
}  // namespace velmo::ui
