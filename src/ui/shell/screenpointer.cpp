// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/shell/screenpointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace velmo::ui {

ScreenPointer::~ScreenPointer()
{
    set(MousePointer::Default);
}

void ScreenPointer::set(MousePointer pointer)
{
    const bool wait = pointer == MousePointer::Hourglass;
    if (wait == waiting_)
        return;
    waiting_ = wait;
    if (wait)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}

}  // namespace velmo::ui
