// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace velmo::printing {

// Sizes of the print module are whole millimetres; every conversion rounds to the nearest whole
// number, halves to even.
int roundHalfEven(double value);

// The print rectangle on the sheet: left margin, top margin, width and height in millimetres.
struct MmRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    friend bool operator==(const MmRect &, const MmRect &) = default;
};

// The proportions of the picture, kept as the two whole numbers they come from so that a height
// derived from a width (and back) carries no rounding error of its own.
struct Ratio {
    int w = 1;
    int h = 1;
    double value() const { return static_cast<double>(w) / h; }
    int heightFor(int width) const { return roundHalfEven(static_cast<double>(width) * h / w); }
    int widthFor(int height) const { return roundHalfEven(static_cast<double>(height) * w / h); }
};

// Limits of the size and margin fields.
inline constexpr int kMinSize = 1;
inline constexpr int kMaxSize = 2000;
inline constexpr int kMinMargin = -2000;
inline constexpr int kMaxMargin = 2000;

// The question before printing: the rectangle reaches beyond the right or the bottom edge.
bool exceedsSheet(const MmRect &r, int sheetW, int sheetH);

// The warning of the preview: beyond any edge of the sheet.
bool outOfSheet(const MmRect &r, int sheetW, int sheetH);

// Shrinks the rectangle, origin included, first to the sheet's width and then to its height.
MmRect scaleToSheet(const MmRect &r, int sheetW, int sheetH);

// Margins that put a w × h picture in the middle of the sheet.
QPoint centredOrigin(int w, int h, int sheetW, int sheetH);

// The largest picture on the sheet, with or without its proportions, kept inside the sheet.
MmRect maxOnSheet(const MmRect &r, const Ratio &ratio, bool keepRatio, bool centred, int sheetW, int sheetH);

// Width and height for the scale 1 : n of a picture whose natural width is `referenceWidth`;
// empty when n is not positive.
std::optional<QSize> sizeForScale(double n, double referenceWidth, const Ratio &ratio);

// Millimetres to printer pixels, from the printable area's size in both units.
QRect toPrinterPixels(const MmRect &r, QSize sheetMm, QSize sheetPx);

// Millimetres to the preview box that stands for the sheet.
QRect toBox(const MmRect &r, QSize box, QSize sheetMm);

// The sheet outline: its longer side 1905 twips, its shorter one in the sheet's proportions.
QSize outlineTwips(int sheetW, int sheetH);

// Twips to logical pixels (15 twips a pixel at 96 dpi) and back.
int twipsToPixels(int twips);
inline double pixelsToTwips(int pixels)
{
    return pixels * 15.0;
}

// Bytes of one pixel line for `bits` per pixel, padded to a multiple of 4; 0 for an unknown depth.
int bytesPerLine(int bits, int width);

// The picture as a monochrome printer would show it: every pixel the mean of its three colours.
QImage greyed(const QImage &image);

// Draws `image` stretched into `target` of a white box of `box` size.
QImage drawInBox(const QImage &image, QSize box, const QRect &target);

}  // namespace velmo::printing
