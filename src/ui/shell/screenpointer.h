// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "shell/mainwindowmodel.h"

namespace velmo::ui {

// The screen's mouse pointer as one value, hourglass or default, over Qt's stack of override
// cursors.
class ScreenPointer {
public:
    ~ScreenPointer();
    void set(MousePointer pointer);

private:
    bool waiting_ = false;
};

}  // namespace velmo::ui
