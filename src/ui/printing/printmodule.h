// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/dialogs.h"
#include "printing/printerservice.h"
#include "printing/printmodulemodel.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace velmo::ui {

class PrintSetupWindow;

// The print module: for the whole run it keeps the printer in use and its settings (in the
// printer service), measures the sheet and opens the print window for a window's picture. The
// decisions are its model's; here the object is looked at, captured and the window shown.
class PrintModule {
public:
    PrintModule(velmo::PrinterService &printers, velmo::Dialogs &dialogs);

    // Fills width and height (mm) with the printable sheet of the printer in use, after giving it
    // `orientation` (1 portrait, 2 landscape); -1, -1 on failure.
    void measureSheet(int &widthMm, int &heightMm, std::optional<int> orientation);

    // Captures `object` (a top-level window, frame included, or a label's picture) and shows the
    // modal print window with the print rectangle at x, y, w × h mm, the orientation to force (1 or
    // 2; another value keeps the printer's), the jobs' title and the scale (0 for none). Without an
    // object the window only chooses the printer.
    void printWindowImage(QWidget *object, int x, int y, int w, int h, int orientation, const QString &title,
                          float scale);

    // Runs once the print window is built and filled, just before it is shown modally; tests
    // look at (and close) the window here.
    std::function<void(PrintSetupWindow &window)> onWindowReady;

private:
    velmo::PrinterService &printers_;
    velmo::Dialogs &dialogs_;
    printing::PrintModuleModel model_;
};

}  // namespace velmo::ui
