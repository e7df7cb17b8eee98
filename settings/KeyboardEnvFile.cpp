#include "KeyboardEnvFile.h"

#include "SaveFileLeftovers.h"
#include "SettingsLogging.h"

#include <QDebug>
#include <QFile>
#include <QSaveFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kProductPath = QStringLiteral("/etc/varnholt/wayland.env");
QString testPath;

// Replaces every line that assigns `name` by name=value; appends the line
// when none does.
QByteArray setVariable(const QByteArray &content, const QByteArray &name, const QByteArray &value)
{
    const QByteArray prefix = name + '=';
    const QByteArray line = prefix + value + '\n';

    QByteArray result;
    result.reserve(content.size() + line.size() + 1);
    bool found = false;
    int start = 0;
    while (start < content.size()) {
        int end = content.indexOf('\n', start);
        end = end < 0 ? content.size() : end + 1;
        if (content.mid(start, prefix.size()) == prefix) {
            result += line;
            found = true;
        } else {
            result += content.mid(start, end - start);
        }
        start = end;
    }
    if (!found) {
        if (!result.isEmpty() && !result.endsWith('\n'))
            result += '\n';
        result += line;
    }
    return result;
}

// pwrite from the start until all is written.
bool writeAll(int fd, const QByteArray &content)
{
    qint64 done = 0;
    while (done < content.size()) {
        const ssize_t written = ::pwrite(fd, content.constData() + done, content.size() - done, done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

QString KeyboardEnvFile::path()
{
    return testPath.isEmpty() ? kProductPath : testPath;
}

void KeyboardEnvFile::setPathForTests(const QString &path)
{
    testPath = path;
}

QByteArray KeyboardEnvFile::withKeyboard(QByteArray content, const QString &layout, const QString &variant)
{
    content = setVariable(content, "XKB_DEFAULT_LAYOUT", layout.toUtf8());
    return setVariable(content, "XKB_DEFAULT_VARIANT", variant.toUtf8());
}

bool KeyboardEnvFile::rewrite(const QString &path, const QString &layout, const QString &variant)
{
    QByteArray content;
    QFile current(path);
    if (current.exists()) {
        // Writing without the old content would drop the compositor's other
        // variables, so an unreadable file is left as it is.
        if (!current.open(QIODevice::ReadOnly)) {
            qDebug() << "failed to open wayland file";
            qCWarning(lcSettings) << "cannot read" << path << current.errorString();
            return false;
        }
        content = current.readAll();
        current.close();
    }
    const QByteArray updated = withKeyboard(content, layout, variant);

    struct stat existing;
    const bool exists = ::stat(QFile::encodeName(path).constData(), &existing) == 0;
    const QString problem = replaceWhole(path, updated, exists ? &existing : nullptr);
    if (problem.isEmpty()) {
        SaveFileLeftovers::remove(path);
        ::sync();
        return true;
    }
    if (!exists) {
        qDebug() << "failed to open wayland file";
        qCWarning(lcSettings) << "cannot create" << path << problem;
        return false;
    }
    // A bind-mounted file, a directory we may not write or an owner we
    // cannot give a new file: the file itself has to take the new content.
    qCInfo(lcSettings) << "rewriting" << path << "in place:" << problem;
    if (!rewriteInPlace(path, content, updated))
        return false;
    ::sync();
    return true;
}

QString KeyboardEnvFile::replaceWhole(const QString &path, const QByteArray &content,
                                      const struct stat *existing)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write a new file beside it: ") + file.errorString();
    // The compositor reads the file as its own user: the new one keeps the
    // old one's owner, group and mode, or it is not swapped in at all.
    if (existing
        && (::fchown(file.handle(), existing->st_uid, existing->st_gid) != 0
            || ::fchmod(file.handle(), existing->st_mode & 07777) != 0)) {
        const QString error = qt_error_string(errno);
        file.cancelWriting();
        return QStringLiteral("cannot give a new file the owner and mode of the old one: ") + error;
    }
    // QSaveFile commits even when the buffered write hit a full disk, which
    // swaps in an empty file; so the content must be out before the commit.
    if (file.write(content) != content.size() || !file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return QStringLiteral("cannot write a new file: ") + error;
    }
    if (!file.commit())
        return QStringLiteral("cannot replace it: ") + file.errorString();
    return QString();
}

bool KeyboardEnvFile::rewriteInPlace(const QString &path, const QByteArray &old, const QByteArray &content)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        const QString reason = qt_error_string(errno);
        qDebug() << "failed to open wayland file";
        qCWarning(lcSettings) << "cannot write" << path << reason;
        return false;
    }
    // Claim the space first: a full disk then fails before a byte changes.
    int error = content.size() > old.size() ? ::posix_fallocate(fd, 0, content.size()) : 0;
    if (error == 0 && !writeAll(fd, content))
        error = errno;
    if (error == 0 && ::ftruncate(fd, content.size()) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (error != 0) {
        // Put the old content back rather than leave a part of the new one.
        if (writeAll(fd, old))
            (void)::ftruncate(fd, old.size());
        ::fsync(fd);
        ::close(fd);
        qDebug() << "failed to reopen wayland file";
        qCWarning(lcSettings) << "cannot write" << path << qt_error_string(error);
        return false;
    }
    ::close(fd);
    return true;
}
