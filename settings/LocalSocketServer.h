#pragma once

#include "SocketServer.h"

class QLocalServer;
class SocketServerGuard;

// The settings socket's server on a listening QLocalServer, kept serving by
// a SocketServerGuard. Lives in the module libVHSettingsServer.so.
class LocalSocketServer : public SocketServer
{
public:
    // `server` listens; its parent owns it for at least as long as this.
    explicit LocalSocketServer(QLocalServer *server);

    QObject *server() const override;
    QIODevice *nextClient() override;
    bool dropIfFlooding(QIODevice *client) override;

private:
    QLocalServer *const m_server;
    SocketServerGuard *const m_guard;
};
