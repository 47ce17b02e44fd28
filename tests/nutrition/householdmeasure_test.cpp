// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "nutrition/householdmeasure.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

namespace velmo::test {
namespace {

constexpr double kRefused = -1;

// A count is typed in the user's number format, or as a half or a quarter; zero, negative,
// huge and unreadable counts are refused with what to type instead.
TEST(HouseholdMeasure, ReadsCountsInTheUsersNumberFormat)
{
    // clang-format off
    const struct { int line; const char *locale, *text; double count; const char *error = ""; } cases[] = {
        {__LINE__, "it_IT", "2", 2},
        {__LINE__, "it_IT", " 1,5 ", 1.5},
        {__LINE__, "en_US", "1.5", 1.5},
        {__LINE__, "it_IT", "½", 0.5},
        {__LINE__, "en_US", "1 ¼", 1.25},
        {__LINE__, "it_IT", "2¾", 2.75},
        {__LINE__, "it_IT", "100", 100},
        {__LINE__, "it_IT", "1,5½", kRefused, "\"1,5½\" non è un numero di porzioni: scrivere per esempio 2, 1,5 o ½."},
        {__LINE__, "en_US", "due", kRefused, "\"due\" non è un numero di porzioni: scrivere per esempio 2, 1.5 o ½."},
        {__LINE__, "it_IT", "", kRefused, "\"\" non è un numero di porzioni"},
        {__LINE__, "it_IT", "-½", kRefused, "non è un numero di porzioni"},
        {__LINE__, "it_IT", "0", kRefused, "Il numero di porzioni deve essere maggiore di zero."},
        {__LINE__, "en_US", "-2", kRefused, "Il numero di porzioni deve essere maggiore di zero."},
        {__LINE__, "it_IT", "100,5", kRefused, "Al massimo 100 porzioni alla volta: scrivere un numero più piccolo."},
        {__LINE__, "en_US", "1e300", kRefused, "Al massimo 100 porzioni"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const LocaleGuard locale(c.locale);
        const PortionValue read = readPortionCount(QString::fromUtf8(c.text), QLocale());
        EXPECT_EQ(read.value.value_or(kRefused), c.count);
        EXPECT_TRUE(read.error.contains(QString::fromUtf8(c.error))) << read.error.toStdString();
        EXPECT_EQ(read.error.isEmpty(), read.value.has_value());
    }
}

// count × measure gives edible grams; the gross weight is rounded to the whole gram, refused for a
// food without edible part and beyond the box's seven digits.
TEST(HouseholdMeasure, EdibleAndGrossGrams)
{
    const HouseholdMeasure grapes{u"acino"_qs, u"acini"_qs, 10, 49};
    EXPECT_DOUBLE_EQ(edibleGrams(0.5, grapes), 2.45);
    EXPECT_DOUBLE_EQ(edibleGrams(3, {u"fetta"_qs, u"fette"_qs, 1, 28}), 84);
    EXPECT_EQ(grapes.nameFor(1), u"acino");
    EXPECT_EQ(grapes.nameFor(0.5), u"acini");
    // clang-format off
    const struct { int line; double edible, percent, gross; const char *error = ""; } cases[] = {
        {__LINE__, 50, 100, 50},
        {__LINE__, 150, 90, 167},  // 166.7
        {__LINE__, 182, 92, 198},  // 197.8
        {__LINE__, 0.5, 100, 1},
        {__LINE__, 0.35, 100, kRefused, "La porzione pesa meno di 1 g"},
        {__LINE__, 9'999'999.4, 100, 9'999'999},
        {__LINE__, 9'999'999.5, 100, kRefused, "Il peso lordo supererebbe 9.999.999 g: scegliere meno porzioni."},
        {__LINE__, 100, 0, kRefused, "Questo alimento non ha parte edibile (0 %)"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const PortionValue gross = grossGramsFor(c.edible, c.percent);
        EXPECT_EQ(gross.value.value_or(kRefused), c.gross);
        EXPECT_TRUE(gross.error.contains(QString::fromUtf8(c.error))) << gross.error.toStdString();
    }
}

}  // namespace
}  // namespace velmo::test
