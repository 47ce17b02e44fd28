#include "common/safefile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace velmo {

namespace {

// The system's own words are English; say what the user can act on.
QString openFailure(const QString &path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (file.isDir())
        return QStringLiteral("è una cartella, non un file");
    if (!folder.exists())
        return QStringLiteral("la cartella %1 non esiste").arg(folder.absoluteFilePath());
    if (!folder.isDir())
        return QStringLiteral("%1 non è una cartella").arg(folder.absoluteFilePath());
    if (!folder.isWritable() || (file.exists() && !file.isWritable()))
        return QStringLiteral("permessi insufficienti");
    return QStringLiteral("impossibile creare il file");
}

}  // namespace

bool writeFileSafely(const QString &path, const QByteArray &bytes, QString *reason)
{
    QSaveFile file(path);
    // Unbuffered, so that a write the disk refuses fails here and not unseen in the final flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *reason = openFailure(path);
        return false;
    }
    // An uncommitted file is discarded with its temporary when `file` goes.
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        *reason = file.error() == QFileDevice::RenameError
                      ? QStringLiteral("impossibile sostituire il file esistente")
                      : QStringLiteral("scrittura non riuscita (disco pieno o file troppo grande)");
        return false;
    }
    return true;
}

}  // namespace velmo
