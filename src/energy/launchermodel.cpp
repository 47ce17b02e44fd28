// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "energy/launchermodel.h"

#include "common/numbertext.h"
#include "velmo/version.h"

#include <utility>

namespace velmo {

QString LauncherModel::versionLine()
{
    return versionLine(kVersionMajor, kVersionMinor, kVersionPatch);
}

QString LauncherModel::versionLine(int major, int minor, int patch)
{
    const QLocale plain = QLocale::c();
    return tr("Versione %1.%2.%3")
        .arg(formatUnits(major, 0, plain), formatUnits(minor, 0, plain), formatUnits(patch, 0, plain));
}

void LauncherModel::mouseOverCalculator()
{
    set(true, requirementRed_);
}

void LauncherModel::mouseOverRequirement()
{
    set(calculatorRed_, true);
}

void LauncherModel::mouseOverFrame()
{
    set(false, false);
}

void LauncherModel::reset()
{
    pressed_ = LauncherCommand::None;
    set(false, false);
}

void LauncherModel::pressed(LauncherCommand on)
{
    pressed_ = on;
}

LauncherCommand LauncherModel::released(LauncherCommand on)
{
    const LauncherCommand begun = std::exchange(pressed_, LauncherCommand::None);
    return begun == on ? on : LauncherCommand::None;
}

void LauncherModel::set(bool calculator, bool requirement)
{
    if (calculator == calculatorRed_ && requirement == requirementRed_)
        return;
    calculatorRed_ = calculator;
    requirementRed_ = requirement;
    emit coloursChanged();
}

}  // namespace velmo
