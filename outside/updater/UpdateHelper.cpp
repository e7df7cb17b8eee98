#include "UpdateHelper.h"

#include "ForeignFile.h"
#include "LogText.h"
#include "UpdaterLogging.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace {

// An os-release file is a few lines.
constexpr qint64 maxVersionFileSize = 64 * 1024;

// VERSION_ID of an os-release file, without its quotes; empty when there is none.
QString osReleaseVersion(const QString &path)
{
    const ForeignFile::Result file = ForeignFile::read(path, maxVersionFileSize);
    if (file.status != ForeignFile::Status::Read) {
        qCWarning(lcUpdater) << "cannot read the installed version from" << path << file.problem;
        return QString();
    }
    for (const QByteArray &line : file.content.split('\n')) {
        if (line.trimmed().startsWith("VERSION_ID="))
            return QString::fromUtf8(line.trimmed().mid(11))
                .remove(QLatin1Char('"'))
                .remove(QLatin1Char('\''));
    }
    return QString();
}

} // namespace

UpdateHelper::UpdateHelper(QObject *parent)
    : UpdateHelper(UpdaterConfig::load(), parent)
{
}

UpdateHelper::UpdateHelper(const UpdaterConfig &config, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_fetcher(new ReleaseFetcher(config))
    , m_systemVersion(osReleaseVersion(config.versionFile))
{
    qRegisterMetaType<ReleaseFetcher::Failure>();
    m_thread.setObjectName(QStringLiteral("VHUpdater"));
    m_fetcher->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_fetcher, &QObject::deleteLater);
    connect(m_fetcher, &ReleaseFetcher::manifestFetched, this, &UpdateHelper::onManifestFetched);
    connect(m_fetcher, &ReleaseFetcher::imageProgress, this, &UpdateHelper::onImageProgress);
    connect(m_fetcher, &ReleaseFetcher::imageFetched, this, &UpdateHelper::onImageFetched);
    connect(m_fetcher, &ReleaseFetcher::failed, this, &UpdateHelper::onFetchFailed);
    connect(&m_installer, &ImageInstaller::progress, this, &UpdateHelper::onInstallProgress);
    connect(&m_installer, &ImageInstaller::finished, this, &UpdateHelper::onInstallFinished);
    m_thread.start();
}

UpdateHelper::~UpdateHelper()
{
    // The fetcher removes an unfinished download as it goes.
    m_thread.quit();
    m_thread.wait();
}

void UpdateHelper::checkForNetworkUpdate()
{
    if (m_checking || m_updating) {
        qCInfo(lcUpdater) << "busy; the check is not repeated";
        return;
    }
    if (m_config.source.isEmpty()) {
        fail(tr("No update source is configured."), UpdaterConfig::productFile());
        return;
    }
    setError(QString());
    setChecking(true);
    ReleaseFetcher *fetcher = m_fetcher;
    const QUrl source = m_config.source;
    // Runs in the fetcher's thread.
    QMetaObject::invokeMethod(
        fetcher, [fetcher, source] { fetcher->fetchManifest(source); }, Qt::QueuedConnection);
}

void UpdateHelper::onManifestFetched(const QByteArray &content)
{
    ReleaseManifest release;
    QString problem;
    if (!ReleaseManifest::parse(content, m_config.source, &release, &problem)) {
        fail(tr("The update source offers no valid release."), problem);
        return;
    }
    m_release = release;
    const QVersionNumber installed = ReleaseManifest::parseVersion(m_systemVersion);
    // 3.0.5.0 is 3.0.5 again.
    const int order = QVersionNumber::compare(release.version.normalized(), installed.normalized());
    // An installed version we cannot read is older than anything offered.
    setUpdateability(installed.isNull() || order > 0 ? QMLUpdatabilityEnums::UPDATABLE
                     : order == 0                    ? QMLUpdatabilityEnums::REINSTALLABLE
                                                     : QMLUpdatabilityEnums::NONUPDATABLE);
    setAvailableVersion(release.version.toString());
    qCInfo(lcUpdater) << "the source offers" << m_availableVersion << "installed is" << m_systemVersion;
    m_lastUpdateCheck = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    emit lastUpdateCheckChanged();
    setChecking(false);
}

