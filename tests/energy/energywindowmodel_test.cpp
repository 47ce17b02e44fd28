#include "windowmodelfixture.h"

#include "support/tablecase.h"

#include <vector>

using namespace velmo;
using namespace velmo::test;
using C = EnergyControl;

namespace {

class EnergyWindowModelTest : public WindowModelTest {};

TEST_P(EnergyWindowModelTest, OpeningStartsFromTheClearedStateWithTheFocusInTheAge)
{
    for (Sex sex : {Sex::Female, Sex::Male}) {
        EnergyWindowModel &m = open(sex);
        EXPECT_EQ(m.focus(), C::Text1);
        EXPECT_TRUE(m.ageText().isEmpty());
        EXPECT_TRUE(m.weightText().isEmpty());
        EXPECT_TRUE(m.requirementText().isEmpty());
        EXPECT_TRUE(m.basalMetabolismCaption().isEmpty());
        EXPECT_TRUE(m.lafCaption().isEmpty());
        EXPECT_TRUE(m.adolescentSplitCaption().isEmpty());
        EXPECT_TRUE(m.adultSplitCaption().isEmpty());
        for (const EnergyOption &o : EnergyWindowModel::kOptions) {
            EXPECT_TRUE(m.optionEnabled(o.number)) << o.number;
            EXPECT_FALSE(m.optionSelected(o.number)) << o.number;
        }
        EXPECT_EQ(m.adolescentSplitVisible(), sex == Sex::Female);
        EXPECT_EQ(m.adultSplitVisible(), sex == Sex::Female);
        EXPECT_TRUE(dialogs.shown.empty());
    }
}

TEST_P(EnergyWindowModelTest, TwoDigitAgeMovesTheFocusToTheWeight)
{
    open(Sex::Female);
    type(C::Text1, "3");
    EXPECT_EQ(model->focus(), C::Text1);
    type(C::Text1, "5");
    EXPECT_EQ(model->focus(), C::Text3);
    EXPECT_TRUE(dialogs.shown.empty());
}

struct ButtonsCase {
    int line;
    const char *age;
    const char *weight;
    QList<int> enabled;
    int selected;     // 0: none
    const char *laf;  // shown before any click
    bool notice;  // below ten: only the basal metabolism, and the user is told so
};

// What the age leaves to choose; the figures themselves are compared with the console program's.
TEST_P(EnergyWindowModelTest, AgeDecidesTheButtonsAndTheNotice)
{
    const QString belowTen =
        QStringLiteral("In questo caso essendo minore di 10 anni, viene calcolato il solo Metabolismo Basale");
    const ButtonsCase cases[] = {
        {__LINE__, "12", "", {}, 0, "1.55", false},
        {__LINE__, "08", "25", {}, 0, "", true},
        {__LINE__, "65", "60", {3, 12, 11}, 3, "", false},  // no LAF before the column is chosen
        {__LINE__, "30", "60", {3, 4, 5, 12, 11}, 0, "", false},
    };
    for (const ButtonsCase &c : cases) {
        VELMO_CASE(c);
        open(Sex::Female);
        dialogs.clear();
        type(C::Text1, c.age);
        type(C::Text3, c.weight);
        QList<int> enabled;
        for (const EnergyOption &o : EnergyWindowModel::kOptions) {
            if (model->optionEnabled(o.number))
                enabled << o.number;
            EXPECT_EQ(model->optionSelected(o.number), o.number == c.selected) << o.number;
        }
        EXPECT_EQ(enabled, c.enabled);
        EXPECT_EQ(model->lafCaption(), loc(c.laf));
        EXPECT_TRUE(model->requirementText().isEmpty());
        ASSERT_EQ(dialogs.shown.size(), c.notice ? 1u : 0u);
        if (c.notice) {
            EXPECT_EQ(dialogs.shown[0].text, belowTen);
            EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Informazione"));
            EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Information);
        }
    }
}

TEST_P(EnergyWindowModelTest, ChangingTheActivityKeepsTheRecommendedColumn)
{
    open(Sex::Male);
    type(C::Text1, "25");
    type(C::Text3, "70");
    click(3);
    click(12);
    EXPECT_EQ(model->basalMetabolismCaption(), loc("1750"));
    EXPECT_EQ(model->lafCaption(), loc("1.55"));
    EXPECT_EQ(model->requirementText(), loc("2712.5"));
    click(5);
    EXPECT_EQ(model->lafCaption(), loc("2.1"));
    EXPECT_EQ(model->requirementText(), loc("3675"));
    click(11);
    EXPECT_EQ(model->lafCaption(), loc("2.01"));
}

