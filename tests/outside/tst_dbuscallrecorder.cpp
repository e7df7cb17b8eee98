// The stand-in daemon other suites check the settings program against: it
// must report the true wire types and answer exactly as it was told.

#include "DBusCallRecorder.h"
#include "PrivateBus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QtTest>

#include <memory>

class TestDBusCallRecorder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recordsTheWireSignature_data();
    void recordsTheWireSignature();
    void servesBlockingCallsOnItsOwnConnection();
    void answersGetShipAsTold();
    void rejectsOnlyTheNamedMember();
    void givesTheNameBack();
    void cleanupTestCase();

private:
    QDBusMessage call(const QDBusConnection &connection, const QString &member,
                      const QVariantList &arguments = {});

    std::unique_ptr<PrivateBus> m_bus;
    QDBusConnection m_client{QString()};
};

void TestDBusCallRecorder::initTestCase()
{
    m_bus = std::make_unique<PrivateBus>();
    QVERIFY2(m_bus->isValid(), qPrintable(m_bus->errorString()));
    m_client = m_bus->connection(QStringLiteral("client"));
    QVERIFY(m_client.isConnected());
}

QDBusMessage TestDBusCallRecorder::call(const QDBusConnection &connection, const QString &member,
                                        const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QLatin1String(DBusCallRecorder::ServiceName), QLatin1String(DBusCallRecorder::ObjectPath),
        QLatin1String(DBusCallRecorder::InterfaceName), member);
    message.setArguments(arguments);
    return connection.call(message, QDBus::Block, 5000);
}

void TestDBusCallRecorder::recordsTheWireSignature_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<QString>("signature");

    QTest::newRow("uint32") << "setDisplayBrightness" << QVariantList{QVariant::fromValue(5u)} << "u";
    QTest::newRow("int32") << "setDisplayDimTime" << QVariantList{QVariant::fromValue(5)} << "i";
    QTest::newRow("boolean") << "setTwentyFourHourMode" << QVariantList{true} << "b";
    QTest::newRow("string") << "setTwentyFourHourMode" << QVariantList{QStringLiteral("true")} << "s";
    QTest::newRow("int64") << "setDisplayPowerOffTime" << QVariantList{QVariant::fromValue(qint64(5))} << "x";
    QTest::newRow("none") << "getShip" << QVariantList{} << "";
    QTest::newRow("two") << "setDateFormat"
                         << QVariantList{QStringLiteral("MM/dd/yy"), QVariant::fromValue(1u)} << "su";
}

void TestDBusCallRecorder::recordsTheWireSignature()
{
    QFETCH(QString, member);
    QFETCH(QVariantList, arguments);
    QFETCH(QString, signature);

    DBusCallRecorder recorder(m_bus->connection(QStringLiteral("recorder")));
    QVERIFY2(recorder.isRegistered(), qPrintable(recorder.errorString()));
    QSignalSpy recorded(&recorder, &DBusCallRecorder::callRecorded);

    const QDBusMessage reply = call(m_client, member, arguments);
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    QCOMPARE(reply.arguments().size(), 0);

    const QList<RecordedCall> calls = recorder.calls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().interface, QLatin1String(DBusCallRecorder::InterfaceName));
    QCOMPARE(calls.first().member, member);
    QCOMPARE(calls.first().signature, signature);
    QCOMPARE(calls.first().arguments.size(), arguments.size());
    for (int i = 0; i < arguments.size(); ++i) {
        QCOMPARE(calls.first().arguments.at(i).userType(), arguments.at(i).userType());
        QCOMPARE(calls.first().arguments.at(i), arguments.at(i));
    }
    QTRY_COMPARE(recorded.count(), 1);
    QCOMPARE(recorded.first().first().toString(), member);
}

void TestDBusCallRecorder::servesBlockingCallsOnItsOwnConnection()
{
    // The settings program may share one connection with the recorder and
    // block on it in the test's thread.
    QDBusConnection shared = m_bus->connection(QStringLiteral("shared"));
    DBusCallRecorder recorder(shared);
    QVERIFY2(recorder.isRegistered(), qPrintable(recorder.errorString()));

    QElapsedTimer timer;
    timer.start();
    const QDBusMessage reply
        = call(shared, QStringLiteral("setDisplayBrightness"), {QVariant::fromValue(7u)});
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    QVERIFY(timer.elapsed() < 2000);
    const QList<RecordedCall> calls = recorder.calls(QStringLiteral("setDisplayBrightness"));
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().signature, QStringLiteral("u"));
    QCOMPARE(calls.first().arguments.first(), QVariant::fromValue(7u));
}

