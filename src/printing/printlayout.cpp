// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "printing/printlayout.h"

#include "common/decimalround.h"

#include <QPainter>

#include <cmath>
#include <limits>

namespace velmo::printing {

int roundHalfEven(double value)
{
    const auto rounded = roundHalfEvenToInteger(value);
    if (!rounded)
        return value < 0 ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    if (*rounded > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (*rounded < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(*rounded);
}

bool exceedsSheet(const MmRect &r, int sheetW, int sheetH)
{
    return r.x + r.w > sheetW || r.y + r.h > sheetH;
}

bool outOfSheet(const MmRect &r, int sheetW, int sheetH)
{
    return r.y + r.h > sheetH || r.x + r.w > sheetW || r.x < 0 || r.y < 0;
}

namespace {

// Each product is taken from the exact quotient, so a true half stays a half and goes to even.
MmRect scaled(const MmRect &r, int numerator, int denominator)
{
    const auto times = [&](int v) { return roundHalfEven(static_cast<double>(v) * numerator / denominator); };
    return {times(r.x), times(r.y), times(r.w), times(r.h)};
}

}  // namespace

MmRect scaleToSheet(const MmRect &r, int sheetW, int sheetH)
{
    MmRect out = r;
    if (out.x + out.w > sheetW && out.x + out.w > 0)
        out = scaled(out, sheetW, out.x + out.w);
    if (out.y + out.h > sheetH && out.y + out.h > 0)
        out = scaled(out, sheetH, out.y + out.h);
    return out;
}

QPoint centredOrigin(int w, int h, int sheetW, int sheetH)
{
    return {roundHalfEven((static_cast<double>(sheetW) - w) / 2), roundHalfEven((static_cast<double>(sheetH) - h) / 2)};
}

MmRect maxOnSheet(const MmRect &r, const Ratio &ratio, bool keepRatio, bool centred, int sheetW, int sheetH)
{
    MmRect out = r;
    if (keepRatio) {
        // Compare sheetW / sheetH with W / H without dividing.
        if (static_cast<long long>(sheetW) * r.h <= static_cast<long long>(r.w) * sheetH) {
            out.w = sheetW;
            out.h = ratio.heightFor(out.w);
            out.x = 0;
        } else {
            out.h = sheetH;
            out.w = ratio.widthFor(out.h);
            out.y = 0;
        }
    } else {
        out.w = sheetW;
        out.h = sheetH;
    }
    if (!centred) {
        if (out.x + out.w > sheetW)
            out.x = sheetW - out.w;
        if (out.y + out.h > sheetH)
            out.y = sheetH - out.h;
    }
    return out;
}

std::optional<QSize> sizeForScale(double n, double referenceWidth, const Ratio &ratio)
{
    if (!(n > 0))
        return std::nullopt;
    double w = referenceWidth / n;
    if (w > kMaxSize)
        w = kMaxSize;
    double h = w * ratio.h / ratio.w;
    if (h > kMaxSize) {
        h = kMaxSize;
        w = static_cast<double>(kMaxSize) * ratio.w / ratio.h;
    }
    return QSize(roundHalfEven(w), roundHalfEven(h));
}

QRect toPrinterPixels(const MmRect &r, QSize sheetMm, QSize sheetPx)
{
    const auto horizontal = [&](int v) {
        return roundHalfEven(static_cast<double>(v) * sheetPx.width() / sheetMm.width());
    };
    const auto vertical = [&](int v) {
        return roundHalfEven(static_cast<double>(v) * sheetPx.height() / sheetMm.height());
    };
    return {horizontal(r.x), vertical(r.y), horizontal(r.w), vertical(r.h)};
}

QRect toBox(const MmRect &r, QSize box, QSize sheetMm)
{
    const auto horizontal = [&](int v) {
        return roundHalfEven(static_cast<double>(box.width()) / sheetMm.width() * v);
    };
    const auto vertical = [&](int v) {
        return roundHalfEven(static_cast<double>(box.height()) / sheetMm.height() * v);
    };
    return {horizontal(r.x), vertical(r.y), horizontal(r.w), vertical(r.h)};
}

QSize outlineTwips(int sheetW, int sheetH)
{
    constexpr int longer = 1905;
    if (sheetW <= 0 || sheetH <= 0)
        return {};
    if (sheetW <= sheetH)
        return {roundHalfEven(static_cast<double>(longer) * sheetW / sheetH), longer};
    return {longer, roundHalfEven(static_cast<double>(longer) * sheetH / sheetW)};
}

int twipsToPixels(int twips)
{
    return roundHalfEven(twips / 15.0);
}

int bytesPerLine(int bits, int width)
{
    int n = 0;
    switch (bits) {
    case 1: n = (width + 7) / 8; break;
    case 4: n = (width + 1) / 2; break;
    case 8: n = width; break;
    case 16: n = 2 * width; break;
    case 24: n = 3 * width; break;
    case 32: n = 4 * width; break;
    default: return 0;
    }
    return (n + 3) & ~3;
}

QImage greyed(const QImage &image)
{
    QImage grey = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int sum = qRed(line[x]) + qGreen(line[x]) + qBlue(line[x]);
            // A third is never a half, so rounding to nearest is the whole rule here.
            const int mean = (sum + 1) / 3;
            line[x] = qRgb(mean, mean, mean);
        }
    }
    return grey;
}

QImage drawInBox(const QImage &image, QSize box, const QRect &target)
{
    QImage out(box.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    out.fill(Qt::white);
    if (target.width() > 0 && target.height() > 0 && !image.isNull()) {
        QPainter painter(&out);
        if (target.width() <= out.width() && target.height() <= out.height()) {
            // Averaging scale-down: the painter's own smoothing samples too few pixels when a
            // window shrinks eight times into the preview, and the text would break up.
            painter.drawImage(target.topLeft(),
                              image.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        } else {
            // Larger than the box: only the part on the box is drawn, without scaling the rest.
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(target, image);
        }
    }
    return out;
}

}  // namespace velmo::printing
