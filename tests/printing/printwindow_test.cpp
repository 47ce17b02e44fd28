// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// The print window's widgets, the print module that opens it, and the printer service the program
// prints through.
#include "ui/printing/printsetupwindow.h"
#include "ui/printing/printmodule.h"
#include "printing/systemprinters.h"
#include "ui/printing/module/qtprinterservice.h"
#include "printingtest.h"
#include "sampleswindow.h"

#include "support/fakedialogs.h"
#include "support/fakeprinterservice.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

// The print window's widgets: what they pass to the model and show of it. The numbers themselves
// are the print window model's tests.
namespace velmo::ui {
namespace {

using printing::Field;

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
    void withWindow(const std::function<void(PrintSetupWindow &)> &body, bool withObject = true, bool closeAfter = true)
    {
        int w = 0, h = 0;
        module.measureSheet(w, h, 2);
        ASSERT_GT(w, 0);
        bool ran = false;
        module.onWindowReady = [&](PrintSetupWindow &window) {
            QTimer::singleShot(0, &window, [&] {
                body(window);
                ran = true;
                if (closeAfter)
                    window.close();
            });
        };
        withObject ? module.printWindowImage(mainWindow.get(), 0, 0, w, h, 0, QStringLiteral("Velmo"), 500000)
                   : module.printWindowImage(nullptr, 0, 0, 0, 0, 0, QString(), 0);
        EXPECT_TRUE(ran);
    }

