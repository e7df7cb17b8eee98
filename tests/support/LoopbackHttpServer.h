#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A plain HTTP/1.1 server on 127.0.0.1 for one test, run by the test's event
// loop. It serves the bodies it was given (404 for anything else), in
// chunks a few milliseconds apart so that a client sees the transfer grow.
// A silent server accepts connections and never answers; an endless body
// has no stated length and never ends.
class LoopbackHttpServer : public QObject
{
    Q_OBJECT
public:
    explicit LoopbackHttpServer(QObject *parent = nullptr);

    bool isListening() const { return m_server.isListening(); }
    QUrl url(const QString &path) const;

    void serve(const QString &path, const QByteArray &body);
    void serveEndless(const QString &path) { m_endless.insert(path); }
    void setSilent(bool silent) { m_silent = silent; }
    // Stops listening: connections to the port are refused from now on.
    void close() { m_server.close(); }
    void setChunkSize(int bytes) { m_chunkSize = bytes; }
    // Milliseconds between chunks (5 unless set).
    void setChunkInterval(int ms) { m_chunkIntervalMs = ms; }
    // Paths asked for so far, oldest first.
    QStringList requests() const { return m_requests; }

private:
    void accept();
    void readRequest(QTcpSocket *socket);
    void sendChunks(QTcpSocket *socket, const QByteArray &body, int offset);
    void sendEndless(QTcpSocket *socket);

    QTcpServer m_server;
    QHash<QString, QByteArray> m_bodies;
    QSet<QString> m_endless;
    QStringList m_requests;
    bool m_silent = false;
    int m_chunkSize = 64 * 1024;
    int m_chunkIntervalMs = 5;
};
