#include "ProbeServer.h"

#include "StallClock.h"
#include "TouchActions.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

ProbeServer::ProbeServer(const QString &socketPath, StallClock *stalls, TouchActions *touch)
    : m_socketPath(socketPath)
    , m_stalls(stalls)
    , m_touch(touch)
{
}

void ProbeServer::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &ProbeServer::accept);
    if (!m_server->listen(m_socketPath))
        qWarning("probe: cannot listen on %s: %s", qPrintable(m_socketPath),
                 qPrintable(m_server->errorString()));
}

void ProbeServer::accept()
{
    while (QLocalSocket *client = m_server->nextPendingConnection()) {
        connect(client, &QLocalSocket::readyRead, this, [this, client] { serve(client); });
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    }
}

void ProbeServer::serve(QLocalSocket *client)
{
    while (client->canReadLine()) {
        const QString line = QString::fromUtf8(client->readLine()).chopped(1);
        // The text to type may hold spaces: it is the rest of the line.
        const QStringList words = line.split(QLatin1Char(' '));
        const QString id = words.value(0);
        const QString verb = words.value(1);
        QPointer<QLocalSocket> to = client;
        const auto answer = [to, id](const QString &result) {
            if (to)
                to->write((id + QLatin1Char(' ') + result + QLatin1Char('\n')).toUtf8());
        };
        if (verb == QLatin1String("stall-reset")) {
            m_stalls->reset();
            answer(QStringLiteral("ok"));
        } else if (verb == QLatin1String("stall")) {
            const StallClock::Reading reading = m_stalls->read();
            answer(QStringLiteral("%1 %2").arg(reading.longest, 0, 'f', 1).arg(reading.ongoing, 0, 'f', 1));
        } else {
            const QStringList command{verb, words.value(2), words.mid(3).join(QLatin1Char(' '))};
            // Runs on the GUI thread; the answer comes back to this one.
            QMetaObject::invokeMethod(
                m_touch,
                [this, command, answer] {
                    m_touch->run(command, [this, answer](const QString &result) {
                        QMetaObject::invokeMethod(
                            this, [answer, result] { answer(result); }, Qt::QueuedConnection);
                    });
                },
                Qt::QueuedConnection);
        }
    }
}
