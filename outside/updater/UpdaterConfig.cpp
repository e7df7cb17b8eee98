#include "UpdaterConfig.h"

#include "UpdaterLogging.h"

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

#include <limits>

namespace {

QString &fileForTests()
{
    static QString file;
    return file;
}

// Seconds that still fit in an int as milliseconds.
constexpr qlonglong maxSeconds = 1000 * 1000;

// Keeps `value` unless the key holds a number from `minimum` to `maximum`.
template<typename Number>
void readNumber(const QSettings &settings, const char *key, qlonglong minimum, qlonglong maximum,
                Number *value)
{
    bool ok = false;
    const qlonglong number = settings.value(QLatin1String(key)).toLongLong(&ok);
    if (ok && number >= minimum && number <= maximum)
        *value = Number(number);
}

} // namespace

UpdaterConfig UpdaterConfig::load()
{
    return load(fileForTests().isEmpty() ? productFile() : fileForTests());
}

UpdaterConfig UpdaterConfig::load(const QString &file)
{
    UpdaterConfig config;
    config.downloadDirectory = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                               + QStringLiteral("/Varnholt/updates");
    if (!QFileInfo::exists(file)) {
        qCInfo(lcUpdater) << "no updater configuration at" << file;
        return config;
    }

    const QSettings settings(file, QSettings::IniFormat);
    config.source = QUrl(settings.value(QStringLiteral("source")).toString().trimmed());
    const QStringList command
        = QProcess::splitCommand(settings.value(QStringLiteral("installCommand")).toString());
    if (!command.isEmpty()) {
        config.installProgram = command.first();
        config.installArguments = command.mid(1);
    }
    config.downloadDirectory
        = settings.value(QStringLiteral("downloadDirectory"), config.downloadDirectory).toString();
    config.versionFile = settings.value(QStringLiteral("versionFile"), config.versionFile).toString();
    readNumber(settings, "timeoutSeconds", 1, maxSeconds, &config.timeoutSeconds);
    readNumber(settings, "checkTimeLimitSeconds", 1, maxSeconds, &config.checkTimeLimitSeconds);
    readNumber(settings, "downloadTimeLimitSeconds", 1, maxSeconds, &config.downloadTimeLimitSeconds);
    readNumber(settings, "minimumDownloadRate", 1, std::numeric_limits<qint32>::max(),
               &config.minimumDownloadRate);
    readNumber(settings, "freeSpaceReserveMiB", 0, qlonglong(1) << 40, &config.freeSpaceReserveMiB);
    return config;
}

void UpdaterConfig::setFileForTests(const QString &file)
{
    fileForTests() = file;
}
