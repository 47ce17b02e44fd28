// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "energy/energymodel.h"
#include "energy/energywindowmodel.h"

#include <QObject>

#include <functional>
#include <memory>

namespace velmo {
class Dialogs;
class TextPrinting;
}  // namespace velmo

namespace velmo::ui {

class ChoiceDialog;
class EnergyWindow;
class LauncherWindow;

// The energy requirement windows, the launcher and the choice dialog, and the roads between them.
// Each window exists once per run; the window models, and so their members, live as long as this.
class EnergyUi : public QObject {
    Q_OBJECT
public:
    EnergyUi(velmo::TextPrinting &printers, velmo::Dialogs &dialogs,
             std::function<void()> showMainWindow,  // the launcher's "Velmo": show or raise the main window
             std::function<void()> quitProgram,     // the launcher's "EXIT": end the program at once
             QObject *parent = nullptr);
    ~EnergyUi() override;

    // Shows the window for `sex` (not modal), or brings it to the front when it is open.
    void showEnergyWindow(velmo::Sex sex);
    void showLauncher();
    void showChoiceDialog();

    // For tests: the models always exist; the windows once first shown (else nullptr).
    EnergyWindowModel &model(velmo::Sex sex);
    EnergyWindow *energyWindow(velmo::Sex sex) const;
    LauncherWindow *launcher() const { return launcher_.get(); }
    ChoiceDialog *choiceDialog() const { return choice_.get(); }

private:
    std::unique_ptr<EnergyWindow> &windowSlot(velmo::Sex sex);

    velmo::Dialogs &dialogs_;
    std::function<void()> showMainWindow_;
    std::function<void()> quitProgram_;
    std::unique_ptr<EnergyWindowModel> femaleModel_;
    std::unique_ptr<EnergyWindowModel> maleModel_;
    std::unique_ptr<EnergyWindow> femaleWindow_;
    std::unique_ptr<EnergyWindow> maleWindow_;
    std::unique_ptr<LauncherWindow> launcher_;
    std::unique_ptr<ChoiceDialog> choice_;
};

}  // namespace velmo::ui
