// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/recentfiles.h"

#include "common/userfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace velmo {

namespace {

const QString kKey = QStringLiteral("pasto/file_recenti");

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

RecentFiles::RecentFiles(QObject *parent) : QObject(parent) {}

void RecentFiles::keepIn(const QString &path)
{
    settingsPath_ = path;
    paths_.clear();
    if (!path.isEmpty() && QFileInfo::exists(path))
        paths_ = tidied(QSettings(path, QSettings::IniFormat).value(kKey).toStringList());
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
void RecentFiles::write() const
{
    if (settingsPath_.isEmpty())
        return;
    // Where the user keeps meals is the user's business alone.
    QStringList notices;
    QString error;
    if (!makePrivateFolder(QFileInfo(settingsPath_).absolutePath(), &notices, &error)
        || !createPrivateFile(settingsPath_, &error))
        return;
    QSettings file(settingsPath_, QSettings::IniFormat);
    file.setValue(kKey, paths_);
    file.sync();
    QFile::setPermissions(settingsPath_, QFile::ReadOwner | QFile::WriteOwner);
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
