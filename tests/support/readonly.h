#pragma once

#include <QFile>
#include <QString>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace velmo::test {

// Takes the write permission from a file or folder for the guard's lifetime. Root writes
// through permissions, so for root the file system's immutable attribute stands in for them
// where there is one. held() says whether the path is now closed to writing here.
class ReadOnly {
public:
    explicit ReadOnly(QString path) : path_(std::move(path)), permissions_(QFile::permissions(path_))
    {
        QFile::setPermissions(path_, permissions_ & ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther));
        if (!held())
            setImmutable(true);
    }
    ~ReadOnly()
    {
        setImmutable(false);
        QFile::setPermissions(path_, permissions_);
    }
    ReadOnly(const ReadOnly &) = delete;
    ReadOnly &operator=(const ReadOnly &) = delete;

    bool held() const
    {
#ifdef Q_OS_UNIX
        return ::access(QFile::encodeName(path_).constData(), W_OK) != 0;
#else
        return true;
#endif
    }

private:
    void setImmutable(bool on) const
    {
#ifdef Q_OS_LINUX
        const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_NONBLOCK);
        if (fd < 0)
            return;
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && ((flags & FS_IMMUTABLE_FL) != 0) != on) {
            flags ^= FS_IMMUTABLE_FL;
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        ::close(fd);
#else
        Q_UNUSED(on);
#endif
    }

    QString path_;
    QFile::Permissions permissions_;
};

}  // namespace velmo::test
