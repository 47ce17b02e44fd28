// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QIcon>

namespace velmo::ui {

// The window's pictures (the toolbar's and the program's icon), drawn from their SVG files into
// pixels at the build (by tools/icons): shown without reading an image file or loading an image
// format plugin at start, which cost more than the rest of the toolbar together.
struct BuiltPicture {
    const char *name;            // the SVG file's name without .svg
    int size;                    // in pixels, square
    const unsigned int *pixels;  // premultiplied ARGB, row by row
};
extern const BuiltPicture kBuiltPictures[];
extern const int kBuiltPictureCount;

// An icon of every size drawn of the picture `name`; a null icon if there is none. On a screen of
// double density Qt takes the size twice the one asked for.
QIcon builtIcon(QLatin1StringView name);

}  // namespace velmo::ui
