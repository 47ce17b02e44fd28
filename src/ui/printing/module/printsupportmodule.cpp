// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// The entry points of the module velmo_printsupport (see printing/systemprinters.h).
#include "ui/printing/module/chosenprinter.h"
#include "ui/printing/module/qtprinterservice.h"

#include <type_traits>

extern "C" __attribute__((visibility("default"))) velmo::PrinterService *velmo_new_printer_service()
{
    return new velmo::QtPrinterService;
}

extern "C" __attribute__((visibility("default"))) int velmo_print_on_chosen_printer(const QString *title,
                                                                                    const velmo::DrawPages *draw,
                                                                                    QString *error)
{
    return velmo::printOnChosenPrinterHere(*title, *draw, error);
}

// The program calls them through these types.
static_assert(std::is_same_v<decltype(&velmo_new_printer_service), velmo::VelmoNewPrinterService>);
static_assert(std::is_same_v<decltype(&velmo_print_on_chosen_printer), velmo::VelmoPrintOnChosenPrinter>);
