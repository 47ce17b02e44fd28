// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/printing/module/chosenprinter.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace velmo {

int printOnChosenPrinterHere(const QString &title, const DrawPages &draw, QString *error)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    QWidget *owner = QApplication::activeModalWidget();
    QPrintDialog dialog(&printer, owner ? owner : QApplication::activeWindow());
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return draw(printer, error);
}

}  // namespace velmo
