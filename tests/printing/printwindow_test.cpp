#include "ui/printing/frmstampafpb.h"
#include "ui/printing/printmodule.h"
#include "sampleswindow.h"

#include "support/fakedialogs.h"
#include "support/fakeprinterservice.h"
#include "support/localeguard.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace velmo::ui {
namespace {

using printing::Field;
using test::FakeDialogs;
using test::FakePrinterService;

template <typename T>
T *child(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

class PrintWindowTest : public ::testing::Test {
protected:
    void SetUp() override { mainWindow->show(); }

    // Opens the print window as the main window's print command does and runs `body` in it.
    void withWindow(const std::function<void(frmStampaFPB &)> &body, int orientation = 2)
    {
        int w = 0, h = 0;
        module.FoglioStampa(w, h, orientation);
        ASSERT_GT(w, 0);
        bool ran = false;
        module.onWindowReady = [&](frmStampaFPB &window) {
            QTimer::singleShot(0, &window, [&] {
                body(window);
                ran = true;
                window.close();
            });
        };
        module.StampaFPB(mainWindow.get(), 0, 0, w, h, 0, QStringLiteral("Velmo"), 500000);
        EXPECT_TRUE(ran);
    }

    test::LocaleGuard locale{"it_IT"};
    FakePrinterService printers;
    FakeDialogs dialogs;
    PrintModule module{printers, dialogs};
    std::unique_ptr<QWidget> mainWindow = test::makeWindowToPrint();
};

TEST_F(PrintWindowTest, CaptionsAcceleratorsAndToolTips)
{
    withWindow([](frmStampaFPB &window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral(" Anteprina di Stampa"));
        EXPECT_TRUE(window.isModal());
        struct Case { int line; const char *name; const char *text; };
        const Case labels[] = {
            {__LINE__, "zLabel1", "&Nome:"}, {__LINE__, "zLabel3", "Larghezza:"}, {__LINE__, "zLabel5", "[mm]"},
            {__LINE__, "zLabel4", "Altezza:"}, {__LINE__, "zLabel6", "[mm]"},
            {__LINE__, "lblFuoriFoglio", "Stampa fuori foglio"}, {__LINE__, "lblStampaInCorso", "Stampa in corso..."},
            {__LINE__, "zLabel8", "Largh&ezza:"}, {__LINE__, "zLabel2", "Alte&zza:"}, {__LINE__, "zLabel7", "S&inistro:"},
            {__LINE__, "zLabel9", "S&uperiore:"}, {__LINE__, "lblLblScala", "Sca&la:"}, {__LINE__, "lblPScala", "1 :  "},
            {__LINE__, "lblLblNCopie", "N. &di copie:"}, {__LINE__, "lblFgW", "287"}, {__LINE__, "lblFgH", "200"},
        };
        for (const Case &c : labels)
            if (auto *label = child<QLabel>(window, c.name)) {
                EXPECT_EQ(label->text(), QString::fromUtf8(c.text)) << "line " << c.line;
            }
        const Case buttons[] = {
            {__LINE__, "cmdProprieta", "&Proprieta'"}, {__LINE__, "cmdMax", "M a &x"}, {__LINE__, "cmdOrigine", "&0 / 0"},
            {__LINE__, "cmdStampa", "&Stampa"}, {__LINE__, "cmdOK", "&OK"}, {__LINE__, "cmdChiudi", "&Chiudi"},
            {__LINE__, "chkProporzioni", "&Mantieni proporzioni"}, {__LINE__, "chkCentro", "Stampa &al centro"},
        };
        for (const Case &c : buttons)
            if (auto *button = child<QAbstractButton>(window, c.name)) {
                EXPECT_EQ(button->text(), QString::fromUtf8(c.text)) << "line " << c.line;
            }
        const Case frames[] = {
            {__LINE__, "zFrame1", "Stampante"}, {__LINE__, "zFrame3", "Dimensioni Stampa [mm]"},
            {__LINE__, "zFrame2", "Margini Stampa [mm]"}, {__LINE__, "fraFoglio", " Foglio: A4,  Landscape"},
        };
        for (const Case &c : frames)
            if (auto *frame = child<QGroupBox>(window, c.name)) {
                EXPECT_EQ(frame->title(), QString::fromUtf8(c.text)) << "line " << c.line;
            }
        const Case tips[] = {
            {__LINE__, "cmdMax", "Usa tutto il foglio"}, {__LINE__, "cmdOrigine", "Imposta i margini a 0"},
            {__LINE__, "txtScala", "OK o Invio per confermare"}, {__LINE__, "picPreview", "Anteprima di stampa"},
            {__LINE__, "picZoom", "Chiudi"}, {__LINE__, "picPreviewZoom", "Chiudi"},
        };
        for (const Case &c : tips)
            if (auto *widget = child<QWidget>(window, c.name)) {
                EXPECT_EQ(widget->toolTip(), QString::fromUtf8(c.text)) << "line " << c.line;
            }

        EXPECT_EQ(window.field(Field::PrW)->text(), QStringLiteral("287"));
        EXPECT_EQ(window.field(Field::PrH)->text(), QStringLiteral("200"));
        EXPECT_EQ(window.field(Field::Scala)->text(), QStringLiteral("500.000"));
        EXPECT_EQ(window.field(Field::NCopies)->text(), QStringLiteral("1"));
        EXPECT_TRUE(child<QPushButton>(window, "cmdStampa")->isVisible());
        EXPECT_FALSE(child<QPushButton>(window, "cmdOK")->isVisible());
        EXPECT_FALSE(child<QLabel>(window, "imgPrinter")->isVisible());
        EXPECT_EQ(window.focusWidget(), child<QPushButton>(window, "cmdStampa"));
        auto *combo = child<QComboBox>(window, "cboPrinterNames");
        EXPECT_EQ(combo->currentText(), QStringLiteral("Ufficio"));
        EXPECT_EQ(combo->count(), 3);
    });
}

TEST_F(PrintWindowTest, TypingFollowsTheKeyFiltersAndLimits)
{
    withWindow([](frmStampaFPB &window) {
        QLineEdit *width = window.field(Field::PrW);
        width->selectAll();
        QTest::keyClicks(width, QStringLiteral("a1-2.x"));
        EXPECT_EQ(width->text(), QStringLiteral("12"));
        width->selectAll();
        QTest::keyClicks(width, QStringLiteral("2500"));
        EXPECT_EQ(width->text(), QStringLiteral("2000"));
        width->selectAll();
        QTest::keyClicks(width, QStringLiteral("0"));
        EXPECT_EQ(width->text(), QStringLiteral("1"));
        QLineEdit *left = window.field(Field::PrX);
        left->selectAll();
        QTest::keyClicks(left, QStringLiteral("-1-5"));
        EXPECT_EQ(left->text(), QStringLiteral("-15"));
        QLineEdit *copies = window.field(Field::NCopies);
        copies->selectAll();
        QTest::keyClicks(copies, QStringLiteral("-3"));
        EXPECT_EQ(copies->text(), QStringLiteral("3"));
    });
}

TEST_F(PrintWindowTest, ProportionsFollowTheKeyRelease)
{
    withWindow([](frmStampaFPB &window) {
        QLineEdit *width = window.field(Field::PrW);
        width->selectAll();
        QTest::keyClicks(width, QStringLiteral("143"));
        // 143 × 200 / 287 = 99.65
        EXPECT_EQ(window.field(Field::PrH)->text(), QStringLiteral("100"));
        EXPECT_EQ(window.field(Field::Scala)->text(), QStringLiteral("1.003.496,5"));
        QTest::mouseClick(window.findChild<QWidget *>(QStringLiteral("updPrW"))->findChildren<QToolButton *>().at(0), Qt::LeftButton);
        EXPECT_EQ(width->text(), QStringLiteral("144"));
    });
}

TEST_F(PrintWindowTest, TabIntoTheHeightKeepsTheTypedWidth)
{
    withWindow([](frmStampaFPB &window) {
        QLineEdit *width = window.field(Field::PrW);
        width->selectAll();
        QTest::keyClicks(width, QStringLiteral("51"));
        // 51 × 200 / 287 = 35.54; the width derived back from 36 would be 52.
        EXPECT_EQ(window.field(Field::PrH)->text(), QStringLiteral("36"));
        QTest::keyRelease(window.field(Field::PrH), Qt::Key_Tab);
        EXPECT_EQ(width->text(), QStringLiteral("51"));
        QTest::keyClick(window.field(Field::PrH), Qt::Key_End);
        EXPECT_EQ(width->text(), QStringLiteral("51"));
    });
}

TEST_F(PrintWindowTest, ScaleConfirmedWithEnter)
{
    withWindow([](frmStampaFPB &window) {
        QLineEdit *scale = window.field(Field::Scala);
        scale->setFocus();
        scale->selectAll();
        QTest::keyClicks(scale, QStringLiteral("1000000"));
        QTest::keyClick(scale, Qt::Key_Return);
        EXPECT_EQ(window.field(Field::PrW)->text(), QStringLiteral("144"));  // 143.5 → 144
        EXPECT_EQ(window.field(Field::PrH)->text(), QStringLiteral("100"));
        EXPECT_TRUE(window.isVisible()) << "Enter in the scale field does not press a button";
    });
}

TEST_F(PrintWindowTest, OutOfSheetBlinks)
{
    withWindow([](frmStampaFPB &window) {
        auto *warning = window.findChild<QLabel *>(QStringLiteral("lblFuoriFoglio"));
        EXPECT_FALSE(warning->isVisible());
        QLineEdit *left = window.field(Field::PrX);
        left->selectAll();
        QTest::keyClicks(left, QStringLiteral("5"));
        EXPECT_TRUE(warning->isVisible());
        const QColor first = warning->palette().color(QPalette::Window);
        QTest::qWait(600);
        EXPECT_NE(warning->palette().color(QPalette::Window), first);
        const bool redNow = warning->palette().color(QPalette::Window) == QColor(255, 0, 0) || first == QColor(255, 0, 0);
        EXPECT_TRUE(redNow);
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdOrigine")), Qt::LeftButton);
        EXPECT_FALSE(warning->isVisible());
        EXPECT_FALSE(window.model().blinking());
    });
}

TEST_F(PrintWindowTest, CentringDisablesTheMargins)
{
    withWindow([](frmStampaFPB &window) {
        QTest::mouseClick(window.findChild<QCheckBox *>(QStringLiteral("chkCentro")), Qt::LeftButton);
        EXPECT_FALSE(window.field(Field::PrX)->isEnabled());
        EXPECT_FALSE(window.field(Field::PrY)->isEnabled());
        EXPECT_FALSE(window.findChild<QPushButton *>(QStringLiteral("cmdOrigine"))->isEnabled());
        EXPECT_FALSE(window.findChild<QWidget *>(QStringLiteral("updPrX"))->isEnabled());
        QLineEdit *width = window.field(Field::PrW);
        width->selectAll();
        QTest::keyClicks(width, QStringLiteral("187"));
        EXPECT_EQ(window.field(Field::PrX)->text(), QStringLiteral("50"));
    });
}

TEST_F(PrintWindowTest, ProportionsCheckBoxChangesTheScaleCaption)
{
    withWindow([](frmStampaFPB &window) {
        auto *check = window.findChild<QCheckBox *>(QStringLiteral("chkProporzioni"));
        EXPECT_TRUE(check->isChecked());
        QTest::mouseClick(check, Qt::LeftButton);
        EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("lblLblScala"))->text(), QStringLiteral("Scala X:"));
        EXPECT_FALSE(window.field(Field::Scala)->isEnabled());
        QTest::mouseClick(check, Qt::LeftButton);
        EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("lblLblScala"))->text(), QStringLiteral("Scala:"));
        EXPECT_TRUE(window.field(Field::Scala)->isEnabled());
    });
}

