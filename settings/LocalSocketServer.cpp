#include "LocalSocketServer.h"

#include "SocketServerGuard.h"

#include <QDebug>
#include <QLocalServer>
#include <QLocalSocket>

#include <type_traits>

LocalSocketServer::LocalSocketServer(QLocalServer *server)
    : m_server(server)
    , m_guard(new SocketServerGuard(server))
{
}

QObject *LocalSocketServer::server() const
{
    return m_server;
}

QIODevice *LocalSocketServer::nextClient()
{
    QLocalSocket *client = m_server->nextPendingConnection();
    if (client)
        m_guard->adopt(client);
    return client;
}

bool LocalSocketServer::dropIfFlooding(QIODevice *client)
{
    return m_guard->dropIfFlooding(qobject_cast<QLocalSocket *>(client));
}

extern "C" Q_DECL_EXPORT SocketServer *vhSettingsStartServer(QObject *owner, const QString &name)
{
    QLocalServer::removeServer(name);
    auto *server = new QLocalServer(owner);
    if (!server->listen(name)) {
        qDebug().noquote() << QStringLiteral("Cannot start server: ") + server->fullServerName();
        delete server;
        return nullptr;
    }
    qDebug().noquote() << QStringLiteral("QLocalServer Started Successfully on ") + server->fullServerName();
    return new LocalSocketServer(server);
}

static_assert(std::is_same_v<decltype(&vhSettingsStartServer), SocketServerModule::Entry>,
              "SocketServer::start calls the entry through SocketServerModule::Entry");
