#pragma once

#include "printing/printerservice.h"

namespace velmo {

// The printer service on Qt Print Support (CUPS on Linux).
class QtPrinterService : public PrinterService {
public:
    QtPrinterService();

    QStringList printerNames() const override;
    QString defaultPrinterName() const override;
    QString printerInUse() const override;
    void setPrinterInUse(const QString &name) override;
    PrintOutcome printText(const QString &documentName, int pointSize, const QStringList &lines,
                           const QString &pdfFile) override;

private:
    QString printerInUse_;
};

}  // namespace velmo
