// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/programdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

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

QFunctionPointer programModuleFunction(const QString &module, const char *symbol, QString *reasons)
{
    const QString folder = programDir();
    QString why;
    for (const QString &candidate : {folder + u'/' + module, folder + QStringLiteral("/../lib/velmo/") + module}) {
        auto *library = new QLibrary(QDir::cleanPath(candidate));  // never unloaded
        if (const QFunctionPointer function = library->resolve(symbol))
            return function;
        why = library->errorString();
        delete library;
    }
    if (reasons)
        *reasons = why;
    return nullptr;
}

}  // namespace velmo