TEST_F(PrintWindowTest, ZoomOpensAndCloses)
{
    withWindow([](frmStampaFPB &window) {
        auto *zoom = window.findChild<QWidget *>(QStringLiteral("picZoom"));
        auto *preview = window.findChild<QWidget *>(QStringLiteral("picPreview"));
        EXPECT_FALSE(zoom->isVisible());
        QTest::mouseClick(preview, Qt::LeftButton);
        EXPECT_TRUE(zoom->isVisible());
        auto *zoomPicture = window.findChild<QWidget *>(QStringLiteral("picPreviewZoom"));
        EXPECT_GT(zoomPicture->width(), preview->width());
        QTest::mouseClick(zoomPicture, Qt::LeftButton);
        EXPECT_FALSE(zoom->isVisible());
    });
}

TEST_F(PrintWindowTest, PrintButtonPrintsAndCloses)
{
    bool closedByPrint = false;
    int w = 0, h = 0;
    module.FoglioStampa(w, h, 2);
    module.onWindowReady = [&](frmStampaFPB &window) {
        QTimer::singleShot(0, &window, [&] {
            window.field(Field::NCopies)->selectAll();
            QTest::keyClicks(window.field(Field::NCopies), QStringLiteral("2"));
            QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdStampa")), Qt::LeftButton);
            closedByPrint = !window.isVisible();
            window.close();
        });
    };
    module.StampaFPB(mainWindow.get(), 0, 0, w, h, 0, QStringLiteral("Velmo"), 500000);
    EXPECT_TRUE(closedByPrint);
    ASSERT_EQ(printers.imageJobs.size(), 2u);
    EXPECT_EQ(printers.imageJobs[0].settings.orientation, 2);
    EXPECT_EQ(printers.imageJobs[0].job.image.size(), mainWindow->grab().size());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PrintWindowTest, PrintingNoticeOverThePreviewWhileTheJobRuns)
{
    printers.imageJobFailures.insert(0, ImageJobResult{});
    withWindow([this](frmStampaFPB &window) {
        auto *notice = window.findChild<QLabel *>(QStringLiteral("lblStampaInCorso"));
        auto *preview = window.findChild<QWidget *>(QStringLiteral("picPreview"));
        bool seen = false;
        printers.duringImageJob = [&] {
            seen = notice->isVisible();
            EXPECT_LE((notice->geometry().center() - preview->geometry().center()).manhattanLength(), 2);
        };
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdStampa")), Qt::LeftButton);
        EXPECT_TRUE(seen);
        EXPECT_FALSE(notice->isVisible()) << "hidden again after the failure";
        EXPECT_TRUE(window.isVisible()) << "a failed print leaves the window open";
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].title, QStringLiteral(" Errore in frmStampaFPB/Print_FPB"));
        printers.duringImageJob = nullptr;
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdStampa")), Qt::LeftButton);
        EXPECT_FALSE(window.isVisible()) << "the second attempt prints and closes";
    });
    EXPECT_EQ(printers.imageJobs.size(), 1u);
}

