// The private bus fixture: the address it publishes, the connections it hands
// out and that nothing of it outlives the fixture.

#include "PrivateBus.h"

#include <QDBusConnectionInterface>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <memory>

class TestPrivateBus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void systemBusReachesTheFirstBus();
    void innerBusRestoresTheAddressAndStops();
    void connectionsOfTwoBusesStayApart();
    void badPolicyIsReported();
    void cleanupTestCase();

private:
    std::unique_ptr<PrivateBus> m_bus;
};

void TestPrivateBus::initTestCase()
{
    m_bus = std::make_unique<PrivateBus>();
    QVERIFY2(m_bus->isValid(), qPrintable(m_bus->errorString()));
}

void TestPrivateBus::systemBusReachesTheFirstBus()
{
    QCOMPARE(qgetenv("DBUS_SYSTEM_BUS_ADDRESS"), m_bus->address().toUtf8());
    QDBusConnection system = QDBusConnection::systemBus();
    QVERIFY2(system.isConnected(), qPrintable(system.lastError().message()));
    QVERIFY(system.registerService(QStringLiteral("test.SystemBusUser")));
    QDBusConnection observer = m_bus->connection(QStringLiteral("observer"));
    QVERIFY(observer.interface()->isServiceRegistered(QStringLiteral("test.SystemBusUser")));
    system.unregisterService(QStringLiteral("test.SystemBusUser"));
}

void TestPrivateBus::innerBusRestoresTheAddressAndStops()
{
    qint64 pid = 0;
    QDBusConnection inner{QString()};
    {
        PrivateBus bus;
        QVERIFY2(bus.isValid(), qPrintable(bus.errorString()));
        QVERIFY(bus.address() != m_bus->address());
        QCOMPARE(qgetenv("DBUS_SYSTEM_BUS_ADDRESS"), bus.address().toUtf8());
        pid = bus.processId();
        QVERIFY(pid > 0);
        inner = bus.connection(QStringLiteral("client"));
        QVERIFY(inner.isConnected());
    }
    QCOMPARE(qgetenv("DBUS_SYSTEM_BUS_ADDRESS"), m_bus->address().toUtf8());
    QCOMPARE(::kill(pid_t(pid), 0), -1);
    QCOMPARE(errno, ESRCH);
    QTRY_VERIFY(!inner.isConnected());
}

void TestPrivateBus::connectionsOfTwoBusesStayApart()
{
    PrivateBus other;
    QVERIFY2(other.isValid(), qPrintable(other.errorString()));
    QDBusConnection here = m_bus->connection(QStringLiteral("client"));
    QDBusConnection there = other.connection(QStringLiteral("client"));
    QVERIFY(here.isConnected());
    QVERIFY(there.isConnected());
    QVERIFY(here.registerService(QStringLiteral("test.Here")));
    QVERIFY(here.interface()->isServiceRegistered(QStringLiteral("test.Here")));
    QVERIFY(!there.interface()->isServiceRegistered(QStringLiteral("test.Here")));
    here.unregisterService(QStringLiteral("test.Here"));
}

void TestPrivateBus::badPolicyIsReported()
{
    const QByteArray before = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
    PrivateBus broken("<policy context=\"default\"><allow nonsense=\"*\"/></policy>\n");
    QVERIFY(!broken.isValid());
    QVERIFY(!broken.errorString().isEmpty());
    QCOMPARE(qgetenv("DBUS_SYSTEM_BUS_ADDRESS"), before);
}

void TestPrivateBus::cleanupTestCase()
{
    m_bus.reset();
}

QTEST_GUILESS_MAIN(TestPrivateBus)
#include "tst_privatebus.moc"
