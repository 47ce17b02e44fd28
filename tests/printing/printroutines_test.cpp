// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "printing/printmodulemodel.h"
#include "printing/printroutines.h"
#include "printing/systemprinters.h"

#include "printingtest.h"
#include "support/tablecase.h"
#include "support/fakedialogs.h"
#include "support/fakeprinterservice.h"
#include "support/qtprinters.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velmo::printing {
namespace {

const QString kPrintFailureTail = QStringLiteral("La funzione di Stampa\nha trovato una situazione imprevista.\n\n"
                                                 "Codice di errore = 482\nErrore della stampante");
const QString kScaleQuestion = QStringLiteral("Le dimensioni di stampa richieste\nsono superiori a quelle del foglio\n"
                                              "della stampante selezionata.\n\nPosso cambiare la scala?");

// The fake's A4 portrait with 5 mm edges: 200 × 287 mm, 4724 × 6780 pixels at 600 dpi.
class PrintRoutinesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(routines.openDocumentPrinter(QStringLiteral("Ufficio"))); }

    test::FakePrinterService printers;
    test::FakeDialogs dialogs;
    PrintRoutines routines{printers, dialogs};
    PrintModuleModel model{printers, dialogs};
};

// An empty name is the system's default printer, or the PDF file entry where there is no printer.
TEST_F(PrintRoutinesTest, OpenDocumentPrinter)
{
    // clang-format off
    const struct { int line; bool installed; const char *name; bool ok; const char *opened; } cases[] = {
        {__LINE__, true, "", true, "Laser"},
        {__LINE__, true, "Laser", true, "Laser"},
        {__LINE__, true, "Ufficio", false, ""},  // installed, but unreachable
        {__LINE__, false, "", true, "File PDF"},
    };
    // clang-format on
    printers.systemDefault = QStringLiteral("Laser");
    printers.unreachable.append(QStringLiteral("Ufficio"));
    for (const auto &c : cases) {
        VELMO_CASE(c);
        dialogs.clear();
        if (!c.installed)
            printers.installed.clear();
        EXPECT_EQ(routines.openDocumentPrinter(QString::fromLatin1(c.name)), c.ok);
        EXPECT_EQ(printers.openPrinterName(), QString::fromLatin1(c.opened));
        EXPECT_EQ(routines.sheetSize().ok, c.ok);
        EXPECT_EQ(dialogs.shown.size(), c.ok ? 0u : 1u);
        for (const auto &box : dialogs.shown)
            EXPECT_EQ(box.title, QStringLiteral(" Errore in frmStampaFPB/OpenDocPrinter"));
    }
}

// Beyond the sheet the user is asked whether to scale; each copy is a job of its own; the hourglass
// shows only while the jobs run, not over the question.
TEST_F(PrintRoutinesTest, ScaleQuestionAndOneJobPerCopy)
{
    // clang-format off
    const struct { int line; MmRect request; Answer answer; bool ok; bool asked; QRect printed; } cases[] = {
        {__LINE__, {10, 20, 100, 50}, Answer::Cancel, true, false, {236, 472, 2362, 1181}},
        {__LINE__, {10, 0, 200, 100}, Answer::Yes, true, true, {236, 0, 4488, 2244}},  // {10, 0, 190, 95}: 200/210 of each value
        {__LINE__, {10, 0, 200, 100}, Answer::No, true, true, {236, 0, 4724, 2362}},
        {__LINE__, {10, 0, 200, 100}, Answer::Cancel, false, true, {}},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        printers.imageJobs.clear();
        dialogs.clear();
        dialogs.questionAnswers = {c.answer};
        std::vector<bool> busy;
        routines.onBusy = [&](bool b) { busy.push_back(b); };
        EXPECT_EQ(routines.printImage(c.request, QStringLiteral("Velmo"), picture(40, 30), 2), c.ok);
        EXPECT_EQ(busy, (c.ok ? std::vector<bool>{true, false} : std::vector<bool>{}));
        EXPECT_EQ(dialogs.shown.size(), c.asked ? 1u : 0u) << "the question, no message";
        for (const auto &box : dialogs.shown)
            EXPECT_EQ(box.text, kScaleQuestion);
        ASSERT_EQ(printers.imageJobs.size(), c.ok ? 2u : 0u);
        for (const auto &job : printers.imageJobs) {
            EXPECT_EQ(job.job.target, c.printed);
            EXPECT_EQ(job.job.documentName, QStringLiteral("Velmo"));
            EXPECT_EQ(job.job.image.size(), QSize(40, 30));
        }
    }
}

