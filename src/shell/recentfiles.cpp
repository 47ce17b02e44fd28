// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/recentfiles.h"

#include <QDir>
#include <QFileInfo>

namespace velmo {

namespace {

// One text for one file however its path was written; the list without repeats, empty paths or
// anything past the limit.
QStringList tidied(const QStringList &paths)
{
    QStringList kept;
    for (const QString &path : paths) {
        if (kept.size() == RecentFiles::kLimit)
            break;
        const QString absolute = path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
        if (!absolute.isEmpty() && !kept.contains(absolute))
            kept << absolute;
    }
    return kept;
}

}  // namespace

RecentFiles::RecentFiles(QObject *parent) : QObject(parent)
{
}

void RecentFiles::keepIn(const QString &path)
{
    settings_.setPath(path);
    paths_ = tidied(settings_.recentMealFiles());
    emit changed();
}

bool RecentFiles::isMissing(const QString &path)
{
    return !QFileInfo(path).isFile();
}

void RecentFiles::setPaths(const QStringList &paths)
{
    const QStringList kept = tidied(paths);
    if (kept == paths_)
        return;
    paths_ = kept;
    write();
    emit changed();
}

// A list that cannot be written is still the list of this run; the next one starts from the file.
void RecentFiles::write()
{
    settings_.setRecentMealFiles(paths_);
}

void RecentFiles::add(const QString &path)
{
    setPaths(QStringList{path} + paths_);
}

void RecentFiles::removeMissing()
{
    QStringList paths = paths_;
    paths.removeIf(isMissing);
    setPaths(paths);
}

void RecentFiles::clear()
{
    setPaths({});
}

}  // namespace velmo
