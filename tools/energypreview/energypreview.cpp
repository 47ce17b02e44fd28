// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// Draws the energy windows, the launcher and the choice dialog into PNG files, for a look by eye, in
// the language of the environment (LANGUAGE=en for English).
#include "common/translation.h"
#include "ui/energy/choicedialog.h"
#include "ui/energy/energyui.h"
#include "ui/energy/energywindow.h"
#include "ui/energy/launcherwindow.h"
#include "support/fakedialogs.h"
#include "support/fakeprinterservice.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTimer>

using namespace velmo;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QString languageError;
    installLanguage(chooseLanguage({}, &languageError).value_or(Language::Italian));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    test::FakeDialogs dialogs;
    test::FakePrinterService printers;
    ui::EnergyUi energy(
        printers, dialogs, [] {}, [] {});

    const auto fill = [&](Sex sex, const char *age, const char *weight, int activity, int recommended) {
        energy.showEnergyWindow(sex);
        EnergyWindowModel &m = energy.model(sex);
        for (QChar c : QString::fromLatin1(age))
            m.userEdit(EnergyControl::AgeBox, m.ageText() + c);
        for (QChar c : QString::fromLatin1(weight))
            m.userEdit(EnergyControl::WeightBox, m.weightText() + c);
        if (activity) {
            m.userFocus(EnergyWindowModel::optionControl(activity));
            m.userClickOption(activity);
            m.userFocus(EnergyWindowModel::optionControl(recommended));
            m.userClickOption(recommended);
        }
    };
    fill(Sex::Female, "30", "60", 4, 12);
    fill(Sex::Male, "15", "50", 0, 0);
    energy.showLauncher();
    energy.showChoiceDialog();
    QTimer::singleShot(300, [&] {
        energy.energyWindow(Sex::Female)->grab().save(out.filePath(QStringLiteral("energy-female.png")));
        energy.energyWindow(Sex::Male)->grab().save(out.filePath(QStringLiteral("energy-male.png")));
        energy.launcher()->grab().save(out.filePath(QStringLiteral("launcher.png")));
        energy.choiceDialog()->grab().save(out.filePath(QStringLiteral("choice.png")));
        app.quit();
    });
    return app.exec();
}
