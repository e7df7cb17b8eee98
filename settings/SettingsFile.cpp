#include "SettingsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QLoggingCategory>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

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
    return open()->value(key, fallback);
}

bool write(const QString &key, const QVariant &value)
{
    clearDeadWritersLock();
    const std::unique_ptr<QSettings> settings = open();
    settings->setValue(key, value);
    settings->sync();
    return holds(*settings, key, value);
}

} // namespace SettingsFile
