// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "printing/printlayout.h"

#include <QImage>

#include <ostream>

namespace velmo::printing {

// Failure messages show a rectangle as {x, y, w, h}.
inline void PrintTo(const MmRect &r, std::ostream *out)
{
    *out << "{" << r.x << ", " << r.y << ", " << r.w << ", " << r.h << "}";
}

// A picture of one colour, easy to tell from the white sheet and from its grey.
inline QImage picture(int w, int h, QRgb colour = qRgb(200, 30, 60))
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}  // namespace velmo::printing
