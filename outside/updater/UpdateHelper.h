#pragma once

#include "ImageInstaller.h"
#include "QMLUpdatabilityEnums.h"
#include "ReleaseFetcher.h"
#include "ReleaseManifest.h"
#include "UpdaterConfig.h"

#include <QObject>
#include <QString>
#include <QThread>

// The system software updater as the settings window sees it. A check reads
// the release manifest of the configured update source and compares its
// version with the installed one (VERSION_ID of os-release); an install
// downloads the release's image, verifies its SHA-256 and hands it to the
// install command. Network and file work run in a thread of the updater's
// own, so neither call ever blocks the caller.
//
// `progress` covers the whole update: the download fills 0 to 90, the
// install command the rest, and 100 means the update is installed and
// waits for a restart. Every failure ends the operation with a text in
// `error`; a failed check keeps what the last good check found.
class UpdateHelper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isUpdating READ isUpdating NOTIFY isUpdatingChanged)
    Q_PROPERTY(bool isChecking READ isChecking NOTIFY isCheckingChanged)
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)
    Q_PROPERTY(QString systemVersion READ systemVersion NOTIFY systemVersionChanged)
    Q_PROPERTY(QString availableVersion READ availableVersion NOTIFY availableVersionChanged)
    Q_PROPERTY(int progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(int isUpdateable READ isUpdateable NOTIFY isUpdateableChanged)
    Q_PROPERTY(QString lastUpdateCheck READ lastUpdateCheck NOTIFY lastUpdateCheckChanged)

public:
    static constexpr int downloadShare = 90;

    // Configured from UpdaterConfig::load().
    explicit UpdateHelper(QObject *parent = nullptr);
    explicit UpdateHelper(const UpdaterConfig &config, QObject *parent = nullptr);
    ~UpdateHelper() override;

    bool isUpdating() const { return m_updating; }
    bool isChecking() const { return m_checking; }
    QString error() const { return m_error; }
    QString systemVersion() const { return m_systemVersion; }
    QString availableVersion() const { return m_availableVersion; }
    int progress() const { return m_progress; }
    int isUpdateable() const { return m_updateability; }
    QString lastUpdateCheck() const { return m_lastUpdateCheck; }

public slots:
    void checkForNetworkUpdate();
    void installLatestUpdate();

signals:
    void isUpdatingChanged();
    void isCheckingChanged();
    void errorChanged();
    void systemVersionChanged();
    void availableVersionChanged();
    void progressChanged();
    void isUpdateableChanged();
    void lastUpdateCheckChanged();

private:
    void onManifestFetched(const QByteArray &content);
    void onImageProgress(int percent);
    void onImageFetched(const QString &path);
    void onFetchFailed(ReleaseFetcher::Failure failure, const QString &detail);
    void onInstallProgress(int percent);
    void onInstallFinished(bool succeeded, const QString &detail);
    void fail(const QString &error, const QString &detail);
    void setChecking(bool checking);
    void setUpdating(bool updating);
    void setError(const QString &error);
    void setProgress(int progress);
    void setUpdateability(int updateability);
    void setAvailableVersion(const QString &version);

    UpdaterConfig m_config;
    QThread m_thread;
    ReleaseFetcher *m_fetcher; // lives in m_thread, deleted when it ends
    ImageInstaller m_installer;
    ReleaseManifest m_release;
    QString m_imagePath;

    bool m_updating = false;
    bool m_checking = false;
    QString m_error;
    QString m_systemVersion;
    QString m_availableVersion;
    int m_progress = 0;
    int m_updateability = QMLUpdatabilityEnums::UPDATABLE;
    QString m_lastUpdateCheck;
};
