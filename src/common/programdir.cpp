#include "common/programdir.h"

#include <QCoreApplication>
#include <QDir>

namespace velmo {

QString programDir()
{
    return QCoreApplication::applicationDirPath();
}

QString programFile(const QString &name)
{
    return QDir(programDir()).filePath(name);
}

}  // namespace velmo
