// The printer service on Qt Print Support, through its PDF file entry, which needs no print system.
#include "printing/printlayout.h"
#include "ui/printing/qtprinterservice.h"

#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velmo {
namespace {

QString pdfInfo(const QString &file)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {file});
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

TEST(QtPrinterService, PdfEntryIsAlwaysOffered)
{
    QtPrinterService printers;
    EXPECT_EQ(printers.printerNames().last(), pdfPrinterName());
    EXPECT_FALSE(printers.defaultPrinterName().isEmpty());
    EXPECT_FALSE(printers.printerInUse().isEmpty());
}

TEST(QtPrinterService, UnknownPrinterCannotBeOpened)
{
    QtPrinterService printers;
    EXPECT_FALSE(printers.openPrinter(QStringLiteral("Nessuna stampante con questo nome")));
    EXPECT_TRUE(printers.openPrinterName().isEmpty());
    EXPECT_FALSE(printers.sheetSize().ok);
    EXPECT_FALSE(printers.printImage({QStringLiteral("Velmo"), QImage(10, 10, QImage::Format_RGB32), {0, 0, 10, 10}, {}}).documentStarted);
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
    EXPECT_EQ(portrait.orientation, 1);
    EXPECT_EQ(landscape.orientation, 2);
    EXPECT_LT(portrait.widthMm, portrait.heightMm);
    EXPECT_EQ(landscape.widthMm, portrait.heightMm);
    EXPECT_EQ(landscape.heightMm, portrait.widthMm);
    EXPECT_LE(landscape.widthMm, 297);
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
    const QString info = pdfInfo(file);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
    const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    ASSERT_TRUE(size.hasMatch()) << info.toStdString();
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble());
}

TEST(QtPrinterService, PdfEntryWithoutAFileDoesNotStart)
{
    QtPrinterService printers;
    ASSERT_TRUE(printers.openPrinter(pdfPrinterName()));
    QImage image(8, 8, QImage::Format_RGB32);
    EXPECT_FALSE(printers.printImage({QStringLiteral("Velmo"), image, {0, 0, 8, 8}, QString()}).documentStarted);
}

}  // namespace
}  // namespace velmo
