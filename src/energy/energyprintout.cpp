#include "energy/energyprintout.h"

#include "common/dialogs.h"
#include "common/textprinting.h"
#include "common/userfolder.h"

#include <QDir>

namespace velmo {

QString EnergyPrintout::title(const QString &name)
{
    return QStringLiteral("Fabbisogno Energetico -  ") + name;
}

QStringList EnergyPrintout::lines(const EnergySummary &summary, const QString &name)
{
    const QString rule(67, u'_');
    QStringList lines{QString(),
                      QString(),
                      QString(),
                      rule,
                      title(name),
                      rule,
                      summary.sexLine,
                      QStringLiteral("Anni ") + summary.age,
                      QStringLiteral("Peso ") + summary.weight + QStringLiteral(" kg"),
                      QStringLiteral("Il tuo Metabolismo Basale è di ") + summary.basalMetabolism
                          + QStringLiteral(" kcal/giorno")};
    if (!summary.activity.isEmpty())
        lines << summary.activity;
    lines << QStringLiteral("Il tuo livello di Attività Fisica (LAF) è di ") + summary.laf
          << QStringLiteral("Il tuo FABBISOGNO ENERGETICO è di ") + summary.requirement + QStringLiteral(" kcal/giorno")
          << QStringLiteral("Che in una DIETA EQUILIBRATA va così suddiviso:")
          << summary.grams[0] + QStringLiteral(" g di PROTIDI") << summary.grams[1] + QStringLiteral(" g di LIPIDI")
          << summary.grams[2] + QStringLiteral(" g di GLUCIDI") << rule;
    return lines;
}

QString EnergyPrintout::proposedPdfPath(const QString &name)
{
    // The name becomes part of a file name: characters that no file system accepts are replaced.
    QString safe;
    for (QChar c : name.trimmed()) {
        if (c.unicode() < 32 || QStringLiteral("\\/:*?\"<>|").contains(c))
            safe += u'_';
        else
            safe += c;
    }
    while (safe.endsWith(u'.') || safe.endsWith(u' '))
        safe.chop(1);
    return QDir(userFolder(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("Fabbisogno Energetico - ") + safe + QStringLiteral(".pdf"));
}

QString EnergyPrintout::print(const EnergySummary &summary, const std::function<void(const QString &)> &status)
{
    const QString name = dialogs_.input(QStringLiteral("Inserisci il tuo NOME"), QStringLiteral("NOME"),
                                        QStringLiteral("Accertati di aver inserito i dati prima di stampare."));
    if (summary.age.isEmpty() || summary.weight.isEmpty() || name.trimmed().isEmpty())
        return {};

    QString pdfFile;
    if (printers_.printerInUse() == pdfPrinterName()) {
        pdfFile = dialogs_.saveFileName(QStringLiteral("Salva il fabbisogno energetico in PDF"), proposedPdfPath(name),
                                        QStringLiteral("File PDF (*.pdf)"));
        if (pdfFile.isEmpty())
            return {};  // the user chose not to save
        if (!pdfFile.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
            pdfFile += QStringLiteral(".pdf");
    }

    status(QStringLiteral("Stampa in corso..."));
    const PrintOutcome outcome = printers_.printText(title(name), 14, lines(summary, name), pdfFile);
    status(QString());

    if (outcome.ok)
        return {};
    return outcome.error.isEmpty() ? QStringLiteral("La stampa non è riuscita.") : outcome.error;
}

}  // namespace velmo
