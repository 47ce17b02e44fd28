// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace velmo {

// Numbers travel between the program's steps as the texts its controls show. Every reading and
// writing rule for those texts lives here, and nowhere else. Every text is written with ASCII
// digits and the locale's own separators and sign, whatever digits the locale itself uses, and
// the readers take such texts (and the locale's own digits) back.

// Leading-number rule: blanks, tabs and line feeds are ignored wherever they stand; then the
// longest prefix that is a number written with "." as decimal point (sign, digits, decimals,
// exponent) is read. A text without such a prefix, the empty text included, reads as 0. Empty only
// when the number is too large for a double (an arithmetic overflow in the caller's step).
std::optional<double> readLeadingNumber(QStringView text);

// Locale rule: the whole text, surrounding blanks allowed, must be a number in `locale` (its
// decimal separator, group separators allowed). Empty when it is not.
std::optional<double> readLocaleNumber(QStringView text, const QLocale &locale);

// The locale rule where an unreadable text counts as 0 (sums never fail on a cell).
double readLocaleNumberOrZero(QStringView text, const QLocale &locale);

// A whole number typed in a box, read by the locale rule and rounded halves to even, within the
// range of a signed 16-bit integer. Empty when unreadable or out of range.
std::optional<qint16> readWholeNumber16(QStringView text, const QLocale &locale);

// What a box for a count without sign takes while the user types: ASCII digits only, the empty
// text included.
bool isUnsignedWholeInput(QStringView text);

// What a box for an amount without sign takes while the user types: ASCII digits, then at most
// one decimal separator of `locale` followed by digits ("60", "60,", "60,5"), the empty text
// included; never a sign, a group separator, a blank or an exponent.
bool isUnsignedDecimalInput(QStringView text, const QLocale &locale);

// A number given on a command line: ASCII digits, the group separators of `locale` where they
// belong ("1.000" under Italian and "1,000" under English are both 1000), and where `fraction`
// allows it decimals after a comma or a point ("64,5" and "65.5" under every locale); no sign or
// blanks. A number is never read as a thousand times smaller: three digits after a comma or a
// point not grouped by the locale ("1,000" under Italian), or more after its group separator
// ("1,0000" under English), are refused. Rounded halves to even within a signed 16-bit integer;
// empty when unreadable or out of range.
enum class ArgumentFraction { Refused, CommaOrPoint };
std::optional<qint16> readWholeArgument16(QStringView text, ArgumentFraction fraction, const QLocale &locale);

// A number of a data file that any locale may have written: ASCII digits with at most one
// decimal point or comma and digits after it ("12", "0.5", "0,5"), surrounding blanks allowed;
// no sign, groups or exponent. Empty when it is not such a number.
std::optional<double> readPlainDecimal(QStringView text);

// Whether a typed number has one of `separators` before its last three digits and does not start
// with a zero ("1.300", "12,500"): it may be thousands as well as decimals. With `endingInZero`,
// only when its last digit is a zero, which the shortest written decimal never has, so that what
// Velmo wrote ("12.125") still reads back.
bool mayBeThousands(QStringView typed, QStringView separators, bool endingInZero);

// The same numbers written for a data file: the shortest decimal with a point that reads back
// to the same double, without exponent ("0.1", "12.25", "0.30000000000000004").
QString formatPlainDecimal(double value);

// Plain shortest decimal: locale decimal separator, no grouping, no trailing zeros, at most 15
// significant digits; a whole number has no separator (120, 108,75).
QString formatPlain(double value, const QLocale &locale);

// "##,##0.00": grouping every three digits and exactly two decimals (2.700,00 / 2,700.00).
QString formatGrouped2(double value, const QLocale &locale);

// "0.00": exactly two decimals, no grouping (55,39 / 55.39).
QString formatFixed2(double value, const QLocale &locale);

// "#,###,##0.##": grouping and at most two decimals, trailing zeros and separator dropped.
QString formatGroupedUpTo2(double value, const QLocale &locale);

// A number text of `locale` written again without grouping, with the decimals it had
// ("2.700,50" -> "2700,50"; "2,700.50" -> "2700.50"). A text without groups, or that is not a
// number by the locale rule, comes back unchanged.
QString ungroupedNumberText(QStringView text, const QLocale &locale);

// A whole count of units of 10^-decimals written exactly with that many decimals and no
// grouping (units 6, decimals 1: 0,6 / 0.6). For values built from exact steps, such as the
// labels of a chart axis.
QString formatUnits(qint64 units, int decimals, const QLocale &locale);

// Exactly `decimals` decimals (0 to 6), rounded halves to even, no grouping, the locale's decimal
// separator: the amounts of a nutrient profile, each with the decimals its nutrient is shown with.
// Empty for a value that is no number.
QString formatDecimals(double value, int decimals, const QLocale &locale);

// The one rule for amounts shown beside the fixed formats above (the meal against the
// requirement, messages, and every panel or report to come): energy in whole kilocalories, food
// in whole grams, nutrients with the decimals their unit deserves: grams with one decimal,
// milligrams with one below 10 mg and none from there, micrograms none. A tenth of a kilocalorie
// or of a gram of food is noise next to what a table of foods can tell; a tenth of a gram of
// protein, or of a milligram of iron, is not.
enum class Amount { Kilocalories, FoodGrams, Grams, Milligrams, Micrograms };
// The amount a nutrient's unit ("kcal", "g", "mg", "µg") calls for; none for another unit.
std::optional<Amount> nutrientAmount(QStringView unit);
// Rounded halves to even, ASCII digits with the locale's decimal separator and no grouping (as
// the energy windows write the requirement); empty for a value that is no number.
QString formatAmount(double value, Amount amount, const QLocale &locale);

// How dates are written and typed everywhere: the locale's short date with two-digit days and
// months and a four-digit year, so that a date box and a list agree ("03/12/2026" in Italian,
// "12/03/2026" in American English); ISO's order for a locale whose short date has no numbers.
QString dateFormat(const QLocale &locale);
QString dateText(QDate date, const QLocale &locale);
// A day of a year already named, in the same order: numeric ("03/02" in Italian, "02/03" in
// American English) or long ("martedì 3 febbraio", "Tuesday, February 3").
QString dayMonthText(QDate date, const QLocale &locale);
QString longDayText(QDate date, const QLocale &locale);

}  // namespace velmo