// A failure stops the copies still to print and says where the job stopped.
TEST_F(PrintRoutinesTest, FailureMessages)
{
    enum class Fault { SecondCopy, StartDoc, NoPicture, NoPrinter, PdfFile };
    // clang-format off
    const struct { int line; Fault fault; const char *head; int printed, attempted; } cases[] = {
        {__LINE__, Fault::SecondCopy, "Stampa interrotta.\nR1 = 1\nR2 = 30\nR3 = 1\nR4 = 0\n", 1, 2},
        {__LINE__, Fault::StartDoc, "Errore di StartDoc.\n", 0, 1},
        {__LINE__, Fault::NoPicture, "prhDC = 1\n", 0, 0},
        {__LINE__, Fault::NoPrinter, "prhDC = 0\n", 0, 0},
        {__LINE__, Fault::PdfFile, "Impossibile scrivere /r/p.pdf: permessi insufficienti", 0, 1},  // no printer's words
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        test::FakePrinterService fresh;
        test::FakeDialogs said;
        PrintRoutines run{fresh, said};
        ASSERT_TRUE(c.fault == Fault::NoPrinter || run.openDocumentPrinter(QStringLiteral("Ufficio")));
        if (c.fault == Fault::SecondCopy)
            fresh.imageJobFailures.insert(1, ImageJobResult{true, 1, 30, 1, 0});
        if (c.fault == Fault::StartDoc)
            fresh.imageJobFailures.insert(0, ImageJobResult{});
        if (c.fault == Fault::PdfFile)
            fresh.imageJobFailures.insert(0, ImageJobResult{.fileError = QString::fromUtf8(c.head)});
        EXPECT_FALSE(c.fault == Fault::NoPicture
                         ? run.printPicture({0, 0, 10, 10}, QStringLiteral("Velmo"), QImage(), 3)
                         : run.printImage({0, 0, 100, 50}, QStringLiteral("Velmo"), picture(40, 30), 3));
        EXPECT_EQ(fresh.imageJobs.size(), size_t(c.printed));
        EXPECT_EQ(fresh.imageJobsAttempted, c.attempted);
        ASSERT_EQ(said.shown.size(), 1u);
        EXPECT_EQ(said.shown[0].text,
                  QString::fromUtf8(c.head) + (c.fault == Fault::PdfFile ? QString() : kPrintFailureTail));
        EXPECT_EQ(said.shown[0].title, QStringLiteral(" Errore in frmStampaFPB/Print_FPB"));
    }
}

// One question for the file, whatever the copies; the copies after the first are numbered.
TEST_F(PrintRoutinesTest, PdfEntryAsksForTheFileOncePerRun)
{
    ASSERT_TRUE(routines.openDocumentPrinter(pdfPrinterName()));
    EXPECT_FALSE(routines.printImage({0, 0, 100, 50}, QStringLiteral("Velmo"), picture(40, 30), 1));  // cancelled
    EXPECT_TRUE(printers.imageJobs.empty());
    dialogs.saveAnswers = {QStringLiteral("/tmp/uscita/pasto.pdf")};
    EXPECT_TRUE(routines.printImage({0, 0, 100, 50}, QStringLiteral("Velmo"), picture(40, 30), 3));
    ASSERT_EQ(dialogs.shown.size(), 2u) << "nothing but the two questions";
    EXPECT_TRUE(dialogs.shown[1].prefilled.endsWith(QStringLiteral("/Velmo.pdf")));
    ASSERT_EQ(printers.imageJobs.size(), 3u);
    EXPECT_EQ(printers.imageJobs[0].job.pdfFile, QStringLiteral("/tmp/uscita/pasto.pdf"));
    EXPECT_EQ(printers.imageJobs[1].job.pdfFile, QStringLiteral("/tmp/uscita/pasto (2).pdf"));
    EXPECT_EQ(printers.imageJobs[2].job.pdfFile, QStringLiteral("/tmp/uscita/pasto (3).pdf"));
}