TEST_P(EnergyWindowModelTest, ActivityClickWithoutRecommendedChoiceKeepsTheLafMember)
{
    open(Sex::Female);
    type(C::Text1, "30");
    type(C::Text3, "60");
    click(4);
    click(12);
    model->setOptionSelected(12, false);  // neither column selected
    model->setOptionSelected(5, true);
    ASSERT_TRUE(model->lafMember().has_value());
    EXPECT_EQ(model->lafMember()->toText(QLocale()), loc("1.64"));
    EXPECT_EQ(model->lafCaption(), loc("1.64"));
    EXPECT_EQ(model->requirementText(), loc("2215.64"));
}

TEST_P(EnergyWindowModelTest, OneDigitWeightGetsItsLeadingZeroWhenLeft)
{
    open(Sex::Female);
    type(C::Text1, "15");
    type(C::Text3, "7");
    model->userFocus(C::Text2);
    EXPECT_EQ(model->weightText(), QStringLiteral("07"));
    EXPECT_EQ(model->basalMetabolismCaption(), loc("786.8"));
    EXPECT_EQ(model->requirementText(), loc("1180.2"));
}

TEST_P(EnergyWindowModelTest, DecimalWeightIsRoundedHalvesToEven)
{
    open(Sex::Female);
    type(C::Text1, "30");
    type(C::Text3, "64.5");
    EXPECT_EQ(model->weightMember(), std::optional<qint16>(64));
    type(C::Text3, "");
    model->userEdit(C::Text3, loc("65.5"));
    EXPECT_EQ(model->weightMember(), std::optional<qint16>(66));
    EXPECT_EQ(model->basalMetabolismCaption(), loc("1403.2"));
}

struct AcceptCase {
    int line;
    C box;
    const char *text;  // with the locale's separator written as a point; "#" the other separator
    bool accepted;
};

TEST_P(EnergyWindowModelTest, BoxesAcceptOnlyNumbers)
{
    const AcceptCase cases[] = {
        {__LINE__, C::Text1, "35", true},    {__LINE__, C::Text1, "", true},
        {__LINE__, C::Text1, "3a", false},   {__LINE__, C::Text1, "3.5", false},
        {__LINE__, C::Text1, "-3", false},   {__LINE__, C::Text1, " 3", false},
        {__LINE__, C::Text3, "60", true},    {__LINE__, C::Text3, "60.5", true},
        {__LINE__, C::Text3, "60.", true},   {__LINE__, C::Text3, ".5", false},
        {__LINE__, C::Text3, "6.0.1", false}, {__LINE__, C::Text3, "60#5", false},
        {__LINE__, C::Text3, "6e2", false},  {__LINE__, C::Text3, "-6", false},
        {__LINE__, C::Text2, "2000.5", true}, {__LINE__, C::Text2, "2000#5", false},
        {__LINE__, C::Text2, "abc", false},
    };
    open(Sex::Female);
    const QString other = QLocale().decimalPoint() == QStringLiteral(",") ? QStringLiteral(".") : QStringLiteral(",");
    for (const AcceptCase &c : cases) {
        VELMO_CASE(c);
        QString text = loc(c.text);
        text.replace(u'#', other);
        EXPECT_EQ(model->acceptsText(c.box, text), c.accepted) << qPrintable(text);
    }
    type(C::Text1, "3");
    EXPECT_FALSE(model->userEdit(C::Text1, QStringLiteral("3x")));
    EXPECT_EQ(model->ageText(), QStringLiteral("3"));
}

TEST_P(EnergyWindowModelTest, UnreadableAgeOrWeightShowsNoResult)
{
    open(Sex::Female);
    type(C::Text1, "30");
    type(C::Text3, "60");
    click(4);
    click(12);
    ASSERT_EQ(model->requirementText(), loc("2215.64"));
    // Erasing the weight leaves nothing computed from the old one.
    model->userEdit(C::Text3, QStringLiteral("6"));
    EXPECT_EQ(model->basalMetabolismCaption(), loc("881.2"));
    EXPECT_EQ(model->requirementText(), loc("1445.168"));
    model->userEdit(C::Text3, QString());
    EXPECT_TRUE(model->basalMetabolismCaption().isEmpty());
    EXPECT_TRUE(model->requirementText().isEmpty());
    EXPECT_FALSE(model->weightMember().has_value());
    EXPECT_FALSE(model->basalMember().has_value());

    // An age beyond any reading (more than 16 bits) is not replaced by the last one.
    model->userFocus(C::Text1);
    model->userEdit(C::Text1, QString());
    type(C::Text1, "99999");
    type(C::Text3, "60");
    EXPECT_FALSE(model->ageMember().has_value());
    EXPECT_TRUE(model->basalMetabolismCaption().isEmpty());
    EXPECT_TRUE(model->requirementText().isEmpty());
}

