// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QImage>

class QWidget;

namespace velmo::ui {

// The picture of a top-level window as it is on screen, frame and title bar included where the
// window system draws them and lets them be read; otherwise the window's own drawing.
QImage captureWindow(QWidget *window);

}  // namespace velmo::ui
