// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QWidget>

class QToolButton;

namespace velmo::ui {

// Two small arrow buttons beside a field: each click (held down, it repeats) steps the field.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget *parent = nullptr);
    QToolButton *upButton() const { return up_; }
    QToolButton *downButton() const { return down_; }

signals:
    void stepped(int step);

private:
    QToolButton *up_;
    QToolButton *down_;
};

}  // namespace velmo::ui
