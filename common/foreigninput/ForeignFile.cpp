#include "ForeignFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ForeignFile {

namespace {

Result failure(int error)
{
    if (error == ENOENT)
        return {Status::Missing, QByteArray(), QString()};
    if (error == ELOOP)
        return {Status::Refused, QByteArray(), QStringLiteral("is a symbolic link")};
    return {Status::Unreadable, QByteArray(), QString::fromLocal8Bit(std::strerror(error))};
}

// Refused unless the status is of a regular file that `checks` accepts.
Result judge(const struct stat &status, int checks)
{
    QString problem;
    if (S_ISLNK(status.st_mode))
        problem = QStringLiteral("is a symbolic link");
    else if (!S_ISREG(status.st_mode))
        problem = QStringLiteral("is not a regular file");
    else if ((checks & OwnedByUs) && status.st_uid != geteuid())
        problem = QStringLiteral("belongs to user %1, not to %2").arg(status.st_uid).arg(geteuid());
    return {problem.isEmpty() ? Status::Read : Status::Refused, QByteArray(), problem};
}

} // namespace

Result inspect(const QString &path, int checks)
{
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return failure(errno);
    return judge(status, checks);
}

Result read(const QString &path, qint64 limit, int checks)
{
    const QByteArray name = QFile::encodeName(path);
    // A device is not even opened (opening some has effects of its own);
    // fstat below catches whatever is swapped in meanwhile.
    struct stat status;
    const bool followLink = !(checks & NoSymlink);
    if ((followLink ? ::stat(name.constData(), &status) : ::lstat(name.constData(), &status)) != 0)
        return failure(errno);
    if (Result checked = judge(status, checks); checked.status != Status::Read)
        return checked;

    const int fd = ::open(name.constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (followLink ? 0 : O_NOFOLLOW));
    if (fd < 0)
        return failure(errno);
    Result result = ::fstat(fd, &status) == 0 ? judge(status, checks) : failure(errno);
    char buffer[64 * 1024];
    // One byte more than the bound tells a file of exactly `limit` bytes
    // from a larger one.
    while (result.status == Status::Read && result.content.size() <= limit) {
        const qint64 wanted = qMin<qint64>(sizeof buffer, limit + 1 - result.content.size());
        const ssize_t count = ::read(fd, buffer, size_t(wanted));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            result = failure(errno);
        else if (count == 0)
            break;
        else
            result.content.append(buffer, int(count));
    }
    ::close(fd);
    if (result.status == Status::Read && result.content.size() > limit) {
        result.content.truncate(int(limit));
        result.status = Status::TooLarge;
        result.problem = QStringLiteral("is larger than %1 bytes").arg(limit);
    }
    return result;
}

} // namespace ForeignFile
