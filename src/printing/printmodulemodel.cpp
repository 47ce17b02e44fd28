// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "printing/printmodulemodel.h"

namespace velmo::printing {

PrintPlan planPrint(const PrintObject &object, const PrintArguments &arguments)
{
    PrintPlan plan;
    if (object.kind == ObjectKind::Other) {
        plan.refusal =
            object.name.isEmpty()
                ? PrintModuleModel::tr("L' oggetto da stampare\ne' di tipo errato.")
                : PrintModuleModel::tr("Stampa di %1\n\nL' oggetto da stampare\ne' di tipo errato.").arg(object.name);
        return plan;
    }
    const MmRect &r = arguments.rect;
    // Negative sizes are as meaningless as zero ones and would turn the proportions upside down.
    if (r.w <= 0 || r.h <= 0) {
        plan.refusal = PrintModuleModel::tr(
            "Parametri errati.\n\nLa larghezza e l' altezza di stampa\nrichieste devono essere > 0.");
        return plan;
    }
    plan.request.rect = r;
    // Without a scale the picture's natural width is the object's own, in twips.
    plan.request.referenceWidth = arguments.scale != 0 ? static_cast<double>(arguments.scale) * r.w
                                                       : pixelsToTwips(object.widthPx);
    plan.request.title = arguments.title.isEmpty() ? object.name : arguments.title;
    plan.request.orientation = arguments.orientation;
    return plan;
}

PrintModuleModel::PrintModuleModel(PrinterService &printers, Dialogs &dialogs)
    : printers_(printers), dialogs_(dialogs), routines_(printers, dialogs)
{
}

QSize PrintModuleModel::printableSheet(std::optional<int> orientation)
{
    const QSize failed(-1, -1);
    if (!routines_.openDocumentPrinter(printers_.printerInUse())) {
        // A printer gone since it was chosen is let go, or no print window could open again: the
        // next print starts from the default printer.
        printers_.setPrinterInUse(QString());
        return failed;
    }
    if (orientation && *orientation != 1 && *orientation != 2) {
        dialogs_.message(tr("Orientamento errato"), errorTitle(PrintStep::MeasureSheet), MessageIcon::Critical);
        return failed;
    }
    if (orientation) {
        PrinterSettings settings = printers_.settings();
        settings.orientation = *orientation;
        printers_.setSettings(settings);
    }
    const PrintableSheet sheet = routines_.sheetSize();
    return sheet.ok ? QSize(sheet.widthMm, sheet.heightMm) : failed;
}

bool PrintModuleModel::openPrinterInUse()
{
    if (printers_.printerInUse().isEmpty()) {
        if (!routines_.openDocumentPrinter(QString()))
            return false;
        printers_.setPrinterInUse(printers_.openPrinterName());
    } else if (printers_.openPrinterName() != printers_.printerInUse()) {
        // Opened again, with its message if it fails, when the window selects it.
        printers_.openPrinter(printers_.printerInUse());
    }
    return true;
}

std::optional<PrintRequest> PrintModuleModel::requestFor(const PrintObject &object, const PrintArguments &arguments)
{
    PrintPlan plan = planPrint(object, arguments);
    if (!plan.refusal.isEmpty()) {
        dialogs_.message(plan.refusal, errorTitle(PrintStep::PrintWindowImage), MessageIcon::Critical);
        return std::nullopt;
    }
    return std::move(plan.request);
}

bool PrintModuleModel::acceptCapture(const QImage &image, ObjectKind kind)
{
    if (!image.isNull() && bytesPerLine(24, image.width()) * image.height() != 0)
        return true;
    const PrintStep capture = kind == ObjectKind::Window ? PrintStep::CaptureWindow : PrintStep::CapturePictureBox;
    dialogs_.message(tr("Formato grafico sconosciuto.\n\nL' operazione di stampa viene interrotta."),
                     errorTitle(capture), MessageIcon::Critical);
    dialogs_.message(tr("Si e' verificata una condizione\ninaspettata elaborando l' immagine."),
                     errorTitle(PrintStep::PrintWindowImage), MessageIcon::Critical);
    return false;
}

}  // namespace velmo::printing
