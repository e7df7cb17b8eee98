#include "UpdaterConfig.h"

#include "UpdaterLogging.h"

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString &fileForTests()
{
    static QString file;
    return file;
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
    bool ok = false;
    const int timeout = settings.value(QStringLiteral("timeoutSeconds")).toInt(&ok);
    if (ok && timeout > 0)
        config.timeoutSeconds = timeout;
    return config;
}

void UpdaterConfig::setFileForTests(const QString &file)
{
    fileForTests() = file;
}
