// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "energy/cli/fabbisognocli.h"
#include "windowmodelfixture.h"

#include "support/localeguard.h"
#include "support/tablecase.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace velmo;
using namespace velmo::test;
using C = EnergyControl;

namespace {

// clang-format off
struct Outcome { int code = -1; QString out, err; };
// clang-format on

Outcome run(const QString &arguments, const QLocale &locale)
{
    Outcome r;
    QTextStream out(&r.out), err(&r.err);
    r.code = runEnergyCalculator(arguments.split(u' ', Qt::SkipEmptyParts), out, err, locale);
    return r;
}

// `italianOutput`: nullptr where the figures are left to the agreement with the window; `note`:
// what the calculator left out of the arguments, said on the error stream ("": nothing).
// clang-format off
struct GoodCase { int line; const char *arguments; const char *italianOutput; const char *note; };
// clang-format on

TEST(EnergyCalculator, GoodInvocationsPrintWhatTheWindowShows)
{
    // clang-format off
    const GoodCase cases[] = {
        {__LINE__, "--sesso F --anni 30 --peso 60 --attivita moderata --auspicabili si",
         "Metabolismo Basale = 1351 kcal\nLivello di Attività Fisica (LAF) = 1,64\nFabbisogno Energetico = 2215,64 kcal\n"
         "Adulta (Da 18 anni in su)\n55,39 g di PROTIDI\n61,55 g di LIPIDI\n360,04 g di GLUCIDI\n", ""},
        {__LINE__, "--sesso=M --anni=40 --peso=75 --attivita=Moderata --auspicabili=si", nullptr, ""},
        {__LINE__, "--sesso F --anni 65 --peso 60 --auspicabili no", nullptr, ""},
        {__LINE__, "--sesso F --anni 8 --peso 25", "Metabolismo Basale = 992,5 kcal\n", "In questo caso essendo minore di 10 anni"},
        {__LINE__, "--sesso M --anni 70 --peso 70 --attivita pesante --auspicabili si", nullptr, "sempre leggera"},
        {__LINE__, "--sesso M --anni 70 --peso 70 --attivita leggera --auspicabili si", nullptr, ""},
        {__LINE__, "--sesso F --anni 15 --peso 50 --attivita pesante", nullptr, "sotto i 18 anni le opzioni di attività non contano"},
        {__LINE__, "--sesso F --anni 15 --peso 50 --auspicabili no", nullptr, "sotto i 18 anni le opzioni di attività non contano"},
        {__LINE__, "--sesso F --anni 15 --peso 50", nullptr, ""},
        {__LINE__, "--sesso M --anni 120 --peso 350 --auspicabili no", nullptr, ""},  // the largest accepted
        {__LINE__, "--sesso M --anni 0 --peso 0.6", nullptr, "minore di 10 anni"},  // 1 kg
    };
    // clang-format on
    for (const GoodCase &c : cases) {
        VELMO_CASE(c);
        for (const QLocale &locale : {italian(), english()}) {
            const Outcome r = run(QString::fromUtf8(c.arguments), locale);
            EXPECT_EQ(r.code, 0) << qPrintable(r.err);
            EXPECT_TRUE(*c.note ? r.err.contains(QString::fromUtf8(c.note)) : r.err.isEmpty()) << qPrintable(r.err);
            if (c.italianOutput) {  // the English output has its decimal point
                EXPECT_EQ(r.out, QString::fromUtf8(c.italianOutput).replace(u',', locale.decimalPoint()));
            }
        }
    }
}

TEST(EnergyCalculator, CsvLineWithHeader)
{
    const Outcome r = run(QStringLiteral("--sesso M --anni 40 --peso 75 --attivita moderata --auspicabili si --csv"),
                          italian());
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out,
              QStringLiteral("sesso,anni,peso_kg,attivita,auspicabili,metabolismo_basale_kcal,laf,fabbisogno_kcal,"
                             "protidi_g,lipidi_g,glucidi_g\r\n"
                             "M,40,75,moderata,si,1749,\"1,78\",\"3113,22\",\"77,83\",\"86,48\",\"505,90\"\r\n"));
    const Outcome child = run(QStringLiteral("--csv --sesso F --anni 8 --peso 25"), english());
    EXPECT_TRUE(child.out.endsWith(QStringLiteral("F,8,25,,,992.5,,,,,\r\n"))) << qPrintable(child.out);
}

