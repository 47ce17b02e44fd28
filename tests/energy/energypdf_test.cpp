#include "energy/energywindowmodel.h"
#include "ui/printing/qtprinterservice.h"
#include "support/fakedialogs.h"
#include "support/localeguard.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velmo;
using namespace velmo::test;
using C = EnergyControl;

namespace {

// The summary goes through the real printer service to a PDF file, read back as text.
TEST(EnergyPdf, SummaryPrintedToAPdfFileHoldsItsLines)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    ASSERT_FALSE(pdftotext.isEmpty()) << "pdftotext (poppler-utils) is needed";

    LocaleGuard guard("it_IT");
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    FakeDialogs dialogs;
    QtPrinterService printers;
    printers.setPrinterInUse(pdfPrinterName());
    EnergyWindowModel model(Sex::Female, dialogs, printers);
    model.opened();
    for (QChar c : QStringLiteral("30"))
        model.userEdit(C::Text1, model.ageText() + c);
    for (QChar c : QStringLiteral("60"))
        model.userEdit(C::Text3, model.weightText() + c);
    model.userFocus(C::Option4);
    model.userClickOption(4);
    model.userFocus(C::Option12);
    model.userClickOption(12);

    dialogs.inputAnswers.push_back(QStringLiteral("Maria Rossi"));
    dialogs.saveAnswers.push_back(folder.filePath(QStringLiteral("riepilogo")));
    model.userClickPrint();
    EXPECT_TRUE(dialogs.messageTexts().isEmpty()) << qPrintable(dialogs.messageTexts().join(u'\n'));

    const QString pdf = folder.filePath(QStringLiteral("riepilogo.pdf"));
    ASSERT_TRUE(QFile::exists(pdf));
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    // Text extraction does not keep runs of blanks: compare with blanks collapsed.
    // Ligatures of the PDF font ("ﬁ") are folded back into their letters.
    const QString text = QString::fromUtf8(process.readAllStandardOutput())
                             .normalized(QString::NormalizationForm_KC)
                             .simplified();
    for (const QString &line : model.printLines(QStringLiteral("Maria Rossi"))) {
        if (line.trimmed().isEmpty())
            continue;
        EXPECT_TRUE(text.contains(line.simplified())) << "missing: " << qPrintable(line) << "\n" << qPrintable(text);
    }
    EXPECT_TRUE(text.contains(QStringLiteral("Il tuo FABBISOGNO ENERGETICO è di 2215,64 kcal/giorno")));
    EXPECT_TRUE(text.contains(QStringLiteral("Con una Attività Moderata Con attività fisiche auspicabili")));
}

}  // namespace
