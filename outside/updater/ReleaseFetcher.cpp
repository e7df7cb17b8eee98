#include "ReleaseFetcher.h"

#include "UpdaterLogging.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// Bounds what the network layer buffers ahead of our writes.
constexpr qint64 readBufferSize = 256 * 1024;
constexpr qint64 chunkSize = 64 * 1024;

} // namespace

ReleaseFetcher::ReleaseFetcher(QObject *parent)
    : QObject(parent)
{
}

ReleaseFetcher::~ReleaseFetcher()
{
    abortReply();
    discardPartialImage();
}

QNetworkReply *ReleaseFetcher::get(const QUrl &url, int timeoutMs)
{
    abortReply();
    // Made here, in the thread that uses it.
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeoutMs);
    m_reply = m_network->get(request);
    m_reply->setReadBufferSize(readBufferSize);
    return m_reply;
}

void ReleaseFetcher::abortReply()
{
    if (!m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void ReleaseFetcher::fetchManifest(const QUrl &url, int timeoutMs)
{
    m_manifest.clear();
    QNetworkReply *reply = get(url, timeoutMs);
    connect(reply, &QNetworkReply::readyRead, this, &ReleaseFetcher::readManifest);
    connect(reply, &QNetworkReply::finished, this, &ReleaseFetcher::finishManifest);
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

void ReleaseFetcher::fetchImage(const QUrl &url, const QByteArray &sha256, const QString &path, int timeoutMs)
{
    abortReply();
    discardPartialImage();
    m_imagePath = path;
    m_expectedSha256 = sha256;
    m_hash.reset();
    m_written = 0;
    m_lastPercent = -1;

    QDir().mkpath(QFileInfo(path).absolutePath());
    m_partFile.setFileName(path + QStringLiteral(".part"));
    if (!m_partFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        failImage(StorageFailed, m_partFile.errorString());
        return;
    }
    QNetworkReply *reply = get(url, timeoutMs);
    connect(reply, &QNetworkReply::readyRead, this, &ReleaseFetcher::writeImage);
    connect(reply, &QNetworkReply::finished, this, &ReleaseFetcher::finishImage);
}

void ReleaseFetcher::writeImage()
{
    char buffer[chunkSize];
    while (m_reply && m_reply->bytesAvailable() > 0) {
        const qint64 count = m_reply->read(buffer, sizeof buffer);
        if (count <= 0)
            break;
        if (m_partFile.write(buffer, count) != count) {
            failImage(StorageFailed, m_partFile.errorString());
            return;
        }
        m_hash.addData(buffer, int(count));
        m_written += count;
    }
    const qint64 total = m_reply ? m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() : 0;
    if (total > 0) {
        const int percent = int(qMin<qint64>(100, m_written * 100 / total));
        if (percent != m_lastPercent) {
            m_lastPercent = percent;
            emit imageProgress(percent);
        }
    }
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
    m_partFile.close();
    if (m_hash.result() != m_expectedSha256) {
        failImage(ChecksumMismatch, QStringLiteral("sha256 %1, expected %2")
                                        .arg(QString::fromLatin1(m_hash.result().toHex()),
                                             QString::fromLatin1(m_expectedSha256.toHex())));
        return;
    }
    QFile::remove(m_imagePath);
    if (!QFile::rename(m_partFile.fileName(), m_imagePath)) {
        failImage(StorageFailed, QStringLiteral("cannot rename ") + m_partFile.fileName());
        return;
    }
    emit imageFetched(m_imagePath);
}

void ReleaseFetcher::failImage(Failure failure, const QString &detail)
{
    abortReply();
    discardPartialImage();
    emit failed(failure, detail);
}

void ReleaseFetcher::discardPartialImage()
{
    if (m_partFile.isOpen())
        m_partFile.close();
    if (!m_partFile.fileName().isEmpty())
        QFile::remove(m_partFile.fileName());
}
