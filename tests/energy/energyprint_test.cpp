#include "windowmodelfixture.h"
#include "support/tablecase.h"

#include "support/homeguard.h"

#include <QDir>
#include <QTemporaryDir>

using namespace velmo;
using namespace velmo::test;
using C = EnergyControl;

namespace {

class EnergyPrintTest : public WindowModelTest {};

const QString kRule = QString(67, u'_');

TEST_P(EnergyPrintTest, PrintsTheEighteenLines)
{
    play(Sex::Female, "a30 w60 c4 c12");
    dialogs.inputAnswers.push_back(QStringLiteral("Maria"));
    QStringList statuses;
    QObject::connect(model.get(), &EnergyWindowModel::controlChanged, [&](C c) {
        if (c == C::PrintStatus)
            statuses << model->printStatus();
    });
    model->userClickPrint();

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Inserisci il tuo NOME"));
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("NOME"));
    EXPECT_EQ(dialogs.shown[0].prefilled, QStringLiteral("Accertati di aver inserito i dati prima di stampare."));
    ASSERT_EQ(printers.textJobs.size(), 1u);
    const auto &job = printers.textJobs[0];
    EXPECT_EQ(job.pointSize, 14);
    EXPECT_EQ(job.documentName, QStringLiteral("Fabbisogno Energetico -  Maria"));
    const QString expected = QStringLiteral("\n\n\n%1\nFabbisogno Energetico -  Maria\n%1\nSesso Femmina \nAnni 30\nPeso 60 kg\n"
                                            "Il tuo Metabolismo Basale è di 1351 kcal/giorno\n"
                                            "Con una Attività Moderata Con attività fisiche auspicabili\n"
                                            "Il tuo livello di Attività Fisica (LAF) è di 1.64\n"
                                            "Il tuo FABBISOGNO ENERGETICO è di 2215.64 kcal/giorno\n"
                                            "Che in una DIETA EQUILIBRATA va così suddiviso:\n"
                                            "55.39 g di PROTIDI\n61.55 g di LIPIDI\n360.04 g di GLUCIDI\n%1")
                                 .arg(kRule);
    EXPECT_EQ(job.lines.join(u'\n'), QString(expected).replace(u'.', QLocale().decimalPoint()));
    EXPECT_EQ(statuses, QStringList({QStringLiteral("Stampa in corso..."), QString()}));
    EXPECT_TRUE(model->printStatus().isEmpty());
}

// Activity 0: no choice, as below eighteen; the expected line eleven with a point for the decimal separator.
// clang-format off
struct PairCase { int line; const char *age; int activity; int recommended; const char *expected; };
// clang-format on

// The chosen pair has a line of its own; without a choice, the LAF follows the weight.
TEST_P(EnergyPrintTest, LineElevenNamesTheSelectedPair)
{
    // clang-format off
    const PairCase cases[] = {
        {__LINE__, "40", 3, 12, "Con una Attività Leggera Con attività fisiche auspicabili"},
        {__LINE__, "40", 3, 11, "Con una Attività Leggera Senza le attività fisiche auspicabili"},
        {__LINE__, "40", 4, 11, "Con una Attività Moderata Senza le attività fisiche auspicabili"},
        {__LINE__, "40", 5, 12, "Con una Attività Pesante Con attività fisiche auspicabili"},
        {__LINE__, "40", 5, 11, "Con una Attività Pesante Senza le attività fisiche auspicabili"},
        {__LINE__, "15", 0, 0, "Il tuo livello di Attività Fisica (LAF) è di 1.58"},
    };
    // clang-format on
    for (const PairCase &c : cases) {
        VELMO_CASE(c);
        open(Sex::Male);
        type(C::Text1, c.age);
        type(C::Text3, "70");
        for (int option : {c.activity, c.recommended})
            if (option)
                click(option);
        const QStringList lines = model->printLines(QStringLiteral("X"));
        ASSERT_EQ(lines.size(), c.activity ? 18 : 17);
        EXPECT_EQ(lines[6], QStringLiteral("Sesso Maschio"));
        EXPECT_EQ(lines[10], loc(c.expected));
    }
}

TEST_P(EnergyPrintTest, StopsSilentlyOnCancelOrMissingData)
{
    play(Sex::Female, "a30 w60 c4 c12");
    model->userClickPrint();  // Cancel
    dialogs.inputAnswers.push_back(QStringLiteral("   "));
    model->userClickPrint();
    model->userFocus(C::Text1);  // empties the weight
    dialogs.inputAnswers.push_back(QStringLiteral("Maria"));
    model->userClickPrint();
    EXPECT_TRUE(printers.textJobs.empty());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
    EXPECT_TRUE(model->printStatus().isEmpty());
}

TEST_P(EnergyPrintTest, FailedPrintIsReported)
{
    play(Sex::Female, "a30 w60 c4 c12");
    printers.failNextJob = true;
    dialogs.inputAnswers.push_back(QStringLiteral("Maria"));
    model->userClickPrint();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("La stampa su \"Ufficio\" non è riuscita.")});
    EXPECT_TRUE(model->printStatus().isEmpty());
}

TEST_P(EnergyPrintTest, WithoutAPrinterTheUserNamesAPdfFile)
{
    const QTemporaryDir home;
    const HomeGuard guard(home.path());
    play(Sex::Female, "a30 w60 c4 c12");
    printers.inUse = pdfPrinterName();
    dialogs.inputAnswers.push_back(QStringLiteral("Maria"));
    dialogs.saveAnswers.push_back(QStringLiteral("/tmp/riepilogo"));
    model->userClickPrint();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    const auto &save = dialogs.shown[1];
    EXPECT_EQ(save.kind, FakeDialogs::Shown::Kind::SaveFile);
    // This home has no Documents folder: the file is proposed in the home folder itself.
    EXPECT_EQ(save.prefilled, QDir(home.path()).filePath(QStringLiteral("Fabbisogno Energetico - Maria.pdf")));
    ASSERT_EQ(printers.textJobs.size(), 1u);
    EXPECT_EQ(printers.textJobs[0].pdfFile, QStringLiteral("/tmp/riepilogo.pdf"));

    // Cancelling the save dialog prints nothing and says nothing.
    dialogs.inputAnswers.push_back(QStringLiteral("Maria"));
    model->userClickPrint();
    EXPECT_EQ(printers.textJobs.size(), 1u);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST_P(EnergyPrintTest, NameIsMadeSafeForTheProposedFile)
{
    const QString path = EnergyWindowModel::proposedPdfPath(QStringLiteral(" Anna/Maria: \"B\"?. "));
    EXPECT_TRUE(path.endsWith(QStringLiteral("/Fabbisogno Energetico - Anna_Maria_ _B__.pdf"))) << qPrintable(path);
}

INSTANTIATE_TEST_SUITE_P(Locales, EnergyPrintTest, ::testing::Values("it_IT", "en_US"));

}  // namespace
