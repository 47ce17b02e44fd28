// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QStatusBar>

#include <array>

class QLabel;
class QTimer;

namespace velmo {
class MainWindowModel;
}

namespace velmo::ui {

// The main window's status bar: three sunken panels, today's date, the time, and the meal against
// the daily requirement, each rendered from the model as it changes, and at the right the current
// person, when there is one. The third panel gives way to
// the model's hint while there is one (why a box refused a key, what to do first): the date and
// the time are never covered, and the comparison stays in the panel's tool tip.
class MainStatusBar : public QStatusBar {
    Q_OBJECT
public:
    // How long the hint on a refused key stays, unless the next key takes it away sooner.
    static constexpr int kRefusalHintMs = 6000;

    MainStatusBar(MainWindowModel &model, const QRect &geometry, QWidget *parent);

    // Panel 1 the date, 2 the time, 3 the comparison (or the hint), 4 the current person.
    QLabel *panel(int panel) const { return panels_[static_cast<std::size_t>(panel - 1)]; }

private:
    void showThirdPanel();
    void showCurrentPerson();

    MainWindowModel &model_;
    std::array<QLabel *, 4> panels_{};
    QTimer *hintTimer_ = nullptr;
};

}  // namespace velmo::ui
