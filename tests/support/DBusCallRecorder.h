#pragma once

#include "UtilitydNames.h"

#include <QDBusConnection>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>
#include <QVariantList>

#include <memory>

// One method call as it arrived on the wire.
struct RecordedCall
{
    QString interface; // empty when the caller named none
    QString member;
    QString signature; // D-Bus signature of the arguments, e.g. "u"
    QVariantList arguments;
};

// Stands in for the utility daemon in tests: owns its bus name on a given
// connection, records every call to "/" as it arrived (whatever the types)
// and answers as told, by default with an empty success. It serves from a
// thread of its own, so the code under test may make blocking calls from the
// test's thread, on the same connection or another one.
class DBusCallRecorder : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *ServiceName = UtilitydNames::service;
    static constexpr const char *ObjectPath = UtilitydNames::objectPath;
    static constexpr const char *InterfaceName = UtilitydNames::interfaceName;

    explicit DBusCallRecorder(const QDBusConnection &connection, QObject *parent = nullptr);
    ~DBusCallRecorder() override;

    // True once the object is registered and the name is owned.
    bool isRegistered() const { return m_registered; }
    QString errorString() const { return m_error; }

    QList<RecordedCall> calls() const;
    QList<RecordedCall> calls(const QString &member) const;
    void clear();

    // Calls of `member` are answered with these values (any D-Bus types).
    void setReply(const QString &member, const QVariantList &values);
    // "getShip" answers with this int32.
    void setShipReply(qint32 variant);
    // Calls of `member` are answered with this error until acceptCalls().
    void rejectCalls(const QString &member,
                     const QString &errorName = QStringLiteral("org.freedesktop.DBus.Error.Failed"),
                     const QString &errorMessage = QStringLiteral("rejected by the test"));
    void acceptCalls(const QString &member);

signals:
    // Emitted in the recorder's thread, after the call was answered.
    void callRecorded(const QString &member);

private:
    class Object;
    friend class Object;
    // Runs in the serving thread.
    QDBusMessage answer(const QDBusMessage &call);

    struct Rejection
    {
        QString name;
        QString message;
    };

    QDBusConnection m_connection;
    QThread m_thread;
    std::unique_ptr<Object> m_object;
    bool m_registered = false;
    QString m_error;

    mutable QMutex m_mutex; // guards what follows
    QList<RecordedCall> m_calls;
    QHash<QString, QVariantList> m_replies;
    QHash<QString, Rejection> m_rejections;
};
