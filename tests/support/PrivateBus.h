#pragma once

#include "ShortTemporaryDir.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>

// A private dbus-daemon for one test, standing in for the system bus: it
// listens on a socket in its own temporary directory, and while it lives
// DBUS_SYSTEM_BUS_ADDRESS in this process points to it (the previous value
// comes back and the daemon is stopped on destruction). Programs the test
// starts afterwards inherit the address.
//
// QDBusConnection::systemBus() connects once per process and keeps that
// connection for good. Start the PrivateBus before anything in the process
// uses systemBus(); for code under test that uses systemBus() internally,
// keep one PrivateBus for the whole test process (made in initTestCase).
// Connections of the test's own come from connection(), fresh for each bus.
class PrivateBus
{
public:
    // `policies` is the <policy> part of the bus configuration.
    explicit PrivateBus(const QByteArray &policies = allowEverything());
    ~PrivateBus();
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    // Any connection may own any name and send anything to anyone.
    static QByteArray allowEverything();

    bool isValid() const { return m_valid; }
    QString errorString() const { return m_error; }
    // The address as dbus-daemon printed it, "unix:path=...,guid=...".
    QString address() const { return m_address; }
    QString configFile() const { return m_dir.path() + QStringLiteral("/bus.conf"); }
    qint64 processId() const { return m_daemon.processId(); }

    // A new connection to this bus under `name`, which only has to be unique
    // among this bus' connections; it is disconnected with the bus.
    QDBusConnection connection(const QString &name);

    // Waits until `service` has an owner on this bus.
    bool waitForService(const QString &service, int timeoutMs = 5000);

private:
    ShortTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QStringList m_connectionNames;
    QByteArray m_savedAddress;
    bool m_hadAddress = false;
    bool m_valid = false;
    QString m_error;
};
