// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QByteArray>
#include <QString>

class QFile;

namespace velmo {

// Writes `bytes` as the whole content of the file at `path` through a temporary file in the
// same folder, renamed over the old file only once every byte is on disk: a failure (disk
// full, no permission, a folder that is gone) leaves any previous file as it was. False with
// the reason, for the user, in `reason`.
bool writeFileSafely(const QString &path, const QByteArray &bytes, QString *reason);

// writeFileSafely for a file of the user's health data: a new file is made private to its
// owner (0600) before a byte is in it, an existing one is made so first, and a file made here
// that could not be written is taken away again.
bool writePrivateFileSafely(const QString &path, const QByteArray &bytes, QString *reason);

// Opens the file named by `file` for reading, only if it is a regular file: a named pipe would
// block the program until someone writes to it, a device or a socket may never end. False with
// the reason, for the user, in `reason`: "il file non esiste", "è una cartella, non un file",
// "permessi insufficienti", "non è un file normale …" or another.
bool openRegularFile(QFile &file, QString *reason);

}  // namespace velmo
