#include "SettingsFile.h"

#include <QFileInfo>
#include <QLockFile>
#include <QLoggingCategory>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

Q_DECLARE_LOGGING_CATEGORY(lcSettings)

namespace SettingsFile {

namespace {

// QLockFile honours a lock file without a readable owner for 30 s.
constexpr int kStaleLockMsecs = 500;

std::unique_ptr<QSettings> open()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, organization,
                                       application);
}

QString lockPath()
{
    return path() + QStringLiteral(".lock");
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

} // namespace

QString path()
{
    return QStringLiteral("%1/%2/%3.ini")
        .arg(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
             QLatin1String(organization), QLatin1String(application));
}

QVariant read(const QString &key, const QVariant &fallback)
{
    return open()->value(key, fallback);
}

bool write(const QString &key, const QVariant &value)
{
    clearDeadWritersLock();
    const std::unique_ptr<QSettings> settings = open();
    settings->setValue(key, value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

} // namespace SettingsFile