void UpdateHelper::installLatestUpdate()
{
    if (m_checking || m_updating) {
        qCInfo(lcUpdater) << "busy; the install is not started";
        return;
    }
    if (m_release.version.isNull() || m_updateability == QMLUpdatabilityEnums::NONUPDATABLE) {
        fail(tr("No update is available. Check for updates first."), QStringLiteral("no release"));
        return;
    }
    setError(QString());
    setProgress(0);
    setUpdating(true);
    m_imagePath = QDir(m_config.downloadDirectory).filePath(m_release.imageFileName());
    ReleaseFetcher *fetcher = m_fetcher;
    const ReleaseManifest release = m_release;
    const QString path = m_imagePath;
    QMetaObject::invokeMethod(
        fetcher, [fetcher, release, path] { fetcher->fetchImage(release, path); }, Qt::QueuedConnection);
}

void UpdateHelper::onImageProgress(int percent)
{
    setProgress(percent * downloadShare / 100);
}

void UpdateHelper::onImageFetched(const QString &path)
{
    setProgress(downloadShare);
    m_installer.start(m_config.installProgram, m_config.installArguments, path);
}

void UpdateHelper::onInstallProgress(int percent)
{
    // 100 is kept for the command's successful end.
    setProgress(qMin(99, downloadShare + percent * (100 - downloadShare) / 100));
}

void UpdateHelper::onInstallFinished(bool succeeded, const QString &detail)
{
    // The install command has copied what it needs, or failed with it.
    QFile::remove(m_imagePath);
    if (!succeeded) {
        fail(tr("The update could not be installed."), detail);
        return;
    }
    qCInfo(lcUpdater) << "installed" << m_availableVersion << "; a restart completes it";
    setProgress(100);
    setUpdating(false);
}

void UpdateHelper::onFetchFailed(ReleaseFetcher::Failure failure, const QString &detail)
{
    switch (failure) {
    case ReleaseFetcher::SourceUnreachable:
        fail(tr("The update source cannot be reached."), detail);
        break;
    case ReleaseFetcher::DownloadFailed:
        fail(tr("The update could not be downloaded."), detail);
        break;
    case ReleaseFetcher::ChecksumMismatch:
        fail(tr("The downloaded update is damaged."), detail);
        break;
    case ReleaseFetcher::StorageFailed:
        fail(tr("The update could not be stored on this device."), detail);
        break;
    }
}

void UpdateHelper::fail(const QString &error, const QString &detail)
{
    // The detail may quote the source, its manifest or the install command.
    qCWarning(lcUpdater).noquote() << error << LogText::escaped(detail);
    if (m_updating)
        setProgress(0);
    setError(error);
    setChecking(false);
    setUpdating(false);
}

void UpdateHelper::setChecking(bool checking)
{
    if (m_checking == checking)
        return;
    m_checking = checking;
    emit isCheckingChanged();
}

void UpdateHelper::setUpdating(bool updating)
{
    if (m_updating == updating)
        return;
    m_updating = updating;
    emit isUpdatingChanged();
}

void UpdateHelper::setError(const QString &error)
{
    if (m_error == error)
        return;
    m_error = error;
    emit errorChanged();
}

void UpdateHelper::setProgress(int progress)
{
    if (m_progress == progress)
        return;
    m_progress = progress;
    emit progressChanged();
}

void UpdateHelper::setUpdateability(int updateability)
{
    if (m_updateability == updateability)
        return;
    m_updateability = updateability;
    emit isUpdateableChanged();
}

void UpdateHelper::setAvailableVersion(const QString &version)
{
    if (m_availableVersion == version)
        return;
    m_availableVersion = version;
    emit availableVersionChanged();
}
