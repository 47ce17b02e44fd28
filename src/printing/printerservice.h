// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/textprinting.h"

#include <QImage>
#include <QPageSize>
#include <QRect>
#include <QString>

namespace velmo {

// The settings the print module reads and writes on the open printer.
struct PrinterSettings {
    int orientation = 1;  // 1 portrait, 2 landscape
    QPageSize page{QPageSize::A4};
    int colorMode = 2;  // 1 monochrome, 2 colour
    int copies = 1;

    // The platform's paper size code (1 letter, 9 A4, …; 256 a size of the user's own).
    int paperSize() const { return page.isValid() ? page.windowsId() : 0; }
};

// The printable area of the open printer with its current settings.
struct PrintableSheet {
    bool ok = false;
    int widthMm = -1;
    int heightMm = -1;
    int widthPx = -1;  // the same area in the printer's pixels
    int heightPx = -1;
    int orientation = -1;
};

// One print job of one page: `image` stretched over `target` (printer pixels, from the top left
// corner of the printable area).
struct ImageJob {
    QString documentName;
    QImage image;
    QRect target;
    QString pdfFile;  // the output when the open printer is the PDF file entry
};

// What each step of an image job gave back, in the order they ran: the document could not be
// started (nothing else ran), or the page start, the drawing (lines drawn), the page end and the
// document end, each 0 on failure.
struct ImageJobResult {
    bool documentStarted = false;
    int pageStarted = 0;
    int linesDrawn = 0;
    int pageEnded = 0;
    int documentEnded = 0;
    // Why the PDF file could not be written, when that is what failed; a printer's failure has none.
    QString fileError = {};

    bool ok() const
    {
        return documentStarted && pageStarted > 0 && linesDrawn != 0 && pageEnded > 0 && documentEnded != 0;
    }
};

// The printers of the system, the printer in use for the whole run, and the print jobs: text
// documents and the print module's image jobs. The program prints through Qt Print Support; tests use a
// recording fake.
class PrinterService : public TextPrinting {
public:
    // Makes `name` the open printer for sheets, settings and image jobs, with the settings it had
    // earlier in this run or, the first time, the printer's own defaults. False when the printer
    // cannot be reached; the open printer is then none.
    virtual bool openPrinter(const QString &name) = 0;

    // The open printer; empty when none.
    virtual QString openPrinterName() const = 0;

    // The open printer's settings; they stay with that printer for the rest of the run.
    virtual PrinterSettings settings() const = 0;
    virtual void setSettings(const PrinterSettings &settings) = 0;

    // The printable area of the open printer with its settings; not ok without an open printer.
    virtual PrintableSheet sheetSize() const = 0;

    // The system's print settings dialog for the open printer, starting from its settings, over the
    // window the user is working in. True when the user confirms; the settings (and, if the user
    // chose another one, the open printer) then hold the user's choice.
    virtual bool showSettingsDialog() = 0;

    // One job of one page on the open printer, with its settings.
    virtual ImageJobResult printImage(const ImageJob &job) = 0;
};

}  // namespace velmo
