// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "printing/printerservice.h"

#include <QCoreApplication>
#include <QHash>

class QPrinter;

namespace velmo {

// The printer service on Qt Print Support (CUPS on Linux).
class QtPrinterService : public PrinterService {
    Q_DECLARE_TR_FUNCTIONS(QtPrinterService)

public:
    QtPrinterService();

    QStringList printerNames() const override;
    QString defaultPrinterName() const override;
    QString printerInUse() const override;
    void setPrinterInUse(const QString &name) override;
    PrintOutcome printText(const QString &documentName, int pointSize, const QStringList &lines,
                           const QString &pdfFile) override;

    bool openPrinter(const QString &name) override;
    QString openPrinterName() const override;
    PrinterSettings settings() const override;
    void setSettings(const PrinterSettings &settings) override;
    PrintableSheet sheetSize() const override;
    bool showSettingsDialog() override;
    ImageJobResult printImage(const ImageJob &job) override;

private:
    PrinterSettings defaultsFor(const QString &name) const;
    // Points `printer` at the open printer with its settings.
    void configure(QPrinter &printer) const;

    QString printerInUse_;
    QString open_;
    PrinterSettings settings_;
    QHash<QString, PrinterSettings> remembered_;
    // Measuring asks the print system for the printer's description, which is slow; the answer
    // only changes with the printer, the paper and the orientation.
    struct MeasuredFor {
        QString printer;
        QPageSize page;
        int orientation = 0;
        bool operator==(const MeasuredFor &) const = default;
    };
    mutable MeasuredFor measuredFor_;
    mutable PrintableSheet measured_;
};

}  // namespace velmo