void TestDBusCallRecorder::answersGetShipAsTold()
{
    DBusCallRecorder recorder(m_bus->connection(QStringLiteral("recorder")));
    QVERIFY2(recorder.isRegistered(), qPrintable(recorder.errorString()));

    QDBusMessage reply = call(m_client, QStringLiteral("getShip"));
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    QCOMPARE(reply.signature(), QString());

    recorder.setShipReply(2);
    reply = call(m_client, QStringLiteral("getShip"));
    QCOMPARE(reply.signature(), QStringLiteral("i"));
    QCOMPARE(reply.arguments().first(), QVariant::fromValue(2));

    recorder.setReply(QStringLiteral("getShip"), {QStringLiteral("2")});
    reply = call(m_client, QStringLiteral("getShip"));
    QCOMPARE(reply.signature(), QStringLiteral("s"));

    recorder.rejectCalls(QStringLiteral("getShip"), QStringLiteral("test.Error.NoShip"),
                         QStringLiteral("no ship today"));
    reply = call(m_client, QStringLiteral("getShip"));
    QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
    QCOMPARE(reply.errorName(), QStringLiteral("test.Error.NoShip"));
    QCOMPARE(reply.errorMessage(), QStringLiteral("no ship today"));

    recorder.acceptCalls(QStringLiteral("getShip"));
    reply = call(m_client, QStringLiteral("getShip"));
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    QCOMPARE(reply.signature(), QStringLiteral("s"));
    QCOMPARE(recorder.calls(QStringLiteral("getShip")).size(), 5);
}

void TestDBusCallRecorder::rejectsOnlyTheNamedMember()
{
    DBusCallRecorder recorder(m_bus->connection(QStringLiteral("recorder")));
    QVERIFY2(recorder.isRegistered(), qPrintable(recorder.errorString()));
    recorder.rejectCalls(QStringLiteral("setDateFormat"));

    const QDBusMessage rejected
        = call(m_client, QStringLiteral("setDateFormat"), {QStringLiteral("MM/dd/yy")});
    QCOMPARE(rejected.type(), QDBusMessage::ErrorMessage);
    QCOMPARE(rejected.errorName(), QStringLiteral("org.freedesktop.DBus.Error.Failed"));
    const QDBusMessage accepted
        = call(m_client, QStringLiteral("setDisplayDimTime"), {QVariant::fromValue(2)});
    QCOMPARE(accepted.type(), QDBusMessage::ReplyMessage);

    // Rejected calls are recorded too: the test wants to see what was sent.
    QCOMPARE(recorder.calls().size(), 2);
    recorder.clear();
    QCOMPARE(recorder.calls().size(), 0);
}

void TestDBusCallRecorder::givesTheNameBack()
{
    QDBusConnection observer = m_bus->connection(QStringLiteral("observer"));
    {
        DBusCallRecorder recorder(m_bus->connection(QStringLiteral("recorder")));
        QVERIFY2(recorder.isRegistered(), qPrintable(recorder.errorString()));
        QVERIFY(observer.interface()->isServiceRegistered(QLatin1String(DBusCallRecorder::ServiceName)));

        DBusCallRecorder second(m_bus->connection(QStringLiteral("second")));
        QVERIFY(!second.isRegistered());
    }
    QVERIFY(!observer.interface()->isServiceRegistered(QLatin1String(DBusCallRecorder::ServiceName)));
    const QDBusMessage reply = call(m_client, QStringLiteral("setDisplayDimTime"), {QVariant::fromValue(2)});
    QCOMPARE(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"));
}

void TestDBusCallRecorder::cleanupTestCase()
{
    m_client = QDBusConnection(QString());
    m_bus.reset();
}

QTEST_GUILESS_MAIN(TestDBusCallRecorder)
#include "tst_dbuscallrecorder.moc"
