#pragma once

#include "printing/printerservice.h"

#include <QStringList>

#include <vector>

namespace velmo::test {

// A printer service that records every job instead of printing.
class FakePrinterService : public PrinterService {
public:
    struct TextJob {
        QString printer;
        QString documentName;
        int pointSize = 0;
        QStringList lines;
        QString pdfFile;
    };

    QStringList printerNames() const override;
    QString defaultPrinterName() const override;
    QString printerInUse() const override { return inUse; }
    void setPrinterInUse(const QString &name) override { inUse = name; }
    PrintOutcome printText(const QString &documentName, int pointSize, const QStringList &lines,
                           const QString &pdfFile) override;

    QStringList installed{QStringLiteral("Ufficio"), QStringLiteral("Laser")};
    QString systemDefault = QStringLiteral("Ufficio");
    QString inUse = QStringLiteral("Ufficio");
    bool failNextJob = false;
    std::vector<TextJob> textJobs;
};

}  // namespace velmo::test
