// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "energyui.h"

#include "common/textprinting.h"

#include "choicedialog.h"
#include "energywindow.h"
#include "launcherwindow.h"

// The pictures live in a static library: bring them in explicitly (outside any namespace).
static void initEnergyResources()
{
    Q_INIT_RESOURCE(energy);
}

namespace velmo::ui {

namespace {

void bringUp(QWidget *window)
{
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

EnergyUi::EnergyUi(TextPrinting &printers, Dialogs &dialogs, std::function<void()> showMainWindow,
                   std::function<void()> quitProgram, QObject *parent)
    : QObject(parent), dialogs_(dialogs), showMainWindow_(std::move(showMainWindow)),
      quitProgram_(std::move(quitProgram)),
      femaleModel_(std::make_unique<EnergyWindowModel>(Sex::Female, dialogs, printers)),
      maleModel_(std::make_unique<EnergyWindowModel>(Sex::Male, dialogs, printers))
{
    initEnergyResources();
    for (EnergyWindowModel *m : {femaleModel_.get(), maleModel_.get()}) {
        const Sex sex = m->sex();
        connect(m, &EnergyWindowModel::backRequested, this, [this, sex] {
            // The launcher first, so that closing this window never leaves the program without one.
            showLauncher();
            if (EnergyWindow *window = energyWindow(sex))
                window->close();
        });
    }
}

EnergyUi::~EnergyUi() = default;

EnergyWindowModel &EnergyUi::model(Sex sex)
{
    return sex == Sex::Female ? *femaleModel_ : *maleModel_;
}

std::unique_ptr<EnergyWindow> &EnergyUi::windowSlot(Sex sex)
{
    return sex == Sex::Female ? femaleWindow_ : maleWindow_;
}

EnergyWindow *EnergyUi::energyWindow(Sex sex) const
{
    return sex == Sex::Female ? femaleWindow_.get() : maleWindow_.get();
}

void EnergyUi::showEnergyWindow(Sex sex)
{
    std::unique_ptr<EnergyWindow> &window = windowSlot(sex);
    if (!window)
        window = std::make_unique<EnergyWindow>(model(sex));
    bringUp(window.get());
}

void EnergyUi::showLauncher()
{
    if (!launcher_) {
        launcher_ = std::make_unique<LauncherWindow>();
        connect(launcher_.get(), &LauncherWindow::calculatorChosen, this, [this] {
            if (showMainWindow_)
                showMainWindow_();
            launcher_->close();
        });
        connect(launcher_.get(), &LauncherWindow::requirementChosen, this, [this] {
            showChoiceDialog();
            launcher_->close();
        });
        connect(launcher_.get(), &LauncherWindow::exitChosen, this, [this] {
            if (quitProgram_)
                quitProgram_();
        });
    }
    bringUp(launcher_.get());
}

void EnergyUi::showChoiceDialog()
{
    if (!choice_) {
        choice_ = std::make_unique<ChoiceDialog>();
        connect(choice_.get(), &ChoiceDialog::chosen, this, [this](Sex sex) {
            showEnergyWindow(sex);
            choice_->close();
        });
    }
    bringUp(choice_.get());
}

}  // namespace velmo::ui