TEST_F(PrintWindowTest, ZeroCopiesKeepsTheWindowOpen)
{
    withWindow([this](frmStampaFPB &window) {
        window.field(Field::NCopies)->selectAll();
        QTest::keyClick(window.field(Field::NCopies), Qt::Key_Backspace);
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdStampa")), Qt::LeftButton);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("Il numero di copie deve essere almeno 1.\nNon è stato stampato nulla.")});
    });
    EXPECT_TRUE(printers.imageJobs.empty());
}

TEST_F(PrintWindowTest, WithoutAnObjectOnlyThePrinterIsChosen)
{
    bool ran = false;
    module.onWindowReady = [&](frmStampaFPB &window) {
        QTimer::singleShot(0, &window, [&] {
            ran = true;
            EXPECT_TRUE(window.findChild<QPushButton *>(QStringLiteral("cmdOK"))->isVisible());
            EXPECT_FALSE(window.findChild<QPushButton *>(QStringLiteral("cmdStampa"))->isVisible());
            EXPECT_FALSE(window.field(Field::Scala)->isVisible());
            EXPECT_FALSE(window.field(Field::NCopies)->isVisible());
            EXPECT_TRUE(window.findChild<QLabel *>(QStringLiteral("imgPrinter"))->isVisible());
            EXPECT_TRUE(window.findChild<QWidget *>(QStringLiteral("picPreview"))->toolTip().isEmpty());
            EXPECT_EQ(window.focusWidget(), window.findChild<QPushButton *>(QStringLiteral("cmdOK")));
            auto *combo = window.findChild<QComboBox *>(QStringLiteral("cboPrinterNames"));
            combo->setCurrentIndex(1);
            emit combo->activated(1);
            QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
    };
    module.StampaFPB(nullptr, 0, 0, 0, 0, 0, QString(), 0);
    EXPECT_TRUE(ran);
    EXPECT_EQ(printers.printerInUse(), QStringLiteral("Laser"));
}

// ---------------------------------------------------------------- what the module looks at in the object

TEST_F(PrintWindowTest, ScaleZeroTakesTheObjectsOwnWidth)
{
    bool shown = false;
    module.onWindowReady = [&](frmStampaFPB &window) {
        shown = true;
        // 600 pixels are 9000 twips; for a 90 mm wide print that is 1 : 100.
        EXPECT_EQ(window.field(Field::Scala)->text(), QStringLiteral("100"));
        QTimer::singleShot(0, &window, &QDialog::close);
    };
    module.StampaFPB(mainWindow.get(), 0, 0, 90, 60, 0, QStringLiteral("Velmo"), 0);
    EXPECT_TRUE(shown);
}

TEST_F(PrintWindowTest, PictureBoxWithoutPictureIsOfTheWrongKind)
{
    QLabel box(mainWindow.get());
    box.setObjectName(QStringLiteral("picVuoto"));
    bool shown = false;
    module.onWindowReady = [&](frmStampaFPB &) { shown = true; };
    module.StampaFPB(&box, 0, 0, 100, 50, 0, QString(), 0);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("Stampa di picVuoto\n\nL' oggetto da stampare\ne' di tipo errato.")});
    EXPECT_FALSE(shown);
}