    test::LocaleGuard locale{"it_IT"};
    test::FakePrinterService printers;
    test::FakeDialogs dialogs;
    PrintModule module{printers, dialogs};
    std::unique_ptr<QWidget> mainWindow = test::makeWindowToPrint();
};

TEST_F(PrintWindowTest, OpensModalShowingTheModelAndTypingReachesIt)
{
    withWindow([](PrintSetupWindow &window) {
        EXPECT_TRUE(window.isModal());
        EXPECT_EQ(window.field(Field::Scale)->text(), window.model().text(Field::Scale));
        EXPECT_EQ(child<QGroupBox>(window, "fraFoglio")->title(), window.model().sheetFrameCaption());
        EXPECT_EQ(child<QLabel>(window, "lblFgH")->text(), window.model().sheetHeightText());
        EXPECT_FALSE(child(window, "cmdOK")->isVisible());
        EXPECT_EQ(window.focusWidget(), child(window, "cmdStampa"));
        EXPECT_EQ(child<QComboBox>(window, "cboPrinterNames")->count(), 3);
        // clang-format off
        const struct { int line; Field field; const char *typed; const char *shown; } cases[] = {
            {__LINE__, Field::Width, "a1-2.x", "12"}, {__LINE__, Field::Width, "2500", "2000"},
            {__LINE__, Field::Left, "-1-5", "-15"},  {__LINE__, Field::Copies, "-3", "3"},
        };
        // clang-format on
        for (const auto &c : cases) {
            VELMO_CASE(c);
            type(window.field(c.field), QString::fromLatin1(c.typed));
            EXPECT_EQ(window.field(c.field)->text(), QString::fromLatin1(c.shown));
        }
        // Key releases, the up-down and Enter in the scale reach the model; a key that does not
        // type (Tab, End) into the height leaves the typed width alone.
        QLineEdit *width = window.field(Field::Width);
        type(width, QStringLiteral("51"));
        // 51 × 200 / 287 = 35.54; the width derived back from 36 would be 52.
        EXPECT_EQ(window.field(Field::Height)->text(), QStringLiteral("36"));
        QTest::keyRelease(window.field(Field::Height), Qt::Key_Tab);
        QTest::keyClick(window.field(Field::Height), Qt::Key_End);
        EXPECT_EQ(width->text(), QStringLiteral("51"));
        QTest::mouseClick(child(window, "updPrW")->findChildren<QToolButton *>().at(0), Qt::LeftButton);
        EXPECT_EQ(width->text(), QStringLiteral("52"));
        QLineEdit *scale = window.field(Field::Scale);
        scale->setFocus();
        type(scale, QStringLiteral("1000000"));
        QTest::keyClick(scale, Qt::Key_Return);
        EXPECT_EQ(width->text(), QStringLiteral("144"));
        EXPECT_TRUE(window.isVisible()) << "Enter in the scale field does not press a button";
        // Nor in any other field: no button of the window is pressed by Enter.
        int pressed = 0;
        for (QPushButton *button : window.findChildren<QPushButton *>())
            QObject::connect(button, &QPushButton::clicked, &window, [&pressed] { ++pressed; });
        QLineEdit *copies = window.field(Field::Copies);
        copies->setFocus();
        QTest::keyClick(copies, Qt::Key_Return);
        EXPECT_EQ(pressed, 0);
    });
}

// The warning blinks until the margins are reset; the check boxes enable their fields; the
// preview opens the zoom and the zoom closes itself.
TEST_F(PrintWindowTest, WarningCheckBoxesAndZoomFollowTheModel)
{
    withWindow([](PrintSetupWindow &window) {
        auto *warning = child<QLabel>(window, "lblFuoriFoglio");
        EXPECT_FALSE(warning->isVisible());
        type(window.field(Field::Left), QStringLiteral("5"));
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
        EXPECT_EQ(child<QLabel>(window, "lblLblScala")->text(), QStringLiteral("Sca&la X:"));  // Alt+L kept
        EXPECT_FALSE(window.field(Field::Scale)->isEnabled());
        click(window, "chkProporzioni");
        EXPECT_EQ(child<QLabel>(window, "lblLblScala")->text(), QStringLiteral("Sca&la:"));
    });
}

// The window's picture, one job per copy typed, on the sheet the caller turned; the notice shows
// while a job runs.
TEST_F(PrintWindowTest, PrintButtonPrintsWithANoticeOverThePreviewAndCloses)
{
    printers.imageJobFailures.insert(0, ImageJobResult{});
    withWindow([this](PrintSetupWindow &window) {
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
        type(window.field(Field::Copies), QStringLiteral("2"));
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
        [](PrintSetupWindow &window) {
            EXPECT_FALSE(window.field(Field::Scale)->isVisible());
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

// A picture box is printed from its picture, and refused without one. Without a scale the object's
// own width stands for 1 : 1: 200 pixels are 3000 twips, so a 100 mm wide print is 1 : 30.
TEST_F(PrintWindowTest, PictureBoxIsPrintedFromItsPictureOrRefused)
{
    QLabel box(mainWindow.get());
    box.setObjectName(QStringLiteral("picGrafico"));
    box.resize(200, 100);
    bool shown = false;
    module.onWindowReady = [&](PrintSetupWindow &) { shown = true; };
    module.printWindowImage(&box, 0, 0, 100, 50, 0, QString(), 0);
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{QStringLiteral("Stampa di picGrafico\n\nL' oggetto da stampare\ne' di tipo errato.")});
    EXPECT_FALSE(shown) << "a picture box without a picture";

    box.setPixmap(QPixmap::fromImage(printing::picture(64, 32, qRgb(0, 255, 0))));
    module.onWindowReady = [&](PrintSetupWindow &window) {
        QTimer::singleShot(0, &window, [&] {
            EXPECT_EQ(window.field(Field::Scale)->text(), QStringLiteral("30"));
            click(window, "cmdStampa");
            window.close();
        });
    };
    module.printWindowImage(&box, 0, 0, 100, 50, 0, QString(), 0);
    ASSERT_EQ(printers.imageJobs.size(), 1u);
    EXPECT_EQ(printers.imageJobs[0].job.image.size(), QSize(64, 32));
    EXPECT_EQ(printers.imageJobs[0].job.image.pixel(3, 3), qRgb(0, 255, 0));
}

// ---------------------------------------------------------------- the printer service on Qt Print Support
// Through its PDF file entry, which needs no print system.

// What a poppler tool writes to its standard output.
QString poppler(const char *tool, const QStringList &arguments)
{
    QProcess process;
    process.start(QString::fromLatin1(tool), arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF entry is always offered; an unknown printer cannot be opened, and the PDF entry
// without a file starts no document. The same holds for the service the program loads from its
// module at the first print.
TEST(QtPrinterService, PdfEntryIsAlwaysOfferedAndUnknownPrintersRefused)
{
    QString error;
    std::unique_ptr<PrinterService> loaded = newSystemPrinterService(&error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    QtPrinterService linked;
    for (PrinterService *printers : {static_cast<PrinterService *>(&linked), loaded.get()}) {
        EXPECT_EQ(printers->printerNames().last(), pdfPrinterName());
        EXPECT_FALSE(printers->defaultPrinterName().isEmpty() || printers->printerInUse().isEmpty());
        const ImageJob job{QStringLiteral("Velmo"), QImage(10, 10, QImage::Format_RGB32), {0, 0, 10, 10}, {}};
        EXPECT_FALSE(printers->openPrinter(QStringLiteral("Nessuna stampante con questo nome")));
        EXPECT_TRUE(printers->openPrinterName().isEmpty());
        EXPECT_FALSE(printers->sheetSize().ok);
        EXPECT_FALSE(printers->printImage(job).documentStarted);
        ASSERT_TRUE(printers->openPrinter(pdfPrinterName()));
        EXPECT_TRUE(printers->sheetSize().ok);
        EXPECT_FALSE(printers->printImage(job).documentStarted);
        // A file that cannot be written says which and why.
        ImageJob unwritable = job;
        unwritable.pdfFile = QStringLiteral("/proc/version/velmo.pdf");
        const ImageJobResult result = printers->printImage(unwritable);
        EXPECT_FALSE(result.documentStarted);
        EXPECT_TRUE(result.fileError.startsWith(QStringLiteral("Impossibile scrivere /proc/version/velmo.pdf: ")))
            << result.fileError.toStdString();
    }
}

// The print dialog the program loads from its module: accepted, the document is drawn on the
// printer chosen and its pages or its failure come back; cancelled, nothing is drawn. "Print to
// file" writes a PDF that is the user's alone, and a disk that fills up is a failure that leaves
// the file printed before as it was.
TEST(ChosenPrinter, TheDocumentIsDrawnOnlyOnTheAcceptedDialogAndItsFileIsPrivate)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("piano.pdf"));
    QFile before(file);
    ASSERT_TRUE(before.open(QIODevice::WriteOnly) && before.write("vecchio") == 7);
    before.close();
    ASSERT_TRUE(before.setPermissions(before.permissions() | QFile::ReadOther));
    const struct {
        int line;
        bool accept;
        int drawn;
        bool fullDisk;
        int expected;
        const char *error;
    } cases[] = {
        {__LINE__, true, 1, false, 1, ""},
        {__LINE__, true, 0, false, 0, "disegno fallito"},
        {__LINE__, false, 1, false, -1, ""},
        {__LINE__, true, 1, true, 0, "scrittura non riuscita"},
    };
    QByteArray printed;
    for (const auto &c : cases) {
        VELMO_CASE(c);
        QTimer::singleShot(0, [&c, &file] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Stampa piano"));
            auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
            ASSERT_TRUE(printers && name);
            printers->setCurrentIndex(printers->count() - 1);  // "Print to file"
            name->setText(file);
            c.accept ? dialog->accept() : dialog->reject();
        });
        int calls = 0;
        QString error;
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit tiny{16, limit.rlim_max};
        if (c.fullDisk)
            setrlimit(RLIMIT_FSIZE, &tiny);
        const int pages = printOnChosenPrinter(
            QStringLiteral("Stampa piano"),
            [&](QPagedPaintDevice &device, QString *why) {
                ++calls;
                if (c.drawn == 0) {
                    *why = QStringLiteral("disegno fallito");
                    return 0;
                }
                QPainter painter(&device);
                painter.drawText(100, 100, QStringLiteral("Colazione"));
                return painter.end() ? c.drawn : 0;
            },
            &error);
        setrlimit(RLIMIT_FSIZE, &limit);
        EXPECT_EQ(pages, c.expected);
        EXPECT_EQ(calls, c.accept ? 1 : 0);
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.error))) << error.toStdString();
        EXPECT_EQ(QFile::permissions(file), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        QFile pdf(file);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        const QByteArray now = pdf.readAll();
        if (pages > 0)
            printed = now;
        EXPECT_TRUE(now.startsWith("%PDF"));
        EXPECT_EQ(now, printed);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                  QStringList(QStringLiteral("piano.pdf")));
    }
}

// The settings stay with their printer for the run; the sheet turns with the orientation, at well
// over 10 pixels a millimetre.
TEST(QtPrinterService, SettingsStayWithTheirPrinterAndTurnTheSheet)
{
    QtPrinterService printers;
    ASSERT_TRUE(printers.openPrinter(pdfPrinterName()));
    const PrintableSheet portrait = printers.sheetSize();
    PrinterSettings settings = printers.settings();
    EXPECT_EQ(settings.paperSize(), 9);
    settings.orientation = 2;
    printers.setSettings(settings);
    const PrintableSheet landscape = printers.sheetSize();
    ASSERT_TRUE(portrait.ok && landscape.ok);
    EXPECT_EQ(landscape.orientation, 2);
    EXPECT_EQ(QSize(landscape.widthMm, landscape.heightMm), QSize(portrait.heightMm, portrait.widthMm));
    EXPECT_GT(landscape.widthPx, landscape.widthMm * 10);
    settings.page = QPageSize(QPageSize::A3);
    printers.setSettings(settings);
    ASSERT_TRUE(printers.openPrinter(pdfPrinterName()));
    EXPECT_EQ(printers.settings().orientation, 2);
    EXPECT_EQ(printers.settings().paperSize(), 8);
}

// An image job writes one landscape page; a text job writes its lines, and nothing without a file.
TEST(QtPrinterService, JobsOnThePdfEntryWriteTheirFile)
{
    QTemporaryDir folder;
    QtPrinterService printers;
    ASSERT_TRUE(printers.openPrinter(pdfPrinterName()));
    printers.setSettings({2, printers.settings().page, 2, 1});  // landscape
    const PrintableSheet sheet = printers.sheetSize();
    const QImage image = printing::picture(64, 48, qRgb(10, 120, 200));
    const QRect target = printing::toPrinterPixels({20, 10, 100, 75}, {sheet.widthMm, sheet.heightMm},
                                                   {sheet.widthPx, sheet.heightPx});
    const QString page = folder.filePath(QStringLiteral("pagina.pdf"));
    // A file there before is replaced, and the new one is the user's alone.
    QFile before(page);
    ASSERT_TRUE(before.open(QIODevice::WriteOnly) && before.write("vecchio") == 7);
    before.close();
    ASSERT_TRUE(before.setPermissions(before.permissions() | QFile::ReadOther));
    EXPECT_TRUE(printers.printImage({QStringLiteral("Velmo"), image, target, page}).ok());
    EXPECT_EQ(QFile::permissions(page), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    const QString info = poppler("pdfinfo", {page});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
    const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble()) << info.toStdString();

    printers.setPrinterInUse(pdfPrinterName());
    // A name too long for the page goes on over the next lines.
    const QStringList lines{QStringLiteral("Il tuo FABBISOGNO ENERGETICO è di 2215,64 kcal/giorno"), QString(),
                            QStringLiteral("55,39 g di PROTIDI"),
                            QStringLiteral("Fabbisogno Energetico -  Maria Giovanna Francesca Antonietta della Rocca "
                                           "di Sant'Agata dei Due Golfi e di Massa Lubrense")};
    EXPECT_FALSE(printers.printText(QStringLiteral("Fabbisogno"), 14, lines, QString()).ok);
    const QString file = folder.filePath(QStringLiteral("riepilogo.pdf"));
    ASSERT_TRUE(printers.printText(QStringLiteral("Fabbisogno"), 14, lines, file).ok);
    const QString text =
        poppler("pdftotext", {file, QStringLiteral("-")}).normalized(QString::NormalizationForm_KC).simplified();
    for (const QString &line : lines)
        EXPECT_TRUE(text.contains(line.simplified())) << text.toStdString();

    // A disk that fills up (no file may grow past a few bytes): the failure is told, and the file
    // printed before is still there.
    QFile printed(file);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    const QByteArray whole = printed.readAll();
    printed.close();
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit tiny{16, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &tiny);
    const PrintOutcome full = printers.printText(QStringLiteral("Fabbisogno"), 14, lines, file);
    const bool imageEnded = printers.printImage({QStringLiteral("Velmo"), image, target, file}).ok();
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_FALSE(full.ok || imageEnded);
    EXPECT_TRUE(full.error.contains(QStringLiteral("scrittura non riuscita"))) << full.error.toStdString();
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_EQ(printed.readAll(), whole);

    // A folder is no file to print to: nothing is started, and nothing is left beside it.
    const QString inFolder = folder.filePath(QStringLiteral("cartella"));
    ASSERT_TRUE(QDir().mkdir(inFolder));
    const PrintOutcome refused = printers.printText(QStringLiteral("Fabbisogno"), 14, lines, inFolder);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("è una cartella"))) << refused.error.toStdString();
    EXPECT_FALSE(printers.printImage({QStringLiteral("Velmo"), image, target, inFolder}).documentStarted);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList({QStringLiteral("cartella"), QStringLiteral("pagina.pdf"), QStringLiteral("riepilogo.pdf")}));
}

}  // namespace
}  // namespace velmo::ui
