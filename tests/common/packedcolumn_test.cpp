// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/packedcolumn.h"

#include <gtest/gtest.h>

#include <limits>

using namespace velmo;

TEST(PackedColumn, EachValueComesBackFromItsRowUnknownAndBeyondTheEndAsNone)
{
    const QByteArray doubles = packDoubles({1.5, std::nullopt, -0.0, 1e-300, 123456.789});
    EXPECT_EQ(packedDouble(doubles, 0), 1.5);
    EXPECT_EQ(packedDouble(doubles, 1), std::nullopt);
    EXPECT_EQ(packedDouble(doubles, 3), 1e-300);
    EXPECT_EQ(packedDouble(doubles, 4), 123456.789);
    EXPECT_EQ(packedDouble(doubles, 5), std::nullopt);
    EXPECT_EQ(packedDouble(doubles.left(39), 4), std::nullopt);  // a value cut short is none
    const QByteArray integers = packIntegers({7, -1, std::numeric_limits<qint32>::max()});
    EXPECT_EQ(packedInteger(integers, 0), 7);
    EXPECT_EQ(packedInteger(integers, 1), -1);
    EXPECT_EQ(packedInteger(integers, 2), std::numeric_limits<qint32>::max());
    EXPECT_EQ(packedInteger(integers, 3), std::nullopt);
    EXPECT_EQ(integers.left(4), QByteArray("\x07\x00\x00\x00", 4));  // little-endian on every machine
}

TEST(PackedColumn, TextsComeBackWhateverTheyHoldAndACutColumnIsRefused)
{
    const QStringList texts{QStringLiteral("Pane, tipo \"0\""), QString(), QStringLiteral("Caffè\n;crème"),
                            QString(300, u'x')};
    const QByteArray packed = packTexts(texts);
    EXPECT_EQ(packedTexts(packed), texts);
    EXPECT_EQ(packedTexts(QByteArray()), QStringList());
    for (const qsizetype cut : {qsizetype(2), qsizetype(5), packed.size() - 1})
        EXPECT_EQ(packedTexts(packed.left(cut)), std::nullopt) << cut;
    EXPECT_EQ(packedTexts(packIntegers({-4})), std::nullopt);
}