TEST_F(PrintWindowTest, PictureBoxIsPrintedFromItsPicture)
{
    QLabel box(mainWindow.get());
    box.setObjectName(QStringLiteral("picGrafico"));
    QPixmap pixmap(64, 32);
    pixmap.fill(Qt::green);
    box.setPixmap(pixmap);
    module.onWindowReady = [&](frmStampaFPB &window) {
        QTimer::singleShot(0, &window, [&] {
            EXPECT_EQ(window.model().title(), QStringLiteral("picGrafico")) << "an empty title takes the object's name";
            QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdStampa")), Qt::LeftButton);
            window.close();
        });
    };
    module.StampaFPB(&box, 0, 0, 100, 50, 0, QString(), 0);
    ASSERT_EQ(printers.imageJobs.size(), 1u);
    EXPECT_EQ(printers.imageJobs[0].job.image.size(), QSize(64, 32));
    EXPECT_EQ(printers.imageJobs[0].job.image.pixel(3, 3), qRgb(0, 255, 0));
}

TEST_F(PrintWindowTest, WithoutPrintersThePdfFileIsUsed)
{
    printers.installed.clear();
    printers.inUse = printers.defaultPrinterName();
    dialogs.saveAnswers = {QStringLiteral("/tmp/velmo-test.pdf")};
    withWindow([](frmStampaFPB &window) {
        auto *combo = window.findChild<QComboBox *>(QStringLiteral("cboPrinterNames"));
        EXPECT_EQ(combo->count(), 1);
        EXPECT_EQ(combo->currentText(), QStringLiteral("File PDF"));
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdStampa")), Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
    });
    ASSERT_EQ(printers.imageJobs.size(), 1u);
    EXPECT_EQ(printers.imageJobs[0].printer, QStringLiteral("File PDF"));
    EXPECT_EQ(printers.imageJobs[0].job.pdfFile, QStringLiteral("/tmp/velmo-test.pdf"));
}

}  // namespace
}  // namespace velmo::ui
