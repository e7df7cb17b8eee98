#include "DBusMock.h"

#include "PrivateBus.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QProcessEnvironment>

DBusMock::DBusMock(PrivateBus &bus, const QString &templateName, const QString &service,
                   const QString &objectPath)
    : m_connection(bus.connection(QStringLiteral("vh-dbusmock-") + templateName))
    , m_service(service)
    , m_objectPath(objectPath)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), bus.address());
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(VH_DBUSMOCK_PYTHON3),
                    {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
                     QStringLiteral("--template"), templateName});
    if (!m_process.waitForStarted(5000)) {
        m_error = QStringLiteral("dbusmock did not start: ") + m_process.errorString();
        return;
    }
    if (!bus.waitForService(service, 10000)) {
        m_error = QStringLiteral("dbusmock never owned ") + service;
        return;
    }
    m_valid = true;
}

DBusMock::~DBusMock()
{
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(5000);
}

QStringList DBusMock::methods(const QString &objectPath) const
{
    QStringList names;
    const QDBusMessage reply = m_connection.call(QDBusMessage::createMethodCall(
        m_service, objectPath.isEmpty() ? m_objectPath : objectPath,
        QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("GetCalls")));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return names;
    // a(tsav): time, method name, arguments.
    const QDBusArgument calls = reply.arguments().constFirst().value<QDBusArgument>();
    calls.beginArray();
    while (!calls.atEnd()) {
        qulonglong time = 0;
        QString method;
        QVariantList arguments;
        calls.beginStructure();
        calls >> time >> method >> arguments;
        calls.endStructure();
        names.append(method);
    }
    calls.endArray();
    return names;
}
