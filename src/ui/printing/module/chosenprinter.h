// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/safefile.h"
#include "printing/systemprinters.h"

#include <optional>

class QPrinter;
class QWidget;

namespace velmo {

// The window a print dialog belongs over: the modal window the user clicked in (the print window),
// else the active one.
QWidget *printDialogOwner();

// printOnChosenPrinter's work, inside the module: the print dialog, then the document drawn on
// the printer chosen.
int printOnChosenPrinterHere(const QString &title, const DrawPages &draw, QString *error);

// A PDF for `pdfFile` is drawn on `printer` into a private file beside it (stagePdf), which takes
// its place once the PDF is whole (commitPdf). False with the reason, for the user.
bool stagePdf(QPrinter &printer, const QString &pdfFile, std::optional<StagedPrivateFile> &staged, QString *reason);
bool commitPdf(StagedPrivateFile &staged, QString *reason);
// "Impossibile scrivere <file>: <reason>".
QString cannotWritePdf(const QString &pdfFile, const QString &reason);

}  // namespace velmo
