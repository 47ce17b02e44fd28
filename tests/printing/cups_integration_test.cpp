// Prints through a real CUPS queue that writes PDF files (cups-pdf) and measures the pages it
// produced. scripts/test.sh starts cupsd and adds the queue; without them the test is skipped.
#include "ui/printing/frmstampafpb.h"
#include "ui/printing/printmodule.h"
#include "ui/printing/qtprinterservice.h"

#include "support/fakedialogs.h"
#include "ui/shell/appwindows.h"
#include "ui/shell/mainwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace velmo::ui {
namespace {

using printing::Field;

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The ids of the queue's completed jobs.
QSet<int> completedJobs(const QString &queue)
{
    QSet<int> ids;
    const QRegularExpression line(QStringLiteral("^%1-(\\d+)\\s").arg(QRegularExpression::escape(queue)),
                                  QRegularExpression::MultilineOption);
    auto matches = line.globalMatch(run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o"), queue}));
    while (matches.hasNext())
        ids.insert(matches.next().captured(1).toInt());
    return ids;
}

// The non-white part of a rendered page.
QRect inkBox(const QImage &page)
{
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y);
            // The main window's light grey counts as ink; only the paper is white.
            if (qRed(p) < 250 || qGreen(p) < 250 || qBlue(p) < 250) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

TEST(CupsPrinting, ThreeCopiesAreThreeLandscapeJobsOfOnePageWithThePictureInPlace)
{
    const QString queue = qEnvironmentVariable("VELMO_CUPS_QUEUE", QStringLiteral("VelmoPDF"));
    const QString outDir = qEnvironmentVariable("VELMO_CUPS_PDF_DIR");
    if (!QPrinterInfo::availablePrinterNames().contains(queue))
        GTEST_SKIP() << "no print system: the CUPS queue \"" << queue.toStdString()
                     << "\" is not there (scripts/test.sh starts cupsd and adds it when CUPS is installed)";
    if (outDir.isEmpty() || !QDir(outDir).exists())
        GTEST_SKIP() << "the folder where the PDF queue writes (VELMO_CUPS_PDF_DIR) is not known";
    for (const char *tool : {"lpstat", "pdfinfo", "pdftoppm"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";

    // The real program: its main window, printed from its "&Stampa" menu.
    test::FakeDialogs dialogs;
    AppWindows windows;
    windows.setDialogs(&dialogs);
    QString error;
    ASSERT_TRUE(windows.start(QDir(QCoreApplication::applicationDirPath()).filePath("elementi97.db"), &error))
        << error.toStdString();
    windows.printers().setPrinterInUse(queue);
    windows.mainWindow()->findChild<QAction *>(QStringLiteral("mnuFrutta"))->trigger();
    PrintModule &module = *windows.printModule();

    int sheetW = 0, sheetH = 0;
    module.FoglioStampa(sheetW, sheetH, 2);
    ASSERT_GT(sheetW, sheetH) << "a landscape sheet";

    const QSet<int> before = completedJobs(queue);
    printing::MmRect printed;
    bool closedAfterPrint = false;
    module.onWindowReady = [&](frmStampaFPB &print) {
        QTimer::singleShot(0, &print, [&] {
            print.model().setKeepProportions(false);
            print.field(Field::PrX)->setText(QStringLiteral("20"));
            print.field(Field::PrY)->setText(QStringLiteral("15"));
            print.field(Field::PrW)->setText(QStringLiteral("150"));
            print.field(Field::PrH)->setText(QStringLiteral("100"));
            print.field(Field::NCopies)->setText(QStringLiteral("3"));
            printed = print.model().rect();
            QTest::mouseClick(print.findChild<QPushButton *>(QStringLiteral("cmdStampa")), Qt::LeftButton);
            closedAfterPrint = !print.isVisible();
            print.close();
        });
    };
    windows.mainWindow()->findChild<QAction *>(QStringLiteral("mnuStampa"))->trigger();
    EXPECT_TRUE(dialogs.shown.empty()) << (dialogs.shown.empty() ? "" : dialogs.shown[0].text.toStdString());
    EXPECT_TRUE(closedAfterPrint);
    ASSERT_EQ(printed, (printing::MmRect{20, 15, 150, 100}));

    QSet<int> jobs;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 120000) {
        jobs = completedJobs(queue) - before;
        if (jobs.size() >= 3)
            break;
        QTest::qWait(500);
    }
    ASSERT_EQ(jobs.size(), 3) << "three copies, three completed jobs";

    // Where the printable area starts on the landscape page.
    QPrinter reference(QPrinter::HighResolution);
    reference.setPrinterName(queue);
    reference.setPageOrientation(QPageLayout::Landscape);
    const QPointF origin = reference.pageRect(QPrinter::Millimeter).topLeft();
    const QRectF expectedMm(origin.x() + printed.x, origin.y() + printed.y, printed.w, printed.h);

    QTemporaryDir scratch;
    for (int job : jobs) {
        QString file;
        while (waited.elapsed() < 150000) {
            const QStringList found = QDir(outDir).entryList({QStringLiteral("*-job_%1.pdf").arg(job)}, QDir::Files);
            if (!found.isEmpty()) {
                file = QDir(outDir).filePath(found.first());
                break;
            }
            QTest::qWait(200);
        }
        ASSERT_FALSE(file.isEmpty()) << "job " << job << " wrote no PDF in " << outDir.toStdString();
        const QString info = run(QStringLiteral("pdfinfo"), {file});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
        const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
        ASSERT_TRUE(size.hasMatch()) << info.toStdString();
        const bool landscapeMedia = size.captured(1).toDouble() > size.captured(2).toDouble();

        // At 254 dpi one pixel is a tenth of a millimetre.
        const QString stem = scratch.filePath(QStringLiteral("job%1").arg(job));
        run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"), QStringLiteral("-singlefile"), file, stem});
        const QImage page(stem + QStringLiteral(".png"));
        ASSERT_FALSE(page.isNull()) << "job " << job;
        const QRect ink = inkBox(page);
        const QRectF inkMm(ink.x() / 10.0, ink.y() / 10.0, ink.width() / 10.0, ink.height() / 10.0);
        const QSizeF paper = reference.paperRect(QPrinter::Millimeter).size();  // landscape
        // A printer prints landscape by turning the picture on upright paper; either way round
        // the rectangle must land where it was asked for.
        std::vector<QRectF> candidates;
        if (landscapeMedia) {
            candidates.push_back(expectedMm);
        } else {
            candidates.emplace_back(expectedMm.top(), paper.width() - expectedMm.right(), expectedMm.height(), expectedMm.width());
            candidates.emplace_back(paper.height() - expectedMm.bottom(), expectedMm.left(), expectedMm.height(), expectedMm.width());
        }
        // Whole millimetres, rounded twice: one millimetre of tolerance on every edge.
        const auto near = [&](const QRectF &c) {
            return std::max({std::abs(inkMm.left() - c.left()), std::abs(inkMm.top() - c.top()),
                             std::abs(inkMm.width() - c.width()), std::abs(inkMm.height() - c.height())}) <= 1.0;
        };
        EXPECT_TRUE(std::any_of(candidates.begin(), candidates.end(), near))
            << "job " << job << ": ink at " << inkMm.left() << ", " << inkMm.top() << " size " << inkMm.width() << " x "
            << inkMm.height() << " mm; asked for " << expectedMm.left() << ", " << expectedMm.top() << " on the landscape sheet";
    }
}

}  // namespace
}  // namespace velmo::ui
