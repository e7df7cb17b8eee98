#include "Backlight.h"

#include <QDir>
#include <QFile>

#include <algorithm>

Backlight::Backlight(const QString &classDir)
    : m_classDir(classDir)
{
}

int Backlight::clampLevel(quint32 level)
{
    return int(std::clamp<quint32>(level, MinimumLevel, MaximumLevel));
}

int Backlight::rawValue(int level, int maxBrightness)
{
    if (maxBrightness <= 0)
        return 0;
    const qint64 scaled = (qint64(level) * maxBrightness + MaximumLevel / 2) / MaximumLevel;
    return int(std::clamp<qint64>(scaled, 1, maxBrightness));
}

QString Backlight::deviceDir() const
{
    // Entries under /sys/class/backlight are symbolic links to directories;
    // QDir::Dirs follows them.
    const QStringList devices = QDir(m_classDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    return devices.isEmpty() ? QString() : m_classDir + QLatin1Char('/') + devices.first();
}

int Backlight::setLevel(quint32 level, QString *error) const
{
    const QString device = deviceDir();
    if (device.isEmpty()) {
        *error = QStringLiteral("no backlight device under %1").arg(m_classDir);
        return -1;
    }

    QFile maxFile(device + QStringLiteral("/max_brightness"));
    if (!maxFile.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(maxFile.fileName(), maxFile.errorString());
        return -1;
    }
    bool ok = false;
    const int maxBrightness = maxFile.readAll().trimmed().toInt(&ok);
    if (!ok || maxBrightness <= 0) {
        *error = QStringLiteral("%1 holds no usable maximum").arg(maxFile.fileName());
        return -1;
    }

    const int value = rawValue(clampLevel(level), maxBrightness);
    // A plain write: sysfs attributes cannot be replaced by renaming.
    QFile brightness(device + QStringLiteral("/brightness"));
    if (!brightness.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || brightness.write(QByteArray::number(value) + '\n') < 0 || !brightness.flush()) {
        *error = QStringLiteral("cannot write %1: %2").arg(brightness.fileName(), brightness.errorString());
        return -1;
    }
    return value;
}
