// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/shell/builtpictures.h"

#include <QImage>
#include <QPixmap>

namespace velmo::ui {

QIcon builtIcon(QLatin1StringView name)
{
    QIcon icon;
    for (int i = 0; i < kBuiltPictureCount; ++i) {
        const BuiltPicture &picture = kBuiltPictures[i];
        if (name != QLatin1StringView(picture.name))
            continue;
        // The image only looks at the table's pixels; the pixmap takes its own copy.
        const QImage image(reinterpret_cast<const uchar *>(picture.pixels), picture.size, picture.size,
                           QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace velmo::ui
