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

// What a poppler tool writes to its standard output.
QString poppler(const char *tool, const QStringList &arguments)
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
    EXPECT_LT(portrait.widthMm, portrait.heightMm);
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
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are not installed";
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
    const QString page = folder.filePath(QStringLiteral("pagina.pdf"));
    EXPECT_TRUE(printers.printImage({QStringLiteral("Velmo"), image, target, page}).ok());
    const QString info = poppler("pdfinfo", {page});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
    const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble()) << info.toStdString();

    printers.setPrinterInUse(pdfPrinterName());
    const QStringList lines{QStringLiteral("Il tuo FABBISOGNO ENERGETICO è di 2215,64 kcal/giorno"), QString(),
                            QStringLiteral("55,39 g di PROTIDI")};
    EXPECT_FALSE(printers.printText(QStringLiteral("Fabbisogno"), 14, lines, QString()).ok);
    const QString file = folder.filePath(QStringLiteral("riepilogo.pdf"));
    const PrintOutcome outcome = printers.printText(QStringLiteral("Fabbisogno"), 14, lines, file);
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    const QString text = poppler("pdftotext", {file, QStringLiteral("-")}).normalized(QString::NormalizationForm_KC).simplified();
    for (const QString &line : lines)
        EXPECT_TRUE(text.contains(line)) << text.toStdString();
}

}  // namespace
}  // namespace velmo
