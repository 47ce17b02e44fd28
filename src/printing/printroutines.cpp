// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "printing/printroutines.h"

#include "common/numbertext.h"
#include "common/userfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velmo::printing {

namespace {

// The routine each title names; only the words around it are translated.
// clang-format off
constexpr struct {
    PrintStep step;
    const char *routine;
} kErrorTitles[] = {
    {PrintStep::OpenPrinter, "frmStampaFPB/OpenDocPrinter"},
    {PrintStep::PrintPicture, "frmStampaFPB/Print_FPB"},
    {PrintStep::MeasureSheet, "frmStampaFPB/FoglioStampa"},
    {PrintStep::PrintWindowImage, "frmStampaFPB/StampaFPB"},
    {PrintStep::CaptureWindow, "frmStampaFPB/Legge_Form"},
    {PrintStep::CapturePictureBox, "frmStampaFPB/Legge_PictureBox"},
    {PrintStep::ConfirmScale, "frmStampaFPB/txtScala"},
    {PrintStep::SavePreview, "frmStampaFPB/zLabel1_DblClick"},
    {PrintStep::RedrawPreview, "Preview"},
    {PrintStep::DrawZoom, "Zoom"},
};
// clang-format on

}  // namespace

QString errorTitle(PrintStep step)
{
    for (const auto &entry : kErrorTitles)
        if (entry.step == step)
            return PrintRoutines::tr(" Errore in %1").arg(QLatin1StringView(entry.routine));
    return {};
}

PrintRoutines::PrintRoutines(PrinterService &printers, Dialogs &dialogs) : printers_(printers), dialogs_(dialogs)
{
}

bool PrintRoutines::openDocumentPrinter(const QString &name)
{
    const QString wanted = name.isEmpty() ? printers_.defaultPrinterName() : name;
    if (wanted.isEmpty())
        return false;
    if (!printers_.openPrinter(wanted)) {
        dialogs_.message(tr("Non posso accedere alla stampante richiesta.\n"), errorTitle(PrintStep::OpenPrinter),
                         MessageIcon::Critical);
        return false;
    }
    return true;
}

PrintableSheet PrintRoutines::sheetSize() const
{
    if (printers_.openPrinterName().isEmpty())
        return {};
    return printers_.sheetSize();
}

bool PrintRoutines::showPrinterProperties()
{
    return printers_.showSettingsDialog();
}

bool PrintRoutines::printImage(const MmRect &requested, const QString &title, const QImage &image, int copies)
{
    const PrintableSheet sheet = sheetSize();
    if (!sheet.ok) {
        reportPrintFailure(QStringLiteral("prhDC = 0\n"));
        return false;
    }
    MmRect r = requested;
    if (exceedsSheet(r, sheet.widthMm, sheet.heightMm)) {
        const Answer answer = dialogs_.askYesNoCancel(tr("Le dimensioni di stampa richieste\n"
                                                         "sono superiori a quelle del foglio\n"
                                                         "della stampante selezionata.\n"
                                                         "\n"
                                                         "Posso cambiare la scala?"),
                                                      tr(" Errore di Scala"));
        if (answer == Answer::Cancel)
            return false;
        if (answer == Answer::Yes)
            r = scaleToSheet(r, sheet.widthMm, sheet.heightMm);
    }
    const QRect target = toPrinterPixels(r, {sheet.widthMm, sheet.heightMm}, {sheet.widthPx, sheet.heightPx});
    return printPicture(target, title, image, copies);
}

