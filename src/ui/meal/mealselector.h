// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QComboBox;
class QToolButton;

namespace velmo {
class DayPlan;
}

namespace velmo::ui {

// The meal selector above the composition table: the day's meals by name, the one the table
// shows chosen, and a button with the commands on the day's meals. It shows the `DayPlan` and
// hands the user's choice to it.
class MealSelector : public QWidget {
    Q_OBJECT
public:
    explicit MealSelector(DayPlan &day, QWidget *parent = nullptr);

    // The commands the button offers (next, previous, rename, add, remove).
    void setCommands(const QList<QAction *> &commands);

    QComboBox *meals() const { return meals_; }
    QToolButton *commandsButton() const { return commands_; }

private:
    void render();

    DayPlan &day_;
    QComboBox *meals_ = nullptr;
    QToolButton *commands_ = nullptr;
};

}  // namespace velmo::ui
