#include "energy/cli/fabbisognocli.h"
#include "windowmodelfixture.h"

#include <QRegularExpression>

using namespace velmo;
using namespace velmo::test;
using C = EnergyControl;

namespace {

// What a person is told: the same figures, whichever program tells them.
struct Figures {
    QString basal, laf, energy, splitCaption;
    QStringList grams;
    bool operator==(const Figures &) const = default;
};

std::ostream &operator<<(std::ostream &os, const Figures &f)
{
    return os << qPrintable(QStringList({f.basal, f.laf, f.energy, f.splitCaption, f.grams.join(u' ')}).join(u'|'));
}

struct Activity {
    int option;
    const char *word;
};
const Activity kActivities[] = {{3, "leggera"}, {4, "moderata"}, {5, "pesante"}};
struct Column {
    int option;
    const char *word;
};
const Column kColumns[] = {{12, "si"}, {11, "no"}};
// Every band edge of the basal metabolism and of Tables A, B and C.
const int kAges[] = {2, 3, 9, 10, 13, 14, 17, 18, 29, 30, 59, 60, 74, 75, 99};
// Two digits, a decimal rounded half to even, and a third digit typed after the choices.
const char *const kWeights[] = {"45", "65.5", "105"};

class EnergyAgreementTest : public WindowModelTest {
protected:
    // The window, driven like a user: age, weight, the activity and the column where they can be
    // clicked; a three-digit weight is finished after the choices.
    Figures fromWindow(Sex sex, int age, const char *weight, const Activity &activity, const Column &column)
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
        const QString caption = (model->adultSplitVisible() ? model->adultSplitCaption() : QString())
                                + (model->adolescentSplitVisible() ? model->adolescentSplitCaption() : QString());
        Figures f{model->basalMetabolismCaption(), model->lafCaption(), model->requirementText(), caption, {}};
        if (!f.energy.isEmpty())
            f.grams = grams();
        return f;
    }

    Figures fromConsole(Sex sex, int age, const char *weight, const Activity &activity, const Column &column)
    {
        QString out, err;
        QTextStream o(&out), e(&err);
        const QStringList arguments{QStringLiteral("--sesso"), QLatin1String(sex == Sex::Female ? "F" : "M"),
                                    QStringLiteral("--anni"), QString::number(age),
                                    QStringLiteral("--peso"), loc(weight),
                                    QStringLiteral("--attivita"), QLatin1String(activity.word),
                                    QStringLiteral("--auspicabili"), QLatin1String(column.word)};
        EXPECT_EQ(runEnergyCalculator(arguments, o, e, QLocale()), 0) << qPrintable(err);
        static const QRegularExpression basal(QStringLiteral("^Metabolismo Basale = (.+) kcal$"));
        static const QRegularExpression laf(QStringLiteral("^Livello di Attività Fisica \\(LAF\\) = (.+)$"));
        static const QRegularExpression energy(QStringLiteral("^Fabbisogno Energetico = (.+) kcal$"));
        static const QRegularExpression grams(QStringLiteral("^(.+) g di (PROTIDI|LIPIDI|GLUCIDI)$"));
        Figures f;
        for (const QString &line : out.split(u'\n', Qt::SkipEmptyParts)) {
            if (const auto m = basal.match(line); m.hasMatch())
                f.basal = m.captured(1);
            else if (const auto m = laf.match(line); m.hasMatch())
                f.laf = m.captured(1);
            else if (const auto m = energy.match(line); m.hasMatch())
                f.energy = m.captured(1);
            else if (const auto m = grams.match(line); m.hasMatch())
                f.grams << m.captured(1);
            else
                f.splitCaption = line;
        }
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
                for (const Activity &activity : kActivities)
                    for (const Column &column : kColumns) {
                        SCOPED_TRACE(::testing::Message()
                                     << (sex == Sex::Female ? "F" : "M") << " age " << age << " weight " << weight
                                     << " " << activity.word << " " << column.word);
                        dialogs.clear();
                        const Figures window = fromWindow(sex, age, weight, activity, column);
                        EXPECT_EQ(dialogs.shown.size(), age < 10 ? 1u : 0u);
                        const Figures console = fromConsole(sex, age, weight, activity, column);
                        EXPECT_FALSE(window.basal.isEmpty());
                        EXPECT_EQ(window.energy.isEmpty(), age < 10);
                        EXPECT_EQ(window, console);
                    }
}

INSTANTIATE_TEST_SUITE_P(Locales, EnergyAgreementTest, ::testing::Values("it_IT", "en_US"));

}  // namespace
