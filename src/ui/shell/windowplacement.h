// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/settings.h"

#include <QMargins>

class QWidget;

namespace velmo::ui {

// Gives `window` the size and place it had when it was last hidden, as `settings` keep them
// under `which`, moved and shrunk into the available area of the screen it stood on (the primary
// screen when that one is gone); from then on every hiding of the window keeps them again. Call
// it once, before the window is first shown; a window without kept values opens at its own size,
// within the screen. The window keeps a copy of the settings, so it may outlive them.
void rememberPlacement(QWidget &window, const Settings &settings, RememberedWindow which);

// Shrinks `window`, not yet shown, to fit the available area of its screen with its frame.
void fitWithinScreen(QWidget &window);

// The room a window's frame takes around its inside: the real one once the window is on the
// screen, before that a title bar and borders of the usual size.
QMargins frameAllowance(const QWidget &window);

}  // namespace velmo::ui
