// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "printing/systemprinters.h"

class QWidget;

namespace velmo {

// The window a print dialog belongs over: the modal window the user clicked in (the print window),
// else the active one.
QWidget *printDialogOwner();

// printOnChosenPrinter's work, inside the module: the print dialog, then the document drawn on
// the printer chosen.
int printOnChosenPrinterHere(const QString &title, const DrawPages &draw, QString *error);

}  // namespace velmo
