#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A plain HTTP/1.1 server on 127.0.0.1 for one test, run by the test's event
// loop. It serves the bodies it was given (404 for anything else), in
// chunks a few milliseconds apart so that a client sees the transfer grow.
// A silent server accepts connections and never answers.
class LoopbackHttpServer : public QObject
{
    Q_OBJECT
public:
    explicit LoopbackHttpServer(QObject *parent = nullptr);

    bool isListening() const { return m_server.isListening(); }
    QUrl url(const QString &path) const;

    void serve(const QString &path, const QByteArray &body);
    void setSilent(bool silent) { m_silent = silent; }
    // Stops listening: connections to the port are refused from now on.
    void close() { m_server.close(); }
    void setChunkSize(int bytes) { m_chunkSize = bytes; }
    // Paths asked for so far, oldest first.
    QStringList requests() const { return m_requests; }

private:
    void accept();
    void readRequest(QTcpSocket *socket);
    void sendChunks(QTcpSocket *socket, const QByteArray &body, int offset);

    QTcpServer m_server;
    QHash<QString, QByteArray> m_bodies;
    QStringList m_requests;
    bool m_silent = false;
    int m_chunkSize = 64 * 1024;
};
