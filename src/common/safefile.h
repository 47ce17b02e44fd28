// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QFile;
class QTemporaryFile;

namespace velmo {

// Writes `bytes` as the whole content of the file at `path` through a temporary file in the
// same folder, renamed over the old file only once every byte is on disk: a failure (disk
// full, no permission, a folder that is gone) leaves any previous file as it was. False with
// the reason, for the user, in `reason`.
bool writeFileSafely(const QString &path, const QByteArray &bytes, QString *reason);

// Both writers refuse a path that names a named pipe, a device or a socket: the file put in its
// place would take it away without a word.

// writeFileSafely for a file of the user's health data: a new file is made private to its
// owner (0600) before a byte is in it, an existing one is made so first, and a file made here
// that could not be written is taken away again.
bool writePrivateFileSafely(const QString &path, const QByteArray &bytes, QString *reason);

// The first step of writePrivateFileSafely, for a writer of its own (one that writes piece by
// piece through a QSaveFile, whose temporary file takes the permissions of the file it replaces):
// refuses what is not a file, then creates `path` empty and private, or makes an existing file
// private. `made` tells whether the file was created here, to be removed if the write fails.
bool preparePrivateFile(const QString &path, bool *made, QString *reason);

// A private file for a writer that only takes a file name and writes it in place (a PDF
// printer): it writes a private temporary file beside the target, which takes the target's place
// only at `commit`, once the caller has checked it. Until then, and whatever fails, the target is
// left as it was; an uncommitted temporary file goes with the object.
class StagedPrivateFile {
public:
    explicit StagedPrivateFile(QString target);
    ~StagedPrivateFile();
    StagedPrivateFile(const StagedPrivateFile &) = delete;
    StagedPrivateFile &operator=(const StagedPrivateFile &) = delete;

    // Creates the temporary file; false with the reason when the target cannot be written: a
    // folder, a file made read-only or another user's. A symbolic link's target is written.
    bool open(QString *reason);
    // Where the writer writes, once open.
    QString temporaryPath() const;
    // Puts the temporary file on disk and in the target's place.
    bool commit(QString *reason);

private:
    QString target_;
    std::unique_ptr<QTemporaryFile> temporary_;
};

// Whether the PDF file at `path` was written to its end: its last lines point at its table of
// objects where that table stands. A writer that lost bytes on a full disk leaves a file that
// does not.
bool isCompletePdf(const QString &path);

// Opens the file named by `file` for reading, only if it is a regular file: a named pipe would
// block the program until someone writes to it, a device or a socket may never end. False with
// the reason, for the user, in `reason`: "il file non esiste", "è una cartella, non un file",
// "permessi insufficienti", "non è un file normale …" or another.
bool openRegularFile(QFile &file, QString *reason);

}  // namespace velmo
