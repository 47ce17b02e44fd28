// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// The yardstick of the program's start-up as a whole process (bench/shell/startup_ratio.sh).
#include "barechartwindow.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return showBareChartWindow()->isVisible() ? 0 : 1;
}
