// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/printing/module/qtprinterservice.h"

#include "ui/printing/module/chosenprinter.h"

#include "common/safefile.h"
#include "common/userfolder.h"
#include "printing/printlayout.h"

#include <algorithm>
#include <optional>

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinter>
#include <QPrinterInfo>

namespace velmo {

QtPrinterService::QtPrinterService() : printerInUse_(defaultPrinterName())
{
}

QStringList QtPrinterService::printerNames() const
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.append(pdfPrinterName());
    return names;
}

QString QtPrinterService::defaultPrinterName() const
{
    const QString name = QPrinterInfo::defaultPrinterName();
    if (!name.isEmpty())
        return name;
    const QStringList installed = QPrinterInfo::availablePrinterNames();
    return installed.isEmpty() ? pdfPrinterName() : installed.first();
}

QString QtPrinterService::printerInUse() const
{
    return printerInUse_;
}

void QtPrinterService::setPrinterInUse(const QString &name)
{
    printerInUse_ = name;
}

// A PDF holds the user's health data: it is written private, beside the file chosen, and takes
// its place only once it is whole (the PDF writer does not report a disk that filled up).
bool stagePdf(QPrinter &printer, const QString &pdfFile, std::optional<StagedPrivateFile> &staged, QString *reason)
{
    staged.emplace(pdfFile);
    if (!staged->open(reason))
        return false;
    if (printer.outputFormat() != QPrinter::PdfFormat)
        printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(staged->temporaryPath());
    return true;
}

bool commitPdf(StagedPrivateFile &staged, QString *reason)
{
    if (!isCompletePdf(staged.temporaryPath())) {
        *reason = QtPrinterService::tr("scrittura non riuscita (disco pieno o file troppo grande)");
        return false;
    }
    return staged.commit(reason);
}

QString cannotWritePdf(const QString &pdfFile, const QString &reason)
{
    return QtPrinterService::tr("Impossibile scrivere %1: %2").arg(QDir::toNativeSeparators(pdfFile), reason);
}

PrintOutcome QtPrinterService::printText(const QString &documentName, int pointSize, const QStringList &lines,
                                         const QString &pdfFile)
{
    QPrinter printer(QPrinter::HighResolution);
    std::optional<StagedPrivateFile> staged;
    if (printerInUse_ == pdfPrinterName()) {
        if (pdfFile.isEmpty())
            return {false, tr("Nessun file PDF indicato: la stampa non è stata eseguita.")};
        QString reason;
        if (!stagePdf(printer, pdfFile, staged, &reason))
            return {false, cannotWritePdf(pdfFile, reason)};
    } else {
        printer.setPrinterName(printerInUse_);
    }
    printer.setDocName(documentName);
    if (!printer.isValid())
        return {false, tr("La stampante \"%1\" non è disponibile.").arg(printerInUse_)};

    QPainter painter;
    if (!painter.begin(&printer))
        return {false, tr("Impossibile avviare la stampa su \"%1\".").arg(printerInUse_)};
    QFont font = painter.font();
    font.setPointSize(pointSize);
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const int lineHeight = metrics.lineSpacing();
    const int pageHeight = painter.viewport().height();
    const int pageWidth = painter.viewport().width();
    // A line wider than the page (a long name) goes on over the next lines, not past the edge.
    int y = 0;
    for (const QString &line : lines) {
        const QRect room(0, 0, pageWidth, pageHeight);
        const int height = std::max(lineHeight, metrics.boundingRect(room, Qt::TextWordWrap, line).height());
        if (y > 0 && y + height > pageHeight) {
            if (!printer.newPage()) {
                painter.end();
                return {false, tr("La stampa si è interrotta.")};
            }
            y = 0;
        }
        painter.drawText(QRect(0, y, pageWidth, height), Qt::TextWordWrap, line);
        y += height;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return {false, tr("La stampa su \"%1\" non è riuscita.").arg(printerInUse_)};
    QString reason;
    if (staged && !commitPdf(*staged, &reason))
        return {false, cannotWritePdf(pdfFile, reason)};
    return {true, {}};
}

}  // namespace velmo

