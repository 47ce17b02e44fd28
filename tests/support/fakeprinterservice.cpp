#include "support/fakeprinterservice.h"

namespace velmo::test {

QStringList FakePrinterService::printerNames() const
{
    QStringList names = installed;
    names.append(pdfPrinterName());
    return names;
}

QString FakePrinterService::defaultPrinterName() const
{
    return installed.isEmpty() ? pdfPrinterName() : systemDefault;
}

PrintOutcome FakePrinterService::printText(const QString &documentName, int pointSize, const QStringList &lines,
                                           const QString &pdfFile)
{
    if (failNextJob) {
        failNextJob = false;
        return {false, QStringLiteral("La stampa su \"%1\" non è riuscita.").arg(inUse)};
    }
    textJobs.push_back({inUse, documentName, pointSize, lines, pdfFile});
    return {true, {}};
}

}  // namespace velmo::test
