// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QObject>
#include <QString>

namespace velmo {

// The launcher's three commands, each a label: "Velmo" (the calculator), "Fabbisogno Energetico"
// (the requirement windows) and "EXIT".
enum class LauncherCommand { None, Calculator, Requirement, Exit };

// The launcher's state: the version line and the colours of its two command labels.
class LauncherModel : public QObject {
    Q_OBJECT
public:
    explicit LauncherModel(QObject *parent = nullptr) : QObject(parent) {}

    // "Versione " and the program's major.minor.patch.
    static QString versionLine();
    static QString versionLine(int major, int minor, int patch);

    bool calculatorRed() const { return calculatorRed_; }    // "Velmo"
    bool requirementRed() const { return requirementRed_; }  // "Fabbisogno Energetico"

    // A command label turns red under the mouse and stays red until the mouse crosses the frame
    // around the two.
    void mouseOverCalculator();
    void mouseOverRequirement();
    void mouseOverFrame();
    // Each showing starts from black labels and no pressed command.
    void reset();

    // A command runs on a click: the button pressed and released on the same label. A press
    // dragged off its label and released elsewhere runs nothing, so a slip never ends the
    // program. `released` gives the command to run, or None.
    void pressed(LauncherCommand on);
    LauncherCommand released(LauncherCommand on);

signals:
    void coloursChanged();

private:
    void set(bool calculator, bool requirement);
    bool calculatorRed_ = false;
    bool requirementRed_ = false;
    LauncherCommand pressed_ = LauncherCommand::None;
};

}  // namespace velmo