namespace velmo {

PrinterSettings QtPrinterService::defaultsFor(const QString &name) const
{
    PrinterSettings defaults;
    if (name == pdfPrinterName())
        return defaults;
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    const QPageSize page = info.defaultPageSize();
    if (page.isValid())
        defaults.page = page;
    defaults.colorMode = info.defaultColorMode() == QPrinter::GrayScale ? 1 : 2;
    return defaults;
}

bool QtPrinterService::openPrinter(const QString &name)
{
    open_.clear();
    if (name.isEmpty())
        return false;
    if (name != pdfPrinterName() && QPrinterInfo::printerInfo(name).isNull())
        return false;
    open_ = name;
    settings_ = remembered_.contains(name) ? remembered_.value(name) : defaultsFor(name);
    return true;
}

QString QtPrinterService::openPrinterName() const
{
    return open_;
}

PrinterSettings QtPrinterService::settings() const
{
    return settings_;
}

void QtPrinterService::setSettings(const PrinterSettings &settings)
{
    settings_ = settings;
    if (!open_.isEmpty())
        remembered_.insert(open_, settings);
}

void QtPrinterService::configure(QPrinter &printer) const
{
    if (open_ == pdfPrinterName()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
    } else {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(open_);
    }
    printer.setPageSize(settings_.page);
    printer.setPageOrientation(settings_.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setColorMode(settings_.colorMode == 1 ? QPrinter::GrayScale : QPrinter::Color);
    printer.setCopyCount(1);
}

PrintableSheet QtPrinterService::sheetSize() const
{
    if (open_.isEmpty())
        return {};
    const MeasuredFor key{open_, settings_.page, settings_.orientation};
    if (measured_.ok && key == measuredFor_)
        return measured_;
    QPrinter printer(QPrinter::HighResolution);
    configure(printer);
    PrintableSheet sheet;
    if (open_ == pdfPrinterName() || printer.isValid()) {
        const QRectF mm = printer.pageRect(QPrinter::Millimeter);
        const QRectF px = printer.pageRect(QPrinter::DevicePixel);
        sheet.widthMm = printing::roundHalfEven(mm.width());
        sheet.heightMm = printing::roundHalfEven(mm.height());
        sheet.widthPx = printing::roundHalfEven(px.width());
        sheet.heightPx = printing::roundHalfEven(px.height());
        sheet.orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
        sheet.ok = sheet.widthMm > 0 && sheet.heightMm > 0 && sheet.widthPx > 0 && sheet.heightPx > 0;
    }
    measuredFor_ = key;
    measured_ = sheet;
    return sheet;
}

bool QtPrinterService::showSettingsDialog()
{
    if (open_.isEmpty())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    configure(printer);
    printer.setCopyCount(std::max(1, settings_.copies));
    // Owned by the window the user clicked in (the modal print window), so it stays above it.
    QPrintDialog dialog(&printer, printDialogOwner());
    dialog.setWindowTitle(tr("Proprietà della stampante"));
    // The dialog only chooses settings here; its "Print" button would promise a print that the
    // print window makes later.
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
        if (QPushButton *confirm = buttons->button(QDialogButtonBox::Ok))
            confirm->setText(tr("OK"));
    }
    keepFileDialogHistoryPrivate();  // its "..." opens a file dialog, which keeps the folders seen
    if (dialog.exec() != QDialog::Accepted)
        return false;
    PrinterSettings chosen;
    chosen.page = printer.pageLayout().pageSize();
    chosen.orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
    chosen.colorMode = printer.colorMode() == QPrinter::GrayScale ? 1 : 2;
    chosen.copies = printer.copyCount();
    const QString name = printer.outputFormat() == QPrinter::PdfFormat ? pdfPrinterName() : printer.printerName();
    if (!name.isEmpty())
        open_ = name;
    setSettings(chosen);
    return true;
}

ImageJobResult QtPrinterService::printImage(const ImageJob &job)
{
    ImageJobResult result;
    if (open_.isEmpty() || job.image.isNull())
        return result;
    QPrinter printer(QPrinter::HighResolution);
    configure(printer);
    printer.setDocName(job.documentName);
    printer.setCreator(QStringLiteral("Velmo"));
    std::optional<StagedPrivateFile> staged;
    if (open_ == pdfPrinterName()) {
        QString reason;
        if (job.pdfFile.isEmpty())
            return result;
        if (!stagePdf(printer, job.pdfFile, staged, &reason)) {
            result.fileError = cannotWritePdf(job.pdfFile, reason);
            return result;
        }
    } else if (!printer.isValid()) {
        return result;
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return result;
    result.documentStarted = true;
    result.pageStarted = 1;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(job.target), job.image, QRectF(job.image.rect()));
    result.linesDrawn = printer.printerState() == QPrinter::Error ? 0 : job.image.height();
    result.pageEnded = printer.printerState() == QPrinter::Error ? 0 : 1;
    const bool ended = painter.end() && printer.printerState() != QPrinter::Error;
    QString reason;
    result.documentEnded = ended && (!staged || commitPdf(*staged, &reason)) ? 1 : 0;
    if (!reason.isEmpty())
        result.fileError = cannotWritePdf(job.pdfFile, reason);
    return result;
}

}  // namespace velmo
