#include "ReleaseFetcher.h"

#include "PartialDownload.h"
#include "UpdaterLogging.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <limits>

#include <cstdio>

namespace {

// Bounds what the network layer buffers ahead of our writes.
constexpr qint64 readBufferSize = 256 * 1024;
constexpr qint64 chunkSize = 64 * 1024;
constexpr qint64 mebibyte = 1024 * 1024;

int timerInterval(qint64 ms)
{
    return int(qBound<qint64>(0, ms, std::numeric_limits<int>::max()));
}

} // namespace

ReleaseFetcher::ReleaseFetcher(const UpdaterConfig &config, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_deadline(this)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        if (m_partFile.isOpen())
            checkDownloadTime();
        else
            manifestTimedOut();
    });
}

ReleaseFetcher::~ReleaseFetcher()
{
    abortReply();
    discardPartialImage();
}

QNetworkReply *ReleaseFetcher::get(const QUrl &url)
{
    abortReply();
    // Made here, in the thread that uses it.
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(m_config.timeoutSeconds * 1000);
    m_reply = m_network->get(request);
    m_reply->setReadBufferSize(readBufferSize);
    m_started.start();
    return m_reply;
}

void ReleaseFetcher::abortReply()
{
    m_deadline.stop();
    if (!m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void ReleaseFetcher::fetchManifest(const QUrl &url)
{
    m_manifest.clear();
    PartialDownload::removeStale(m_config.downloadDirectory);
    QNetworkReply *reply = get(url);
    connect(reply, &QNetworkReply::readyRead, this, &ReleaseFetcher::readManifest);
    connect(reply, &QNetworkReply::finished, this, &ReleaseFetcher::finishManifest);
    m_deadline.start(m_config.checkTimeLimitSeconds * 1000);
}

void ReleaseFetcher::readManifest()
{
    m_manifest += m_reply->read(maxManifestSize + 1 - m_manifest.size());
    if (m_manifest.size() > maxManifestSize) {
        abortReply();
        // Handed on as it is; the parser rejects it.
        emit manifestFetched(m_manifest);
    }
}

void ReleaseFetcher::finishManifest()
{
    QNetworkReply *reply = m_reply;
    if (reply->error() != QNetworkReply::NoError) {
        const QString detail = reply->errorString();
        abortReply();
        emit failed(SourceUnreachable, detail);
        return;
    }
    readManifest();
    if (!m_reply)
        return; // too large, already handed on
    abortReply();
    emit manifestFetched(m_manifest);
}

void ReleaseFetcher::manifestTimedOut()
{
    abortReply();
    emit failed(SourceUnreachable,
                QStringLiteral("no complete manifest within %1 s").arg(m_config.checkTimeLimitSeconds));
}

void ReleaseFetcher::fetchImage(const ReleaseManifest &release, const QString &path)
{
    abortReply();
    discardPartialImage();
    m_imagePath = path;
    m_expectedSha256 = release.sha256;
    m_expectedSize = release.size;
    m_hash.reset();
    m_written = 0;
    m_lastPercent = -1;

    const QString directory = QFileInfo(path).absolutePath();
    QDir().mkpath(directory);
    PartialDownload::removeStale(directory);
    QString problem;
    const int fd = PartialDownload::create(PartialDownload::pathFor(path), &problem);
    if (fd < 0) {
        failImage(StorageFailed, problem);
        return;
    }
    m_partPath = PartialDownload::pathFor(path);
    if (!m_partFile.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        failImage(StorageFailed, m_partFile.errorString());
        return;
    }
    // Refused before a byte is fetched when it cannot fit anyway.
    if (m_expectedSize >= 0 && !fits(m_expectedSize))
        return;

    QNetworkReply *reply = get(release.image);
    connect(reply, &QNetworkReply::readyRead, this, &ReleaseFetcher::writeImage);
    connect(reply, &QNetworkReply::finished, this, &ReleaseFetcher::finishImage);
    m_deadline.start(timerInterval(downloadTimeLimitMs()));
}

void ReleaseFetcher::writeImage()
{
    char buffer[chunkSize];
    while (m_reply && m_reply->bytesAvailable() > 0) {
        const qint64 count = m_reply->read(buffer, sizeof buffer);
        if (count <= 0)
            break;
        if (!writeChunk(buffer, count))
            return;
    }
    const qint64 total = m_expectedSize >= 0 ? m_expectedSize
                         : m_reply ? m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong()
                                   : 0;
    if (total > 0) {
        const int percent = int(qMin<qint64>(100, m_written * 100 / total));
        if (percent != m_lastPercent) {
            m_lastPercent = percent;
            emit imageProgress(percent);
        }
    }
}

// Whether `count` more bytes may be stored; if not, the download fails.
bool ReleaseFetcher::fits(qint64 count)
{
    if (m_expectedSize >= 0 && m_written + count > m_expectedSize) {
        failImage(
            DownloadFailed,
            QStringLiteral("the image is larger than the %1 bytes its manifest states").arg(m_expectedSize));
        return false;
    }
    const qint64 reserve = m_config.freeSpaceReserveMiB * mebibyte;
    const qint64 free = PartialDownload::freeSpace(m_partFile.handle());
    if (free >= 0 && free - count < reserve) {
        failImage(StorageFailed, QStringLiteral("less than %1 MiB would stay free for %2")
                                     .arg(m_config.freeSpaceReserveMiB)
                                     .arg(m_partPath));
        return false;
    }
    return true;
}

bool ReleaseFetcher::writeChunk(const char *data, qint64 count)
{
    if (!fits(count))
        return false;
    if (m_partFile.write(data, count) != count) {
        failImage(StorageFailed, m_partFile.errorString());
        return false;
    }
    m_hash.addData(data, int(count));
    m_written += count;
    return true;
}

void ReleaseFetcher::finishImage()
{
    if (m_reply->error() != QNetworkReply::NoError) {
        failImage(DownloadFailed, m_reply->errorString());
        return;
    }
    writeImage();
    if (!m_reply)
        return; // failed while writing
    abortReply();

    if (!m_partFile.flush()) {
        failImage(StorageFailed, m_partFile.errorString());
        return;
    }
    if (m_hash.result() != m_expectedSha256) {
        failImage(ChecksumMismatch, QStringLiteral("sha256 %1, expected %2")
                                        .arg(QString::fromLatin1(m_hash.result().toHex()),
                                             QString::fromLatin1(m_expectedSha256.toHex())));
        return;
    }
    // Renamed while still open and locked: no cleaner can take it meanwhile.
    if (std::rename(QFile::encodeName(m_partPath).constData(), QFile::encodeName(m_imagePath).constData())
        != 0) {
        failImage(StorageFailed, QStringLiteral("cannot rename ") + m_partPath);
        return;
    }
    m_partPath.clear();
    m_partFile.close();
    emit imageFetched(m_imagePath);
}

// However slowly the data come, a download ends by its time limit.
void ReleaseFetcher::checkDownloadTime()
{
    const qint64 limit = downloadTimeLimitMs();
    const qint64 elapsed = m_started.elapsed();
    if (elapsed < limit) {
        // Without a stated size the limit grows with what has arrived.
        m_deadline.start(timerInterval(limit - elapsed));
        return;
    }
    failImage(DownloadFailed, QStringLiteral("not complete within %1 s").arg(limit / 1000));
}

qint64 ReleaseFetcher::downloadTimeLimitMs() const
{
    const qint64 size = m_expectedSize >= 0 ? m_expectedSize : m_written;
    return qint64(m_config.downloadTimeLimitSeconds) * 1000 + size / m_config.minimumDownloadRate * 1000
           + size % m_config.minimumDownloadRate * 1000 / m_config.minimumDownloadRate;
}

void ReleaseFetcher::failImage(Failure failure, const QString &detail)
{
    abortReply();
    discardPartialImage();
    emit failed(failure, detail);
}

void ReleaseFetcher::discardPartialImage()
{
    // Removed while still locked.
    if (!m_partPath.isEmpty())
        QFile::remove(m_partPath);
    m_partPath.clear();
    if (m_partFile.isOpen())
        m_partFile.close();
}
