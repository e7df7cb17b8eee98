#include "LoopbackHttpServer.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

namespace {
// An endless body waits while the client lags this far behind.
constexpr qint64 maxUnsent = 1024 * 1024;
} // namespace

LoopbackHttpServer::LoopbackHttpServer(QObject *parent)
    : QObject(parent)
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackHttpServer::accept);
}

QUrl LoopbackHttpServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

void LoopbackHttpServer::serve(const QString &path, const QByteArray &body)
{
    m_bodies.insert(path, body);
}

void LoopbackHttpServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
    }
}

void LoopbackHttpServer::readRequest(QTcpSocket *socket)
{
    if (m_silent || !socket->canReadLine())
        return;
    const QList<QByteArray> requestLine = socket->readLine().trimmed().split(' ');
    // The rest of the header is not needed; the client waits for the answer.
    socket->readAll();
    const QString path
        = requestLine.value(1).isEmpty() ? QString() : QString::fromLatin1(requestLine.value(1));
    m_requests.append(path);
    if (m_endless.contains(path)) {
        socket->write(
            "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n\r\n");
        sendEndless(socket);
        return;
    }
    if (!m_bodies.contains(path)) {
        socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }
    const QByteArray body = m_bodies.value(path);
    socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: "
                  + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n");
    sendChunks(socket, body, 0);
}

void LoopbackHttpServer::sendChunks(QTcpSocket *socket, const QByteArray &body, int offset)
{
    socket->write(body.mid(offset, m_chunkSize));
    offset += m_chunkSize;
    if (offset >= body.size()) {
        socket->disconnectFromHost();
        return;
    }
    QPointer<QTcpSocket> guard(socket);
    QTimer::singleShot(m_chunkIntervalMs, this, [this, guard, body, offset] {
        if (guard)
            sendChunks(guard, body, offset);
    });
}

void LoopbackHttpServer::sendEndless(QTcpSocket *socket)
{
    if (socket->state() != QAbstractSocket::ConnectedState)
        return;
    if (socket->bytesToWrite() < maxUnsent)
        socket->write(QByteArray(m_chunkSize, 'x'));
    QPointer<QTcpSocket> guard(socket);
    QTimer::singleShot(m_chunkIntervalMs, this, [this, guard] {
        if (guard)
            sendEndless(guard);
    });
}
