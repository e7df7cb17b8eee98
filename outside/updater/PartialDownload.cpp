#include "PartialDownload.h"

#include "UpdaterLogging.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace PartialDownload {

namespace {

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

int create(const QString &path, QString *problem)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        *problem = QStringLiteral("cannot create %1: %2").arg(path, systemError());
        return -1;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        *problem = QStringLiteral("cannot lock %1: %2").arg(path, systemError());
        ::close(fd);
        ::unlink(name.constData());
        return -1;
    }
    return fd;
}

void removeStale(const QString &directory)
{
    const QDir dir(directory);
    for (const QString &entry : dir.entryList({QStringLiteral("*.part")}, QDir::Files | QDir::Hidden)) {
        const QString path = dir.filePath(entry);
        const QByteArray name = QFile::encodeName(path);
        const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat status;
        // A live download holds its lock; the lock of a killed one died with it.
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0
            && ::unlink(name.constData()) == 0)
            qCInfo(lcUpdater) << "removed" << path << "left by a download that ended unfinished";
        ::close(fd);
    }
}

qint64 freeSpace(int fd)
{
    struct statvfs fileSystem;
    if (::fstatvfs(fd, &fileSystem) != 0)
        return -1;
    return qint64(fileSystem.f_bavail) * qint64(fileSystem.f_frsize);
}

} // namespace PartialDownload
