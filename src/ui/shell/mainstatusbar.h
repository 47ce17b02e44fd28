// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QStatusBar>

#include <array>

class QLabel;

namespace velmo {
class MainWindowModel;
}

namespace velmo::ui {

// The main window's status bar: three sunken panels, today's date, the time, and the meal against
// the daily requirement, each rendered from the model as it changes.
class MainStatusBar : public QStatusBar {
    Q_OBJECT
public:
    MainStatusBar(MainWindowModel &model, const QRect &geometry, QWidget *parent);

    // Panel 1 the date, 2 the time, 3 the comparison.
    QLabel *panel(int panel) const { return panels_[static_cast<std::size_t>(panel - 1)]; }

private:
    void showComparison();

    MainWindowModel &model_;
    std::array<QLabel *, 3> panels_{};
};

}  // namespace velmo::ui
