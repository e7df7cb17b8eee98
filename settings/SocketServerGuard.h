#pragma once

#include <QObject>

class QLocalServer;
class QLocalSocket;

// Keeps the settings socket serving tab requests whatever its clients do:
// each client may hold no more unread bytes than a request needs.
class SocketServerGuard : public QObject
{
    Q_OBJECT
public:
    // Becomes a child of `server`, which must be listening.
    explicit SocketServerGuard(QLocalServer *server);

    // Takes charge of a newly accepted client until it leaves or is dropped.
    void adopt(QLocalSocket *client);
    // Drops `client` if it has sent more than a request can hold; returns
    // whether it did.
    bool dropIfFlooding(QLocalSocket *client);

private:
    void release(QLocalSocket *client);
};
