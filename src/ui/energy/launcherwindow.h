// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "energy/launchermodel.h"

#include <QWidget>

#include <array>
#include <utility>

class QLabel;
class QFrame;

namespace velmo::ui {

// The launcher: the two programs, the version, the notice and EXIT.
class LauncherWindow : public QWidget {
    Q_OBJECT
public:
    explicit LauncherWindow(QWidget *parent = nullptr);

    LauncherModel &model() { return model_; }

signals:
    void calculatorChosen();   // "Velmo"
    void requirementChosen();  // "Fabbisogno Energetico"
    void exitChosen();         // "EXIT"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildCommandFrame();  // the two programs
    void renderColours();
    std::array<std::pair<QLabel *, LauncherCommand>, 3> commands() const;
    LauncherCommand commandOf(const QObject *object) const;
    LauncherCommand commandAt(const QPoint &inWindow) const;  // the command label under a point, if any
    void choose(LauncherCommand command);                     // emits the command's signal

    LauncherModel model_;
    QFrame *commandFrame_ = nullptr;  // around the two programs
    QLabel *calculatorCommand_ = nullptr;
    QLabel *requirementCommand_ = nullptr;
    QLabel *exitCommand_ = nullptr;
    QLabel *version_ = nullptr;
};

}  // namespace velmo::ui
