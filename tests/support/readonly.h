// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QFile>
#include <QFileInfo>
#include <QString>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace velmo::test {

// Takes the write permission from a file or folder for the guard's lifetime. Root writes
// through permissions, so for root the immutable attribute of the file system stands in for
// them where there is one; held() says whether writing is now refused.
class ReadOnly {
public:
    explicit ReadOnly(QString path) : path_(std::move(path)), permissions_(QFile::permissions(path_))
    {
        QFile::setPermissions(
            path_, permissions_ & ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther));
        immutable(!held());
    }
    ~ReadOnly()
    {
        immutable(false);
        QFile::setPermissions(path_, permissions_);
    }
    bool held() const { return !QFileInfo(path_).isWritable(); }

private:
    void immutable([[maybe_unused]] bool on) const
    {
#ifdef Q_OS_LINUX
        const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_NONBLOCK);
        int flags = 0;
        if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        ::close(fd);
#endif
    }

    QString path_;
    QFile::Permissions permissions_;
};

}  // namespace velmo::test
