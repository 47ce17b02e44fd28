// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// Opening the print window (capture and first preview) and redrawing the preview after a field
// changes, with the real printer service on the PDF file entry (no print system needed).
#include "common/numbertext.h"
#include "ui/printing/printsetupwindow.h"
#include "printing/printwindowmodel.h"
#include "ui/printing/module/qtprinterservice.h"
#include "ui/printing/windowcapture.h"
#include "silentdialogs.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>

#include <benchmark/benchmark.h>

namespace {

// About the size of the program's main window, full of labels like its table.
std::unique_ptr<QWidget> mainWindowLike()
{
    auto window = std::make_unique<QWidget>();
    auto *layout = new QGridLayout(window.get());
    for (int row = 0; row < 14; ++row)
        for (int column = 0; column < 9; ++column)
            layout->addWidget(new QLabel(QStringLiteral("%1,%2").arg(row).arg(column)), row, column);
    window->resize(1024, 740);
    window->show();
    return window;
}

// Argument 0: the PDF file entry; 1: the CUPS queue named by VELMO_CUPS_QUEUE (scripts/test.sh).
void BM_OpenPrintWindow(benchmark::State &state)
{
    auto window = mainWindowLike();
    velmo::QtPrinterService printers;
    const QString printer = state.range(0) == 0 ? velmo::pdfPrinterName() : qEnvironmentVariable("VELMO_CUPS_QUEUE");
    if (!printers.printerNames().contains(printer) || printer.isEmpty()) {
        state.SkipWithError("no CUPS queue to print on");
        return;
    }
    printers.setPrinterInUse(printer);
    velmo::bench::SilentDialogs dialogs;
    printers.openPrinter(printer);
    velmo::PrinterSettings landscape = printers.settings();
    landscape.orientation = 2;
    printers.setSettings(landscape);
    const velmo::PrintableSheet sheet = printers.sheetSize();
    for (auto _ : state) {
        const QImage image = velmo::ui::captureWindow(window.get());
        velmo::printing::PrintWindowModel model(printers, dialogs);
        model.loadObject(
            {image, {0, 0, sheet.widthMm, sheet.heightMm}, 500000.0 * sheet.widthMm, QStringLiteral("Velmo"), 0});
        velmo::ui::PrintSetupWindow view(model);
        model.activate();
        benchmark::DoNotOptimize(model.preview().constBits());
    }
    state.counters["immagine_px"] = velmo::ui::captureWindow(window.get()).width();
}
BENCHMARK(BM_OpenPrintWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PreviewRedrawAfterFieldChange(benchmark::State &state)
{
    auto window = mainWindowLike();
    velmo::QtPrinterService printers;
    printers.setPrinterInUse(velmo::pdfPrinterName());
    printers.openPrinter(velmo::pdfPrinterName());
    velmo::bench::SilentDialogs dialogs;
    velmo::printing::PrintWindowModel model(printers, dialogs);
    model.loadObject(
        {velmo::ui::captureWindow(window.get()), {0, 0, 280, 190}, 500000.0 * 280, QStringLiteral("Velmo"), 2});
    velmo::ui::PrintSetupWindow view(model);
    model.activate();
    int width = 100;
    for (auto _ : state) {
        width = width == 100 ? 180 : 100;
        model.setText(velmo::printing::Field::Width, velmo::formatPlain(width, QLocale()));
        model.keyReleased(velmo::printing::Field::Width);
        benchmark::DoNotOptimize(model.preview().constBits());
    }
    if (dialogs.messages)
        state.SkipWithError("the preview reported an error");
}
BENCHMARK(BM_PreviewRedrawAfterFieldChange)->Unit(benchmark::kMillisecond);

}  // namespace
