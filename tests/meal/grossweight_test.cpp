// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/grossweighthint.h"
#include "mealtestsupport.h"

namespace velmo::test {
namespace {

// clang-format off
struct KeyCase { int line; int keyAscii; int expected; const char *hint; };
// clang-format on

// What the filter lets through, and what the status bar says of a key it discards.
constexpr const char *kComma = "Solo grammi interi: i decimali non sono accettati";
constexpr const char *kDigits = "Solo cifre: il peso lordo si scrive in grammi interi";
// clang-format off
const KeyCase kKeyCases[] = {
    {__LINE__, '0', '0', ""}, {__LINE__, '5', '5', ""}, {__LINE__, '9', '9', ""},
    {__LINE__, 8, 8, ""},                        // backspace
    {__LINE__, 0, 0, ""}, {__LINE__, 3, 3, ""}, {__LINE__, 9, 9, ""},
    {__LINE__, 10, 0, ""},                       // line feed
    {__LINE__, 13, 0, "Invio non calcola la riga: spunta la sua casella di blocco (Tab, poi Spazio)"},
    {__LINE__, 22, 0, ""}, {__LINE__, 27, 0, ""}, // Ctrl+V as a character, Escape: commands, not typing
    {__LINE__, ',', 0, kComma}, {__LINE__, '.', 0, kComma},
    {__LINE__, '-', 0, kDigits}, {__LINE__, 'a', 0, kDigits}, {__LINE__, '/', 0, kDigits}, {__LINE__, ':', 0, kDigits},
    {__LINE__, ' ', 0, kDigits},
    {__LINE__, 0x0663, 0, kDigits},              // ARABIC-INDIC DIGIT THREE
    {__LINE__, 0xE0, 0, kDigits},                // à
};
// clang-format on

TEST(GrossWeightKeys, OnlyDigitsAndControlCodesPassAndARefusalSaysWhy)
{
    for (const KeyCase &c : kKeyCases) {
        VELMO_CASE(c);
        EXPECT_EQ(MealGrid::grossKeyPress(c.keyAscii), c.expected);
        EXPECT_EQ(grossKeyHint(c.keyAscii, false), QString::fromUtf8(c.hint));
    }
    // A locked row takes nothing typed, and says so; Tab and Backspace still do their work.
    EXPECT_EQ(grossKeyHint('7', true), QStringLiteral("Riga bloccata: togli la spunta per cambiare il peso lordo"));
    EXPECT_EQ(grossKeyHint(9, true), QString());
}

// clang-format off
struct PasteCase { int line; const char *pasted; bool taken; const char *hint; };
// clang-format on

// Text that arrives whole is taken whole or not at all: its digits alone would make "2.5" 25.
constexpr const char *kLong = "Al massimo 7 cifre: il peso lordo arriva a 9999999 g";
// clang-format off
const PasteCase kPasteCases[] = {
    {__LINE__, "250", true, ""},           {__LINE__, "9999999", true, ""},       {__LINE__, "", true, ""},
    {__LINE__, "0000001", true, ""},       {__LINE__, "2.5", false, kComma},      {__LINE__, "12,5", false, kComma},
    {__LINE__, "1.500", false, kComma},    {__LINE__, "-30", false, kDigits},     {__LINE__, " 12", false, kDigits},
    {__LINE__, "12 g", false, kDigits},    {__LINE__, "1e5", false, kDigits},     {__LINE__, "10000000", false, kLong},
    {__LINE__, "00000001", false, kLong},  {__LINE__, "\u0663\u0664", false, kDigits}, {__LINE__, "7\n", false, kDigits},
    {__LINE__, "99999999999999999999999999999999999999999999999999", false, kLong},
};
// clang-format on

class GrossWeight : public LocaleGridTest {};

TEST_P(GrossWeight, PastedTextIsTakenWholeOrRefused)
{
    for (const PasteCase &c : kPasteCases) {
        VELMO_CASE(c);
        const QString pasted = QString::fromUtf8(c.pasted);
        ASSERT_TRUE(grid.setGrossText(3, QStringLiteral("80")));
        EXPECT_EQ(MealGrid::acceptsGrossText(pasted), c.taken);
        EXPECT_EQ(grossTextHint(pasted), QString::fromUtf8(c.hint));
        EXPECT_EQ(grid.setGrossText(3, pasted), c.taken);
        EXPECT_EQ(cellText(grid, 3, MealColumn::Gross), c.taken ? pasted : QStringLiteral("80"));
    }
}

// A locked row was calculated for the weight it shows: it keeps it until it is unlocked.
TEST_P(GrossWeight, ALockedRowKeepsItsWeight)
{
    lockFood(0, food(QStringLiteral("Mela"), {QStringLiteral("100"), QStringLiteral("10")}), QStringLiteral("200"));
    EXPECT_FALSE(grid.setGrossText(0, QStringLiteral("300")));
    EXPECT_FALSE(grid.setGrossText(0, QString()));
    EXPECT_EQ(cellText(grid, 0, MealColumn::Gross), QStringLiteral("200"));
    EXPECT_TRUE(grid.refuseGrossKey(0, '3'));
    EXPECT_EQ(grid.hint(), grossKeyHint('3', true));
    grid.setLock(0, 0);
    EXPECT_TRUE(grid.setGrossText(0, QStringLiteral("300")));
}

// A value written into a cell that `fillEmptyWithZero` painted white, or a click, shows it in the
// window-text colour.
TEST_P(GrossWeight, CellsPaintedWhiteShowNewValuesAndClicks)
{
    grid.placeFood(food(QStringLiteral("Mela"), {QStringLiteral("100"), QStringLiteral("10"), QStringLiteral("0")}));
    grid.setGrossText(0, QStringLiteral("100"));
    grid.setLock(0, 1);
    // The recomputation left row 1 empty and white.
    ASSERT_EQ(grid.row(1).cell(MealColumn::Gross).textColour, CellTextColour::White);
    ASSERT_EQ(grid.row(1).cell(MealColumn::Protein).textColour, CellTextColour::White);

    grid.placeFood(food(QStringLiteral("Pera"), {QStringLiteral("90"), QStringLiteral("4"), QStringLiteral("1")}));
    for (MealColumn c : {MealColumn::Net, MealColumn::Protein, MealColumn::Fat})
        EXPECT_EQ(grid.row(1).cell(c).textColour, CellTextColour::WindowText) << static_cast<int>(c);
    // An empty value stays as it is: nothing to show.
    EXPECT_EQ(grid.row(1).cell(MealColumn::Cholesterol).textColour, CellTextColour::White);

    grid.setGrossText(1, QStringLiteral("150"));
    EXPECT_EQ(grid.row(1).cell(MealColumn::Gross).textColour, CellTextColour::WindowText);
    grid.grossClicked(2);
    EXPECT_EQ(grid.row(2).cell(MealColumn::Gross).textColour, CellTextColour::WindowText);
    EXPECT_EQ(grid.row(3).cell(MealColumn::Gross).textColour, CellTextColour::White);
    grid.resetTextColours();
    for (int r = 0; r < kMealRows; ++r)
        for (MealColumn c : kValueColumns)
            EXPECT_EQ(grid.row(r).cell(c).textColour, CellTextColour::WindowText) << r;
}

VELMO_BOTH_LOCALES(GrossWeight);

}  // namespace
}  // namespace velmo::test
