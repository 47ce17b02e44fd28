// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/userfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velmo {

namespace {

constexpr QFile::Permissions kPrivateFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions kPrivateFile = QFile::ReadOwner | QFile::WriteOwner;

QString where(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Other users may reach the file or folder. Only Unix says so through these bits; elsewhere the
// user's own folders are private by the system's rules.
bool openToOthers(const QFileInfo &info)
{
#ifdef Q_OS_UNIX
    return (info.permissions()
            & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther
               | QFile::ExeOther))
           != 0;
#else
    Q_UNUSED(info);
    return false;
#endif
}

// Takes from the others what they could do, and leaves the owner what the owner could do: a
// file the user made read-only stays so.
void makePrivate(const QFileInfo &info, QStringList *notices)
{
    if (!openToOthers(info))
        return;
    const QString path = info.absoluteFilePath();
    QFile file(path);
    const QString at = where(path);
    if (file.setPermissions(info.permissions() & (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))) {
        notices->append(
            info.isDir() ? QCoreApplication::translate("UserFolder", "La cartella %1 era accessibile anche ad altri "
                                                                     "utenti del computer: ora lo è solo al suo "
                                                                     "proprietario.")
                               .arg(at)
                         : QCoreApplication::translate("UserFolder", "Il file %1 era accessibile anche ad altri utenti "
                                                                     "del computer: ora lo è solo al suo proprietario.")
                               .arg(at));
        return;
    }
    const QString reason = file.errorString();
    notices->append(
        info.isDir() ? QCoreApplication::translate("UserFolder", "La cartella %1 è accessibile anche ad altri utenti "
                                                                 "del computer e non è stato possibile cambiarlo (%2): "
                                                                 "cambiarne i permessi (chmod 700).")
                           .arg(at, reason)
                     : QCoreApplication::translate("UserFolder", "Il file %1 è accessibile anche ad altri utenti del "
                                                                 "computer e non è stato possibile cambiarlo (%2): "
                                                                 "cambiarne i permessi (chmod 600).")
                           .arg(at, reason));
}

}  // namespace

QString userFolder(QStandardPaths::StandardLocation location)
{
    const QString folder = QStandardPaths::writableLocation(location);
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QDir::homePath();
}

bool makePrivateFolder(const QString &folder, QStringList *notices, QString *error)
{
    const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    QStringList missing;
    for (QString path = absolute; !QFileInfo::exists(path) && path != QFileInfo(path).absolutePath();
         path = QFileInfo(path).absolutePath())
        missing.prepend(path);
    for (const QString &path : missing) {
        // Another program may make it at the same moment: what counts is that it is there.
        if (!QDir().mkdir(path, kPrivateFolder) && !QFileInfo(path).isDir()) {
            *error = QCoreApplication::translate(
                         "UserFolder", "Impossibile creare la cartella %1: controllare che la cartella che la contiene "
                                       "esista e sia scrivibile.")
                         .arg(where(path));
            return false;
        }
        QFile::setPermissions(path, kPrivateFolder);  // whatever the umask took away
    }
    const QFileInfo info(absolute);
    if (!info.isDir()) {
        *error = QCoreApplication::translate("UserFolder", "%1 non è una cartella.").arg(where(absolute));
        return false;
    }
    makePrivate(info, notices);
    const QFileInfoList files = QDir(absolute).entryInfoList(QDir::Files | QDir::Hidden | QDir::System
                                                             | QDir::NoSymLinks);
    for (const QFileInfo &file : files)
        makePrivate(file, notices);
    return true;
}

bool createPrivateFile(const QString &path, QString *error)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kPrivateFile)) {
        file.close();
        file.setPermissions(kPrivateFile);
        return true;
    }
    if (QFileInfo::exists(path))
        return true;
    *error = QCoreApplication::translate(
                 "UserFolder", "Impossibile creare il file %1 (%2): controllare che la cartella sia scrivibile.")
                 .arg(where(path), file.errorString());
    return false;
}

QString keepFileDialogHistoryPrivate()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return {};
    const QString path = QDir(folder).filePath(QStringLiteral("QtProject.conf"));
    QString ignored;  // without it the dialog only remembers less
    if (QFileInfo::exists(path))
        QFile::setPermissions(path, kPrivateFile);
    else if (QDir().mkpath(folder))
        createPrivateFile(path, &ignored);
    return path;
}

}  // namespace velmo
