// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/programdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velmo {

QString programDir()
{
    return QCoreApplication::applicationDirPath();
}

QString programFile(const QString &name)
{
    return programFileFrom(programDir(), name);
}

QString programFileFrom(const QString &programFolder, const QString &name)
{
    const QDir folder(programFolder);
    const QString beside = folder.filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QDir::cleanPath(folder.filePath(QStringLiteral("../share/velmo/") + name));
    return QFileInfo::exists(installed) ? installed : beside;
}

}  // namespace velmo
