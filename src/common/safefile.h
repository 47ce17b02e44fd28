#pragma once

#include <QByteArray>
#include <QString>

namespace velmo {

// Writes `bytes` as the whole content of the file at `path` through a temporary file in the
// same folder, renamed over the old file only once every byte is on disk: a failure (disk
// full, no permission, a folder that is gone) leaves any previous file as it was. False with
// the reason in Italian in `reason`.
bool writeFileSafely(const QString &path, const QByteArray &bytes, QString *reason);

}  // namespace velmo
