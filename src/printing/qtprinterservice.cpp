#include "printing/qtprinterservice.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace velmo {

QtPrinterService::QtPrinterService() : printerInUse_(defaultPrinterName()) {}

QStringList QtPrinterService::printerNames() const
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.append(pdfPrinterName());
    return names;
}

QString QtPrinterService::defaultPrinterName() const
{
    const QString name = QPrinterInfo::defaultPrinterName();
    if (!name.isEmpty())
        return name;
    const QStringList installed = QPrinterInfo::availablePrinterNames();
    return installed.isEmpty() ? pdfPrinterName() : installed.first();
}

QString QtPrinterService::printerInUse() const
{
    return printerInUse_;
}

void QtPrinterService::setPrinterInUse(const QString &name)
{
    printerInUse_ = name;
}

PrintOutcome QtPrinterService::printText(const QString &documentName, int pointSize, const QStringList &lines,
                                         const QString &pdfFile)
{
    QPrinter printer(QPrinter::HighResolution);
    if (printerInUse_ == pdfPrinterName()) {
        if (pdfFile.isEmpty())
            return {false, QStringLiteral("Nessun file PDF indicato: la stampa non è stata eseguita.")};
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
    } else {
        printer.setPrinterName(printerInUse_);
    }
    printer.setDocName(documentName);
    if (!printer.isValid())
        return {false, QStringLiteral("La stampante \"%1\" non è disponibile.").arg(printerInUse_)};

    QPainter painter;
    if (!painter.begin(&printer))
        return {false, QStringLiteral("Impossibile avviare la stampa su \"%1\".").arg(printerInUse_)};
    QFont font = painter.font();
    font.setPointSize(pointSize);
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const int lineHeight = metrics.lineSpacing();
    const int pageHeight = painter.viewport().height();
    int y = metrics.ascent();
    for (const QString &line : lines) {
        if (y > pageHeight) {
            if (!printer.newPage()) {
                painter.end();
                return {false, QStringLiteral("La stampa si è interrotta.")};
            }
            y = metrics.ascent();
        }
        painter.drawText(0, y, line);
        y += lineHeight;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return {false, QStringLiteral("La stampa su \"%1\" non è riuscita.").arg(printerInUse_)};
    return {true, {}};
}

}  // namespace velmo
