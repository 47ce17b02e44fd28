// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/printing/windowcapture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace velmo::ui {

namespace {

// The frame belongs to the window manager, so only the screen has it: read the screen where the
// window stands. Without a frame (no window manager, or a platform without a screen to read) the
// window draws itself, which cannot be hidden by other windows.
QImage grabFrame(QWidget *window)
{
    const QRect frame = window->frameGeometry();
    if (!window->isVisible() || frame == window->geometry())
        return {};
    if (QGuiApplication::platformName() == QLatin1String("offscreen")
        || QGuiApplication::platformName() == QLatin1String("minimal"))
        return {};
    QScreen *screen = window->screen();
    if (!screen || !screen->geometry().contains(frame))
        return {};
    const QPoint origin = frame.topLeft() - screen->geometry().topLeft();
    const QPixmap shot = screen->grabWindow(0, origin.x(), origin.y(), frame.width(), frame.height());
    return shot.isNull() ? QImage() : shot.toImage();
}

}  // namespace

QImage captureWindow(QWidget *window)
{
    if (!window)
        return {};
    QImage image = grabFrame(window);
    if (image.isNull())
        image = window->grab().toImage();
    if (image.isNull())
        return {};
    // The printed picture is measured in the window's pixels, whatever the screen's scaling.
    image.setDevicePixelRatio(1.0);
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace velmo::ui
