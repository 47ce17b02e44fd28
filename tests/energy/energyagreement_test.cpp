#include "energy/cli/fabbisognocli.h"
#include "windowmodelfixture.h"

#include <QRegularExpression>

using namespace velmo;
using namespace velmo::test;
using C = EnergyControl;

namespace {

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
class EnergyAgreementTest : public WindowModelTest {
protected:
    // The window, driven like a user: age, weight, the activity and the column where they can be
    // clicked; a three-digit weight is finished after the choices.
    QStringList fromWindow(Sex sex, int age, const char *weight, const Choice &activity, const Choice &column)
    {
        open(sex);
        type(C::Text1, qPrintable(QStringLiteral("%1").arg(age, 2, 10, QLatin1Char('0'))));
        const QByteArray typed(weight);
        const bool finishLater = typed.size() == 3;
        type(C::Text3, finishLater ? typed.left(2).constData() : weight);
        for (int option : {activity.option, column.option})
            if (model->optionEnabled(option) && !model->optionSelected(option))
                click(option);
        if (finishLater)
            type(C::Text3, typed.mid(2).constData());
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
        QString out, err;
        QTextStream o(&out), e(&err);
        const QStringList arguments{QStringLiteral("--sesso"), QLatin1String(sex == Sex::Female ? "F" : "M"),
                                    QStringLiteral("--anni"), QString::number(age),
                                    QStringLiteral("--peso"), loc(weight),
                                    QStringLiteral("--attivita"), QLatin1String(activity.word),
                                    QStringLiteral("--auspicabili"), QLatin1String(column.word)};
        EXPECT_EQ(runEnergyCalculator(arguments, o, e, QLocale()), 0) << qPrintable(err);
        // "Name = figure kcal", "grams g di NUTRIENT" or the heading alone.
        static const QRegularExpression line(
            QStringLiteral("^(?:(?:Metabolismo Basale|Livello di Attività Fisica \\(LAF\\)|Fabbisogno Energetico) = )?"
                           "(.+?)(?: kcal| g di (?:PROTIDI|LIPIDI|GLUCIDI))?$"));
        QStringList f;
        for (const QString &text : out.split(u'\n', Qt::SkipEmptyParts))
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
