// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "svgpicture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace velmo::ui {

QPixmap svgPixmap(const QString &resource, QSize size)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
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
