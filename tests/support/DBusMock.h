#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>

class PrivateBus;

// A python3-dbusmock template (e.g. "logind") serving on a PrivateBus as the
// real system service would, with the service's real D-Bus interface.
// It records every call it gets; methods() lists them.
class DBusMock
{
public:
    DBusMock(PrivateBus &bus, const QString &templateName, const QString &service, const QString &objectPath);
    ~DBusMock();

    bool isValid() const { return m_valid; }
    QString errorString() const { return m_error; }
    // The stand-in's process, for tests that freeze it.
    qint64 processId() const { return m_process.processId(); }
    // Names of the methods called on the object so far, oldest first; on
    // another object of the service when a path is given.
    QStringList methods(const QString &objectPath = QString()) const;

private:
    QProcess m_process;
    QDBusConnection m_connection;
    QString m_service;
    QString m_objectPath;
    bool m_valid = false;
    QString m_error;
};
