// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "printing/papernames.h"
#include "printing/printlayout.h"

#include "printingtest.h"
#include "support/tablecase.h"

#include <QPageSize>

#include <gtest/gtest.h>

namespace velmo::printing {
namespace {

// The question before printing looks at the right and bottom edges only, the preview's warning at
// all four.
TEST(PrintLayout, ScaleQuestionTwoStepScalingAndWarning)
{
    // clang-format off
    const struct { int line; MmRect in; int sheetW, sheetH; bool exceeds; MmRect scaled; bool out; } cases[] = {
        // Inside: no question, nothing changes.
        {__LINE__, {0, 0, 287, 200}, 287, 200, false, {0, 0, 287, 200}, false},
        // Right edge 10 mm beyond: all four times 287 / 297.
        {__LINE__, {10, 0, 287, 200}, 287, 200, true, {10, 0, 277, 193}, true},
        // Bottom only: all four times 200 / 210.
        {__LINE__, {0, 10, 100, 200}, 287, 200, true, {0, 10, 95, 190}, true},
        // Both: first the width, then the height measured again on the scaled rectangle.
        {__LINE__, {100, 100, 400, 400}, 250, 200, true, {40, 40, 160, 160}, true},
        // Exact halves go to even: 5 × 0.5 = 2.5 → 2, 15 × 0.5 = 7.5 → 8.
        {__LINE__, {5, 15, 95, 20}, 50, 100, true, {2, 8, 48, 10}, true},
        // 3/10 is not exact in binary, the product 15 × 3/10 = 4.5 still is a half.
        {__LINE__, {0, 15, 100, 5}, 30, 100, true, {0, 4, 30, 2}, true},
        // Touching the edges exactly is neither beyond nor out.
        {__LINE__, {0, 0, 297, 210}, 297, 210, false, {0, 0, 297, 210}, false},
        {__LINE__, {110, 197, 100, 100}, 210, 297, false, {110, 197, 100, 100}, false},
        // Beyond the left or the top edge.
        {__LINE__, {-1, 0, 100, 100}, 210, 297, false, {-1, 0, 100, 100}, true},
        {__LINE__, {0, -1, 100, 100}, 210, 297, false, {0, -1, 100, 100}, true},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(exceedsSheet(c.in, c.sheetW, c.sheetH), c.exceeds);
        EXPECT_EQ(scaleToSheet(c.in, c.sheetW, c.sheetH), c.scaled);
        EXPECT_EQ(outOfSheet(c.in, c.sheetW, c.sheetH), c.out);
    }
}

TEST(PrintLayout, MaxWithAndWithoutProportions)
{
    // clang-format off
    const struct { int line; MmRect in; Ratio ratio; bool keep, centred; int sheetW, sheetH; MmRect expected; } cases[] = {
        // A 2:1 picture on portrait A4 keeps its proportions: full width, half of it high, left 0.
        {__LINE__, {-10, 30, 100, 50}, {2, 1}, true, false, 210, 297, {0, 30, 210, 105}},
        // A tall picture: full height, top 0, and the left margin pulled back inside; 148.5 → 148.
        {__LINE__, {150, 30, 50, 100}, {1, 2}, true, false, 210, 297, {62, 0, 148, 297}},
        // Without proportions the whole sheet, margins pulled inside.
        {__LINE__, {10, 20, 50, 50}, {1, 1}, false, false, 210, 297, {0, 0, 210, 297}},
        // Centred: the margins are left to the centring.
        {__LINE__, {10, 20, 50, 50}, {1, 1}, false, true, 210, 297, {10, 20, 210, 297}},
        // Equal proportions take the width branch.
        {__LINE__, {5, 5, 210, 297}, {210, 297}, true, false, 210, 297, {0, 0, 210, 297}},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(maxOnSheet(c.in, c.ratio, c.keep, c.centred, c.sheetW, c.sheetH), c.expected);
    }
}

TEST(PrintLayout, MillimetresToPixels)
{
    // clang-format off
    const struct { int line; MmRect r; QSize mm, px; QRect expected; } cases[] = {
        // 600 dpi on a 277 × 190 mm area: 6543 × 4488 pixels.
        {__LINE__, {0, 0, 277, 190}, {277, 190}, {6543, 4488}, {0, 0, 6543, 4488}},
        {__LINE__, {10, 20, 100, 50}, {277, 190}, {6543, 4488}, {236, 472, 2362, 1181}},
        // 2 px per 4 mm: 1 mm is half a pixel, 3 mm one and a half.
        {__LINE__, {1, 3, 5, 7}, {4, 4}, {2, 2}, {0, 2, 2, 4}},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(toPrinterPixels(c.r, c.mm, c.px), c.expected);
    }
}

TEST(PrintLayout, OutlineAndBox)
{
    EXPECT_EQ(outlineTwips(210, 297), QSize(1347, 1905));  // 1346.97
    EXPECT_EQ(outlineTwips(100, 100), QSize(1905, 1905));
    EXPECT_EQ(outlineTwips(-1, -1), QSize());
    EXPECT_EQ(twipsToPixels(1347), 90);  // 89.8
    EXPECT_EQ(toBox({0, 0, 210, 297}, {90, 127}, {210, 297}), QRect(0, 0, 90, 127));
    EXPECT_EQ(toBox({105, 0, 105, 148}, {90, 127}, {210, 297}), QRect(45, 0, 45, 63));  // 63.29
}

TEST(PrintLayout, BytesPerLine)
{
    // clang-format off
    const struct { int line; int bits, width, expected; } cases[] = {
        {__LINE__, 1, 1, 4}, {__LINE__, 1, 33, 8}, {__LINE__, 4, 9, 8}, {__LINE__, 8, 5, 8},
        {__LINE__, 16, 3, 8}, {__LINE__, 24, 1, 4}, {__LINE__, 24, 5, 16}, {__LINE__, 32, 3, 12},
        {__LINE__, 2, 10, 0}, {__LINE__, 24, 0, 0},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(bytesPerLine(c.bits, c.width), c.expected);
    }
}

TEST(PrintLayout, GreyIsTheRoundedMean)
{
    QImage image = picture(3, 1, qRgb(255, 0, 0));  // 85
    image.setPixel(1, 0, qRgb(10, 20, 31));         // 20.33 → 20
    image.setPixel(2, 0, qRgb(10, 20, 32));         // 20.67 → 21
    const QImage grey = greyed(image);
    EXPECT_EQ(grey.pixel(0, 0), qRgb(85, 85, 85));
    EXPECT_EQ(grey.pixel(1, 0), qRgb(20, 20, 20));
    EXPECT_EQ(grey.pixel(2, 0), qRgb(21, 21, 21));
}

// The ends of the code table, its two gaps and the codes outside it; Qt's own page sizes give the
// codes the names are looked up by.
TEST(PaperNames, EdgesOfTheTableAndTheSheetCaption)
{
    // clang-format off
    const struct { int line; int code; int orientation; const char *name; const char *caption; } cases[] = {
        {__LINE__, 1, 1, "First", " Foglio: First,  Portrait"},
        {__LINE__, QPageSize(QPageSize::A4).windowsId(), 2, "A4", " Foglio: A4,  Landscape"},
        {__LINE__, 47, 1, "Envelope Invite", " Foglio: Envelope Invite,  Portrait"},
        {__LINE__, 48, 0, "Unknown", " Foglio: Unknown"},
        {__LINE__, 49, 3, "Unknown", " Foglio: Unknown"},
        {__LINE__, 50, 2, "Letter Extra", " Foglio: Letter Extra,  Landscape"},
        {__LINE__, 68, 2, "A3 Extra Transverse", " Foglio: A3 Extra Transverse,  Landscape"},
        {__LINE__, 256, 2, "User", " Foglio: User,  Landscape"},
        {__LINE__, 0, 1, "Unknown", " Foglio: Unknown,  Portrait"},
        {__LINE__, 69, 0, "Unknown", " Foglio: Unknown"},
        {__LINE__, 255, 0, "Unknown", " Foglio: Unknown"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(paperName(c.code), QString::fromLatin1(c.name));
        EXPECT_EQ(sheetCaption(c.code, c.orientation), QString::fromLatin1(c.caption));
    }
}

}  // namespace
}  // namespace velmo::printing
