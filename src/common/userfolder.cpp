#include "common/userfolder.h"

#include <QDir>
#include <QFileInfo>

namespace velmo {

QString userFolder(QStandardPaths::StandardLocation location)
{
    const QString folder = QStandardPaths::writableLocation(location);
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QDir::homePath();
}

}  // namespace velmo
