// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace velmo {

// The entry that every printer list offers: output to a PDF file named by the user. A name for
// the user that no setting keeps, so it speaks the interface's language.
inline QString pdfPrinterName()
{
    return QCoreApplication::translate("TextPrinting", "File PDF");
}

struct PrintOutcome {
    bool ok = false;
    QString error;  // for the user, in the interface's language; empty when ok
};

// The printers of the system, the printer in use for the whole run, and text documents: what a
// window needs to print lines of text. The printer service adds the image jobs.
class TextPrinting {
public:
    virtual ~TextPrinting() = default;

    // Installed printers in the system's order, then the PDF file entry.
    virtual QStringList printerNames() const = 0;

    // The system's default printer; the PDF file entry when the system has none.
    virtual QString defaultPrinterName() const = 0;

    // The printer in use; at start the default printer.
    virtual QString printerInUse() const = 0;
    virtual void setPrinterInUse(const QString &name) = 0;

    // Prints `lines` as one text document on the printer in use, each line followed by a new line,
    // at `pointSize`. `pdfFile` names the output when the printer in use is the PDF file entry.
    virtual PrintOutcome printText(const QString &documentName, int pointSize, const QStringList &lines,
                                   const QString &pdfFile) = 0;
};

}  // namespace velmo
