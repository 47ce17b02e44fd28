// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "printing/systemprinters.h"

#include "common/programdir.h"

#include <QCoreApplication>

namespace velmo {

namespace {

class RefusingPrinterService : public PrinterService {
public:
    explicit RefusingPrinterService(QString reason) : reason_(std::move(reason)) {}

    QStringList printerNames() const override { return {pdfPrinterName()}; }
    QString defaultPrinterName() const override { return pdfPrinterName(); }
    QString printerInUse() const override { return inUse_; }
    void setPrinterInUse(const QString &name) override { inUse_ = name; }
    PrintOutcome printText(const QString &, int, const QStringList &, const QString &) override
    {
        return {false, reason_};
    }
    bool openPrinter(const QString &) override { return false; }
    QString openPrinterName() const override { return {}; }
    PrinterSettings settings() const override { return {}; }
    void setSettings(const PrinterSettings &) override {}
    PrintableSheet sheetSize() const override { return {}; }
    bool showSettingsDialog() override { return false; }
    ImageJobResult printImage(const ImageJob &) override { return {}; }

private:
    QString reason_;
    QString inUse_ = pdfPrinterName();
};

// The module's function `symbol`, or null with what the user is to do.
QFunctionPointer printSupport(const char *symbol, QString *error)
{
    QString reasons;
    const QFunctionPointer function = programModuleFunction(QStringLiteral("velmo_printsupport"), symbol, &reasons);
    if (!function && error)
        *error = QCoreApplication::translate("SystemPrinters",
                                             "impossibile caricare la stampa (%1): reinstallare Velmo con Qt Print "
                                             "Support (libqt6printsupport6)")
                     .arg(reasons);
    return function;
}

}  // namespace

std::unique_ptr<PrinterService> newRefusingPrinterService(const QString &reason)
{
    return std::make_unique<RefusingPrinterService>(reason);
}

std::unique_ptr<PrinterService> newSystemPrinterService(QString *error)
{
    QString why;
    if (const auto make = reinterpret_cast<VelmoNewPrinterService>(printSupport(kNewPrinterServiceSymbol, &why)))
        return std::unique_ptr<PrinterService>(make());
    if (error)
        *error = why;
    return newRefusingPrinterService(why);
}

int printOnChosenPrinter(const QString &title, const DrawPages &draw, QString *error)
{
    const auto print = reinterpret_cast<VelmoPrintOnChosenPrinter>(printSupport(kPrintOnChosenPrinterSymbol, error));
    return print ? print(&title, &draw, error) : 0;
}

}  // namespace velmo
