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
        // A file reached through a link is listed once, by where it is; a missing one as written.
        const QFileInfo file(path);
        const QString canonical = path.isEmpty() ? QString() : file.canonicalFilePath();
        const QString absolute = path.isEmpty()        ? QString()
                                 : canonical.isEmpty() ? QDir::cleanPath(file.absoluteFilePath())
                                                       : canonical;
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

// Another Velmo running beside this one may have changed the list since: a change starts from
// the list as the settings file holds it now, so that neither run drops the other's files.
void RecentFiles::reread()
{
    if (settings_.path().isEmpty())
        return;
    const QStringList now = tidied(settings_.recentMealFiles());
    if (now == paths_)
        return;
    paths_ = now;
    emit changed();
}

void RecentFiles::add(const QString &path)
{
    reread();
    setPaths(QStringList{path} + paths_);
}

void RecentFiles::removeMissing()
{
    reread();
    QStringList paths = paths_;
    paths.removeIf(isMissing);
    setPaths(paths);
}

void RecentFiles::clear()
{
    setPaths({});
}

}  // namespace velmo
