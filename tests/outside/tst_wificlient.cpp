#include "NetworkManagerMock.h"
#include "NetworkStatus.h"
#include "PrivateBus.h"
#include "WifiClientIPC.h"

#include <QTest>

#include <memory>

// The Wi-Fi client on a bus connection of the test's choosing, against
// NetworkManager's stand-in: what it refuses before anything is sent.
class TestWifiClient : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<NetworkManagerMock> m_nm;
    QString m_wifi;

private slots:
    void init()
    {
        m_bus = std::make_unique<PrivateBus>();
        QVERIFY2(m_bus->isValid(), qPrintable(m_bus->errorString()));
        m_nm = std::make_unique<NetworkManagerMock>(*m_bus);
        QVERIFY2(m_nm->isValid(), qPrintable(m_nm->errorString()));
        m_wifi = m_nm->addWifiDevice(QStringLiteral("wlan0"), NetworkManagerMock::Disconnected);
        const QString office = m_nm->addAccessPoint(m_wifi, "office", "Office", "02:00:00:00:00:01", 70,
                                                    NetworkManagerMock::KeyMgmtPsk);
        m_nm->setProperty(office, QStringLiteral("org.freedesktop.NetworkManager.AccessPoint"),
                          QStringLiteral("WpaFlags"), 0u);
        m_nm->addAccessPoint(m_wifi, "corp", "Corp", "02:00:00:00:00:02", 60, 0);
        m_nm->setProperty(QStringLiteral("/org/freedesktop/NetworkManager/AccessPoint/corp"),
                          QStringLiteral("org.freedesktop.NetworkManager.AccessPoint"),
                          QStringLiteral("RsnFlags"), 0x200u);
    }

    void cleanup()
    {
        m_nm.reset();
        m_bus.reset();
    }

    void keysNetworkManagerWouldRefuseAreNotSent_data()
    {
        QTest::addColumn<QString>("ssid");
        QTest::addColumn<QString>("password");
        QTest::newRow("empty") << "Office"
                               << "";
        QTest::newRow("seven characters") << "Office"
                                          << "1234567";
        QTest::newRow("64 characters, not hex") << "Office" << QString(64, QLatin1Char('x'));
        QTest::newRow("not ASCII") << "Office" << QStringLiteral("pässwort-lang");
        QTest::newRow("enterprise network") << "Corp"
                                            << "long enough password";
        QTest::newRow("out of range") << "Elsewhere"
                                      << "long enough password";
    }

    void keysNetworkManagerWouldRefuseAreNotSent()
    {
        QFETCH(QString, ssid);
        QFETCH(QString, password);
        WifiClientIPC client(m_bus->connection(QStringLiteral("client")));
        QTRY_COMPARE(client.accessPoints().size(), 2);

        client.setNetworkStatus(VHNetworkStatus::CONNECTING);
        client.connectRequest(ssid, password);
        QTRY_COMPARE(client.networkStatus(), int(VHNetworkStatus::FAILED));
        QVERIFY2(client.statusDescription().contains(ssid), qPrintable(client.statusDescription()));
        const QString manager = QString::fromLatin1(NetworkManagerMock::ManagerPath);
        QCOMPARE(m_nm->methodCalls(manager, QStringLiteral("AddAndActivateConnection")).size(), 0);
        QCOMPARE(m_nm->methodCalls(manager, QStringLiteral("ActivateConnection")).size(), 0);
    }

    void aHexKeyOf64DigitsIsSent()
    {
        WifiClientIPC client(m_bus->connection(QStringLiteral("client")));
        QTRY_COMPARE(client.accessPoints().size(), 2);
        const QString key(64, QLatin1Char('a'));
        client.connectRequest(QStringLiteral("Office"), key);
        QTRY_COMPARE(client.networkStatus(), int(VHNetworkStatus::CONNECTED));
        const QList<QVariantList> calls = m_nm->methodCalls(
            QString::fromLatin1(NetworkManagerMock::ManagerPath), QStringLiteral("AddAndActivateConnection"));
        QCOMPARE(calls.size(), 1);
        QCOMPARE(NetworkManagerMock::profile(calls.constFirst().value(0))
                     .value("802-11-wireless-security")
                     .value("psk")
                     .toString(),
                 key);
    }
};

QTEST_MAIN(TestWifiClient)
#include "tst_wificlient.moc"