TEST(EnergyCalculator, BadInvocationsExplainAndExitWithTwo)
{
    // clang-format off
    const struct { int line; const char *arguments, *reason; QLocale locale = italian(); } cases[] = {
        {__LINE__, "", "Manca l'opzione --sesso."},
        {__LINE__, "--sesso F --anni 30", "Manca l'opzione --peso."},
        {__LINE__, "--sesso X --anni 30 --peso 60", "Valore non valido per --sesso: \"X\""},
        {__LINE__, "--sesso F --anni trenta --peso 60", "Valore non valido per --anni: \"trenta\""},
        {__LINE__, "--sesso F --anni 99999 --peso 60", "Valore non valido per --anni: \"99999\""},
        {__LINE__, "--sesso F --anni 30 --peso 6,0,1", "Valore non valido per --peso: \"6,0,1\""},
        {__LINE__, "--sesso F --anni 121 --peso 60 --auspicabili no", "Età non accettata: --anni \"121\" vale 121 anni; l'età va da 0 a 120 anni."},
        {__LINE__, "--sesso F --anni 1,000 --peso 60 --auspicabili no", "--anni \"1,000\" vale 1000 anni", english()},
        {__LINE__, "--sesso F --anni 8 --peso 0", "Peso non accettato: --peso \"0\" vale 0 kg; il peso va da 1 a 350 kg."},
        {__LINE__, "--sesso F --anni 8 --peso 0.4", "--peso \"0.4\" vale 0 kg"},
        {__LINE__, "--sesso F --anni 8 --peso 350,6", "--peso \"350,6\" vale 351 kg"},
        {__LINE__, "--sesso F --anni 8 --peso 32767", "--peso \"32767\" vale 32767 kg"},
        {__LINE__, "--sesso F --anni 8 --peso 1.000", "--peso \"1.000\" vale 1000 kg"},
        {__LINE__, "--sesso F --anni 8 --peso 1,000", "--peso \"1,000\" vale 1000 kg", english()},
        {__LINE__, "--sesso F --anni 8 --peso 1,000", "Valore non valido per --peso: \"1,000\""},
        {__LINE__, "--sesso F --anni 30 --peso", "Manca il valore di --peso."},
        {__LINE__, "--sesso F --anni --peso 60", "Manca il valore di --anni."},
        {__LINE__, "--sesso F --anni 30 --peso 60 --attivita --auspicabili no", "Manca il valore di --attivita."},
        {__LINE__, "--sesso F --anni 30 --peso 60", "Dai 18 ai 59 anni servono --attivita e --auspicabili."},
        {__LINE__, "--sesso F --anni 30 --peso 60 --attivita moderata", "Dai 18 ai 59 anni servono"},
        {__LINE__, "--sesso F --anni 59 --peso 60 --auspicabili si", "Dai 18 ai 59 anni servono"},
        {__LINE__, "--sesso F --anni 30 --peso 60 --attivita tanta --auspicabili si", "Valore non valido per --attivita"},
        {__LINE__, "--sesso F --anni 30 --peso 60 --attivita leggera --auspicabili forse", "Valore non valido per --auspicabili"},
        {__LINE__, "--sesso F --anni 70 --peso 60", "Dai 60 anni in su serve --auspicabili"},
        {__LINE__, "--sesso F --sesso M --anni 30 --peso 60", "--sesso è indicato più di una volta."},
        {__LINE__, "--sesso F --anni 30 --peso 60 extra", "Argomento non riconosciuto: \"extra\"."},
        {__LINE__, "--csv=si --sesso F --anni 8 --peso 25", "Argomento non riconosciuto: \"--csv=si\"."},
        {__LINE__, "--sesso F --sesso M extra -hh", "--sesso è indicato più di una volta."},  // the first fault named
        {__LINE__, "--sesso F --anni 8 --peso 25 --", "Argomento non riconosciuto: \"--\"."},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const Outcome r = run(QString::fromUtf8(c.arguments), c.locale);
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.reason))) << qPrintable(r.err);
        EXPECT_TRUE(r.err.contains(QStringLiteral("--help")));
    }
}

