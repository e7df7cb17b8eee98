#pragma once

#include <QString>

#include <memory>

class QIODevice;
class QObject;

// The settings socket's server, which takes tab requests from other programs
// while the window is open. It lives in the module libVHSettingsServer.so,
// loaded only when a server is started: the settings library then needs no
// Qt Network, which the command line (never a server) would load and
// relocate, with the Kerberos libraries it links, for nothing.
class SocketServer
{
public:
    virtual ~SocketServer() = default;

    // Removes a stale server of `name` and listens under it with a
    // QLocalServer that is a child of `owner`; logs the outcome. Null when
    // the server could not start: `owner` goes on without one.
    static std::unique_ptr<SocketServer> start(QObject *owner, const QString &name);

    // The QLocalServer, whose newConnection() announces each client.
    virtual QObject *server() const = 0;
    // The next accepted client, from now on in the server's care (at most
    // so many kept, each read only so far); null when none is pending.
    virtual QIODevice *nextClient() = 0;
    // Drops `client` if it has sent more than a request can hold; returns
    // whether it did.
    virtual bool dropIfFlooding(QIODevice *client) = 0;
};

namespace SocketServerModule {

constexpr char fileName[] = "libVHSettingsServer.so";
constexpr char entryName[] = "vhSettingsStartServer";

// The module's entry, behind SocketServer::start(); the caller owns the result.
using Entry = SocketServer *(*)(QObject *owner, const QString &name);

} // namespace SocketServerModule
