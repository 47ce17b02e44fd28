// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/printing/module/chosenprinter.h"

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
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return draw(printer, error);
}

}  // namespace velmo
