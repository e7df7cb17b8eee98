#include "SocketServerGuard.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcSettings)

namespace {

// A tab request is a few bytes; one that fills this buffer is none.
constexpr qint64 kReadBufferBytes = 256;

} // namespace

SocketServerGuard::SocketServerGuard(QLocalServer *server)
    : QObject(server)
{
}

void SocketServerGuard::adopt(QLocalSocket *client)
{
    client->setReadBufferSize(kReadBufferBytes);
    // Without this every client that ever connected would stay in memory
    // for the life of the window.
    connect(client, &QLocalSocket::disconnected, this, [this, client] { release(client); });
}

bool SocketServerGuard::dropIfFlooding(QLocalSocket *client)
{
    if (!client || client->bytesAvailable() < kReadBufferBytes)
        return false;
    qCDebug(lcSettings) << "dropping a local socket client that sent more than a tab request";
    client->abort();
    release(client);
    return true;
}

void SocketServerGuard::release(QLocalSocket *client)
{
    client->deleteLater();
}
