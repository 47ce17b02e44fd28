// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "mealtestsupport.h"

#include <array>

namespace velmo::test {
namespace {

// One row calculation: the gross weight, the food as the browser shows it and the cells after
// the calculation (net weight, then the six nutrients), as English texts; the Italian ones swap
// point and comma, unless given.
using Texts = std::array<const char *, 7>;
struct CalcCase {
    int line;
    const char *gross;
    Texts food;   // edible %, protein, fat, carbohydrate, energy, fibre, cholesterol
    Texts cells;  // net, protein, fat, carbohydrate, energy, fibre, cholesterol
    Texts cellsItalian{};
};

// clang-format off
const CalcCase kCalcCases[] = {
    {__LINE__, "250", {"90", "12.4", "3", "50", "350", "2", "0"}, {"225", "27.90", "6.75", "112.50", "787.50", "4.50", "0.00"}},
    {__LINE__, "1000", {"100", "0", "0", "0", "270", "0", "0"}, {"1000", "0.00", "0.00", "0.00", "2,700.00", "0.00", "0.00"}},
    // An empty value per 100 g stays empty; the other nutrients are calculated.
    {__LINE__, "125", {"87", "4", "0.2", "13.81", "52", "2.4", ""}, {"108.75", "4.35", "0.22", "15.02", "56.55", "2.61", ""}},
    {__LINE__, "0", {"90", "12.4", "3", "50", "350", "2", "1"}, {"0", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
    // An edible percentage that is no number reads as 0.
    {__LINE__, "300", {"abc", "5", "5", "5", "5", "5", "5"}, {"0", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
    // A nutrient text that is no number: the row cannot be calculated and is left as it was.
    {__LINE__, "200", {"100", "tracce", "1", "1", "1", "1", "1"}, {"100", "tracce", "1", "1", "1", "1", "1"}},
    // Group separators in a value per 100 g are read by the locale rule.
    {__LINE__, "200", {"100", "1", "1", "1", "1,234.5", "1", "1"}, {"200", "2.00", "2.00", "2.00", "2,469.00", "2.00", "2.00"}},
    // A decimal edible percentage (a personal food's) is read in the user's number format; a text
    // that is no number in it is read from its start, "." as decimal point.
    {__LINE__, "200", {"87.5", "10", "0", "0", "0", "0", "0"}, {"175", "17.50", "0.00", "0.00", "0.00", "0.00", "0.00"}},
    {__LINE__, "200", {"87.5%", "10", "0", "0", "0", "0", "0"}, {"175", "17.50", "0.00", "0.00", "0.00", "0.00", "0.00"},
     {"174", "17,40", "0,00", "0,00", "0,00", "0,00", "0,00"}},
    // Large portions keep every digit of the net weight and group the nutrients.
    {__LINE__, "123456", {"100", "100", "0", "0", "0", "0", "0"}, {"123456", "123,456.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
};
// clang-format on

class RowCalculation : public LocaleGridTest {};

TEST_P(RowCalculation, PortionFromGrossWeightAndValuesPer100g)
{
    const MealColumn order[] = {MealColumn::Net,          MealColumn::Protein, MealColumn::Fat,
                                MealColumn::Carbohydrate, MealColumn::Energy,  MealColumn::Fibre,
                                MealColumn::Cholesterol};
    for (const CalcCase &c : kCalcCases) {
        VELMO_CASE(c);
        OpenGrid g;
        QStringList texts;
        for (const char *v : c.food)
            texts.append(localized(QString::fromUtf8(v)));
        g.placeFood(food(QStringLiteral("Alimento di prova"), texts));
        g.setGrossText(0, QString::fromUtf8(c.gross));
        g.mutableRow(0).lock = 1;

        g.calculateRow(0);

        for (std::size_t i = 0; i < 7; ++i) {
            const QString expected = italianLocale() && c.cellsItalian[0] ? QString::fromUtf8(c.cellsItalian[i])
                                                                          : localized(QString::fromUtf8(c.cells[i]));
            EXPECT_EQ(cellText(g, 0, order[i]), expected) << "column " << i;
        }
        EXPECT_EQ(cellText(g, 0, MealColumn::Gross), QString::fromUtf8(c.gross));
    }
}

// A row that cannot be calculated, whatever the reason, is refused as a row without gross
// weight is: it never stays locked with its values per 100 g, which the totals would add up as
// grams. Weights longer than the box takes are put in as an earlier step could have left them.
TEST_P(RowCalculation, RowThatCannotBeCalculatedIsRefusedLikeOneWithoutWeight)
{
    // clang-format off
    const struct { int line; QString gross, edible, protein; } cases[] = {
        {__LINE__, QString(400, u'9'), QStringLiteral("90"), QStringLiteral("1")},               // weight overflows
        {__LINE__, QStringLiteral("1") + QString(307, u'0'), QStringLiteral("90"), QStringLiteral("1")},  // product
        {__LINE__, QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("n.d.")},       // value is no number
        {__LINE__, QStringLiteral("9999999"), QStringLiteral("100"), QStringLiteral("1e308")},  // nutrient overflows
        {__LINE__, QString(), QStringLiteral("100"), QStringLiteral("1")},                     // no weight at all
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        FakeDialogs messages;
        OpenGrid g;
        g.setDialogs(&messages);
        g.placeFood(food(QStringLiteral("Pane"), {c.edible, c.protein, QStringLiteral("3")}));
        g.setCellText(0, MealColumn::Gross, c.gross);
        bool lockedAndNamed = false;  // while the refusal is on screen the row is as the user left it
        messages.onMessage = [&] {
            lockedAndNamed = g.row(0).lock == 1 && !cellText(g, 0, MealColumn::Name).isEmpty();
        };

        g.setLock(0, 1);

        EXPECT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(lockedAndNamed);
        EXPECT_EQ(g.row(0).lock, 0);
        EXPECT_EQ(cellText(g, 0, MealColumn::Name), QString());
        EXPECT_EQ(rowValues(g, 0), QStringList(8, QString()));
        EXPECT_FALSE(g.row(1).visible);
        EXPECT_EQ(totalsTexts(g), QStringList(8, QStringLiteral("0")));
    }
}

VELMO_BOTH_LOCALES(RowCalculation);

}  // namespace
}  // namespace velmo::test
