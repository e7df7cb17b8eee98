#include "SocketServerGuard.h"

#include "SettingsLogging.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

// A tab request is a few bytes; one that fills this buffer is none.
constexpr qint64 kReadBufferBytes = 256;
constexpr int kWatchMsecs = 1000;

} // namespace

SocketServerGuard::SocketServerGuard(QLocalServer *server)
    : QObject(server)
    , m_server(server)
    , m_name(server->serverName())
    , m_path(server->fullServerName())
{
    // QLocalServer closes its socket for good when an accept fails (with
    // every file descriptor in use, for one) and removes the socket file,
    // but emits nothing and goes on saying it listens. A missing file, by
    // whatever cause, also means no client can reach the window.
    m_watch.setInterval(kWatchMsecs);
    connect(&m_watch, &QTimer::timeout, this, &SocketServerGuard::keepListening);
    m_watch.start();
}

void SocketServerGuard::adopt(QLocalSocket *client)
{
    client->setReadBufferSize(kReadBufferBytes);
    m_clients.append(client);
    connect(client, &QLocalSocket::readyRead, this, [this, client] {
        const int at = m_clients.indexOf(client);
        if (at >= 0)
            m_clients.move(at, m_clients.size() - 1);
    });
    // Without this every client that ever connected would stay in memory
    // for the life of the window.
    connect(client, &QLocalSocket::disconnected, this, [this, client] { release(client); });
    // Idle clients would otherwise take every file descriptor.
    while (m_clients.size() > maxClients)
        drop(m_clients.first());
}

bool SocketServerGuard::dropIfFlooding(QLocalSocket *client)
{
    if (!client || client->bytesAvailable() < kReadBufferBytes)
        return false;
    qCDebug(lcSettings) << "dropping a local socket client that sent more than a tab request";
    drop(client);
    return true;
}

void SocketServerGuard::release(QLocalSocket *client)
{
    m_clients.removeOne(client);
    client->deleteLater();
}

void SocketServerGuard::drop(QLocalSocket *client)
{
    client->abort();
    release(client);
}

void SocketServerGuard::keepListening()
{
    if (QFileInfo::exists(m_path))
        return;
    if (!m_lost) {
        m_lost = true;
        qCWarning(lcSettings) << "local socket" << m_path
                              << "is no longer listening:" << m_server->errorString();
        // Gives the listening socket a file descriptor back.
        if (!m_clients.isEmpty())
            drop(m_clients.first());
    }
    m_server->close();
    if (m_server->listen(m_name)) {
        m_lost = false;
        qCInfo(lcSettings) << "local socket" << m_path << "listening again";
    }
}
