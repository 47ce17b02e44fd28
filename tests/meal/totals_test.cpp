#include "mealtestsupport.h"

namespace velmo::test {
namespace {

class Totals : public LocaleGridTest {
protected:
    void lockedRow(int r, const QStringList &values)
    {
        grid.mutableRow(r).lock = 1;
        grid.setCellText(r, MealColumn::Name, QStringLiteral("Alimento %1").arg(r));
        for (std::size_t i = 0; i < kValueColumns.size(); ++i)
            grid.setCellText(r, kValueColumns[i], values.value(static_cast<int>(i)));
    }
};

TEST_P(Totals, ZeroFillsOnlyEmptyCellsWithWhiteZero)
{
    grid.setCellText(0, MealColumn::Prot, QStringLiteral(" "));
    grid.setCellText(0, MealColumn::Lip, QStringLiteral("3"));
    grid.zero();
    EXPECT_EQ(cellText(grid, 0, MealColumn::Prot), QStringLiteral(" "));
    EXPECT_EQ(grid.row(0).cell(MealColumn::Prot).textColour, CellTextColour::WindowText);
    EXPECT_EQ(cellText(grid, 0, MealColumn::Lip), QStringLiteral("3"));
    EXPECT_EQ(cellText(grid, 0, MealColumn::Gross), QStringLiteral("0"));
    EXPECT_EQ(grid.row(0).cell(MealColumn::Gross).textColour, CellTextColour::White);
    EXPECT_EQ(cellText(grid, 11, MealColumn::Col), QStringLiteral("0"));
    EXPECT_EQ(grid.row(11).cell(MealColumn::Col).textColour, CellTextColour::White);
    // The food name is no value cell.
    EXPECT_EQ(cellText(grid, 5, MealColumn::Name), QString());
}

TEST_P(Totals, SumsReadGroupSeparatorsAndWritePlainDecimals)
{
    lockedRow(0, {QStringLiteral("100"), QStringLiteral("90"), local("1,234.56", "1.234,56"), local("12.5", "12,5")});
    lockedRow(1, {QStringLiteral("50"), QStringLiteral("40"), local("10.00", "10,00"), QStringLiteral("0")});
    grid.zero();
    grid.sommax();
    EXPECT_EQ(grid.totalText(MealColumn::Gross), QStringLiteral("150"));
    EXPECT_EQ(grid.totalText(MealColumn::Net), QStringLiteral("130"));
    EXPECT_EQ(grid.totalText(MealColumn::Prot), local("1244.56", "1244,56"));
    EXPECT_EQ(grid.totalText(MealColumn::Lip), local("12.5", "12,5"));
    EXPECT_EQ(grid.totalText(MealColumn::Ener), QStringLiteral("0"));
}

TEST_P(Totals, SumsTakeFifteenSignificantDigits)
{
    lockedRow(0, {QStringLiteral("1"), local("0.1", "0,1")});
    lockedRow(1, {QStringLiteral("2"), local("0.2", "0,2")});
    grid.sommax();
    EXPECT_EQ(grid.totalText(MealColumn::Net), local("0.3", "0,3"));
}

// The browsed food in the open row is shown per 100 g, with its edible percentage in the
// net-weight cell: none of it is eaten until the row is locked.
TEST_P(Totals, OpenRowIsNoPartOfTheMeal)
{
    lockedRow(0, {QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("5")});
    grid.setCellText(1, MealColumn::Name, QStringLiteral("Mela"));
    grid.setCellText(1, MealColumn::Net, QStringLiteral("90"));
    grid.setCellText(1, MealColumn::Prot, QStringLiteral("12"));
    grid.setGrossText(1, QStringLiteral("300"));
    grid.zero();
    grid.sommax();
    EXPECT_EQ(grid.totalText(MealColumn::Gross), QStringLiteral("100"));
    EXPECT_EQ(grid.totalText(MealColumn::Net), QStringLiteral("100"));
    EXPECT_EQ(grid.totalText(MealColumn::Prot), QStringLiteral("5"));
    EXPECT_EQ(grid.row(1).lock, 0);
    EXPECT_EQ(cellText(grid, 1, MealColumn::Prot), QStringLiteral("12"));
}

TEST_P(Totals, ApiciBlanksZeroCellsAndKeepsTheirColour)
{
    lockedRow(0, {QStringLiteral("100"), QStringLiteral("100"), local("0.00", "0,00"), local("1.50", "1,50")});
    grid.zero();
    grid.sommax();
    EXPECT_EQ(cellText(grid, 0, MealColumn::Prot), QString());
    EXPECT_EQ(cellText(grid, 0, MealColumn::Lip), local("1.50", "1,50"));
    EXPECT_EQ(cellText(grid, 0, MealColumn::Gluc), QString());
    EXPECT_EQ(grid.row(0).cell(MealColumn::Gluc).textColour, CellTextColour::White);
    EXPECT_EQ(grid.row(0).lock, 1);
    for (int r = 1; r < kMealRows; ++r)
        EXPECT_EQ(rowValues(grid, r), QStringList(8, QString())) << r;
}

TEST_P(Totals, ApiciLeavesTextThatIsNoNumber)
{
    lockedRow(0, {QStringLiteral("100"), QStringLiteral("n.d."), QStringLiteral("0")});
    grid.apici();
    EXPECT_EQ(cellText(grid, 0, MealColumn::Net), QStringLiteral("n.d."));
    EXPECT_EQ(cellText(grid, 0, MealColumn::Prot), QString());
    EXPECT_EQ(grid.row(0).lock, 1);
}

TEST_P(Totals, ApiciUnlocksEveryRowWithoutGrossWeight)
{
    lockedRow(0, {QString(), QString(), QStringLiteral("3")});
    lockedRow(1, {QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("4")});
    lockedRow(2, {QStringLiteral("0"), QStringLiteral("0")});
    grid.apici();
    EXPECT_EQ(grid.row(0).lock, 0);
    EXPECT_EQ(cellText(grid, 0, MealColumn::Name), QString());
    EXPECT_EQ(cellText(grid, 0, MealColumn::Prot), QString());
    EXPECT_EQ(grid.row(1).lock, 1);
    EXPECT_EQ(grid.row(2).lock, 0);
    EXPECT_EQ(cellText(grid, 2, MealColumn::Name), QString());
}

TEST_P(Totals, EmptyTableTotalsAreZeroAndCellsStayEmpty)
{
    grid.zero();
    grid.sommax();
    EXPECT_EQ(totalsTexts(grid), QStringList(8, QStringLiteral("0")));
    for (int r = 0; r < kMealRows; ++r)
        EXPECT_EQ(rowValues(grid, r), QStringList(8, QString())) << r;
}

TEST_P(Totals, TotalsAreEmptyUntilTheFirstRecomputation)
{
    EXPECT_EQ(totalsTexts(grid), QStringList(8, QString()));
    EXPECT_EQ(grid.chartValues(), (std::array<double, 3>{0, 0, 0}));
}

VELMO_BOTH_LOCALES(Totals);

}  // namespace
}  // namespace velmo::test
