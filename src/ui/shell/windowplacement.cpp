// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/shell/windowplacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace velmo::ui {

namespace {

// Keeps the window's size and place each time it is hidden (closed, or a dialog done).
class PlacementKeeper : public QObject {
public:
    PlacementKeeper(QWidget &window, Settings settings, RememberedWindow which)
        : QObject(&window), window_(window), settings_(std::move(settings)), which_(which)
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &window_ && event->type() == QEvent::Hide && !window_.isMinimized())
            settings_.setWindowGeometry(which_, window_.normalGeometry());
        return false;
    }

private:
    QWidget &window_;
    Settings settings_;  // a copy: a window may outlive whoever gave it the settings
    RememberedWindow which_;
};

}  // namespace

QMargins frameAllowance(const QWidget &window)
{
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    if (window.isVisible() && frame != inside)
        return QMargins(inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                        frame.bottom() - inside.bottom());
    const int title = std::max(window.style()->pixelMetric(QStyle::PM_TitleBarHeight),
                               2 * window.fontMetrics().height());
    return QMargins(4, title + 4, 4, 4);
}

void fitWithinScreen(QWidget &window)
{
    if (const QScreen *screen = window.screen()) {
        const QRect room = screen->availableGeometry() - frameAllowance(window);
        window.resize(window.size().boundedTo(room.size()));
    }
}

void rememberPlacement(QWidget &window, const Settings &settings, RememberedWindow which)
{
    fitWithinScreen(window);
    if (const std::optional<QRect> kept = settings.windowGeometry(which)) {
        const QScreen *screen = QGuiApplication::screenAt(kept->center());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (screen) {
            const QRect room = screen->availableGeometry() - frameAllowance(window);
            window.setGeometry(placeWithin(*kept, room));
        }
    }
    window.installEventFilter(new PlacementKeeper(window, settings, which));
}

}  // namespace velmo::ui