TEST_P(EnergyWindowModelTest, RequirementTypedWithoutAnAgeShowsNoDivision)
{
    open(Sex::Female);
    type(C::Text1, "30");
    type(C::Text3, "60");
    click(4);
    click(12);
    model->userFocus(C::Text1);
    model->userEdit(C::Text1, QString());
    type(C::Text2, "2000");
    EXPECT_EQ(grams(), QStringList({QString(), QString(), QString()}));
    EXPECT_DOUBLE_EQ(model->chartValue(1), 0.0);
}

TEST_P(EnergyWindowModelTest, TypingTheRequirementRunsTheSplit)
{
    open(Sex::Male);
    type(C::Text1, "18");
    type(C::Text3, "70");
    type(C::Text2, "2000");
    EXPECT_EQ(model->adultSplitCaption(), QStringLiteral("Adulto (Da 18 anni in su)"));
    EXPECT_TRUE(model->adultSplitVisible());
    EXPECT_FALSE(model->adolescentSplitVisible());
    EXPECT_EQ(grams(), expectedGrams("50.00", "55.56", "325.00"));
    EXPECT_DOUBLE_EQ(model->chartValue(2), 55.56);
}

TEST_P(EnergyWindowModelTest, SplitLabelsRunTwicePerCaption)
{
    open(Sex::Female);
    type(C::Text1, "30");
    type(C::Text3, "60");
    click(4);
    int label8Changes = 0;
    int gramChanges = 0;
    QObject::connect(model.get(), &EnergyWindowModel::controlChanged, [&](C c) {
        label8Changes += c == C::Label8;
        gramChanges += c == C::Label6;
    });
    click(12);
    // Text2 changes once: Label8 is emptied and set, and each runs the split (three labels, then the chart).
    EXPECT_EQ(label8Changes, 2);
    EXPECT_EQ(gramChanges, 2 * 4);
}

TEST_P(EnergyWindowModelTest, RefocusingTheAgeClearsResultsAndChoices)
{
    open(Sex::Female);
    type(C::Text1, "30");
    type(C::Text3, "60");
    click(4);
    click(12);
    model->userFocus(C::Text1);
    EXPECT_TRUE(model->weightText().isEmpty());
    EXPECT_TRUE(model->requirementText().isEmpty());
    EXPECT_TRUE(model->basalMetabolismCaption().isEmpty());
    EXPECT_TRUE(model->lafCaption().isEmpty());
    EXPECT_TRUE(model->adultSplitCaption().isEmpty());
    EXPECT_EQ(grams(), expectedGrams("0.00", "0.00", "0.00"));
    EXPECT_DOUBLE_EQ(model->chartValue(3), 0.0);
    for (const EnergyOption &o : EnergyWindowModel::kOptions) {
        EXPECT_TRUE(model->optionEnabled(o.number)) << o.number;
        EXPECT_FALSE(model->optionSelected(o.number)) << o.number;
    }
    // The emptied weight box leaves no weight behind, and the LAF of the last person is not
    // offered to the next.
    EXPECT_EQ(model->ageMember(), std::optional<qint16>(30));
    EXPECT_FALSE(model->weightMember().has_value());
    EXPECT_FALSE(model->lafMember().has_value());
}

TEST_P(EnergyWindowModelTest, AdolescentAgeLeftUnchangedKeepsItsFixedLaf)
{
    open(Sex::Female);
    type(C::Text1, "12");
    type(C::Text3, "40");
    model->userFocus(C::Text1);
    model->userFocus(C::Text3);
    for (const EnergyOption &o : EnergyWindowModel::kOptions)
        EXPECT_FALSE(model->optionEnabled(o.number)) << o.number;
    EXPECT_EQ(model->lafCaption(), loc("1.55"));
    type(C::Text3, "40");
    EXPECT_EQ(model->requirementText(), loc("1904.95"));
}

