#include "UtilityDaemonCalls.h"

#include "UtilitydNames.h"

#include <QDBusError>
#include <QDBusPendingCallWatcher>
#include <QDebug>

#include <algorithm>

UtilityDaemonCalls::UtilityDaemonCalls(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
}

UtilityDaemonCalls::~UtilityDaemonCalls() = default;

void UtilityDaemonCalls::send(const UtilityDaemonClient::Call &call)
{
    const char *errorText = call.errorText;
    start(call.method, {call.argument}, setTimeoutMsecs, [errorText](const QDBusMessage &reply) {
        if (reply.type() == QDBusMessage::ErrorMessage)
            qDebug() << errorText << QDBusError(reply);
    });
}

void UtilityDaemonCalls::askShip(std::function<void(const QDBusMessage &reply)> answered)
{
    start(QStringLiteral("getShip"), {}, shipTimeoutMsecs, std::move(answered));
}

void UtilityDaemonCalls::start(const QString &method, const QVariantList &arguments, int timeoutMsecs,
                               std::function<void(const QDBusMessage &reply)> handle)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QLatin1String(UtilitydNames::service), QLatin1String(UtilitydNames::objectPath),
        QLatin1String(UtilitydNames::interfaceName), method);
    message.setArguments(arguments);
    // Without a bus, a pending call would never finish.
    const QDBusPendingCall call
        = m_bus.isConnected()
              ? m_bus.asyncCall(message, timeoutMsecs)
              : QDBusPendingCall::fromError(
                  m_bus.lastError().isValid() ? m_bus.lastError()
                                              : QDBusError(QDBusError::Disconnected,
                                                           QStringLiteral("Not connected to D-Bus server")));
    auto *watcher = new QDBusPendingCallWatcher(call);
    m_pending.push_back({std::unique_ptr<QDBusPendingCallWatcher>(watcher), std::move(handle)});
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] { finish(watcher); });
}

void UtilityDaemonCalls::finish(QDBusPendingCallWatcher *watcher)
{
    const auto pending = std::find_if(m_pending.begin(), m_pending.end(),
                                      [watcher](const Pending &p) { return p.watcher.get() == watcher; });
    if (pending == m_pending.end())
        return;
    // Taken out first: the handler may make a call of its own.
    Pending done = std::move(*pending);
    m_pending.erase(pending);
    done.handle(done.watcher->reply());
    done.watcher.release()->deleteLater();
}

void UtilityDaemonCalls::finishPending()
{
    while (!m_pending.empty()) {
        QDBusPendingCallWatcher *watcher = m_pending.front().watcher.get();
        watcher->waitForFinished();
        finish(watcher);
    }
}
