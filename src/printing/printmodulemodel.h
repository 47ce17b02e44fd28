// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/dialogs.h"
#include "printing/printerservice.h"
#include "printing/printroutines.h"
#include "printing/printwindowmodel.h"

#include <QCoreApplication>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace velmo::printing {

// What the print module may be handed to print, as the view sees it.
enum class ObjectKind { Window, PictureBox, Other };

struct PrintObject {
    ObjectKind kind = ObjectKind::Window;
    QString name;     // the object's name; empty when it has none
    int widthPx = 0;  // the object's own drawing width
};

// The print module's arguments for an object: the initial rectangle, the orientation to force (1
// or 2; any other value keeps the printer's), the title of the jobs and the scale (0 for none).
struct PrintArguments {
    MmRect rect;
    int orientation = 0;
    QString title;
    float scale = 0;
};

// The object accepted, with what its print window opens with (the picture is still to be
// captured), or the reason it is refused, for the user.
struct PrintPlan {
    QString refusal;
    PrintRequest request;
};

PrintPlan planPrint(const PrintObject &object, const PrintArguments &arguments);

// The print module's decisions around its window: the sheet it measures for its callers, the
// printer it opens, the objects it accepts and the pictures it prints. Each refusal is told to the
// user; the view captures the picture and shows the window.
class PrintModuleModel {
    Q_DECLARE_TR_FUNCTIONS(PrintModuleModel)

public:
    PrintModuleModel(PrinterService &printers, Dialogs &dialogs);

    // The printable sheet of the printer in use in millimetres, after storing
    // `orientation` (1 portrait, 2 landscape) in its settings; -1 × -1 on failure.
    QSize printableSheet(std::optional<int> orientation);

    // Makes the printer in use the open one, the default printer when none is in use yet. False
    // when there is no printer to print on.
    bool openPrinterInUse();

    // The print window's request for `object`; empty (and said) when the object is refused.
    std::optional<PrintRequest> requestFor(const PrintObject &object, const PrintArguments &arguments);

    // Whether `image`, captured from an object of `kind`, can be printed; when not, both the
    // capture's and the module's failure are said.
    bool acceptCapture(const QImage &image, ObjectKind kind);

private:
    PrinterService &printers_;
    Dialogs &dialogs_;
    PrintRoutines routines_;
};

}  // namespace velmo::printing