// The files of the other copies, which the file dialog did not ask about, are replaced only
// once the user says so.
TEST_F(PrintRoutinesTest, PdfCopiesAskBeforeReplacingFilesTheDialogDidNotAskAbout)
{
    QTemporaryDir folder;
    const QString chosen = folder.filePath(QStringLiteral("pasto.pdf"));
    for (const QString &name : {chosen, folder.filePath(QStringLiteral("pasto (3).pdf"))}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(routines.openDocumentPrinter(pdfPrinterName()));
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        dialogs.clear();
        dialogs.saveAnswers = {chosen};
        dialogs.questionAnswers = {answer};
        EXPECT_EQ(routines.printImage({0, 0, 100, 50}, QStringLiteral("Velmo"), picture(40, 30), 3),
                  answer == Answer::Yes);
        ASSERT_EQ(dialogs.shown.size(), 2u);
        EXPECT_TRUE(dialogs.shown[1].text.contains(u"pasto (3).pdf") && !dialogs.shown[1].text.contains(u"(2)"))
            << dialogs.shown[1].text.toStdString();
        EXPECT_EQ(printers.imageJobs.size(), answer == Answer::Yes ? 3u : 0u);
    }
}

// Grey only when asked, the sheet around the picture white; far larger than the box (a 2000 mm
// print in the zoom) only the box is drawn.
TEST(PreviewDrawing, GreyOnlyWhenAskedAndOnlyTheBoxDrawn)
{
    const QImage image = picture(4, 4, qRgb(255, 0, 0));
    // clang-format off
    const struct { int line; bool grey; QRect target; QPoint at; QRgb expected; } cases[] = {
        {__LINE__, false, {0, 0, 8, 8}, {4, 4}, qRgb(255, 0, 0)},
        {__LINE__, true, {0, 0, 8, 8}, {0, 0}, qRgb(85, 85, 85)},
        {__LINE__, false, {4, 4, 4, 4}, {1, 1}, qRgb(255, 255, 255)},
        {__LINE__, false, {-40000, -40000, 80000, 80000}, {4, 4}, qRgb(255, 0, 0)},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const QImage drawn = PrintRoutines::drawPreview(image, c.grey, {8, 8}, c.target).value_or(QImage());
        EXPECT_EQ(drawn.size(), QSize(8, 8));
        EXPECT_EQ(drawn.pixel(c.at), c.expected);
    }
    EXPECT_FALSE(PrintRoutines::drawPreview(QImage(), false, {8, 8}, {0, 0, 8, 8}));
}

// ---------------------------------------------------------------- the print module

const QString kWrongKind = QStringLiteral("L' oggetto da stampare\ne' di tipo errato.");
const QString kBadSizes = QStringLiteral(
    "Parametri errati.\n\nLa larghezza e l' altezza di stampa\nrichieste devono essere > 0.");

// A refusal is said under the module's title.
TEST_F(PrintRoutinesTest, AcceptsOrRefusesTheObject)
{
    // clang-format off
    const struct { int line; ObjectKind kind; const char *name; MmRect rect; float scale; const char *title; QString refusal; double referenceWidth; const char *plannedTitle; } cases[] = {
        {__LINE__, ObjectKind::Window, "frmmain", {0, 0, 287, 200}, 500000, "Velmo", {}, 500000.0 * 287, "Velmo"},
        {__LINE__, ObjectKind::Window, "frmmain", {0, 0, 90, 60}, 0, "Velmo", {}, 600 * 15.0, "Velmo"},  // the object's own width, in twips
        {__LINE__, ObjectKind::PictureBox, "picGrafico", {5, -3, 100, 50}, 2, "", {}, 200, "picGrafico"},
        {__LINE__, ObjectKind::Window, "frmmain", {0, 0, 0, 200}, 1, "Velmo", kBadSizes, 0, ""},
        {__LINE__, ObjectKind::Window, "frmmain", {0, 0, 287, 0}, 1, "Velmo", kBadSizes, 0, ""},
        {__LINE__, ObjectKind::Window, "frmmain", {0, 0, -5, 200}, 1, "Velmo", kBadSizes, 0, ""},
        {__LINE__, ObjectKind::Other, "Label1", {0, 0, 287, 200}, 1, "Velmo", QStringLiteral("Stampa di Label1\n\n") + kWrongKind, 0, ""},
        {__LINE__, ObjectKind::Other, "", {0, 0, 0, 0}, 1, "Velmo", kWrongKind, 0, ""},  // the kind is refused first
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        dialogs.clear();
        const auto request = model.requestFor({c.kind, QString::fromLatin1(c.name), 600},
                                              {c.rect, 2, QString::fromLatin1(c.title), c.scale});
        EXPECT_EQ(dialogs.messageTexts(), c.refusal.isEmpty() ? QStringList() : QStringList{c.refusal});
        for (const auto &box : dialogs.shown)
            EXPECT_EQ(box.title, QStringLiteral(" Errore in frmStampaFPB/StampaFPB"));
        ASSERT_EQ(request.has_value(), c.refusal.isEmpty());
        if (!request)
            continue;
        EXPECT_EQ(request->rect, c.rect);
        EXPECT_DOUBLE_EQ(request->referenceWidth, c.referenceWidth);
        EXPECT_EQ(request->title, QString::fromLatin1(c.plannedTitle));
        EXPECT_EQ(request->orientation, 2);
    }
}

