#pragma once

#include "ReleaseManifest.h"
#include "UpdaterConfig.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// The network and file side of the updater, run in the updater's own thread
// so that no name lookup, slow source or disk write ever stalls the window.
// It fetches manifests and streams images to disk, hashing as it writes;
// an image is only renamed to its final name once its checksum matched, so
// no one ever sees a partial or damaged image under that name.
//
// Every transfer is bounded: in time (no data for timeoutSeconds; a whole
// check within checkTimeLimitSeconds; a download within
// downloadTimeLimitSeconds plus its size at minimumDownloadRate), and a
// download in size (the manifest's "size", and the free space it must leave
// in the download folder, freeSpaceReserveMiB).
class ReleaseFetcher : public QObject
{
    Q_OBJECT
public:
    enum Failure {
        SourceUnreachable,
        DownloadFailed,
        ChecksumMismatch,
        StorageFailed,
    };
    Q_ENUM(Failure)

    // Manifests are a few lines; anything this large is not one.
    static constexpr qint64 maxManifestSize = 64 * 1024;

    explicit ReleaseFetcher(const UpdaterConfig &config, QObject *parent = nullptr);
    ~ReleaseFetcher() override;

    // Called in the fetcher's own thread.
    void fetchManifest(const QUrl &url);
    void fetchImage(const ReleaseManifest &release, const QString &path);

signals:
    void manifestFetched(const QByteArray &content);
    void imageProgress(int percent);
    void imageFetched(const QString &path);
    void failed(ReleaseFetcher::Failure failure, const QString &detail);

private:
    QNetworkReply *get(const QUrl &url);
    void readManifest();
    void finishManifest();
    void manifestTimedOut();
    void writeImage();
    bool fits(qint64 count);
    bool writeChunk(const char *data, qint64 count);
    void finishImage();
    void checkDownloadTime();
    qint64 downloadTimeLimitMs() const;
    void failImage(Failure failure, const QString &detail);
    void discardPartialImage();
    void abortReply();

    const UpdaterConfig m_config;
    QNetworkAccessManager *m_network = nullptr;
    QNetworkReply *m_reply = nullptr;
    // Ends a whole check or download, however slowly data keeps coming.
    QTimer m_deadline;
    QElapsedTimer m_started;
    QByteArray m_manifest;
    QFile m_partFile;
    QString m_partPath;
    QString m_imagePath;
    QByteArray m_expectedSha256;
    qint64 m_expectedSize = -1;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    qint64 m_written = 0;
    int m_lastPercent = -1;
};
