// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/decimalround.h"
#include "common/fixed4.h"
#include "common/numbertext.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

using namespace velmo;
using velmo::test::english;
using velmo::test::italian;

namespace {

TEST(LeadingNumberRule, ReadsTheLongestNumericPrefix)
{
    // clang-format off
    const struct { int line; const char *text; std::optional<double> expected; } cases[] = {
        {__LINE__, "", 0.0},
        {__LINE__, "250", 250.0},
        {__LINE__, "  2 5 0 ", 250.0},
        {__LINE__, "1\t2\n3", 123.0},
        {__LINE__, "12.5", 12.5},
        {__LINE__, "1.5", 1.5},             // as many decimals as whole digits
        {__LINE__, "12,5", 12.0},          // reading stops at the comma
        {__LINE__, "90abc", 90.0},
        {__LINE__, "abc", 0.0},
        {__LINE__, "-7.25", -7.25},
        {__LINE__, "+3", 3.0},
        {__LINE__, ".5", 0.5},
        {__LINE__, "5.", 5.0},
        {__LINE__, "1E+2x", 100.0},
        {__LINE__, "2D3", 2000.0},
        {__LINE__, "2e", 2.0},              // no exponent digits: the "e" ends the number
        {__LINE__, "-", 0.0},
        {__LINE__, "1e-400", 0.0},          // underflow reads as zero
        {__LINE__, "1e400", std::nullopt},  // overflow
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(readLeadingNumber(QString::fromUtf8(c.text)), c.expected);
    }
    // Only hundreds of digits overflow.
    EXPECT_TRUE(readLeadingNumber(QString(300, u'9')).has_value());
    EXPECT_FALSE(readLeadingNumber(QString(400, u'9')).has_value());
}

TEST(LocaleRule, FollowsTheUsersSeparators)
{
    // clang-format off
    const struct { int line; const char *text; std::optional<double> italianValue; std::optional<double> englishValue; } cases[] = {
        {__LINE__, "12,4", 12.4, std::nullopt},
        {__LINE__, "12.4", std::nullopt, 12.4},
        {__LINE__, "1.234,56", 1234.56, std::nullopt},
        {__LINE__, "1,234.56", std::nullopt, 1234.56},
        {__LINE__, "225", 225.0, 225.0},
        {__LINE__, "", std::nullopt, std::nullopt},
        {__LINE__, "   ", std::nullopt, std::nullopt},
        {__LINE__, "abc", std::nullopt, std::nullopt},
        {__LINE__, "12abc", std::nullopt, std::nullopt},
        {__LINE__, "-3", -3.0, -3.0},
        {__LINE__, "007", 7.0, 7.0},
        {__LINE__, "5,", 5.0, std::nullopt},
        {__LINE__, "1234567890123456789012", 1234567890123456789012.0, 1234567890123456789012.0},
        {__LINE__, "1e3", 1000.0, 1000.0},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(readLocaleNumber(QString::fromUtf8(c.text), italian()), c.italianValue);
        EXPECT_EQ(readLocaleNumber(QString::fromUtf8(c.text), english()), c.englishValue);
        // The system locale reads through a stand-in: it must read what Qt's own reader reads.
        bool ok = false;
        const double system = QLocale::system().toDouble(QString::fromUtf8(c.text), &ok);
        EXPECT_EQ(readLocaleNumber(QString::fromUtf8(c.text), QLocale::system()),
                  ok ? std::optional(system) : std::nullopt);
    }
    EXPECT_EQ(readLocaleNumberOrZero(u"x", italian()), 0.0);
    EXPECT_EQ(readLocaleNumberOrZero(u"1.234,56", italian()) + readLocaleNumberOrZero(u"10,00", italian()), 1244.56);
}

TEST(LocaleRule, WholeNumbersRoundHalvesToEvenWithin16Bits)
{
    // clang-format off
    const struct { int line; const char *italianText, *englishText; std::optional<qint16> expected; } cases[] = {
        {__LINE__, "64,5", "64.5", 64}, {__LINE__, "65,5", "65.5", 66}, {__LINE__, "32767", "32767", 32767},
        {__LINE__, "32768", "32768", std::nullopt}, {__LINE__, "", "", std::nullopt},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(readWholeNumber16(QString::fromUtf8(c.italianText), italian()), c.expected);
        EXPECT_EQ(readWholeNumber16(QString::fromUtf8(c.englishText), english()), c.expected);
    }
}

// What a count field (any locale) and an amount field (Italian, English) let the user type.

TEST(TypedInput, CountsTakeDigitsAmountsOneDecimalSeparatorOfTheLocale)
{
    // clang-format off
    const struct { int line; const char *text; bool countAccepts; bool italianAmountAccepts; bool englishAmountAccepts; } cases[] = {
        {__LINE__, "", true, true, true},          {__LINE__, "60", true, true, true},
        {__LINE__, "60,", false, true, false},     {__LINE__, "60.", false, false, true},
        {__LINE__, "60,5", false, true, false},    {__LINE__, "60.5", false, false, true},
        {__LINE__, ",5", false, false, false},     {__LINE__, ".5", false, false, false},
        {__LINE__, "6,0,1", false, false, false},  {__LINE__, "1.234,5", false, false, false},
        {__LINE__, "-6", false, false, false},     {__LINE__, "6e2", false, false, false},
        {__LINE__, " 6", false, false, false},     {__LINE__, "6\n", false, false, false},
        {__LINE__, "\u0663", false, false, false},  // a digit of another script
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(isUnsignedWholeInput(text), c.countAccepts);
        EXPECT_EQ(isUnsignedDecimalInput(text, italian()), c.italianAmountAccepts);
        EXPECT_EQ(isUnsignedDecimalInput(text, english()), c.englishAmountAccepts);
    }
}

// Under Italian, then English: `whole` with ArgumentFraction::Refused, `fraction` with
// ArgumentFraction::CommaOrPoint.

TEST(CommandLineNumbers, GroupsOfTheLocaleNeverReadAsDecimals)
{
    const std::optional<qint16> no;
    // clang-format off
    const struct { int line; const char *text; std::optional<qint16> itWhole, itFraction, enWhole, enFraction; } cases[] = {
        {__LINE__, "30", 30, 30, 30, 30},
        {__LINE__, "64,5", no, 64, no, 64},
        {__LINE__, "65.5", no, 66, no, 66},
        {__LINE__, "1.000", 1000, 1000, no, no},
        {__LINE__, "1,000", no, no, 1000, 1000},
        {__LINE__, "1.000,5", no, 1000, no, no},
        {__LINE__, "1,234.5", no, no, no, 1234},
        {__LINE__, "1,0000", no, 1, no, no},
        {__LINE__, "1.0000", no, no, no, 1},
        {__LINE__, "10.00.000", no, no, no, no},
        {__LINE__, "1.000.", no, no, no, no},
        {__LINE__, "70,", no, no, no, no},
        {__LINE__, "-5", no, no, no, no},
        {__LINE__, "", no, no, no, no},
        {__LINE__, "5kg", no, no, no, no},
        {__LINE__, "32767", 32767, 32767, 32767, 32767},
        {__LINE__, "32767,4", no, 32767, no, 32767},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(readWholeArgument16(text, ArgumentFraction::Refused, italian()), c.itWhole);
        EXPECT_EQ(readWholeArgument16(text, ArgumentFraction::CommaOrPoint, italian()), c.itFraction);
        EXPECT_EQ(readWholeArgument16(text, ArgumentFraction::Refused, english()), c.enWhole);
        EXPECT_EQ(readWholeArgument16(text, ArgumentFraction::CommaOrPoint, english()), c.enFraction);
    }
}

// A separator before the last three digits may be thousands; a file's number only when it ends
// in a zero, which a shortest written decimal never does.
TEST(CommandLineNumbers, ThreeDigitsAfterASeparatorMayBeThousands)
{
    // clang-format off
    const struct { int line; const char *text; bool typed, inFile; } cases[] = {
        {__LINE__, "1.500", true, true},
        {__LINE__, " 12,250 ", true, true},
        {__LINE__, "12.125", true, false},
        {__LINE__, "0.500", false, false},
        {__LINE__, "1.50", false, false},
        {__LINE__, "1.5000", false, false},
        {__LINE__, "1500", false, false},
        {__LINE__, "1.000.000", false, false},
        {__LINE__, "1;500", false, false},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(mayBeThousands(QString::fromUtf8(c.text), u".,", false), c.typed);
        EXPECT_EQ(mayBeThousands(QString::fromUtf8(c.text), u".,", true), c.inFile);
    }
    EXPECT_FALSE(mayBeThousands(u"1,500", u".", false));
}

// One row per value and format, as an Italian and an English user see it.
TEST(Formats, EveryFormatInItalianAndEnglish)
{
    using Format = QString (*)(double, const QLocale &);
    const Format plain = formatPlain, grouped2 = formatGrouped2, fixed2 = formatFixed2, upTo2 = formatGroupedUpTo2;
    // clang-format off
    const struct { int line; Format format; double value; const char *italianText, *englishText; } cases[] = {
        {__LINE__, plain, 120, "120", "120"},
        {__LINE__, plain, 108.75, "108,75", "108.75"},
        {__LINE__, plain, 1244.56, "1244,56", "1244.56"},
        {__LINE__, plain, -0.0, "0", "0"},
        {__LINE__, plain, 0.1 + 0.2, "0,3", "0.3"},           // 15 significant digits
        {__LINE__, plain, 1.64 * 1351, "2215,64", "2215.64"},
        {__LINE__, plain, 123456789012345.6, "123456789012346", "123456789012346"},
        {__LINE__, plain, 27.900000000000002, "27,9", "27.9"},
        {__LINE__, plain, 123456789012.3125, "123456789012,312", "123456789012.312"},  // an exact half: to even
        {__LINE__, grouped2, 2700, "2.700,00", "2,700.00"},
        {__LINE__, grouped2, 1234567.891, "1.234.567,89", "1,234,567.89"},
        {__LINE__, grouped2, 0.125, "0,12", "0.12"},  // halves to even
        {__LINE__, grouped2, 0.135, "0,14", "0.14"},
        {__LINE__, grouped2, 2.675, "2,68", "2.68"},  // the decimal the user sees is a half
        {__LINE__, grouped2, 999.995, "1.000,00", "1,000.00"},
        {__LINE__, grouped2, -0.001, "0,00", "0.00"},
        {__LINE__, fixed2, 55.39, "55,39", "55.39"},
        {__LINE__, fixed2, 3113.22 * 65 / 100 / 4, "505,90", "505.90"},
        {__LINE__, fixed2, 2700, "2700,00", "2700.00"},
        {__LINE__, upTo2, 500000, "500.000", "500,000"},
        {__LINE__, upTo2, 1234.5, "1.234,5", "1,234.5"},
        {__LINE__, upTo2, 0.004, "0", "0"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(c.format(c.value, italian()).toStdString(), c.italianText);
        EXPECT_EQ(c.format(c.value, english()).toStdString(), c.englishText);
    }
}

TEST(Formats, UngroupedKeepsTheDecimalsItFound)
{
    // clang-format off
    const struct { int line; const char *italianText; const char *italianUngrouped; const char *englishText; const char *englishUngrouped; } cases[] = {
        {__LINE__, "2.700,00", "2700,00", "2,700.00", "2700.00"},
        {__LINE__, "1.234.567,89", "1234567,89", "1,234,567.89", "1234567.89"},
        {__LINE__, "500.000", "500000", "500,000", "500000"},
        {__LINE__, "-1.000,50", "-1000,50", "-1,000.50", "-1000.50"},
        {__LINE__, "55,39", "55,39", "55.39", "55.39"},  // nothing to undo
        {__LINE__, "1E+308", "1E+308", "1E+308", "1E+308"},
        {__LINE__, "1.2x", "1.2x", "1,2x", "1,2x"},      // not a number: left as it is
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(ungroupedNumberText(QString::fromUtf8(c.italianText), italian()).toStdString(), c.italianUngrouped);
        EXPECT_EQ(ungroupedNumberText(QString::fromUtf8(c.englishText), english()).toStdString(), c.englishUngrouped);
    }
    // Undoing the grouping of the table's format gives its ungrouped twin.
    for (double value : {0.0, 999.995, 2652.0, 1234567.891, -4321.5})
        for (const QLocale &locale : {italian(), english()})
            EXPECT_EQ(ungroupedNumberText(formatGrouped2(value, locale), locale), formatFixed2(value, locale)) << value;
}

// Locales whose own digits are not ASCII write ASCII digits with their own separators, so that
// what one step writes the next reads back, and console output keeps one digit system.

TEST(Formats, AsciiDigitsWithTheLocalesSeparatorsReadBack)
{
    // clang-format off
    const struct { int line; const char *locale; double value; const char *plain; const char *grouped2; const char *upTo2; } cases[] = {
        {__LINE__, "it_IT", 1234.5, "1234,5", "1.234,50", "1.234,5"},
        {__LINE__, "en_US", 1234.5, "1234.5", "1,234.50", "1,234.5"},
        {__LINE__, "fa_IR", 1234.5, "1234\u066b5", "1\u066c234\u066b50", "1\u066c234\u066b5"},
        {__LINE__, "ar_EG", 1234.5, "1234\u066b5", "1\u066c234\u066b50", "1\u066c234\u066b5"},
        {__LINE__, "ar_EG", -2.25, "\u061c-2\u066b25", "\u061c-2\u066b25", "\u061c-2\u066b25"},
        {__LINE__, "fa_IR", -2.25, "\u200e\u22122\u066b25", "\u200e\u22122\u066b25", "\u200e\u22122\u066b25"},
        {__LINE__, "fa_IR", 1.5e15, "1\u066b5E+15", "1\u066c500\u066c000\u066c000\u066c000\u066c000\u066b00",
         "1\u066c500\u066c000\u066c000\u066c000\u066c000"},
        {__LINE__, "it_IT", 1.5e15, "1,5E+15", "1.500.000.000.000.000,00", "1.500.000.000.000.000"},
        {__LINE__, "en_IN", -123456.5, "-123456.5", "-123,456.50", "-123,456.5"},  // the locale groups 1,23,456
        {__LINE__, "hi_IN", 1234567, "1234567", "1,234,567.00", "1,234,567"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const QLocale locale(QString::fromLatin1(c.locale));
        const QString texts[] = {formatPlain(c.value, locale), formatGrouped2(c.value, locale),
                                 formatGroupedUpTo2(c.value, locale)};
        const char *expected[] = {c.plain, c.grouped2, c.upTo2};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(texts[i], QString::fromUtf8(expected[i])) << i;
            EXPECT_EQ(readLocaleNumber(texts[i], locale), c.value) << i;
        }
    }
    // What a user of such a locale types in its own digits reads as well.
    EXPECT_EQ(readLocaleNumber(u"\u06f1\u06f2\u066b\u06f5", QLocale(QStringLiteral("fa_IR"))), 12.5);
    EXPECT_EQ(readLocaleNumber(u"\u0661\u0662\u066b\u0665", QLocale(QStringLiteral("ar_EG"))), 12.5);
}

TEST(Formats, WholeUnitsWithExactDecimals)
{
    // clang-format off
    const struct { int line; qint64 units; int decimals; const char *italianText; const char *englishText; } cases[] = {
        {__LINE__, 6, 1, "0,6", "0.6"},        {__LINE__, 0, 2, "0,00", "0.00"},
        {__LINE__, 25, 3, "0,025", "0.025"},   {__LINE__, 12000, 0, "12000", "12000"},
        {__LINE__, 1205, 2, "12,05", "12.05"}, {__LINE__, -15, 1, "-1,5", "-1.5"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(formatUnits(c.units, c.decimals, italian()).toStdString(), c.italianText);
        EXPECT_EQ(formatUnits(c.units, c.decimals, english()).toStdString(), c.englishText);
    }
    EXPECT_EQ(formatUnits(25, 1, QLocale(QStringLiteral("fa_IR"))), QStringLiteral("2\u066b5"));
}

// One rule for the amounts shown outside the fixed formats, by the unit they are in.
TEST(Formats, AmountsWithTheDecimalsTheirUnitDeserves)
{
    constexpr auto kcal = Amount::Kilocalories, food = Amount::FoodGrams, g = Amount::Grams, mg = Amount::Milligrams,
                   ug = Amount::Micrograms;
    // clang-format off
    const struct { int line; Amount amount; double value; const char *italianText, *englishText; } cases[] = {
        {__LINE__, kcal, 2244.4, "2244", "2244"},  {__LINE__, kcal, 249.5, "250", "250"},  // halves to even
        {__LINE__, kcal, 250.5, "250", "250"},     {__LINE__, food, 150.6, "151", "151"},
        {__LINE__, g, 12.25, "12,2", "12.2"},      {__LINE__, g, 1234.56, "1234,6", "1234.6"},
        {__LINE__, g, -0.04, "0,0", "0.0"},        {__LINE__, g, 7, "7,0", "7.0"},
        {__LINE__, mg, 9.94, "9,9", "9.9"},        {__LINE__, mg, 9.96, "10", "10"},
        {__LINE__, mg, 844.5, "844", "844"},       {__LINE__, ug, 2.5, "2", "2"},
        {__LINE__, g, std::nan(""), "", ""},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(formatAmount(c.value, c.amount, italian()).toStdString(), c.italianText);
        EXPECT_EQ(formatAmount(c.value, c.amount, english()).toStdString(), c.englishText);
    }
    // A nutrient's own decimals: exactly that many, halves to even, never grouped.
    EXPECT_EQ(formatDecimals(1.125, 2, italian()), QStringLiteral("1,12"));
    EXPECT_EQ(formatDecimals(1234.5, 0, english()), QStringLiteral("1234"));
    EXPECT_EQ(formatDecimals(1234.5, 3, english()), QStringLiteral("1234.500"));
    EXPECT_EQ(formatDecimals(0.12345678, 9, italian()), QStringLiteral("0,123457"));  // six at most
    EXPECT_EQ(nutrientAmount(u"mg"), mg);
    EXPECT_EQ(nutrientAmount(u"\u00b5g"), ug);
    EXPECT_EQ(nutrientAmount(u"%"), std::nullopt);
}

TEST(Fixed4, RoundsHalvesToEvenAndPrintsShortest)
{
    // clang-format off
    const struct { int line; double value; std::optional<qint64> units; } exact[] = {
        {__LINE__, 58.3 * 9 - 31, 4937000}, {__LINE__, 0.00005, 0}, {__LINE__, 0.00015, 2},
        {__LINE__, -1.23455, -12346},       {__LINE__, 1e300, std::nullopt},
    };
    // clang-format on
    for (const auto &c : exact) {
        VELMO_CASE(c);
        const auto f = Fixed4::fromDouble(c.value);
        EXPECT_EQ(f ? std::optional<qint64>(f->units()) : std::nullopt, c.units);
    }

    // clang-format off
    const struct { int line; double value; const char *it; const char *en; } cases[] = {
        {__LINE__, 1351, "1351", "1351"},
        {__LINE__, 1304.5, "1304,5", "1304.5"},
        {__LINE__, 2.10, "2,1", "2.1"},
        {__LINE__, 1.6400, "1,64", "1.64"},
        {__LINE__, -31, "-31", "-31"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const Fixed4 f = *Fixed4::fromDouble(c.value);
        EXPECT_EQ(f.toText(italian()).toStdString(), c.it);
        EXPECT_EQ(f.toText(english()).toStdString(), c.en);
    }
}

TEST(RoundHalfEven, WholeNumbers)
{
    // clang-format off
    const struct { int line; double value; std::int64_t expected; } cases[] = {
        {__LINE__, 0.5, 0},   {__LINE__, 1.5, 2},     {__LINE__, 2.5, 2},   {__LINE__, 3.5, 4},
        {__LINE__, -2.5, -2}, {__LINE__, -3.5, -4},   {__LINE__, 2.4999, 2}, {__LINE__, 2.5001, 3},
        {__LINE__, 64.5, 64}, {__LINE__, 65.5, 66},   {__LINE__, 0.0, 0},   {__LINE__, 1e15, 1000000000000000},
        {__LINE__, 99.5, 100}, {__LINE__, 9.5, 10},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(roundHalfEvenToInteger(c.value), c.expected);
    }
    EXPECT_FALSE(roundHalfEvenToInteger(1e19).has_value());
    EXPECT_FALSE(roundHalfEvenToInteger(std::numeric_limits<double>::infinity()).has_value());
}

TEST(RoundHalfEven, DigitsOfLargeAndSmallValues)
{
    // clang-format off
    const struct { int line; double value; int decimals; bool negative; const char *integer, *fraction; } cases[] = {
        {__LINE__, 1e20, 2, false, "100000000000000000000", "00"},
        {__LINE__, 0.000123, 4, false, "0", "0001"},
        {__LINE__, -9.9999, 2, true, "10", "00"},  // the carry reaches the integer
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const RoundedDecimal r = roundHalfEven(c.value, c.decimals);
        EXPECT_EQ(r.negative, c.negative);
        EXPECT_EQ(r.integerDigits, c.integer);
        EXPECT_EQ(r.fractionDigits, c.fraction);
    }
}

// Dates are typed and shown alike, with every digit, in the order of the user's language.
TEST(DateText, TheLocalesOrderWithTwoDigitDaysAndMonthsAndFourDigitYears)
{
    // clang-format off
    const struct { int line; const char *locale, *format, *shown, *dayMonth, *longDay; } cases[] = {
        {__LINE__, "it_IT", "dd/MM/yyyy", "03/02/2026", "03/02", "martedì 3 febbraio"},
        {__LINE__, "en_US", "MM/dd/yyyy", "02/03/2026", "02/03", "Tuesday, February 3"},
        {__LINE__, "en_GB", "dd/MM/yyyy", "03/02/2026", "03/02", "Tuesday, 3 February"},
        {__LINE__, "de_DE", "dd.MM.yyyy", "03.02.2026", "03.02", "Dienstag, 3. Februar"},
        {__LINE__, "ja_JP", "yyyy/MM/dd", "2026/02/03", "02/03", "2月3日火曜日"},
        {__LINE__, "es_ES", "dd/MM/yyyy", "03/02/2026", "03/02", "martes, 3 de febrero"},
        {__LINE__, "ru_RU", "dd.MM.yyyy", "03.02.2026", "03.02", "вторник, 3 февраля"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const QLocale locale(QString::fromLatin1(c.locale));
        EXPECT_EQ(dateFormat(locale), QString::fromLatin1(c.format));
        EXPECT_EQ(dateText(QDate(2026, 2, 3), locale), QString::fromLatin1(c.shown));
        EXPECT_EQ(locale.toDate(dateText(QDate(2026, 2, 3), locale), dateFormat(locale)), QDate(2026, 2, 3));
        EXPECT_EQ(dayMonthText(QDate(2026, 2, 3), locale), QString::fromUtf8(c.dayMonth));
        EXPECT_EQ(longDayText(QDate(2026, 2, 3), locale), QString::fromUtf8(c.longDay));
    }
}

}  // namespace
