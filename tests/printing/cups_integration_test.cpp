// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// Prints through a real CUPS queue that writes PDF files (cups-pdf) and measures the pages it
// produced. scripts/test.sh starts cupsd and adds the queue; without them the test is skipped.
#include "ui/printing/printsetupwindow.h"
#include "ui/printing/printmodule.h"
#include "ui/printing/module/qtprinterservice.h"

#include "support/fakedialogs.h"
#include "support/qtprinters.h"
#include "ui/shell/appwindows.h"
#include "ui/shell/mainwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDeadlineTimer>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
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

QString run(const char *program, const QStringList &arguments)
{
    QProcess process;
    process.start(QString::fromLatin1(program), arguments);
    return process.waitForFinished(30000) ? QString::fromLocal8Bit(process.readAllStandardOutput()) : QString();
}

// The ids of the queue's completed jobs.
QSet<int> completedJobs(const QString &queue)
{
    QSet<int> ids;  // from lines "<queue>-<id> <user> <size> <date>"
    for (const QString &line : run("lpstat", QStringLiteral("-W completed -o").split(u' ') << queue).split(u'\n'))
        if (line.startsWith(queue + u'-'))
            ids.insert(line.mid(queue.size() + 1).section(u' ', 0, 0).toInt());
    return ids;
}

// The non-white part of a rendered page, in tenths of a millimetre at 254 dpi; the main window's
// light grey counts as ink, only the paper is white.
QRectF inkMm(const QImage &page)
{
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (const QRgb p = page.pixel(x, y); qRed(p) < 250 || qGreen(p) < 250 || qBlue(p) < 250)
                ink |= QRect(x, y, 1, 1);
    return QRectF(ink.x() / 10.0, ink.y() / 10.0, ink.width() / 10.0, ink.height() / 10.0);
}

// The PDF that `job` wrote in `outDir`: one page with the ink where `asked` (millimetres on the
// landscape sheet of `paper`) puts it.
void expectPictureInPlace(int job, const QString &outDir, const QRectF &asked, const QSizeF &paper,
                          const QTemporaryDir &scratch)
{
    QStringList found;
    const auto written = [&] {
        return !(found = QDir(outDir).entryList({QStringLiteral("*-job_%1.pdf").arg(job)})).isEmpty();
    };
    ASSERT_TRUE(QTest::qWaitFor(written, 30000)) << "job " << job << " wrote no PDF in " << outDir.toStdString();
    const QString file = QDir(outDir).filePath(found.first());
    const QString info = run("pdfinfo", {file});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
    const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    ASSERT_TRUE(size.hasMatch()) << info.toStdString();
    const bool landscapeMedia = size.captured(1).toDouble() > size.captured(2).toDouble();

    // At 254 dpi one pixel is a tenth of a millimetre.
    const QString stem = scratch.filePath(QStringLiteral("job%1").arg(job));
    run("pdftoppm", QStringLiteral("-r 254 -png -singlefile").split(u' ') << file << stem);
    const QImage page(stem + QStringLiteral(".png"));
    ASSERT_FALSE(page.isNull()) << "job " << job;
    const QRectF ink = inkMm(page);
    // A printer prints landscape by turning the picture on upright paper; either way round
    // the rectangle must land where it was asked for.
    std::vector<QRectF> candidates;
    if (landscapeMedia) {
        candidates.push_back(asked);
    } else {
        candidates.emplace_back(asked.top(), paper.width() - asked.right(), asked.height(), asked.width());
        candidates.emplace_back(paper.height() - asked.bottom(), asked.left(), asked.height(), asked.width());
    }
    // Whole millimetres, rounded twice: one millimetre of tolerance on every edge.
    const auto near = [&](const QRectF &c) {
        return std::max({std::abs(ink.left() - c.left()), std::abs(ink.top() - c.top()),
                         std::abs(ink.width() - c.width()), std::abs(ink.height() - c.height())})
               <= 1.0;
    };
    EXPECT_TRUE(std::any_of(candidates.begin(), candidates.end(), near))
        << "job " << job << ": ink at " << ink.left() << ", " << ink.top() << " (" << ink.width() << " x "
        << ink.height() << " mm), asked for " << asked.left() << ", " << asked.top() << " on the landscape sheet";
}

TEST(CupsPrinting, ThreeCopiesAreThreeLandscapeJobsOfOnePageWithThePictureInPlace)
{
    const QString queue = qEnvironmentVariable("VELMO_CUPS_QUEUE", QStringLiteral("VelmoPDF"));
    const QString outDir = qEnvironmentVariable("VELMO_CUPS_PDF_DIR");
    if (!QPrinterInfo::availablePrinterNames().contains(queue) || outDir.isEmpty() || !QDir(outDir).exists())
        GTEST_SKIP()
            << "no print system: the CUPS queue \"" << queue.toStdString() << "\" or the folder it writes to "
            << "(VELMO_CUPS_PDF_DIR) is not there; scripts/test.sh starts cupsd and adds both when CUPS is installed";

    // The real program: its main window, printed from its "&Stampa" menu.
    test::FakeDialogs dialogs;
    AppWindows windows;
    windows.setDialogs(&dialogs);
    QString error;
    ASSERT_TRUE(
        windows.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("elementi97.db")), &error))
        << error.toStdString();
    windows.printers().setPrinterInUse(queue);
    windows.mainWindow()->findChild<QAction *>(QStringLiteral("mnuFrutta"))->trigger();
    PrintModule &module = *windows.printModule();

    int sheetW = 0, sheetH = 0;
    module.measureSheet(sheetW, sheetH, 2);
    ASSERT_GT(sheetW, sheetH) << "a landscape sheet";

    const QSet<int> before = completedJobs(queue);
    printing::MmRect printed;
    bool closedAfterPrint = false;
    module.onWindowReady = [&](PrintSetupWindow &print) {
        QTimer::singleShot(0, &print, [&] {
            print.model().setKeepProportions(false);
            const std::pair<Field, const char *> typed[] = {{Field::Left, "20"},
                                                            {Field::Top, "15"},
                                                            {Field::Width, "150"},
                                                            {Field::Height, "100"},
                                                            {Field::Copies, "3"}};
            for (const auto &[field, text] : typed)
                print.field(field)->setText(QString::fromLatin1(text));
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
    const QDeadlineTimer deadline(120000);
    while ((jobs = completedJobs(queue) - before).size() < 3 && !deadline.hasExpired())
        QTest::qWait(500);
    ASSERT_EQ(jobs.size(), 3) << "three copies, three completed jobs";

    // Where the printable area starts on the landscape page.
    QPrinter reference(QPrinter::HighResolution);
    reference.setPrinterName(queue);
    reference.setPageOrientation(QPageLayout::Landscape);
    const QPointF origin = reference.pageRect(QPrinter::Millimeter).topLeft();
    const QRectF asked(origin.x() + printed.x, origin.y() + printed.y, printed.w, printed.h);  // millimetres

    QTemporaryDir scratch;
    const QSizeF paper = reference.paperRect(QPrinter::Millimeter).size();  // landscape
    for (int job : jobs)
        expectPictureInPlace(job, outDir, asked, paper, scratch);
}

}  // namespace
}  // namespace velmo::ui
