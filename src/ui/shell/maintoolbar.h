// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QToolBar>

#include <array>

class QAction;

namespace velmo {
class MainWindowModel;
}

namespace velmo::ui {

// The main window's toolbar: nine positions, the first and the sixth separators, the others
// pictures without captions (first, previous, next and last food; print, help, exit), each
// forwarded to the model by its position. Flat or raised as the model says.
class MainToolBar : public QToolBar {
    Q_OBJECT
public:
    static constexpr int kPositions = 9;

    MainToolBar(MainWindowModel &model, QWidget *parent);

    // The button (or separator) at `position`, 1 to 9.
    QAction *button(int position) const { return buttons_[static_cast<std::size_t>(position - 1)]; }

private:
    void renderFlatStyle();

    MainWindowModel &model_;
    std::array<QAction *, kPositions> buttons_{};
};

}  // namespace velmo::ui