QStringList PrintRoutines::pdfFilesFor(const QString &title, int copies)
{
    const QString folder = userFolder(QStandardPaths::DocumentsLocation);
    const QString base = title.trimmed().isEmpty() ? QStringLiteral("Velmo") : title.trimmed();
    const QString chosen = dialogs_.saveFileName(
        tr("Stampa su file PDF"), QDir(folder).filePath(base + QStringLiteral(".pdf")), tr("File PDF (*.pdf)"));
    if (chosen.isEmpty())
        return {};
    // Each copy is a job of its own, so each gets a file of its own: "nome.pdf", "nome (2).pdf", …
    const QFileInfo info(chosen);
    const QString stem = info.suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0
                             ? info.dir().filePath(info.completeBaseName())
                             : chosen;
    QStringList files{stem + QStringLiteral(".pdf")};
    for (int copy = 2; copy <= copies; ++copy)
        files.append(QStringLiteral("%1 (%2).pdf").arg(stem, formatPlain(copy, QLocale())));
    // The dialog asked about the name chosen only: the files of the other copies (or the name
    // given a ".pdf") are not replaced without a word.
    QStringList existing;
    for (const QString &file : std::as_const(files))
        if (file != chosen && QFileInfo::exists(file))
            existing.append(QDir::toNativeSeparators(file));
    if (!existing.isEmpty()
        && dialogs_.askYesNoCancel(tr("Esistono già:\n%1\n\nSostituirli?").arg(existing.join(u'\n')),
                                   tr("Stampa su file PDF"))
               != Answer::Yes)
        return {};
    return files;
}

bool PrintRoutines::printPicture(const QRect &target, const QString &title, const QImage &image, int copies)
{
    const bool printerOpen = !printers_.openPrinterName().isEmpty();
    QString failure;
    if (!printerOpen || image.isNull()) {
        failure = QStringLiteral("prhDC = %1\n").arg(formatPlain(printerOpen ? 1 : 0, QLocale()));
    } else if (copies >= 1) {
        QStringList pdfFiles;
        if (printers_.openPrinterName() == pdfPrinterName()) {
            pdfFiles = pdfFilesFor(title, copies);
            if (pdfFiles.isEmpty())
                return false;  // the user cancelled the choice of the file
        }
        // The hourglass only while the jobs run: the question and the file choice before them
        // wait for the user, not the other way round.
        struct Busy {
            const std::function<void(bool)> &notify;
            explicit Busy(const std::function<void(bool)> &n) : notify(n)
            {
                if (notify)
                    notify(true);
            }
            ~Busy()
            {
                if (notify)
                    notify(false);
            }
        } busy(onBusy);
        for (int copy = 1; copy <= copies && failure.isEmpty(); ++copy) {
            const ImageJob job{title, image, target, pdfFiles.value(copy - 1)};
            const ImageJobResult result = printers_.printImage(job);
            if (!result.fileError.isEmpty()) {
                // The file, not the printer: the user needs its name and what to change.
                dialogs_.message(result.fileError, errorTitle(PrintStep::PrintPicture), MessageIcon::Critical);
                return false;
            }
            if (!result.documentStarted) {
                failure = tr("Errore di StartDoc.\n");
            } else if (!result.ok()) {
                const QLocale locale;
                failure = tr("Stampa interrotta.\nR1 = %1\nR2 = %2\nR3 = %3\nR4 = %4\n")
                              .arg(formatPlain(result.pageStarted, locale), formatPlain(result.linesDrawn, locale),
                                   formatPlain(result.pageEnded, locale), formatPlain(result.documentEnded, locale));
            }
        }
    } else {
        return false;
    }
    if (failure.isEmpty())
        return true;
    reportPrintFailure(failure);
    return false;
}

void PrintRoutines::reportPrintFailure(const QString &collected)
{
    dialogs_.message(collected
                         + tr("La funzione di Stampa\n"
                              "ha trovato una situazione imprevista.\n"
                              "\n"
                              "Codice di errore = 482\n"
                              "Errore della stampante"),
                     errorTitle(PrintStep::PrintPicture), MessageIcon::Critical);
}

std::optional<QImage> PrintRoutines::drawPreview(const QImage &image, bool monochrome, QSize box, const QRect &target)
{
    if (image.isNull() || box.isEmpty())
        return std::nullopt;
    return drawInBox(monochrome ? greyed(image) : image, box, target);
}

}  // namespace velmo::printing
