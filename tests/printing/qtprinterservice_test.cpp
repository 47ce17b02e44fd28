// The printer service on Qt Print Support, through its PDF file entry, which needs no print system.
#include "printing/printlayout.h"
#include "ui/printing/qtprinterservice.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velmo {
namespace {

QString run(const char *tool, const QStringList &arguments)
{
    QProcess process;
    process.start(QString::fromLatin1(tool), arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF entry is always offered; an unknown printer cannot be opened, and the PDF entry
// without a file starts no document.
TEST(QtPrinterService, PdfEntryIsAlwaysOfferedAndUnknownPrintersRefused)
{
    QtPrinterService printers;
    EXPECT_EQ(printers.printerNames().last(), pdfPrinterName());
    EXPECT_FALSE(printers.defaultPrinterName().isEmpty() || printers.printerInUse().isEmpty());
    const ImageJob job{QStringLiteral("Velmo"), QImage(10, 10, QImage::Format_RGB32), {0, 0, 10, 10}, {}};
    EXPECT_FALSE(printers.openPrinter(QStringLiteral("Nessuna stampante con questo nome")));
    EXPECT_TRUE(printers.openPrinterName().isEmpty());
    EXPECT_FALSE(printers.sheetSize().ok);
    EXPECT_FALSE(printers.printImage(job).documentStarted);
    ASSERT_TRUE(printers.openPrinter(pdfPrinterName()));
    EXPECT_FALSE(printers.printImage(job).documentStarted);
}

TEST(QtPrinterService, SettingsStayWithTheirPrinterForTheRun)
{
    QtPrinterService printers;
    ASSERT_TRUE(printers.openPrinter(pdfPrinterName()));
    PrinterSettings settings = printers.settings();
    EXPECT_EQ(settings.paperSize(), 9);
    settings.orientation = 2;
    settings.page = QPageSize(QPageSize::A3);
    printers.setSettings(settings);
    ASSERT_TRUE(printers.openPrinter(pdfPrinterName()));
    EXPECT_EQ(printers.settings().orientation, 2);
    EXPECT_EQ(printers.settings().paperSize(), 8);
}

TEST(QtPrinterService, SheetFollowsTheOrientation)
{
    QtPrinterService printers;
    ASSERT_TRUE(printers.openPrinter(pdfPrinterName()));
    const PrintableSheet portrait = printers.sheetSize();
    PrinterSettings settings = printers.settings();
    settings.orientation = 2;
    printers.setSettings(settings);
    const PrintableSheet landscape = printers.sheetSize();
    ASSERT_TRUE(portrait.ok && landscape.ok);
    EXPECT_EQ(landscape.orientation, 2);
    EXPECT_LT(portrait.widthMm, portrait.heightMm);
    EXPECT_EQ(QSize(landscape.widthMm, landscape.heightMm), QSize(portrait.heightMm, portrait.widthMm));
    // High resolution: well over 10 pixels per millimetre.
    EXPECT_GT(landscape.widthPx, landscape.widthMm * 10);
}

TEST(QtPrinterService, ImageJobWritesOneLandscapePage)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    QTemporaryDir folder;
    QtPrinterService printers;
    ASSERT_TRUE(printers.openPrinter(pdfPrinterName()));
    PrinterSettings settings = printers.settings();
    settings.orientation = 2;
    printers.setSettings(settings);
    const PrintableSheet sheet = printers.sheetSize();
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(qRgb(10, 120, 200));
    const QRect target = printing::toPrinterPixels({20, 10, 100, 75}, {sheet.widthMm, sheet.heightMm}, {sheet.widthPx, sheet.heightPx});
    const QString file = folder.filePath(QStringLiteral("pagina.pdf"));
    const ImageJobResult result = printers.printImage({QStringLiteral("Velmo"), image, target, file});
    EXPECT_TRUE(result.ok());
    const QString info = run("pdfinfo", {file});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
    const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    ASSERT_TRUE(size.hasMatch()) << info.toStdString();
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble());
}

// A text job on the PDF entry writes its lines to the file it is given, and none without one.
TEST(QtPrinterService, TextJobWritesItsLinesToThePdfFile)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir folder;
    QtPrinterService printers;
    printers.setPrinterInUse(pdfPrinterName());
    const QStringList lines{QStringLiteral("Il tuo FABBISOGNO ENERGETICO è di 2215,64 kcal/giorno"), QString(),
                            QStringLiteral("55,39 g di PROTIDI")};
    EXPECT_FALSE(printers.printText(QStringLiteral("Fabbisogno"), 14, lines, QString()).ok);
    const QString file = folder.filePath(QStringLiteral("riepilogo.pdf"));
    const PrintOutcome outcome = printers.printText(QStringLiteral("Fabbisogno"), 14, lines, file);
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    const QString text = run("pdftotext", {file, QStringLiteral("-")}).normalized(QString::NormalizationForm_KC).simplified();
    for (const QString &line : lines)
        EXPECT_TRUE(text.contains(line)) << text.toStdString();
}

}  // namespace
}  // namespace velmo
