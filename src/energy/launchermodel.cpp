#include "energy/launchermodel.h"

#include "velmo/version.h"

#include <utility>

namespace velmo {

QString LauncherModel::versionLine()
{
    return versionLine(kVersionMajor, kVersionMinor, kVersionPatch);
}

QString LauncherModel::versionLine(int major, int minor, int patch)
{
    return QStringLiteral("Versione %1.%2.%3").arg(major).arg(minor).arg(patch);
}

void LauncherModel::mouseOverLabel1()
{
    set(true, label2Red_);
}

void LauncherModel::mouseOverLabel2()
{
    set(label1Red_, true);
}

void LauncherModel::mouseOverFrame1()
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

void LauncherModel::set(bool label1, bool label2)
{
    if (label1 == label1Red_ && label2 == label2Red_)
        return;
    label1Red_ = label1;
    label2Red_ = label2;
    emit coloursChanged();
}

}  // namespace velmo
