#include "mealtestsupport.h"

#include <array>

namespace velmo::test {
namespace {

// One row calculation: the gross weight, the food as the browser shows it and the cells after
// the calculation (net weight, then the six nutrients), under each locale.
struct CalcCase {
    int line;
    const char *gross;
    std::array<const char *, 7> foodEnglish;   // edible %, protein, fat, carbohydrate, energy, fibre, cholesterol
    std::array<const char *, 7> foodItalian;
    std::array<const char *, 7> cellsEnglish;  // net, protein, fat, carbohydrate, energy, fibre, cholesterol
    std::array<const char *, 7> cellsItalian;
};

const CalcCase kCalcCases[] = {
    {__LINE__, "250", {"90", "12.4", "3", "50", "350", "2", "0"}, {"90", "12,4", "3", "50", "350", "2", "0"},
     {"225", "27.90", "6.75", "112.50", "787.50", "4.50", "0.00"},
     {"225", "27,90", "6,75", "112,50", "787,50", "4,50", "0,00"}},
    {__LINE__, "1000", {"100", "0", "0", "0", "270", "0", "0"}, {"100", "0", "0", "0", "270", "0", "0"},
     {"1000", "0.00", "0.00", "0.00", "2,700.00", "0.00", "0.00"},
     {"1000", "0,00", "0,00", "0,00", "2.700,00", "0,00", "0,00"}},
    // An empty value per 100 g stays empty; the other nutrients are calculated.
    {__LINE__, "125", {"87", "4", "0.2", "13.81", "52", "2.4", ""}, {"87", "4", "0,2", "13,81", "52", "2,4", ""},
     {"108.75", "4.35", "0.22", "15.02", "56.55", "2.61", ""},
     {"108,75", "4,35", "0,22", "15,02", "56,55", "2,61", ""}},
    {__LINE__, "0", {"90", "12.4", "3", "50", "350", "2", "1"}, {"90", "12,4", "3", "50", "350", "2", "1"},
     {"0", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}, {"0", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00"}},
    // An edible percentage that is no number reads as 0.
    {__LINE__, "300", {"abc", "5", "5", "5", "5", "5", "5"}, {"abc", "5", "5", "5", "5", "5", "5"},
     {"0", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}, {"0", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00"}},
    // A nutrient text that is no number keeps its text.
    {__LINE__, "200", {"100", "n.d.", "1", "1", "1", "1", "1"}, {"100", "n.d.", "1", "1", "1", "1", "1"},
     {"200", "n.d.", "2.00", "2.00", "2.00", "2.00", "2.00"}, {"200", "n.d.", "2,00", "2,00", "2,00", "2,00", "2,00"}},
    // Group separators in a value per 100 g are read by the locale rule.
    {__LINE__, "200", {"100", "1", "1", "1", "1,234.5", "1", "1"}, {"100", "1", "1", "1", "1.234,5", "1", "1"},
     {"200", "2.00", "2.00", "2.00", "2,469.00", "2.00", "2.00"},
     {"200", "2,00", "2,00", "2,00", "2.469,00", "2,00", "2,00"}},
    // The edible percentage is read with "." as decimal point: a decimal comma ends the number.
    {__LINE__, "200", {"87.5", "10", "0", "0", "0", "0", "0"}, {"87,5", "10", "0", "0", "0", "0", "0"},
     {"175", "17.50", "0.00", "0.00", "0.00", "0.00", "0.00"}, {"174", "17,40", "0,00", "0,00", "0,00", "0,00", "0,00"}},
    // Large portions keep every digit of the net weight and group the nutrients.
    {__LINE__, "123456", {"100", "100", "0", "0", "0", "0", "0"}, {"100", "100", "0", "0", "0", "0", "0"},
     {"123456", "123,456.00", "0.00", "0.00", "0.00", "0.00", "0.00"},
     {"123456", "123.456,00", "0,00", "0,00", "0,00", "0,00", "0,00"}},
};

class RowCalculation : public LocaleGridTest {};

TEST_P(RowCalculation, PortionFromGrossWeightAndValuesPer100g)
{
    const MealColumn order[] = {MealColumn::Net, MealColumn::Prot, MealColumn::Lip, MealColumn::Gluc,
                                MealColumn::Ener, MealColumn::Fib, MealColumn::Col};
    for (const CalcCase &c : kCalcCases) {
        SCOPED_TRACE(testing::Message() << "case at " << __FILE__ << ":" << c.line);
        OpenGrid g;
        const auto &values = italianLocale() ? c.foodItalian : c.foodEnglish;
        QStringList texts;
        for (const char *v : values)
            texts.append(QString::fromUtf8(v));
        g.inseri(food(QStringLiteral("Alimento di prova"), texts));
        g.setGrossText(0, QString::fromUtf8(c.gross));
        g.mutableRow(0).lock = 1;

        g.calcolitab(0);

        const auto &expected = italianLocale() ? c.cellsItalian : c.cellsEnglish;
        for (std::size_t i = 0; i < 7; ++i)
            EXPECT_EQ(cellText(g, 0, order[i]), QString::fromUtf8(expected[i])) << "column " << i;
        EXPECT_EQ(cellText(g, 0, MealColumn::Gross), QString::fromUtf8(c.gross));
        EXPECT_EQ(cellText(g, 0, MealColumn::Name), QStringLiteral("Alimento di prova"));
    }
}

TEST_P(RowCalculation, GivesTheRowItsCalculatedLook)
{
    grid.inseri(food(QStringLiteral("Mele"), {QStringLiteral("90"), QStringLiteral("1")}));
    grid.setGrossText(0, QStringLiteral("100"));
    grid.calcolitab(0);
    for (MealColumn c : kValueColumns) {
        EXPECT_EQ(grid.row(0).cell(c).alignment, CellAlignment::Right) << static_cast<int>(c);
        EXPECT_EQ(grid.row(0).cell(c).background, CellBackground::Calculated) << static_cast<int>(c);
    }
    EXPECT_EQ(grid.row(0).cell(MealColumn::Name).alignment, CellAlignment::Left);
    EXPECT_EQ(grid.row(0).cell(MealColumn::Name).background, CellBackground::Calculated);
}

TEST_P(RowCalculation, OverflowingGrossWeightSkipsTheStepsThatFail)
{
    const QStringList per100{QStringLiteral("90"), local("12.4", "12,4"), QStringLiteral("3"), QStringLiteral("50"),
                             QStringLiteral("350"), QStringLiteral("2"), QStringLiteral("7")};
    grid.inseri(food(QStringLiteral("Pane"), per100));
    const QString huge(400, u'9');
    grid.setGrossText(0, huge);
    grid.setLock(0, 1);

    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(grid.row(0).lock, 1);
    EXPECT_TRUE(grid.row(1).visible);
    EXPECT_EQ(cellText(grid, 0, MealColumn::Gross), huge);
    EXPECT_EQ(cellText(grid, 0, MealColumn::Net), QString());
    // Every nutrient step fails and keeps the value per 100 g.
    EXPECT_EQ(cellText(grid, 0, MealColumn::Prot), per100[1]);
    EXPECT_EQ(cellText(grid, 0, MealColumn::Col), per100[6]);
    EXPECT_EQ(grid.row(0).cell(MealColumn::Prot).background, CellBackground::Calculated);
}

TEST_P(RowCalculation, ProductTooLargeForADoubleLeavesTheNetWeightEmpty)
{
    grid.inseri(food(QStringLiteral("Pane"), {QStringLiteral("90"), QStringLiteral("1")}));
    const QString huge = QStringLiteral("1") + QString(307, u'0');  // 1e307 reads, 1e307 × 90 does not fit
    grid.setGrossText(0, huge);
    grid.mutableRow(0).lock = 1;
    grid.calcolitab(0);
    EXPECT_EQ(cellText(grid, 0, MealColumn::Net), QString());
    EXPECT_EQ(cellText(grid, 0, MealColumn::Prot), QStringLiteral("1"));
}

TEST_P(RowCalculation, AcceptanceRevealsTheNextRowOnly)
{
    EXPECT_TRUE(grid.row(0).visible);
    for (int r = 1; r < kMealRows; ++r)
        EXPECT_FALSE(grid.row(r).visible) << r;
    lockFood(0, food(QStringLiteral("Mele"), {QStringLiteral("90"), QStringLiteral("1")}), QStringLiteral("100"));
    EXPECT_TRUE(grid.row(1).visible);
    EXPECT_FALSE(grid.row(2).visible);
}

TEST_P(RowCalculation, LockingTheLastRowCalculatesItAndRevealsNothing)
{
    for (int r = 0; r < kMealRows; ++r)
        lockFood(r, food(QStringLiteral("Pera %1").arg(r), {QStringLiteral("100"), QString::number(r + 1)}),
                 QStringLiteral("100"));
    for (int r = 0; r < kMealRows; ++r) {
        EXPECT_EQ(grid.row(r).lock, 1) << r;
        EXPECT_TRUE(grid.row(r).visible) << r;
        EXPECT_EQ(cellText(grid, r, MealColumn::Prot), local("%1.00", "%1,00").arg(r + 1)) << r;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_P(RowCalculation, ZeroGrossWeightIsCalculatedThenReleasedByTheTotals)
{
    lockFood(0, food(QStringLiteral("Mele"), {QStringLiteral("90"), QStringLiteral("1")}), QStringLiteral("0"));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(grid.row(1).visible);
    EXPECT_EQ(grid.row(0).lock, 0);
    EXPECT_EQ(rowValues(grid, 0), QStringList(8, QString()));
    EXPECT_EQ(cellText(grid, 0, MealColumn::Name), QString());
}

VELMO_BOTH_LOCALES(RowCalculation);

}  // namespace
}  // namespace velmo::test
