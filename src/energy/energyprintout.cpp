// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "energy/energyprintout.h"

#include "common/dialogs.h"
#include "common/textprinting.h"
#include "common/userfolder.h"

#include <QDir>

namespace velmo {

QString EnergyPrintout::title(const QString &name)
{
    return tr("Fabbisogno Energetico -  %1").arg(name);
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
                      tr("Anni %1").arg(summary.age),
                      tr("Peso %1 kg").arg(summary.weight),
                      tr("Il tuo Metabolismo Basale è di %1 kcal/giorno").arg(summary.basalMetabolism)};
    if (!summary.activity.isEmpty())
        lines << summary.activity;
    lines << tr("Il tuo livello di Attività Fisica (LAF) è di %1").arg(summary.laf)
          << tr("Il tuo FABBISOGNO ENERGETICO è di %1 kcal/giorno").arg(summary.requirement)
          << tr("Che in una DIETA EQUILIBRATA va così suddiviso:") << tr("%1 g di PROTIDI").arg(summary.grams[0])
          << tr("%1 g di LIPIDI").arg(summary.grams[1]) << tr("%1 g di GLUCIDI").arg(summary.grams[2]) << rule;
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
    return QDir(userFolder(QStandardPaths::DocumentsLocation)).filePath(tr("Fabbisogno Energetico - %1.pdf").arg(safe));
}

QString EnergyPrintout::print(const EnergySummary &summary, const std::function<void(const QString &)> &status)
{
    const QString name = dialogs_.input(tr("Inserisci il tuo NOME"), tr("NOME"),
                                        tr("Accertati di aver inserito i dati prima di stampare."));
    if (summary.age.isEmpty() || summary.weight.isEmpty() || name.trimmed().isEmpty())
        return {};

    QString pdfFile;
    if (printers_.printerInUse() == pdfPrinterName()) {
        // An existing file that the suffix names is asked about, as the one typed is.
        pdfFile = saveFileNameWithSuffix(dialogs_, tr("Salva il fabbisogno energetico in PDF"), proposedPdfPath(name),
                                         tr("File PDF (*.pdf)"), QStringLiteral(".pdf"));
        if (pdfFile.isEmpty())
            return {};  // the user chose not to save
    }

    status(tr("Stampa in corso..."));
    const PrintOutcome outcome = printers_.printText(title(name), 14, lines(summary, name), pdfFile);
    status(QString());

    if (outcome.ok)
        return {};
    return outcome.error.isEmpty() ? tr("La stampa non è riuscita.") : outcome.error;
}

}  // namespace velmo
