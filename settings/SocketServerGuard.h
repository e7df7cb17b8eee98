#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class QLocalServer;
class QLocalSocket;

// Keeps the settings socket serving tab requests whatever its clients do:
// each client may hold no more unread bytes than a request needs, at most
// maxClients stay open (the least recently active go first), and a listening
// socket that QLocalServer gave up after a failed accept is restored.
class SocketServerGuard : public QObject
{
    Q_OBJECT
public:
    static constexpr int maxClients = 32;

    // Becomes a child of `server`, which must be listening.
    explicit SocketServerGuard(QLocalServer *server);

    // Takes charge of a newly accepted client until it leaves or is dropped.
    void adopt(QLocalSocket *client);
    // Drops `client` if it has sent more than a request can hold; returns
    // whether it did.
    bool dropIfFlooding(QLocalSocket *client);

private:
    void release(QLocalSocket *client);
    void drop(QLocalSocket *client);
    void keepListening();

    QLocalServer *const m_server;
    const QString m_name;
    const QString m_path;
    QList<QLocalSocket *> m_clients; // least recently active first
    QTimer m_watch;
    bool m_lost = false;
};
