// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/programdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>
#include <QList>
#include <QMutex>

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
    // The modules loaded, kept for the program's life (a function of one must stay valid), and the
    // functions found in them; never destroyed, so that they outlive every caller.
    static QMutex mutex;
    static auto *const loaded = new QList<QLibrary *>;
    static auto *const found = new QHash<QString, QFunctionPointer>;
    const QMutexLocker lock(&mutex);
    const QString key = module + u'/' + QLatin1StringView(symbol);
    if (const QFunctionPointer known = found->value(key))
        return known;
    const QString folder = programDir();
    // The reason said is the last place's, unless a module was there without the function.
    QString why;
    bool opened = false;
    for (const QString &candidate : {folder + u'/' + module, folder + QStringLiteral("/../lib/velmo/") + module}) {
        auto *library = new QLibrary(QDir::cleanPath(candidate));
        if (const QFunctionPointer function = library->resolve(symbol)) {
            loaded->append(library);
            found->insert(key, function);
            return function;
        }
        if (!opened) {
            opened = library->isLoaded();
            why = opened ? QCoreApplication::translate("ProgramModule", "%1 non contiene %2")
                               .arg(QDir::toNativeSeparators(library->fileName()), QLatin1StringView(symbol))
                         : library->errorString();
        }
        delete library;
    }
    if (reasons)
        *reasons = why;
    return nullptr;
}

}  // namespace velmo