TEST_P(EnergyWindowModelTest, FocusMessagesAndRedirections)
{
    open(Sex::Female);
    model->userFocus(C::Text3);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Non hai messo gli anni!!"));
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Attenzione"));
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(model->focus(), C::Text1);

    dialogs.clear();
    type(C::Text1, "40");
    model->userFocus(C::Text1);
    model->userFocus(C::Option4);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("Non hai messo il peso!!")});
    EXPECT_EQ(model->focus(), C::Text3);

    dialogs.clear();
    type(C::Text3, "80");
    model->userFocus(C::Option12);
    model->userClickOption(12);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("Non hai scelto l'attività")});
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Attenzione"));
    EXPECT_EQ(model->focus(), C::Text3);
    EXPECT_FALSE(model->optionSelected(12)) << "a refused button is not selected";
}

TEST_P(EnergyWindowModelTest, RecommendedButtonWithNothingTypedNestsItsMessages)
{
    open(Sex::Female);
    model->userFocus(C::Option11);
    // The age message, then the activity one, whose move to the weight box asks for the age again.
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList({QStringLiteral("Non hai messo gli anni!!"), QStringLiteral("Non hai scelto l'attività"),
                           QStringLiteral("Non hai messo gli anni!!")}));
    EXPECT_EQ(model->focus(), C::Text1);
}

TEST_P(EnergyWindowModelTest, DisabledButtonsTakeNeitherFocusNorClick)
{
    open(Sex::Female);
    type(C::Text1, "12");
    model->userFocus(C::Option4);
    model->userClickOption(4);
    EXPECT_EQ(model->focus(), C::Text3);
    EXPECT_FALSE(model->optionSelected(4));
}

TEST_P(EnergyWindowModelTest, AgeBoxSelectionDiffersBetweenTheWindows)
{
    open(Sex::Female);
    type(C::Text1, "35");
    model->userFocus(C::Text1);
    EXPECT_EQ(model->ageSelectionStart(), 2);
    EXPECT_EQ(model->ageSelectionLength(), 0);

    open(Sex::Male);
    type(C::Text1, "35");
    model->userFocus(C::Text1);
    EXPECT_EQ(model->ageSelectionStart(), 0);
    EXPECT_EQ(model->ageSelectionLength(), 2);
}

TEST_P(EnergyWindowModelTest, WindowTextsDifferBySex)
{
    open(Sex::Female);
    EXPECT_EQ(model->windowCaption(),
              QStringLiteral("Calcolo del Fabbisogno Energetico Giornaliero per le persone di sesso femminile"));
    EXPECT_EQ(model->sexLine(), QStringLiteral("Sesso Femmina "));
    EXPECT_EQ(model->adultHeading(), QStringLiteral("Adulta (Da 18 anni in su)"));
    EXPECT_TRUE(model->recommendedTooltipOnButtons());
    EXPECT_EQ(model->splitLabelFont(), QStringLiteral("Arial"));

    open(Sex::Male);
    EXPECT_EQ(model->windowCaption(),
              QStringLiteral("Calcolo del Fabbisogno Energetico Giornaliero per le persone di sesso maschile"));
    EXPECT_EQ(model->sexLine(), QStringLiteral("Sesso Maschio"));
    EXPECT_EQ(model->adultHeading(), QStringLiteral("Adulto (Da 18 anni in su)"));
    EXPECT_FALSE(model->recommendedTooltipOnButtons());
    EXPECT_EQ(model->splitLabelFont(), QStringLiteral("MS Sans Serif"));
}

TEST_P(EnergyWindowModelTest, MembersOutliveClosingAndReopening)
{
    open(Sex::Male);
    type(C::Text1, "40");
    type(C::Text3, "75");
    model->closed();
    EXPECT_EQ(model->focus(), C::None);
    model->opened();
    EXPECT_EQ(model->focus(), C::Text1);
    EXPECT_TRUE(model->ageText().isEmpty());
    EXPECT_TRUE(model->basalMetabolismCaption().isEmpty());
    EXPECT_EQ(model->ageMember(), std::optional<qint16>(40));
    EXPECT_EQ(model->weightMember(), std::optional<qint16>(75));
    ASSERT_TRUE(model->basalMember().has_value());
    EXPECT_EQ(model->basalMember()->toText(QLocale()), loc("1749"));
}

TEST_P(EnergyWindowModelTest, BackButtonAsksForTheLauncher)
{
    open(Sex::Female);
    int requests = 0;
    QObject::connect(model.get(), &EnergyWindowModel::backRequested, [&] { ++requests; });
    model->userClickBack();
    EXPECT_EQ(requests, 1);
}

INSTANTIATE_TEST_SUITE_P(Locales, EnergyWindowModelTest, ::testing::Values("it_IT", "en_US"));

}  // namespace