// The built program itself, in the locale of its environment; Italian unless --lingua says else.
Outcome runProgram(const QStringList &arguments, const QString &localeName)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), localeName);
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("it"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELMO_FABBISOGNO_EXE), arguments);
    Outcome r;
    r.code = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.out = QString::fromUtf8(process.readAllStandardOutput());
    r.err = QString::fromUtf8(process.readAllStandardError());
    return r;
}

// `out`: a line the output holds, "" for none at all.
// clang-format off
struct ProgramCase { int line; const char *locale; QStringList arguments; int code; const char *out, *err; };
// clang-format on

// Exit codes, the numbers in the locale of the environment (a locale with digits of its own gets
// ASCII digits with its decimal separator, in every column) and the language of --lingua.
TEST(EnergyCalculatorProgram, ExitCodesAndLocale)
{
    const QStringList woman =
        QStringLiteral("--sesso F --anni 30 --peso 60 --attivita moderata --auspicabili si").split(u' ');
    // clang-format off
    const ProgramCase cases[] = {
        {__LINE__, "en_US.UTF-8", woman, 0, "Fabbisogno Energetico = 2215.64 kcal", ""},
        {__LINE__, "fa_IR.UTF-8", woman + QStringList{QStringLiteral("--csv")}, 0,
         "\nF,30,60,moderata,si,1351,1\u066b64,2215\u066b64,55\u066b39,61\u066b55,360\u066b04\r\n", ""},
        {__LINE__, "it_IT.UTF-8", QStringList{QStringLiteral("--sesso"), QStringLiteral("Z")} + woman.mid(2), 2, "",
         "Valore non valido per --sesso"},
        {__LINE__, "it_IT.UTF-8", {QStringLiteral("--help")}, 0, "Uso: velmo-fabbisogno --sesso F|M", ""},
        {__LINE__, "it_IT.UTF-8", woman + QStringList{QStringLiteral("--lingua"), QStringLiteral("en")}, 0,
         "Energy Requirement = 2215,64 kcal\nAdult (18 years and over)\n55,39 g of PROTEIN", ""},
        {__LINE__, "it_IT.UTF-8", woman + QStringList{QStringLiteral("--lingua=fr")}, 2, "", "lingua sconosciuta \"fr\""},
        {__LINE__, "it_IT.UTF-8", woman + QStringList{QStringLiteral("--lingua")}, 2, "", "manca la lingua dopo --lingua"},
    };
    // clang-format on
    for (const ProgramCase &c : cases) {
        VELMO_CASE(c);
        const Outcome r = runProgram(c.arguments, QString::fromLatin1(c.locale));
        EXPECT_EQ(r.code, c.code) << qPrintable(r.err);
        EXPECT_TRUE(*c.out ? r.out.contains(QString::fromUtf8(c.out)) : r.out.isEmpty()) << qPrintable(r.out);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.err))) << qPrintable(r.err);
    }
}

// --- The console program and the window ---

struct Choice {
    int option;
    const char *word;
};
const Choice kActivities[] = {{3, "leggera"}, {4, "moderata"}, {5, "pesante"}};
const Choice kColumns[] = {{12, "si"}, {11, "no"}};
// Every band edge of the basal metabolism and of Tables A, B and C.
const int kAges[] = {2, 3, 9, 10, 13, 14, 17, 18, 29, 30, 59, 60, 74, 75, 99};
// Two digits, a decimal rounded half to even, and a third digit typed after the choices.
const char *const kWeights[] = {"45", "65.5", "105"};

