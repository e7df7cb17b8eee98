#include "SettingsFile.h"

#include "SaveFileLeftovers.h"
#include "SettingsLogging.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <memory>

namespace SettingsFile {

namespace {

// QLockFile honours a lock file without a readable owner for 30 s.
constexpr int kStaleLockMsecs = 500;

enum class Access {
    Read,
    Write
};

std::unique_ptr<QSettings> open()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QLatin1String(organization), QLatin1String(application));
}

QString lockPath()
{
    return path() + QStringLiteral(".lock");
}

// Returns the first path QSettings would open that must not be opened, or
// an empty string. QSettings blocks for ever reading a FIFO, its QSaveFile
// follows a symlink and replaces a device node with a text file, and its
// QLockFile waits for ever on a lock path that is not a plain file.
QString unusablePath(Access access)
{
    // QSettings also reads the organization's file beside the folder.
    const QString organizationFile = QFileInfo(path()).absolutePath() + QStringLiteral(".ini");
    for (const QString &file : {path(), organizationFile}) {
        const QFileInfo info(file);
        if (info.exists() && !info.isFile())
            return file;
    }
    if (access == Access::Write) {
        const QFileInfo lock(lockPath());
        if (lock.isSymLink() || (lock.exists() && !lock.isFile()))
            return lock.filePath();
    }
    return QString();
}

// Logs once per path, not for each of the many reads of one run.
bool refused(const QString &unusable)
{
    static QString reported;
    if (!unusable.isEmpty() && unusable != reported) {
        qCWarning(lcSettings) << unusable
                              << "is not a regular file: settings read as their defaults and "
                                 "not written";
    }
    reported = unusable;
    return !unusable.isEmpty();
}

// A writer killed between creating the lock file and writing its process id
// leaves a lock that would hold up the next write for 30 s. Locking with a
// short stale time clears it within about half a second, while a live
// writer's lock stays: QLockFile removes only a lock that nobody holds.
void clearDeadWritersLock()
{
    if (!QFileInfo::exists(lockPath()))
        return;
    QLockFile lock(lockPath());
    lock.setStaleLockTime(kStaleLockMsecs);
    if (lock.tryLock(2 * kStaleLockMsecs))
        lock.unlock();
}

// QSettings keeps only the first error of an object, so a line it could not
// parse when reading (FormatError) hides how the write went. The file is then
// read through a copy: QSettings on the file itself would answer from the
// process's cache, which still holds a value that did not land.
bool holds(const QSettings &written, const QString &key, const QVariant &value)
{
    if (written.status() != QSettings::FormatError)
        return written.status() == QSettings::NoError;
    QFile file(path());
    QTemporaryFile copy;
    if (!file.open(QIODevice::ReadOnly) || !copy.open() || copy.write(file.readAll()) < 0)
        return false;
    copy.close();
    const QVariant stored = QSettings(copy.fileName(), QSettings::IniFormat).value(key);
    const int type = value.userType();
    if (type == QMetaType::QStringList || type == QMetaType::QVariantList)
        return stored.toStringList() == value.toStringList();
    return stored.toString() == value.toString();
}

} // namespace

QString path()
{
    return QStringLiteral("%1/%2/%3.ini")
        .arg(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
             QLatin1String(organization), QLatin1String(application));
}

QVariant read(const QString &key, const QVariant &fallback)
{
    return Snapshot().value(key, fallback);
}

Snapshot::Snapshot()
{
    if (!refused(unusablePath(Access::Read)))
        m_settings = open();
}

Snapshot::~Snapshot() = default;

QVariant Snapshot::value(const QString &key, const QVariant &fallback) const
{
    return m_settings ? m_settings->value(key, fallback) : fallback;
}

bool write(const QString &key, const QVariant &value)
{
    if (refused(unusablePath(Access::Write)))
        return false;
    clearDeadWritersLock();
    const std::unique_ptr<QSettings> settings = open();
    settings->setValue(key, value);
    settings->sync();
    if (!holds(*settings, key, value))
        return false;
    SaveFileLeftovers::remove(path());
    return true;
}

} // namespace SettingsFile
