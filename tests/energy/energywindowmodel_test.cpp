// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "windowmodelfixture.h"

#include "support/homeguard.h"
#include "support/tablecase.h"

#include <QDir>
#include <QTemporaryDir>

using namespace velmo;
using namespace velmo::test;
using C = EnergyControl;

namespace {

class EnergyWindowModelTest : public WindowModelTest {};

const QString kNoAge = QStringLiteral("Non hai messo gli anni!!");
const QString kNoWeight = QStringLiteral("Non hai messo il peso!!");
const QString kNoActivity = QStringLiteral("Non hai scelto l'attività");
const QString kBelowTen = QStringLiteral(
    "In questo caso essendo minore di 10 anni, viene calcolato il solo Metabolismo Basale");
const QString kTooOld = QStringLiteral("Gli anni devono essere al massimo 120: il fabbisogno non è calcolato.");
const QString kTooHeavy = QStringLiteral("Il peso deve essere al massimo di 350 kg: il fabbisogno non è calcolato.");
const QList<int> kAll{3, 4, 5, 12, 11};
const char *const kZero = "0.00 0.00 0.00";

// Texts with a point for the decimal separator; `grams`: the three, blank-separated, "" when none is shown.
struct ScriptCase {
    int line;
    Sex sex;
    const char *script;
    C focus;
    const char *weight, *basal, *laf, *requirement, *grams;
    QList<int> enabled, selected;
    QStringList messages;
};

// The window's rules for focus, buttons, messages and shown figures, one user session a line.
TEST_P(EnergyWindowModelTest, UserSessions)
{
    constexpr Sex F = Sex::Female, M = Sex::Male;
    // clang-format off
    const ScriptCase cases[] = {
        {__LINE__, F, "", C::AgeBox, "", "", "", "", kZero, kAll, {}, {}},
        {__LINE__, M, "a3", C::AgeBox, "", "", "", "", kZero, kAll, {}, {}},
        {__LINE__, F, "a35", C::WeightBox, "", "", "", "", kZero, kAll, {}, {}},
        // What the age leaves to choose.
        {__LINE__, F, "a12", C::WeightBox, "", "", "1.55", "", kZero, {}, {}, {}},
        {__LINE__, F, "a08 w25", C::WeightBox, "25", "992.5", "", "", kZero, {}, {}, {kBelowTen}},
        {__LINE__, F, "a65 w60", C::WeightBox, "60", "1240", "", "", kZero, {3, 12, 11}, {3}, {}},
        // A weight pasted whole: from sixty the activity is light all the same.
        {__LINE__, F, "a65 f3 e3=100 c5 c11 c4", C::WithoutRecommendedOption, "100", "1608", "1.44", "2315.52", "57.89 64.32 376.27", {3, 12, 11}, {3, 11}, {}},
        {__LINE__, F, "a30 w60", C::WeightBox, "60", "1351", "", "", kZero, kAll, {}, {}},
        {__LINE__, F, "a12 w40 f1 f3 w40", C::WeightBox, "40", "1229", "1.55", "1904.95", "71.44 63.50 261.93", {}, {}, {}},
        {__LINE__, F, "a12 c4", C::WeightBox, "", "", "1.55", "", kZero, {}, {}, {}},
        // Another activity keeps the column, another column keeps the activity.
        {__LINE__, M, "a25 w70 c3 c12", C::WithRecommendedOption, "70", "1750", "1.55", "2712.5", "67.81 75.35 440.78", kAll, {3, 12}, {}},
        {__LINE__, M, "a25 w70 c3 c12 c5", C::HeavyActivityOption, "70", "1750", "2.1", "3675", "91.88 102.08 597.19", kAll, {5, 12}, {}},
        {__LINE__, M, "a25 w70 c3 c12 c5 c11", C::WithoutRecommendedOption, "70", "1750", "2.01", "3517.5", "87.94 97.71 571.59", kAll, {5, 11}, {}},
        // The weight: a leading zero when left, halves rounded to even, edits recomputed at once.
        {__LINE__, F, "a15 w7 f2", C::RequirementBox, "07", "786.8", "1.5", "1180.2", "44.26 39.34 162.28", {}, {}, {}},
        {__LINE__, F, "a30 w64.5", C::WeightBox, "64.5", "1385.8", "", "", kZero, kAll, {}, {}},
        {__LINE__, F, "a30 w65.5", C::WeightBox, "65.5", "1403.2", "", "", kZero, kAll, {}, {}},
        {__LINE__, F, "a30 w60 c4 c12 e3=6", C::WithRecommendedOption, "6", "881.2", "1.64", "1445.168", "36.13 40.14 234.84", kAll, {4, 12}, {}},
        {__LINE__, F, "a30 w60 c4 c12 e3=", C::WithRecommendedOption, "", "", "1.64", "", kZero, kAll, {4, 12}, {}},
        {__LINE__, F, "a30 w0 c4 c12", C::WithRecommendedOption, "00", "", "1.64", "", kZero, kAll, {4, 12}, {}},
        {__LINE__, F, "a30 w0.4 c4 c12", C::WithRecommendedOption, "0.4", "", "1.64", "", kZero, kAll, {4, 12}, {}},
        // Past the tables' ages and weights no figure is given, and the user is told on leaving the box.
        {__LINE__, F, "a99999 w60", C::WeightBox, "60", "", "", "", kZero, kAll, {}, {}},
        {__LINE__, F, "a30 f1 a4 w60", C::WeightBox, "60", "", "", "", kZero, {3, 12, 11}, {3}, {kTooOld}},  // "4" after the caret
        {__LINE__, M, "a30 w350", C::WeightBox, "350", "4939", "", "", kZero, kAll, {}, {}},
        {__LINE__, F, "a30 w351 c4 c12", C::WithRecommendedOption, "351", "", "1.64", "", kZero, kAll, {4, 12}, {kTooHeavy}},
        // Back in the age box: everything of the last person is cleared.
        {__LINE__, F, "a30 w60 c4 c12 f1", C::AgeBox, "", "", "", "", "0.00 0.00 0.00", kAll, {}, {}},
        // A requirement typed by hand is split, unless no age is known.
        {__LINE__, M, "a18 w70 r2000", C::RequirementBox, "70", "1750", "", "2000", "50.00 55.56 325.00", kAll, {}, {}},
        {__LINE__, F, "a30 w60 c4 c12 f1 e1= r2000", C::RequirementBox, "", "", "", "2000", "", kAll, {}, {}},
        // Boxes left empty send the user back with a message.
        {__LINE__, F, "f3", C::AgeBox, "", "", "", "", kZero, kAll, {}, {kNoAge}},
        {__LINE__, F, "a40 f1 o4", C::WeightBox, "", "", "", "", kZero, kAll, {}, {kNoWeight}},
        {__LINE__, F, "a40 w80 c12", C::WeightBox, "80", "1525", "", "", kZero, kAll, {}, {kNoActivity}},
        // The activity message moves to the weight box, which asks for the age again.
        {__LINE__, F, "o11", C::AgeBox, "", "", "", "", kZero, kAll, {}, {kNoAge, kNoActivity, kNoAge}},
    };
    // clang-format on
    for (const ScriptCase &c : cases) {
        VELMO_CASE(c);
        dialogs.clear();
        play(c.sex, c.script);
        EXPECT_EQ(model->focus(), c.focus);
        EXPECT_EQ(model->weightText(), loc(c.weight));
        EXPECT_EQ(model->basalMetabolismCaption(), loc(c.basal));
        EXPECT_EQ(model->lafCaption(), loc(c.laf));
        EXPECT_EQ(model->requirementText(), loc(c.requirement));
        const QStringList shownGrams = grams();
        EXPECT_EQ(shownGrams.join(u' ').trimmed(), loc(c.grams));
        for (int i = 0; i < 3; ++i)  // the chart shows the rounded grams
            EXPECT_DOUBLE_EQ(model->chartValue(i + 1), QLocale().toDouble(shownGrams[i]));
        QList<int> enabled, selected;
        for (const EnergyOption &o : EnergyWindowModel::kOptions) {
            if (model->optionEnabled(o.number))
                enabled << o.number;
            if (model->optionSelected(o.number))
                selected << o.number;
        }
        EXPECT_EQ(enabled, c.enabled);
        EXPECT_EQ(selected, c.selected);
        EXPECT_EQ(dialogs.messageTexts(), c.messages);
        for (const auto &shown : dialogs.shown) {
            const bool notice = shown.text == kBelowTen;
            EXPECT_EQ(shown.title, notice ? QStringLiteral("Informazione") : QStringLiteral("Attenzione"));
            EXPECT_EQ(shown.icon, notice ? MessageIcon::Information : MessageIcon::Critical);
        }
    }
}

TEST_P(EnergyWindowModelTest, BoxesAcceptOnlyNumbers)
{
    // The text with the locale's separator written as a point, "#" the other separator.
    // clang-format off
    // `taken`: what the box holds after the edit; none: refused.
    const struct { int line; C box; const char *text; bool accepted; const char *taken; } cases[] = {
        {__LINE__, C::AgeBox, "35", true, "35"},    {__LINE__, C::AgeBox, "", true, ""},
        {__LINE__, C::AgeBox, "-3", false, nullptr},   {__LINE__, C::AgeBox, " 3", false, nullptr},
        {__LINE__, C::WeightBox, "60", true, "60"},    {__LINE__, C::WeightBox, "60.5", true, "60.5"},
        {__LINE__, C::WeightBox, "6.0.1", false, nullptr}, {__LINE__, C::WeightBox, "60#5", false, "60.5"},
        {__LINE__, C::WeightBox, "6#0#1", false, nullptr}, {__LINE__, C::WeightBox, "6.0#1", false, nullptr},
        {__LINE__, C::RequirementBox, "2000.5", true, "2000.5"}, {__LINE__, C::RequirementBox, "2#000", false, nullptr},
        {__LINE__, C::RequirementBox, "abc", false, nullptr},
    };
    // clang-format on
    open(Sex::Female);
    const QString other = QLocale().decimalPoint() == QStringLiteral(",") ? QStringLiteral(".") : QStringLiteral(",");
    for (const auto &c : cases) {
        VELMO_CASE(c);
        QString text = loc(c.text);
        text.replace(u'#', other);
        EXPECT_EQ(model->acceptsText(c.box, text), c.accepted) << qPrintable(text);
        // A refused edit leaves the box as it was.
        const QString before = model->text(c.box);
        EXPECT_EQ(model->userEdit(c.box, text), c.taken != nullptr) << qPrintable(text);
        EXPECT_EQ(model->text(c.box), c.taken ? loc(c.taken) : before);
    }
}

// The emptied weight box leaves no weight behind, and the LAF of the last person is not offered to
// the next; closing and reopening keeps the members but empties the boxes.
TEST_P(EnergyWindowModelTest, MembersAfterRefocusingTheAgeAndReopening)
{
    play(Sex::Female, "a30 w60 c4 c12 f1");
    EXPECT_EQ(model->ageMember(), std::optional<qint16>(30));
    EXPECT_FALSE(model->weightMember().has_value() || model->lafMember().has_value());
    play(Sex::Male, "a40 w75");
    model->closed();
    model->opened();
    EXPECT_EQ(model->focus(), C::AgeBox);
    EXPECT_TRUE(model->ageText().isEmpty() && model->basalMetabolismCaption().isEmpty());
    EXPECT_EQ(model->ageMember(), std::optional<qint16>(40));
    EXPECT_EQ(model->weightMember(), std::optional<qint16>(75));
    ASSERT_TRUE(model->basalMember().has_value());
    EXPECT_EQ(model->basalMember()->toText(QLocale()), loc("1749"));
}

// What differs between the windows: the age box's selection on refocus, the heading, the tooltips
// and the split captions.
TEST_P(EnergyWindowModelTest, WindowsDifferBySex)
{
    // clang-format off
    const struct { int line; Sex sex; int selStart, selLength; const char *heading; bool tooltips, splits; } cases[] = {
        {__LINE__, Sex::Female, 2, 0, "Adulta (Da 18 anni in su)", true, true},
        {__LINE__, Sex::Male, 0, 2, "Adulto (Da 18 anni in su)", false, false},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        open(c.sex);
        EXPECT_EQ(model->adultHeading(), QString::fromUtf8(c.heading));
        EXPECT_EQ(model->recommendedTooltipOnButtons(), c.tooltips);
        EXPECT_EQ(model->adultSplitVisible(), c.splits);
        EXPECT_EQ(model->adolescentSplitVisible(), c.splits);
        type(C::AgeBox, "35");
        model->userFocus(C::AgeBox);
        EXPECT_EQ(model->ageSelectionStart(), c.selStart);
        EXPECT_EQ(model->ageSelectionLength(), c.selLength);
    }
}

// --- Printing ---

const QString kRule = QString(67, u'_');

TEST_P(EnergyWindowModelTest, PrintsTheEighteenLines)
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
    const QString expected = QStringLiteral(
                                 "\n\n\n%1\nFabbisogno Energetico -  Maria\n%1\nSesso Femmina \nAnni 30\nPeso 60 kg\n"
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

// The chosen pair has a line of its own; without a choice (activity 0, as below eighteen), the
// LAF follows the weight.
TEST_P(EnergyWindowModelTest, LineElevenNamesTheSelectedPair)
{
    // clang-format off
    const struct { int line; const char *age; int activity, recommended; const char *expected; } cases[] = {
        {__LINE__, "40", 3, 12, "Con una Attività Leggera Con attività fisiche auspicabili"},
        {__LINE__, "40", 3, 11, "Con una Attività Leggera Senza le attività fisiche auspicabili"},
        {__LINE__, "40", 4, 11, "Con una Attività Moderata Senza le attività fisiche auspicabili"},
        {__LINE__, "40", 5, 12, "Con una Attività Pesante Con attività fisiche auspicabili"},
        {__LINE__, "40", 5, 11, "Con una Attività Pesante Senza le attività fisiche auspicabili"},
        {__LINE__, "15", 0, 0, "Il tuo livello di Attività Fisica (LAF) è di 1.58"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        open(Sex::Male);
        type(C::AgeBox, c.age);
        type(C::WeightBox, "70");
        for (int option : {c.activity, c.recommended})
            if (option)
                click(option);
        const QStringList lines = model->printLines(QStringLiteral("X"));
        ASSERT_EQ(lines.size(), c.activity ? 18 : 17);
        EXPECT_EQ(lines[6], QStringLiteral("Sesso Maschio"));
        EXPECT_EQ(lines[10], loc(c.expected));
    }
}

// A cancelled or blank name, or data missing, stop the print silently; a failed print is told.
TEST_P(EnergyWindowModelTest, PrintStopsSilentlyOrReportsItsFailure)
{
    play(Sex::Female, "a30 w60 c4 c12");
    model->userClickPrint();  // Cancel
    dialogs.inputAnswers.push_back(QStringLiteral("   "));
    model->userClickPrint();
    model->userFocus(C::AgeBox);  // empties the weight
    dialogs.inputAnswers.push_back(QStringLiteral("Maria"));
    model->userClickPrint();
    EXPECT_TRUE(printers.textJobs.empty());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());

    play(Sex::Female, "a30 w60 c4 c12");
    printers.failNextJob = true;
    dialogs.inputAnswers.push_back(QStringLiteral("Maria"));
    model->userClickPrint();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("La stampa su \"Ufficio\" non è riuscita.")});
    EXPECT_TRUE(model->printStatus().isEmpty());
}

