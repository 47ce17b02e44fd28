// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/chartaxis.h"
#include "support/localeguard.h"
#include "support/qtprinters.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

#include <limits>

using namespace velmo;
using velmo::test::english;
using velmo::test::italian;

namespace {

TEST(ChartAxis, RoundStepsWithTheDecimalsTheStepNeeds)
{
    // clang-format off
    // The labels from bottom to top.
    const struct { int line; double top, max; int tickCount, decimals; const char *italianLabels, *englishLabels; } cases[] = {
        {__LINE__, 0, 10, 6, 0, "0 2 4 6 8 10", "0 2 4 6 8 10"},
        {__LINE__, -3, 10, 6, 0, "0 2 4 6 8 10", "0 2 4 6 8 10"},
        {__LINE__, std::numeric_limits<double>::quiet_NaN(), 10, 6, 0, "0 2 4 6 8 10", "0 2 4 6 8 10"},
        {__LINE__, 0.55, 0.6, 4, 1, "0,0 0,2 0,4 0,6", "0.0 0.2 0.4 0.6"},  // a step of 0.6 / 3
        {__LINE__, 0.5714, 0.6, 4, 1, "0,0 0,2 0,4 0,6", "0.0 0.2 0.4 0.6"},
        {__LINE__, 1, 1.5, 4, 1, "0,0 0,5 1,0 1,5", "0.0 0.5 1.0 1.5"},
        {__LINE__, 0.01, 0.015, 4, 3, "0,000 0,005 0,010 0,015", "0.000 0.005 0.010 0.015"},
        {__LINE__, 0.001, 0.015, 4, 3, "0,000 0,005 0,010 0,015", "0.000 0.005 0.010 0.015"},
        {__LINE__, 7.6, 8, 5, 0, "0 2 4 6 8", "0 2 4 6 8"},
        {__LINE__, 95, 100, 6, 0, "0 20 40 60 80 100", "0 20 40 60 80 100"},
        {__LINE__, 100, 150, 4, 0, "0 50 100 150", "0 50 100 150"},
        {__LINE__, 2215.64, 2500, 6, 0, "0 500 1000 1500 2000 2500", "0 500 1000 1500 2000 2500"},
        {__LINE__, 1e9, 1.5e9, 4, 0, "0 500000000 1000000000 1500000000", "0 500000000 1000000000 1500000000"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const ChartAxis axis = chartAxis(c.top);
        EXPECT_EQ(axis.max, c.max);
        EXPECT_EQ(axis.tickCount, c.tickCount);
        EXPECT_EQ(axis.decimals, c.decimals);
        QStringList italianLabels;
        QStringList englishLabels;
        for (int tick = 0; tick < axis.tickCount; ++tick) {
            italianLabels.append(axis.label(tick, italian()));
            englishLabels.append(axis.label(tick, english()));
        }
        EXPECT_EQ(italianLabels.join(u' '), QString::fromUtf8(c.italianLabels));
        EXPECT_EQ(englishLabels.join(u' '), QString::fromUtf8(c.englishLabels));
        EXPECT_EQ(axis.tickValue(axis.tickCount - 1), axis.max);
        EXPECT_TRUE(!(c.top > 0) || axis.max > c.top);  // the top stays inside the chart
    }
}

TEST(ChartAxis, KeptWhileTheTopStaysWellInside)
{
    // clang-format off
    const struct { int line; double scaledFor; double top; bool suits; } cases[] = {
        {__LINE__, 100, 100, true},  {__LINE__, 100, 140, true},   {__LINE__, 100, 145, false},
        {__LINE__, 100, 80, true},   {__LINE__, 100, 70, false},   {__LINE__, 100, 0, false},
        {__LINE__, 0, 5, true},      {__LINE__, 0, 12, false},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(chartAxis(c.scaledFor).suits(c.top), c.suits);
    }
}

}  // namespace
