// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "mealtestsupport.h"

namespace velmo::test {
namespace {

// Rows as an earlier step leaves them (English texts: the Italian ones swap point and comma):
// locked, the values (gross, net, then the six nutrients), the values after the recomputation
// and whether it is still locked; then the totals (none: not checked).
// clang-format off
struct GivenRow { bool locked; Texts values, after; bool lockedAfter; };
struct TotalsCase { int line; std::vector<GivenRow> rows; Texts totals; };
// clang-format on

// clang-format off
const TotalsCase kTotalsCases[] = {
    // Sums read group separators and write plain decimals, to fifteen significant digits.
    {__LINE__,
     {{true, {"100", "90", "1,234.56", "12.5"}, {"100", "90", "1,234.56", "12.5", "", "", "", ""}, true},
      {true, {"50", "40", "10.00", "0"}, {"50", "40", "10.00", "", "", "", "", ""}, true}},
     {"150", "130", "1244.56", "12.5", "0", "0", "0", "0"}},
    {__LINE__, {{true, {"1", "0.1"}, {"1", "0.1", "", "", "", "", "", ""}, true}, {true, {"2", "0.2"}, {"2", "0.2", "", "", "", "", "", ""}, true}},
     {"3", "0.3", "0", "0", "0", "0", "0", "0"}},
    // The open row shows the browsed food per 100 g: none of it is eaten until it is locked.
    {__LINE__,
     {{true, {"100", "100", "5"}, {"100", "100", "5", "", "", "", "", ""}, true},
      {false, {"300", "90", "12"}, {"300", "90", "12", "", "", "", "", ""}, false}},
     {"100", "100", "5", "0", "0", "0", "0", "0"}},
    // Zero cells are blanked; a text that is no number is left as it is.
    {__LINE__, {{true, {"100", "n.d.", "0.00", "1.50"}, {"100", "n.d.", "", "1.50", "", "", "", ""}, true}},
     {"100", "0", "0", "1.5", "0", "0", "0", "0"}},
    // Every locked row without gross weight is unlocked and emptied (the next pass counts it no more).
    {__LINE__,
     {{true, {"", "", "3"}, {"", "", "", "", "", "", "", ""}, false},
      {true, {"100", "100", "4"}, {"100", "100", "4", "", "", "", "", ""}, true},
      {true, {"0", "0"}, {"", "", "", "", "", "", "", ""}, false}},
     {}},
    {__LINE__, {}, {"0", "0", "0", "0", "0", "0", "0", "0"}},
};
// clang-format on

class Totals : public LocaleGridTest {};

TEST_P(Totals, RecomputationSumsTheLockedRowsAndBlanksTheirZeros)
{
    for (const TotalsCase &c : kTotalsCases) {
        VELMO_CASE(c);
        OpenGrid g;
        for (std::size_t r = 0; r < c.rows.size(); ++r) {
            const int row = static_cast<int>(r);
            g.mutableRow(row).lock = c.rows[r].locked ? 1 : 0;
            g.setCellText(row, MealColumn::Name, QStringLiteral("Alimento %1").arg(r));
            const QStringList values = localized(c.rows[r].values);
            for (std::size_t i = 0; i < kValueColumns.size(); ++i)
                g.setCellText(row, kValueColumns[i], values.value(static_cast<int>(i)));
        }
        g.fillEmptyWithZero();
        g.sumTotals();
        if (!c.totals.isEmpty()) {
            EXPECT_EQ(totalsTexts(g), localized(c.totals));
        }
        for (int r = 0; r < kMealRows; ++r) {
            const GivenRow given = r < static_cast<int>(c.rows.size()) ? c.rows[static_cast<std::size_t>(r)]
                                                                       : GivenRow{};
            EXPECT_EQ(rowValues(g, r),
                      localized(given.after.isEmpty() ? QStringList(8, QString()) : QStringList(given.after)))
                << r;
            EXPECT_EQ(g.row(r).lock, given.lockedAfter ? 1 : 0) << r;
            const bool emptied = r >= static_cast<int>(c.rows.size()) || (given.locked && !given.lockedAfter);
            EXPECT_EQ(cellText(g, r, MealColumn::Name).isEmpty(), emptied) << r;
            // A cell `fillEmptyWithZero` filled is blanked again and keeps its white.
            for (std::size_t i = 0; i < kValueColumns.size(); ++i)
                if (given.values.value(static_cast<int>(i)).isEmpty()) {
                    EXPECT_EQ(g.row(r).cell(kValueColumns[i]).textColour, CellTextColour::White) << r << " " << i;
                }
        }
    }
}

TEST_P(Totals, ZeroFillsOnlyEmptyCellsWithWhiteZero)
{
    EXPECT_EQ(totalsTexts(grid), QStringList(8, QString()));  // empty until the first recomputation
    EXPECT_EQ(grid.chartValues(), (std::array<double, 3>{0, 0, 0}));
    grid.setCellText(0, MealColumn::Protein, QStringLiteral(" "));
    grid.setCellText(0, MealColumn::Fat, QStringLiteral("3"));
    grid.fillEmptyWithZero();
    EXPECT_EQ(cellText(grid, 0, MealColumn::Protein), QStringLiteral(" "));
    EXPECT_EQ(grid.row(0).cell(MealColumn::Protein).textColour, CellTextColour::WindowText);
    EXPECT_EQ(cellText(grid, 0, MealColumn::Fat), QStringLiteral("3"));
    EXPECT_EQ(cellText(grid, 0, MealColumn::Gross), QStringLiteral("0"));
    EXPECT_EQ(grid.row(0).cell(MealColumn::Gross).textColour, CellTextColour::White);
    EXPECT_EQ(cellText(grid, 5, MealColumn::Name), QString());  // the food name is no value cell
    grid.blankZeros();                                          // on its own, outside a recomputation
    EXPECT_EQ(cellText(grid, 0, MealColumn::Gross), QString());
    EXPECT_EQ(cellText(grid, 0, MealColumn::Fat), QStringLiteral("3"));
}

VELMO_BOTH_LOCALES(Totals);

}  // namespace
}  // namespace velmo::test

// Numbers read once are remembered only for the locale they were read in.
TEST(TotalsLocale, ATextIsReadAgainWhenTheLocaleChanges)
{
    const velmo::test::LocaleGuard italianLocale("it_IT");
    velmo::test::OpenGrid g;
    g.mutableRow(0).lock = 1;
    g.setCellText(0, velmo::MealColumn::Name, QStringLiteral("Alimento"));
    g.setCellText(0, velmo::MealColumn::Gross, QStringLiteral("1,234.5"));  // no number in Italian
    g.sumTotals();
    EXPECT_EQ(g.totalText(velmo::MealColumn::Gross), QStringLiteral("0"));
    const velmo::test::LocaleGuard englishLocale("en_US");
    g.sumTotals();
    EXPECT_EQ(g.totalText(velmo::MealColumn::Gross), QStringLiteral("1234.5"));
}