TEST_P(EnergyWindowModelTest, WithoutAPrinterTheUserNamesAPdfFile)
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

    // A file that the suffix names is not replaced unasked: "No" asks for another name.
    QFile earlier(QDir(home.path()).filePath(QStringLiteral("referto.pdf")));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.close();
    dialogs.inputAnswers.push_back(QStringLiteral("Maria"));
    dialogs.saveAnswers = {QDir(home.path()).filePath(QStringLiteral("referto")),
                           QDir(home.path()).filePath(QStringLiteral("nuovo"))};
    dialogs.questionAnswers = {Answer::No};
    model->userClickPrint();
    ASSERT_EQ(printers.textJobs.size(), 2u);
    EXPECT_EQ(printers.textJobs[1].pdfFile, QDir(home.path()).filePath(QStringLiteral("nuovo.pdf")));
}

TEST_P(EnergyWindowModelTest, NameIsMadeSafeForTheProposedFile)
{
    const QString path = EnergyPrintout::proposedPdfPath(QStringLiteral(" Anna/Maria: \"B\"?. "));
    EXPECT_TRUE(path.endsWith(QStringLiteral("/Fabbisogno Energetico - Anna_Maria_ _B__.pdf"))) << qPrintable(path);
}

INSTANTIATE_TEST_SUITE_P(Locales, EnergyWindowModelTest, ::testing::Values("it_IT", "en_US"));

}  // namespace
