// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "svgpicture.h"

#include <QGuiApplication>
#include <QImageReader>

namespace velmo::ui {

QPixmap svgPixmap(const QString &resource, QSize size)
{
    // Through Qt's SVG image reader, loaded on first use: the program links no SVG library.
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QImageReader reader(resource, "svg");
    reader.setScaledSize(size * ratio);
    QPixmap pixmap = QPixmap::fromImage(reader.read());
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon svgIcon(const QString &resource, QSize size)
{
    return QIcon(svgPixmap(resource, size));
}

}  // namespace velmo::ui

namespace velmo::ui {

void SvgPushButton::setPicture(const QString &resource)
{
    picture_ = resource;
    setIcon(svgIcon(resource, iconSize()));
}

}  // namespace velmo::ui