TEST_F(PrintRoutinesTest, PrintableSheet)
{
    // clang-format off
    const struct { int line; bool reachable; std::optional<int> orientation; int w, h; const char *message; const char *title; } cases[] = {
        {__LINE__, true, 2, 287, 200, nullptr, nullptr},
        {__LINE__, true, 1, 200, 287, nullptr, nullptr},
        {__LINE__, true, std::nullopt, 200, 287, nullptr, nullptr},  // keeps the last one
        {__LINE__, true, 3, -1, -1, "Orientamento errato", " Errore in frmStampaFPB/FoglioStampa"},
        {__LINE__, true, 0, -1, -1, "Orientamento errato", " Errore in frmStampaFPB/FoglioStampa"},
        {__LINE__, false, 2, -1, -1, "Non posso accedere alla stampante richiesta.\n", " Errore in frmStampaFPB/OpenDocPrinter"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        dialogs.clear();
        if (!c.reachable)
            printers.unreachable.append(QStringLiteral("Ufficio"));
        EXPECT_EQ(model.printableSheet(c.orientation), QSize(c.w, c.h));
        EXPECT_EQ(dialogs.messageTexts(), c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList());
        for (const auto &box : dialogs.shown)
            EXPECT_EQ(box.title, QString::fromLatin1(c.title));
    }
    // The printer in use lost: the next sheet is the default printer's, whose print window may
    // choose another.
    printers.systemDefault = QStringLiteral("Laser");
    EXPECT_EQ(model.printableSheet(2), QSize(287, 200));
    EXPECT_EQ(printers.openPrinterName(), QStringLiteral("Laser"));
}

TEST_F(PrintRoutinesTest, WithoutAPrinterInUseTheDefaultIsOpened)
{
    printers.inUse.clear();
    printers.systemDefault = QStringLiteral("Laser");
    EXPECT_TRUE(model.openPrinterInUse());
    EXPECT_EQ(printers.printerInUse(), QStringLiteral("Laser"));
    EXPECT_EQ(printers.openPrinterName(), QStringLiteral("Laser"));
}

TEST_F(PrintRoutinesTest, EmptyCaptureIsSaidTwice)
{
    QImage image(4, 3, QImage::Format_RGB32);
    EXPECT_TRUE(model.acceptCapture(image, ObjectKind::Window));
    EXPECT_FALSE(model.acceptCapture(QImage(), ObjectKind::PictureBox));
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList{QStringLiteral("Formato grafico sconosciuto.\n\nL' operazione di stampa viene interrotta."),
                           QStringLiteral("Si e' verificata una condizione\ninaspettata elaborando l' immagine.")}));
}

// Without its module the program's printers offer the PDF entry, open nothing and refuse every
// job with the reason.
TEST(RefusingPrinterService, RefusesEveryJobWithTheReason)
{
    const QString reason = QStringLiteral("manca il modulo");
    const std::unique_ptr<PrinterService> printers = newRefusingPrinterService(reason);
    EXPECT_EQ(printers->printerNames(), QStringList{pdfPrinterName()});
    EXPECT_EQ(printers->printerInUse(), pdfPrinterName());
    const PrintOutcome text = printers->printText(QStringLiteral("Velmo"), 12, {QStringLiteral("riga")},
                                                  QStringLiteral("/tmp/velmo.pdf"));
    EXPECT_FALSE(text.ok);
    EXPECT_EQ(text.error, reason);
    EXPECT_FALSE(printers->openPrinter(pdfPrinterName()));
    EXPECT_FALSE(printers->sheetSize().ok);
    EXPECT_FALSE(printers->showSettingsDialog());
    EXPECT_FALSE(printers
                     ->printImage({QStringLiteral("Velmo"),
                                   QImage(4, 3, QImage::Format_RGB32),
                                   {0, 0, 4, 3},
                                   QStringLiteral("/tmp/velmo.pdf")})
                     .documentStarted);
}

}  // namespace
}  // namespace velmo::printing
