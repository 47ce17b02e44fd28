// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/dialogs.h"
#include "printing/printerservice.h"
#include "printing/printlayout.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <functional>
#include <optional>

namespace velmo::printing {

// The steps of the print module that report their own failures.
enum class PrintStep {
    OpenPrinter,
    PrintPicture,
    MeasureSheet,
    PrintWindowImage,
    CaptureWindow,
    CapturePictureBox,
    ConfirmScale,
    SavePreview,
    RedrawPreview,
    DrawZoom,
};

// The title of a step's failure messages. The titles name the module's routines as users have
// always read them in these messages, so the names stay as they were whatever the code calls the
// step, in every language.
QString errorTitle(PrintStep step);

// The print module's routines that talk to the printer: opening it, measuring its sheet, its
// settings dialog, the print run and the preview picture. Each one reports its own failure in a
// message box and tells the caller whether it succeeded.
class PrintRoutines {
    Q_DECLARE_TR_FUNCTIONS(PrintRoutines)

public:
    PrintRoutines(PrinterService &printers, Dialogs &dialogs);

    // Makes `name` (the default printer when empty) the open printer.
    bool openDocumentPrinter(const QString &name);

    // The printable area of the open printer; not ok without one.
    PrintableSheet sheetSize() const;

    // The system's settings dialog for the open printer; true when confirmed.
    bool showPrinterProperties();

    // Prints `image` at `r` (millimetres) as `copies` separate jobs, after the scale question when
    // the rectangle reaches beyond the sheet. False when nothing or not everything was printed.
    bool printImage(const MmRect &r, const QString &title, const QImage &image, int copies);

    // The print jobs themselves, at `target` in printer pixels.
    bool printPicture(const QRect &target, const QString &title, const QImage &image, int copies);

    // The preview: `image` drawn into a white box of `box` pixels at `target`, grey when
    // `monochrome`. Empty on failure.
    static std::optional<QImage> drawPreview(const QImage &image, bool monochrome, QSize box, const QRect &target);

    // Runs around the print run, to show the user that the program is busy.
    std::function<void(bool busy)> onBusy;

private:
    // The file each copy goes to when the open printer is the PDF file entry; empty when the user
    // cancels.
    QStringList pdfFilesFor(const QString &title, int copies);
    void reportPrintFailure(const QString &collected);

    PrinterService &printers_;
    Dialogs &dialogs_;
};

}  // namespace velmo::printing
