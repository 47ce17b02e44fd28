// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QWidget>

#include <memory>

namespace velmo::test {

// The window the print tests print: a top-level window with a coloured surface, a caption and a
// table-like grid, so that its picture is easy to find on a page. The one place to point the
// print tests at the program's real main window.
std::unique_ptr<QWidget> makeWindowToPrint();

}  // namespace velmo::test