// What a person is told, in order: basal metabolism, LAF, requirement, the split's heading and
// its grams, whichever program tells them; figures not shown are left out.
class EnergyAgreementTest : public velmo::test::WindowModelTest {
protected:
    // The window, driven like a user: age, weight, the activity and the column where they can be
    // clicked; a three-digit weight is finished after the choices.
    QStringList fromWindow(Sex sex, int age, const char *weight, const Choice &activity, const Choice &column)
    {
        open(sex);
        type(C::AgeBox, qPrintable(QStringLiteral("%1").arg(age, 2, 10, QLatin1Char('0'))));
        const QByteArray typed(weight);
        const bool finishLater = typed.size() == 3;
        type(C::WeightBox, finishLater ? typed.left(2).constData() : weight);
        for (int option : {activity.option, column.option})
            if (model->optionEnabled(option) && !model->optionSelected(option))
                click(option);
        if (finishLater)
            type(C::WeightBox, typed.mid(2).constData());
        // Only the heading the window shows counts.
        QStringList f{model->basalMetabolismCaption(), model->lafCaption(), model->requirementText(),
                      (model->adultSplitVisible() ? model->adultSplitCaption() : QString())
                          + (model->adolescentSplitVisible() ? model->adolescentSplitCaption() : QString())};
        if (!model->requirementText().isEmpty())
            f << grams();
        f.removeAll(QString());
        return f;
    }

    QStringList fromConsole(Sex sex, int age, const char *weight, const Choice &activity, const Choice &column)
    {
        const Outcome r = run(QStringLiteral("--sesso %1 --anni %2 --peso %3 --attivita %4 --auspicabili %5")
                                  .arg(QLatin1String(sex == Sex::Female ? "F" : "M"), QString::number(age), loc(weight),
                                       QLatin1String(activity.word), QLatin1String(column.word)),
                              QLocale());
        EXPECT_EQ(r.code, 0) << qPrintable(r.err);
        // "Name = figure kcal", "grams g di NUTRIENT" or the heading alone.
        static const QRegularExpression line(
            QStringLiteral("^(?:(?:Metabolismo Basale|Livello di Attività Fisica \\(LAF\\)|Fabbisogno Energetico) = )?"
                           "(.+?)(?: kcal| g di (?:PROTIDI|LIPIDI|GLUCIDI))?$"));
        QStringList f;
        for (const QString &text : r.out.split(u'\n', Qt::SkipEmptyParts))
            f << line.match(text).captured(1);
        return f;
    }
};

// Every sex × band-edge age × weight × activity × column: the window and the console program
// agree on every figure, and the window says only what a child's age calls for.
TEST_P(EnergyAgreementTest, WindowAndConsoleAgreeOnEveryFigure)
{
    for (Sex sex : {Sex::Female, Sex::Male})
        for (int age : kAges)
            for (const char *weight : kWeights)
                for (const Choice &activity : kActivities)
                    for (const Choice &column : kColumns) {
                        SCOPED_TRACE(::testing::Message()
                                     << (sex == Sex::Female ? "F" : "M") << " age " << age << " weight " << weight
                                     << " " << activity.word << " " << column.word);
                        dialogs.clear();
                        const QStringList window = fromWindow(sex, age, weight, activity, column);
                        EXPECT_EQ(dialogs.shown.size(), age < 10 ? 1u : 0u);
                        EXPECT_EQ(window.size(), age < 10 ? 1 : 7) << qPrintable(window.join(u'|'));
                        EXPECT_EQ(window, fromConsole(sex, age, weight, activity, column))
                            << qPrintable(window.join(u'|'));
                    }
}

INSTANTIATE_TEST_SUITE_P(Locales, EnergyAgreementTest, ::testing::Values("it_IT", "en_US"));

}  // namespace
