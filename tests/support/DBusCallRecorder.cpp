#include "DBusCallRecorder.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QMutexLocker>

class DBusCallRecorder::Object : public QDBusVirtualObject
{
public:
    explicit Object(DBusCallRecorder *recorder)
        : m_recorder(recorder)
    {
    }

    QString introspect(const QString &) const override
    {
        // The daemon's interface, so that QDBusInterface users see it as
        // they would on the device.
        return QStringLiteral(
                   "  <interface name=\"%1\">\n"
                   "    <method name=\"setDisplayDimTime\"><arg type=\"i\" direction=\"in\"/></method>\n"
                   "    <method name=\"setDisplayPowerOffTime\"><arg type=\"i\" direction=\"in\"/></method>\n"
                   "    <method name=\"setDisplayBrightness\"><arg type=\"u\" direction=\"in\"/></method>\n"
                   "    <method name=\"setAutomaticUpdateCheck\"><arg type=\"b\" "
                   "direction=\"in\"/></method>\n"
                   "    <method name=\"setTwentyFourHourMode\"><arg type=\"b\" direction=\"in\"/></method>\n"
                   "    <method name=\"setDateFormat\"><arg type=\"s\" direction=\"in\"/></method>\n"
                   "    <method name=\"getShip\"><arg type=\"i\" direction=\"out\"/></method>\n"
                   "  </interface>\n")
            .arg(QLatin1String(InterfaceName));
    }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.type() != QDBusMessage::MethodCallMessage)
            return false;
        // Introspection, properties and peer calls stay with QtDBus.
        const QString interface = message.interface();
        if (interface.startsWith(QLatin1String("org.freedesktop.DBus."))
            || (interface.isEmpty() && message.member() == QLatin1String("Introspect")))
            return false;

        const QDBusMessage reply = m_recorder->answer(message);
        if (message.isReplyRequired())
            connection.send(reply);
        const QString member = message.member();
        QMetaObject::invokeMethod(
            m_recorder, [recorder = m_recorder, member] { emit recorder->callRecorded(member); },
            Qt::QueuedConnection);
        return true;
    }

private:
    DBusCallRecorder *m_recorder;
};

DBusCallRecorder::DBusCallRecorder(const QDBusConnection &connection, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
    , m_object(std::make_unique<Object>(this))
{
    m_thread.setObjectName(QStringLiteral("DBusCallRecorder"));
    m_object->moveToThread(&m_thread);
    m_thread.start();

    if (!m_connection.isConnected()) {
        m_error = QStringLiteral("not connected: ") + m_connection.lastError().message();
        return;
    }
    if (!m_connection.registerVirtualObject(QLatin1String(ObjectPath), m_object.get())) {
        m_error = QStringLiteral("cannot register the object at /");
        return;
    }
    if (!m_connection.registerService(QLatin1String(ServiceName))) {
        m_error = QStringLiteral("cannot own the name: ") + m_connection.lastError().message();
        return;
    }
    m_registered = true;
}

DBusCallRecorder::~DBusCallRecorder()
{
    if (m_registered)
        m_connection.unregisterService(QLatin1String(ServiceName));
    m_connection.unregisterObject(QLatin1String(ObjectPath));
    m_thread.quit();
    m_thread.wait();
}

QDBusMessage DBusCallRecorder::answer(const QDBusMessage &call)
{
    QMutexLocker locker(&m_mutex);
    m_calls.append({call.interface(), call.member(), call.signature(), call.arguments()});
    const auto rejection = m_rejections.constFind(call.member());
    if (rejection != m_rejections.constEnd())
        return call.createErrorReply(rejection->name, rejection->message);
    return call.createReply(m_replies.value(call.member()));
}

QList<RecordedCall> DBusCallRecorder::calls() const
{
    QMutexLocker locker(&m_mutex);
    return m_calls;
}

QList<RecordedCall> DBusCallRecorder::calls(const QString &member) const
{
    QMutexLocker locker(&m_mutex);
    QList<RecordedCall> result;
    for (const RecordedCall &call : m_calls) {
        if (call.member == member)
            result.append(call);
    }
    return result;
}

void DBusCallRecorder::clear()
{
    QMutexLocker locker(&m_mutex);
    m_calls.clear();
}

void DBusCallRecorder::setReply(const QString &member, const QVariantList &values)
{
    QMutexLocker locker(&m_mutex);
    m_replies.insert(member, values);
}

void DBusCallRecorder::setShipReply(qint32 variant)
{
    setReply(QStringLiteral("getShip"), {QVariant::fromValue(variant)});
}

void DBusCallRecorder::rejectCalls(const QString &member, const QString &errorName,
                                   const QString &errorMessage)
{
    QMutexLocker locker(&m_mutex);
    m_rejections.insert(member, {errorName, errorMessage});
}

void DBusCallRecorder::acceptCalls(const QString &member)
{
    QMutexLocker locker(&m_mutex);
    m_rejections.remove(member);
}
