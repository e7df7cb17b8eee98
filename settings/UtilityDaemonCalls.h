#pragma once

#include "UtilityDaemonClient.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>

#include <functional>
#include <list>
#include <memory>

class QDBusPendingCallWatcher;

// Sends the settings core's calls to the utility daemon without waiting for
// them: each reply is handled when it arrives, in the order the calls were
// made. A program without an event loop (the command line) collects the
// replies still due with finishPending().
class UtilityDaemonCalls : public QObject
{
    Q_OBJECT
public:
    // Setting a value is quick for the daemon; a reply that takes longer
    // than this means it hangs, and the value stays written in the file.
    static constexpr int setTimeoutMsecs = 5000;
    // The shipping variant has a fallback, so it is not waited for as long.
    static constexpr int shipTimeoutMsecs = 3000;

    explicit UtilityDaemonCalls(const QDBusConnection &bus, QObject *parent = nullptr);
    ~UtilityDaemonCalls() override;

    // A failure is logged with the call's error text when its reply comes.
    void send(const UtilityDaemonClient::Call &call);
    // `answered` gets the reply to getShip, or an error reply when the call failed.
    void askShip(std::function<void(const QDBusMessage &reply)> answered);
    // Waits for each reply still due (each within its call's time-out) and handles it.
    void finishPending();

private:
    struct Pending
    {
        std::unique_ptr<QDBusPendingCallWatcher> watcher;
        std::function<void(const QDBusMessage &reply)> handle;
    };

    void start(const QString &method, const QVariantList &arguments, int timeoutMsecs,
               std::function<void(const QDBusMessage &reply)> handle);
    void finish(QDBusPendingCallWatcher *watcher);

    QDBusConnection m_bus;
    std::list<Pending> m_pending;
};
