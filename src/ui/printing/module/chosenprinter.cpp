// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/printing/module/chosenprinter.h"

#include "common/userfolder.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace velmo {

QWidget *printDialogOwner()
{
    QWidget *modal = QApplication::activeModalWidget();
    return modal ? modal : QApplication::activeWindow();
}

int printOnChosenPrinterHere(const QString &title, const DrawPages &draw, QString *error)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintDialog dialog(&printer, printDialogOwner());
    dialog.setWindowTitle(title);
    keepFileDialogHistoryPrivate();  // its "..." opens a file dialog, which keeps the folders seen
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    // "Print to file" in the dialog: staged private and whole, as the PDF entry of the printers.
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
        return draw(printer, error);
    const QString chosenFile = printer.outputFileName();
    std::optional<StagedPrivateFile> staged;
    QString reason;
    if (!stagePdf(printer, chosenFile, staged, &reason)) {
        *error = cannotWritePdf(chosenFile, reason);
        return 0;
    }
    const int pages = draw(printer, error);
    if (pages <= 0 || commitPdf(*staged, &reason))
        return pages;
    *error = cannotWritePdf(chosenFile, reason);
    return 0;
}

}  // namespace velmo
