#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QObject>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// The network and file side of the updater, run in the updater's own thread
// so that no name lookup, slow source or disk write ever stalls the window.
// It fetches manifests and streams images to disk, hashing as it writes;
// an image is only renamed to its final name once its checksum matched, so
// no one ever sees a partial or damaged image under that name.
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

    explicit ReleaseFetcher(QObject *parent = nullptr);
    ~ReleaseFetcher() override;

    // Called in the fetcher's own thread.
    void fetchManifest(const QUrl &url, int timeoutMs);
    void fetchImage(const QUrl &url, const QByteArray &sha256, const QString &path, int timeoutMs);

signals:
    void manifestFetched(const QByteArray &content);
    void imageProgress(int percent);
    void imageFetched(const QString &path);
    void failed(ReleaseFetcher::Failure failure, const QString &detail);

private:
    QNetworkReply *get(const QUrl &url, int timeoutMs);
    void readManifest();
    void finishManifest();
    void writeImage();
    void finishImage();
    void failImage(Failure failure, const QString &detail);
    void discardPartialImage();
    void abortReply();

    QNetworkAccessManager *m_network = nullptr;
    QNetworkReply *m_reply = nullptr;
    QByteArray m_manifest;
    QFile m_partFile;
    QString m_imagePath;
    QByteArray m_expectedSha256;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    qint64 m_written = 0;
    int m_lastPercent = -1;
};
