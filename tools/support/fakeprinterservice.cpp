// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "support/fakeprinterservice.h"

#include <cmath>

namespace velmo::test {

QStringList FakePrinterService::printerNames() const
{
    QStringList names = installed;
    names.append(pdfPrinterName());
    return names;
}

QString FakePrinterService::defaultPrinterName() const
{
    return installed.isEmpty() ? pdfPrinterName() : systemDefault;
}

PrintOutcome FakePrinterService::printText(const QString &documentName, int pointSize, const QStringList &lines,
                                           const QString &pdfFile)
{
    if (failNextJob) {
        failNextJob = false;
        return {false, QStringLiteral("La stampa su \"%1\" non è riuscita.").arg(inUse)};
    }
    textJobs.push_back({inUse, documentName, pointSize, lines, pdfFile});
    return {true, {}};
}

bool FakePrinterService::openPrinter(const QString &name)
{
    open.clear();
    if (name.isEmpty() || unreachable.contains(name) || !printerNames().contains(name))
        return false;
    open = name;
    current = remembered.contains(name) ? remembered.value(name) : printers.value(name).defaults;
    return true;
}

void FakePrinterService::setSettings(const PrinterSettings &settings)
{
    current = settings;
    if (!open.isEmpty())
        remembered.insert(open, settings);
}

PrintableSheet FakePrinterService::sheetFor(const QString &name, const PrinterSettings &settings) const
{
    const Printer printer = printers.value(name);
    const QSizeF paper = settings.page.size(QPageSize::Millimeter);
    const bool landscape = settings.orientation == 2;
    const double w = (landscape ? paper.height() : paper.width()) - 2.0 * printer.marginMm;
    const double h = (landscape ? paper.width() : paper.height()) - 2.0 * printer.marginMm;
    PrintableSheet sheet;
    sheet.ok = true;
    sheet.widthMm = static_cast<int>(std::lround(w));
    sheet.heightMm = static_cast<int>(std::lround(h));
    sheet.widthPx = static_cast<int>(std::lround(w * printer.dpi / 25.4));
    sheet.heightPx = static_cast<int>(std::lround(h * printer.dpi / 25.4));
    sheet.orientation = landscape ? 2 : 1;
    return sheet;
}

PrintableSheet FakePrinterService::sheetSize() const
{
    if (open.isEmpty())
        return {};
    return sheetFor(open, current);
}

bool FakePrinterService::showSettingsDialog()
{
    ++settingsDialogShown;
    if (open.isEmpty() || !settingsDialog)
        return false;
    QString printer = open;
    const auto chosen = settingsDialog(printer);
    if (!chosen)
        return false;
    open = printer;
    setSettings(*chosen);
    return true;
}

ImageJobResult FakePrinterService::printImage(const ImageJob &job)
{
    const int attempt = imageJobsAttempted++;
    if (duringImageJob)
        duringImageJob();
    if (imageJobFailures.contains(attempt))
        return imageJobFailures.value(attempt);
    ImageJobResult result;
    if (open.isEmpty() || job.image.isNull() || (open == pdfPrinterName() && job.pdfFile.isEmpty()))
        return result;
    imageJobs.push_back({open, current, job});
    return {true, 1, job.image.height(), 1, 1};
}

}  // namespace velmo::test
