// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "printing/printerservice.h"

#include <functional>
#include <memory>

class QPagedPaintDevice;

namespace velmo {

// The system's printers live in the module velmo_printsupport (Qt Print Support and the print
// dialog), which the program loads the first time it prints: it starts without Qt Print Support.

// Draws the pages of a document on `device`: the pages drawn, or 0 with the reason.
using DrawPages = std::function<int(QPagedPaintDevice &device, QString *error)>;

// The printer service on the system's printers. When the module cannot be loaded, a service that
// offers only the PDF file entry and refuses every job with the reason, which *error also holds
// (in the interface's language, with what to do).
std::unique_ptr<PrinterService> newSystemPrinterService(QString *error);

// The service that refuses every job with `reason`: what newSystemPrinterService gives without
// its module.
std::unique_ptr<PrinterService> newRefusingPrinterService(const QString &reason);

// Asks for a printer with the system's print dialog (titled `title`, over the window the user is
// working in) and prints the document `draw` draws there. The pages printed; -1 when the user
// cancelled; 0, with *error, when the document could not be printed or the module not loaded.
int printOnChosenPrinter(const QString &title, const DrawPages &draw, QString *error);

// The module's functions, by these names (C linkage).
inline constexpr const char *kNewPrinterServiceSymbol = "velmo_new_printer_service";
inline constexpr const char *kPrintOnChosenPrinterSymbol = "velmo_print_on_chosen_printer";
using VelmoNewPrinterService = PrinterService *(*)();
using VelmoPrintOnChosenPrinter = int (*)(const QString *title, const DrawPages *draw, QString *error);

}  // namespace velmo
