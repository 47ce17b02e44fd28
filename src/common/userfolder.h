// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace velmo {

// The folder to propose for a file the user saves: the user's own standard folder of that kind
// (documents, pictures …) when it exists, else the home folder. Many systems have no such
// folder, and a save dialog opened on a missing one shows nothing useful.
QString userFolder(QStandardPaths::StandardLocation location);

// The user's data is open to the user alone, whatever the umask, as the XDG base directory
// rules ask. Creates `folder`, and any missing folder above it, with permissions 0700; an
// existing `folder`, or a file in it, that other users could reach is closed to them (0700 and
// 0600), and `notices` get an Italian sentence for each such change. False, with `error`, when
// the folder cannot be made.
bool makePrivateFolder(const QString &folder, QStringList *notices, QString *error);

// Creates the empty file `path` with permissions 0600. True when the file is there, made now or
// a moment before by another program.
bool createPrivateFile(const QString &path, QString *error);

// Qt's file dialogs keep the folders last visited, patients' folders among them, in the user's
// QtProject.conf, which they would create readable by every user: it is made, or closed to
// others, before a dialog writes it. The path of that file.
QString keepFileDialogHistoryPrivate();

}  // namespace velmo
