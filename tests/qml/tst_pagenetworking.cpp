#include "FrozenProcess.h"
#include "LoopbackHttpServer.h"
#include "NetworkManagerMock.h"
#include "PrivateBus.h"
#include "SettingHits.h"
#include "SettingsWindow.h"
#include "StallProbe.h"
#include "TestHome.h"

#include <QAbstractItemModel>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QMutex>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// VHNetworkStatusEnums
constexpr int Disconnected = 0;
constexpr int Connecting = 1;
constexpr int Connected = 2;
constexpr int Failed = 3;

const QString AccessPointInterface = QStringLiteral("org.freedesktop.NetworkManager.AccessPoint");

// The longest a touch may wait on the window, with room for a loaded machine.
constexpr qint64 MaxStallMs = 200;

QMutex messagesMutex;
QStringList messages;

void keepMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    QMutexLocker lock(&messagesMutex);
    messages.append(message);
}

} // namespace

// Notes the moment the page's fade-in ends and the moment scanning starts,
// as each happens rather than when a wait notices it.
class Moments : public QObject
{
    Q_OBJECT
public:
    explicit Moments(QObject *client)
        : m_client(client)
    {
        m_clock.start();
    }

    void reset()
    {
        fadedAt = scanningAt = -1;
        scanningWhenFaded = false;
    }

    qint64 fadedAt = -1;
    qint64 scanningAt = -1;
    bool scanningWhenFaded = false;

public slots:
    void fadeInFinished()
    {
        fadedAt = m_clock.elapsed();
        scanningWhenFaded = m_client->property("wifiScanning").toBool();
    }

    void scanningChanged()
    {
        if (scanningAt < 0 && m_client->property("wifiScanning").toBool())
            scanningAt = m_clock.elapsed();
    }

private:
    QObject *m_client;
    QElapsedTimer m_clock;
};

// The values NetworkManager's WirelessEnabled takes, in order.
class RadioHistory : public QObject
{
    Q_OBJECT
public:
    QList<bool> values;

public slots:
    void propertiesChanged(const QString &, const QVariantMap &changed, const QStringList &)
    {
        if (changed.contains("WirelessEnabled"))
            values.append(changed.value("WirelessEnabled").toBool());
    }
};

// The Networking page and its window-level dialogs, against NetworkManager's
// stand-in on a private system bus.
class TestPageNetworking : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<NetworkManagerMock> m_nm;

    // A role of every entry of the list the page shows.
    static QStringList listed(const SettingsWindow &w, const QByteArray &role = "ssid")
    {
        auto *model = w.item("accessPointList")->property("model").value<QAbstractItemModel *>();
        QStringList values;
        const int roleId = model->roleNames().key(role);
        for (int row = 0; row < model->rowCount(); ++row)
            values.append(model->data(model->index(row, 0), roleId).toString());
        return values;
    }

    // The list shows these networks and its section has grown to hold them.
    static bool shows(const SettingsWindow &w, const QStringList &ssids)
    {
        const int rows = ssids.size();
        const bool withConnected = w.item("connectedAccessPoint")->isVisible();
        const int height = withConnected ? (rows <= 5 ? (rows + 1) * 50 + 95 : 425)
                                         : (rows <= 6 ? (rows + 1) * 50 + 40 : 425);
        return listed(w) == ssids && w.item("wirelessSection")->height() == height;
    }

    // NetworkManager's first answer has reached the window. The interfaces
    // are read in one go, so once the scene's Wi-Fi device shows as up, the
    // Ethernet device's state has arrived too.
    static bool interfacesKnown(const SettingsWindow &w)
    {
        QObject *interfaces = w.contextObject("NetworkInterface");
        return QTest::qWaitFor([interfaces] { return interfaces->property("isWifiUp").toBool(); });
    }

    static QQuickItem *row(const SettingsWindow &w, const QString &ssid)
    {
        const QList<QQuickItem *> rows = w.items(QStringLiteral("accessPoint_") + ssid);
        for (QQuickItem *item : rows) {
            if (item->objectName() == QStringLiteral("accessPoint_") + ssid && item->isVisible())
                return item;
        }
        return nullptr;
    }

    // Saves Ethernet settings through the dialog, as a person would.
    static void saveEthernet(const SettingsWindow &w, const QStringList &staticAddress)
    {
        w.tap(w.item("ethernetSettingsIcon"));
        QQuickItem *dhcp = w.item("dhcpSwitch");
        if (dhcp->property("checked").toBool() != staticAddress.isEmpty())
            w.tap(dhcp);
        if (!staticAddress.isEmpty()) {
            type(w, "ipAddressField", staticAddress.value(0));
            type(w, "netmaskField", staticAddress.value(1));
            type(w, "gatewayField", staticAddress.value(2));
        }
        w.tap(w.item("ethernetSave"));
    }

    // The window's texts that show `text`, and whether each renders markup.
    static QStringList textsShowing(const SettingsWindow &w, const QString &text)
    {
        QStringList found;
        for (QQuickItem *item : w.items(QString())) {
            if (item->inherits("QQuickText") && item->isVisible()
                && item->property("text").toString().contains(text)) {
                const bool plain = item->property("textFormat").toInt() == 0; // Text.PlainText
                found.append(item->property("text").toString() + (plain ? "" : " (markup)"));
            }
        }
        return found;
    }

    static QQuickItem *child(QQuickItem *item, const char *name)
    {
        return item->findChild<QQuickItem *>(QString::fromLatin1(name));
    }

    static void type(const SettingsWindow &w, const char *field, const QString &text)
    {
        w.item(QString::fromLatin1(field))->setProperty("text", text);
    }

    // Methods that change something, called on NetworkManager, its profiles
    // or the device.
    QStringList writesReachingTheBus(const QString &device) const
    {
        static const QStringList writes{"AddConnection",
                                        "AddConnectionUnsaved",
                                        "Update",
                                        "Update2",
                                        "ActivateConnection",
                                        "AddAndActivateConnection",
                                        "Delete",
                                        "Reapply",
                                        "Disconnect",
                                        "Set"};
        QStringList found;
        for (const QString &path : {QString::fromLatin1(NetworkManagerMock::ManagerPath),
                                    QString::fromLatin1(NetworkManagerMock::SettingsPath), device}) {
            for (const QString &method : m_nm->calledMethods(path)) {
                if (writes.contains(method))
                    found.append(method);
            }
        }
        return found;
    }

private slots:
    void initTestCase()
    {
        // The process keeps its first system-bus connection for good, so the
        // private bus stays for all tests and each gets a fresh stand-in on it.
        m_bus = std::make_unique<PrivateBus>();
        QVERIFY2(m_bus->isValid(), qPrintable(m_bus->errorString()));
    }

    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_nm = std::make_unique<NetworkManagerMock>(*m_bus);
        QVERIFY2(m_nm->isValid(), qPrintable(m_nm->errorString()));
    }

    void cleanup()
    {
        m_nm.reset();
        m_home.reset();
    }

    void cleanupTestCase() { m_bus.reset(); }

    void wifiOffEmptiesTheListAndClearsTheConnectedNetwork()
    {
        const QString wifi = m_nm->addWifiDevice(QStringLiteral("wlan0"), NetworkManagerMock::Disconnected);
        const QString office = m_nm->addAccessPoint(wifi, "office", "Office", "02:00:00:00:00:01", 80,
                                                    NetworkManagerMock::KeyMgmtPsk);
        m_nm->addAccessPoint(wifi, "cafe", "Cafe", "02:00:00:00:00:02", 50, 0);
        m_nm->connectTo(wifi, office, QStringLiteral("Office"));

        SettingsWindow w(2);
        QQuickItem *connected = w.item("connectedAccessPoint");
        QTRY_VERIFY(connected->isVisible());
        QCOMPARE(connected->property("networkName").toString(), QStringLiteral("Office"));
        QCOMPARE(connected->property("password").toBool(), true);
        QTRY_VERIFY(shows(w, QStringList{"Cafe"}));

        // A later scan finds the connected network through a second access point.
        m_nm->addAccessPoint(wifi, "office2", "Office", "02:00:00:00:00:03", 90,
                             NetworkManagerMock::KeyMgmtPsk);
        m_nm->addAccessPoint(wifi, "lab", "Lab", "02:00:00:00:00:04", 40, 0);
        QTRY_VERIFY(shows(w, (QStringList{"Cafe", "Lab"})));

        w.tap(w.item("wifiSwitch"));
        QCOMPARE(listed(w), QStringList());
        QVERIFY(!connected->isVisible());
        QVERIFY(w.contextObject("WiFiClient")->property("accessPointConnected").toMap().isEmpty());
        QCOMPARE(m_nm->property(NetworkManagerMock::ManagerPath, NetworkManagerMock::Service,
                                QStringLiteral("WirelessEnabled"))
                     .toBool(),
                 false);
        QCOMPARE(settingHits(), QStringList{"WiFi=false"});
        QVERIFY2(w.qmlProblems().isEmpty(), qPrintable(w.qmlProblems().join('\n')));
    }

    void tapsAreIgnoredWhileConnecting()
    {
        const QString wifi = m_nm->addWifiDevice(QStringLiteral("wlan0"), NetworkManagerMock::Disconnected);
        m_nm->addAccessPoint(wifi, "cafe", "Cafe", "02:00:00:00:00:02", 50, 0);
        SettingsWindow w(2);
        QTRY_VERIFY(shows(w, QStringList{"Cafe"}));
        QQuickItem *dialog = w.item("wifiPasswordDialog");
        QObject *client = w.contextObject("WiFiClient");

        client->setProperty("networkStatus", Connecting);
        w.tap(row(w, "Cafe"));
        QVERIFY(!dialog->isVisible());

        client->setProperty("networkStatus", Disconnected);
        w.tap(row(w, "Cafe"));
        QVERIFY(dialog->isVisible());
    }

    void ethernetSettingsOpenOnlyWhileEthernetIsOn_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("on");
        QTest::newRow("connected") << int(NetworkManagerMock::Activated) << true;
        QTest::newRow("disconnected") << int(NetworkManagerMock::Disconnected) << false;
        QTest::newRow("no cable") << int(NetworkManagerMock::Unavailable) << false;
    }

    void ethernetSettingsOpenOnlyWhileEthernetIsOn()
    {
        QFETCH(int, state);
        QFETCH(bool, on);
        m_nm->addEthernetDevice(QStringLiteral("eth0"), NetworkManagerMock::DeviceState(state));
        m_nm->addWifiDevice(QStringLiteral("wlan0"), NetworkManagerMock::Disconnected);
        SettingsWindow w(2);
        QVERIFY(interfacesKnown(w));
        QCOMPARE(w.item("ethernetSwitch")->property("checked").toBool(), on);

        w.tap(w.item("ethernetSettingsIcon"));
        QCOMPARE(w.item("ethernetSettingsDialog")->isVisible(), on);
        QCOMPARE(settingHits(), on ? QStringList{"EthernetSettings=Opened"} : QStringList());
    }

    void ethernetSwitchConnectsAndDisconnects()
    {
        const QString ethernet
            = m_nm->addEthernetDevice(QStringLiteral("eth0"), NetworkManagerMock::Disconnected);
        m_nm->addMethod(ethernet, QStringLiteral("org.freedesktop.NetworkManager.Device"),
                        QStringLiteral("Disconnect"), QString(),
                        QStringLiteral("self.SetDeviceDisconnected(self.path)"));
        m_nm->addWifiDevice(QStringLiteral("wlan0"), NetworkManagerMock::Disconnected);
        SettingsWindow w(2);
        QQuickItem *toggle = w.item("ethernetSwitch");
        QVERIFY(interfacesKnown(w));
        QCOMPARE(toggle->property("checked").toBool(), false);

        // With no profile yet, the device gets a DHCP one for its interface.
        w.tap(toggle);
        QVERIFY(toggle->property("checked").toBool());
        QTRY_COMPARE(
            m_nm->methodCalls(NetworkManagerMock::ManagerPath, QStringLiteral("ActivateConnection")).size(),
            1);
        const QList<QVariantList> activations
            = m_nm->methodCalls(NetworkManagerMock::ManagerPath, QStringLiteral("ActivateConnection"));
        QCOMPARE(activations.constFirst().value(1).value<QDBusObjectPath>().path(), ethernet);
        const auto profile
            = m_nm->savedProfile(activations.constFirst().value(0).value<QDBusObjectPath>().path());
        QCOMPARE(profile.value("connection").value("interface-name").toString(), QStringLiteral("eth0"));
        QCOMPARE(profile.value("ipv4").value("method").toString(), QStringLiteral("auto"));

        w.tap(toggle);
        QVERIFY(!toggle->property("checked").toBool());
        QTRY_COMPARE(m_nm->methodCalls(ethernet, QStringLiteral("Disconnect")).size(), 1);
        QTRY_COMPARE(m_nm->property(ethernet, QStringLiteral("org.freedesktop.NetworkManager.Device"),
                                    QStringLiteral("State"))
                         .toUInt(),
                     uint(NetworkManagerMock::Disconnected));
        QCOMPARE(settingHits(), (QStringList{"Ethernet=true", "Ethernet=false"}));
    }

    void scanningRunsOnlyWhileThePageIsShown()
    {
        const QString wifi = m_nm->addWifiDevice(QStringLiteral("wlan0"), NetworkManagerMock::Disconnected);
        SettingsWindow w(0);
        QVERIFY(interfacesKnown(w));
        QObject *client = w.contextObject("WiFiClient");
        QObject *fade = w.item("pageNetworking")->property("transition").value<QObject *>();
        Moments moments(client);
        connect(fade, SIGNAL(fadeInFinished()), &moments, SLOT(fadeInFinished()));
        connect(client, SIGNAL(wifiScanningChanged()), &moments, SLOT(scanningChanged()));

        for (int round = 1; round <= 2; ++round) {
            moments.reset();
            w.showTab(2);
            QTRY_VERIFY(moments.scanningAt >= 0);
            QVERIFY(moments.fadedAt >= 0);
            QVERIFY(!moments.scanningWhenFaded);
            const qint64 delay = moments.scanningAt - moments.fadedAt;
            QVERIFY2(delay >= 180 && delay < 800,
                     qPrintable(QStringLiteral("scanning began %1 ms after the fade-in").arg(delay)));
            QTRY_COMPARE(m_nm->methodCalls(wifi, QStringLiteral("RequestScan")).size(), round);

            w.showTab(0);
            QCOMPARE(client->property("wifiScanning").toBool(), false);
        }
    }

    void lockFollowsKeyManagement_data()
    {
        QTest::addColumn<uint>("security");
        QTest::addColumn<QString>("property");
        QTest::addColumn<uint>("value");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<bool>("lock");
        QTest::newRow("WPA2") << uint(NetworkManagerMock::KeyMgmtPsk) << "WpaFlags" << 0u << "WPA2-PSK"
                              << true;
        QTest::newRow("WPA and WPA2")
            << uint(NetworkManagerMock::KeyMgmtPsk) << "" << 0u << "WPA-PSK WPA2-PSK" << true;
        QTest::newRow("WEP") << 0u << "Flags" << 1u << "WEP" << true;
        QTest::newRow("open") << 0u << "" << 0u << "" << false;
    }

    void lockFollowsKeyManagement()
    {
        QFETCH(uint, security);
        QFETCH(QString, property);
        QFETCH(uint, value);
        QFETCH(QString, flags);
        QFETCH(bool, lock);
        const QString wifi = m_nm->addWifiDevice(QStringLiteral("wlan0"), NetworkManagerMock::Disconnected);
        const QString point = m_nm->addAccessPoint(wifi, "net", "Net", "02:00:00:00:00:05", 60, security);
        if (!property.isEmpty())
            m_nm->setProperty(point, AccessPointInterface, property, value);

        SettingsWindow w(2);
        QTRY_VERIFY(shows(w, QStringList{"Net"}));
        QCOMPARE(listed(w, "flags"), QStringList{flags});
        QQuickItem *net = row(w, "Net");
        QVERIFY(net);
        QCOMPARE(child(net, "lockIcon")->isVisible(), lock);

        w.tap(net);
        QQuickItem *dialog = w.item("wifiPasswordDialog");
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->property("requiresPassword").toBool(), lock);
        QCOMPARE(w.item("wifiPasswordField")->isVisible(), lock);
        // An open network connects without anything typed.
        QCOMPARE(w.item("wifiPasswordConnect")->isEnabled(), !lock);
    }

    void connectingWithAPasswordReachesNetworkManager()
    {
        const QString password = QStringLiteral("correct horse battery");
        const QString wifi = m_nm->addWifiDevice(QStringLiteral("wlan0"), NetworkManagerMock::Disconnected);
        const QString office = m_nm->addAccessPoint(wifi, "office", "Office", "02:00:00:00:00:01", 70,
                                                    NetworkManagerMock::KeyMgmtPsk);
        m_nm->setProperty(office, AccessPointInterface, QStringLiteral("WpaFlags"), 0u);
        {
            QMutexLocker lock(&messagesMutex);
            messages.clear();
        }
        QLoggingCategory::setFilterRules(QStringLiteral("vh.*.debug=true"));
        const QtMessageHandler previous = qInstallMessageHandler(keepMessage);

        {
            SettingsWindow w(2);
            QObject *client = w.contextObject("WiFiClient");
            QTRY_VERIFY(shows(w, QStringList{"Office"}));
            w.tap(row(w, "Office"));
            QVERIFY(!w.item("wifiPasswordConnect")->isEnabled());
            type(w, "wifiPasswordField", password);
            w.tap(w.item("wifiPasswordConnect"));
            QCOMPARE(client->property("networkStatus").toInt(), Connecting);
            QVERIFY(!w.item("accessPointList")->isEnabled());

            QTRY_COMPARE(client->property("networkStatus").toInt(), Connected);
            const QList<QVariantList> calls = m_nm->methodCalls(NetworkManagerMock::ManagerPath,
                                                                QStringLiteral("AddAndActivateConnection"));
            QCOMPARE(calls.size(), 1);
            const auto profile = NetworkManagerMock::profile(calls.constFirst().value(0));
            QCOMPARE(profile.value("802-11-wireless").value("ssid").toByteArray(), QByteArray("Office"));
            QCOMPARE(profile.value("802-11-wireless-security").value("key-mgmt").toString(),
                     QStringLiteral("wpa-psk"));
            QCOMPARE(profile.value("802-11-wireless-security").value("psk").toString(), password);
            QCOMPARE(calls.constFirst().value(1).value<QDBusObjectPath>().path(), wifi);
            QCOMPARE(calls.constFirst().value(2).value<QDBusObjectPath>().path(), office);

            // The dialog stays and tells how it went; the network moves to the top.
            QQuickItem *status = w.item("connectionStatusText");
            QVERIFY(w.item("wifiPasswordDialog")->isVisible());
            QVERIFY(status->isVisible());
            QTRY_COMPARE(status->property("text").toString(), QStringLiteral("Connected to Office."));
            QTRY_VERIFY(w.item("connectedAccessPoint")->isVisible());
            QTRY_VERIFY(shows(w, QStringList()));
            QVERIFY(w.item("accessPointList")->isEnabled());
        }

        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
        QMutexLocker lock(&messagesMutex);
        QVERIFY(!messages.isEmpty());
        for (const QString &message : qAsConst(messages))
            QVERIFY2(!message.contains(password), qPrintable(message));
    }

    void savedNetworkConnectsWithoutTypingAndCanBeForgotten()
    {
        const QString wifi = m_nm->addWifiDevice(QStringLiteral("wlan0"), NetworkManagerMock::Disconnected);
        const QString office = m_nm->addAccessPoint(wifi, "office", "Office", "02:00:00:00:00:01", 70,
                                                    NetworkManagerMock::KeyMgmtPsk);
        const QString profile = m_nm->saveProfile(wifi, office, QStringLiteral("Office"));
        SettingsWindow w(2);
        QObject *client = w.contextObject("WiFiClient");
        QTRY_VERIFY(shows(w, QStringList{"Office"}));
        QCOMPARE(listed(w, "saved"), QStringList{"true"});
        QVERIFY(!listed(w, "psk").constFirst().isEmpty());

        w.tap(row(w, "Office"));
        QVERIFY(w.item("wifiPasswordConnect")->isEnabled());
        w.tap(w.item("wifiPasswordConnect"));
        QTRY_COMPARE(client->property("networkStatus").toInt(), Connected);
        QCOMPARE(
            m_nm->methodCalls(NetworkManagerMock::ManagerPath, QStringLiteral("AddAndActivateConnection"))
                .size(),
            0);
        const QList<QVariantList> activations
            = m_nm->methodCalls(NetworkManagerMock::ManagerPath, QStringLiteral("ActivateConnection"));
        QCOMPARE(activations.size(), 1);
        QCOMPARE(activations.constFirst().value(0).value<QDBusObjectPath>().path(), profile);
        w.tap(w.item("wifiPasswordCancel"));
        QTRY_VERIFY(shows(w, QStringList()));

        // Forgetting the connected network deletes its profile; it comes back unsaved.
        w.tap(child(w.item("connectedAccessPoint"), "settingsButton"));
        QVERIFY(w.item("wifiDialog")->isVisible());
        w.tap(w.item("wifiDialogForget"));
        QVERIFY(!w.item("wifiDialog")->isVisible());
        QTRY_VERIFY(m_nm->savedProfile(profile).isEmpty());
        QTRY_VERIFY(shows(w, QStringList{"Office"}));
        QVERIFY(!w.item("connectedAccessPoint")->isVisible());
        QCOMPARE(listed(w, "saved"), QStringList{"false"});
    }

    void badStaticAddressIsRefused_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("netmask");
        QTest::addColumn<QString>("gateway");
        QTest::addColumn<QString>("field");
        QTest::newRow("letters") << "printer"
                                 << "255.255.255.0"
                                 << "192.168.1.1"
                                 << "ipAddressField";
        QTest::newRow("octet past 255") << "192.168.1.256"
                                        << "255.255.255.0"
                                        << "192.168.1.1"
                                        << "ipAddressField";
        QTest::newRow("shorthand") << "10.20"
                                   << "255.0.0.0"
                                   << "10.0.0.1"
                                   << "ipAddressField";
        QTest::newRow("leading zero") << "192.168.010.20"
                                      << "255.255.255.0"
                                      << "192.168.10.1"
                                      << "ipAddressField";
        QTest::newRow("network address") << "192.168.1.0"
                                         << "255.255.255.0"
                                         << "192.168.1.1"
                                         << "ipAddressField";
        QTest::newRow("broadcast") << "192.168.1.255"
                                   << "255.255.255.0"
                                   << "192.168.1.1"
                                   << "ipAddressField";
        QTest::newRow("loopback") << "127.0.0.5"
                                  << "255.0.0.0"
                                  << "127.0.0.1"
                                  << "ipAddressField";
        QTest::newRow("holey netmask") << "192.168.1.20"
                                       << "255.0.255.0"
                                       << "192.168.1.1"
                                       << "netmaskField";
        QTest::newRow("no hosts") << "192.168.1.20"
                                  << "255.255.255.255"
                                  << "192.168.1.1"
                                  << "netmaskField";
        QTest::newRow("empty gateway") << "192.168.1.20"
                                       << "255.255.255.0"
                                       << ""
                                       << "gatewayField";
        QTest::newRow("gateway elsewhere") << "192.168.1.20"
                                           << "255.255.255.0"
                                           << "192.168.2.1"
                                           << "gatewayField";
        QTest::newRow("gateway is the address") << "192.168.1.20"
                                                << "255.255.255.0"
                                                << "192.168.1.20"
                                                << "gatewayField";
    }

    void badStaticAddressIsRefused()
    {
        QFETCH(QString, address);
        QFETCH(QString, netmask);
        QFETCH(QString, gateway);
        QFETCH(QString, field);
        const QString ethernet
            = m_nm->addEthernetDevice(QStringLiteral("eth0"), NetworkManagerMock::Activated);
        m_nm->addWifiDevice(QStringLiteral("wlan0"), NetworkManagerMock::Disconnected);
        SettingsWindow w(2);
        QVERIFY(interfacesKnown(w));
        w.tap(w.item("ethernetSettingsIcon"));
        QQuickItem *dialog = w.item("ethernetSettingsDialog");
        QVERIFY(dialog->isVisible());
        w.tap(w.item("dhcpSwitch"));
        QCOMPARE(w.item("dhcpSwitch")->property("checked").toBool(), false);
        type(w, "ipAddressField", address);
        type(w, "netmaskField", netmask);
        type(w, "gatewayField", gateway);

        w.tap(w.item("ethernetSave"));
        QVERIFY(dialog->isVisible());
        for (const char *name : {"ipAddressField", "netmaskField", "gatewayField"}) {
            const QString error = w.item(QString::fromLatin1(name))->property("errorText").toString();
            QVERIFY2(error.isEmpty() == (field != QLatin1String(name)), qPrintable(name + (": " + error)));
        }
        QCOMPARE(writesReachingTheBus(ethernet), QStringList());
        QVERIFY2(w.qmlProblems().isEmpty(), qPrintable(w.qmlProblems().join('\n')));
    }

    void staticAddressReachesNetworkManager()
    {
        m_nm->addEthernetDevice(QStringLiteral("eth0"), NetworkManagerMock::Activated);
        m_nm->addWifiDevice(QStringLiteral("wlan0"), NetworkManagerMock::Disconnected);
        SettingsWindow w(2);
        QVERIFY(interfacesKnown(w));
        w.tap(w.item("ethernetSettingsIcon"));
        w.tap(w.item("dhcpSwitch"));
        type(w, "ipAddressField", QStringLiteral("192.168.1.20"));
        type(w, "netmaskField", QStringLiteral("255.255.255.0"));
        type(w, "gatewayField", QStringLiteral("192.168.1.1"));
        w.tap(w.item("ethernetSave"));
        QVERIFY(!w.item("ethernetSettingsDialog")->isVisible());

        const QVariantMap expected{{"dhcp", false},
                                   {"ipAddress", "192.168.1.20"},
                                   {"netmask", "255.255.255.0"},
                                   {"gatewayAddress", "192.168.1.1"}};
        QObject *client = w.contextObject("EthernetClient");
        QCOMPARE(client->property("ethernetSettings").toMap(), expected);
        QTRY_COMPARE(
            m_nm->methodCalls(NetworkManagerMock::ManagerPath, QStringLiteral("ActivateConnection")).size(),
            1);
        QCOMPARE(m_nm->methodCalls(NetworkManagerMock::SettingsPath, QStringLiteral("AddConnection")).size(),
                 1);
        const QString path
            = m_nm->methodCalls(NetworkManagerMock::ManagerPath, QStringLiteral("ActivateConnection"))
                  .value(0)
                  .value(0)
                  .value<QDBusObjectPath>()
                  .path();
        const QVariantMap ipv4 = m_nm->savedProfile(path).value(QStringLiteral("ipv4"));
        QCOMPARE(ipv4.value("method").toString(), QStringLiteral("manual"));
        QCOMPARE(ipv4.value("gateway").toString(), QStringLiteral("192.168.1.1"));

        // Opened again, the dialog shows what was saved.
        w.tap(w.item("ethernetSettingsIcon"));
        QCOMPARE(w.item("ipAddressField")->property("text").toString(), QStringLiteral("192.168.1.20"));
        QCOMPARE(w.item("dhcpSwitch")->property("checked").toBool(), false);
    }

    // NetworkManager hung (SIGSTOP) while the window starts: the page opens
    // and its switches answer at once, and what NetworkManager says arrives
    // once it answers, also when a read has timed out meanwhile.
    void startsWhileNetworkManagerIsFrozen_data()
    {
        QTest::addColumn<int>("frozenMs");
        QTest::newRow("briefly") << 1500;
        QTest::newRow("past a read's time-out") << 4500;
    }

    void startsWhileNetworkManagerIsFrozen()
    {
        QFETCH(int, frozenMs);
        const QString wifi = m_nm->addWifiDevice(QStringLiteral("wlan0"), NetworkManagerMock::Disconnected);
        m_nm->addAccessPoint(wifi, "office", "Office", "02:00:00:00:00:01", 70, 0);
        FrozenProcess frozen(m_nm->processId());
        QElapsedTimer clock;
        clock.start();
        SettingsWindow w(2);
        // A window that waited for NetworkManager would take 25 s (D-Bus's
        // default time-out) at least; a second or two is its usual time here.
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        StallProbe probe;
        QTRY_COMPARE(w.item("pageNetworking")->opacity(), 1.0);
        QQuickItem *wifiSwitch = w.item("wifiSwitch");
        QQuickItem *ethernetSwitch = w.item("ethernetSwitch");
        QCOMPARE(wifiSwitch->property("checked").toBool(), false);
        // There is no Ethernet device: the switch goes on, and off again
        // once NetworkManager has said so.
        w.tap(ethernetSwitch);
        QVERIFY(ethernetSwitch->property("checked").toBool());
        QTest::qWait(int(qMax<qint64>(0, frozenMs - clock.elapsed())));
        QVERIFY2(probe.longestMs() < MaxStallMs, qPrintable(QString::number(probe.longestMs())));

        frozen.thaw();
        QTRY_VERIFY(wifiSwitch->property("checked").toBool());
        QTRY_VERIFY(shows(w, QStringList{"Office"}));
        QTRY_VERIFY(!ethernetSwitch->property("checked").toBool());
        QVERIFY2(probe.longestMs() < MaxStallMs, qPrintable(QString::number(probe.longestMs())));
    }

    // Changes made while NetworkManager is hung show at once and reach it,
    // in the order they were made, once it answers again: also when it
    // stays hung past the time-outs of a read on its way when it froze and
    // of the change's own first read.
    void changesMadeWhileFrozenLandInOrder_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("Wi-Fi off and on again") << "wifi";
        QTest::newRow("connect with a password") << "connect";
        QTest::newRow("forget a saved network") << "forget";
        QTest::newRow("Ethernet static, DHCP, static") << "ethernet";
    }

    void changesMadeWhileFrozenLandInOrder()
    {
        QFETCH(QString, change);
        const QString manager = QString::fromLatin1(NetworkManagerMock::ManagerPath);
        const QString wifi = m_nm->addWifiDevice(QStringLiteral("wlan0"), NetworkManagerMock::Disconnected);
        const QString office = m_nm->addAccessPoint(wifi, "office", "Office", "02:00:00:00:00:01", 70,
                                                    NetworkManagerMock::KeyMgmtPsk);
        m_nm->setProperty(office, AccessPointInterface, QStringLiteral("WpaFlags"), 0u);
        const QString cafe = m_nm->addAccessPoint(wifi, "cafe", "Cafe", "02:00:00:00:00:02", 50, 0);
        const QString cafeProfile = m_nm->saveProfile(wifi, cafe, QStringLiteral("Cafe"));
        m_nm->addEthernetDevice(QStringLiteral("eth0"), NetworkManagerMock::Activated);
        SettingsWindow w(2);
        QObject *client = w.contextObject("WiFiClient");
        QQuickItem *wifiSwitch = w.item("wifiSwitch");
        QTRY_VERIFY(shows(w, QStringList({"Office", "Cafe"})));
        QTRY_VERIFY(w.item("ethernetSwitch")->property("checked").toBool());

        RadioHistory radio;
        QVERIFY(m_bus->connection("radio history")
                    .connect(NetworkManagerMock::Service, NetworkManagerMock::ManagerPath,
                             "org.freedesktop.DBus.Properties", "PropertiesChanged", &radio,
                             SLOT(propertiesChanged(QString, QVariantMap, QStringList))));

        FrozenProcess frozen(m_nm->processId());
        StallProbe probe;
        const QString password = QStringLiteral("correct horse battery");
        const QStringList first{"192.168.1.20", "255.255.255.0", "192.168.1.1"};
        const QStringList second{"10.0.0.5", "255.0.0.0", "10.0.0.1"};
        if (change == "wifi") {
            w.tap(wifiSwitch);
            QCOMPARE(wifiSwitch->property("checked").toBool(), false);
            QCOMPARE(listed(w), QStringList());
            w.tap(wifiSwitch);
            QCOMPARE(wifiSwitch->property("checked").toBool(), true);
        } else if (change == "connect") {
            w.tap(row(w, "Office"));
            type(w, "wifiPasswordField", password);
            w.tap(w.item("wifiPasswordConnect"));
            QCOMPARE(client->property("networkStatus").toInt(), Connecting);
        } else if (change == "forget") {
            w.tap(child(row(w, "Cafe"), "settingsButton"));
            w.tap(w.item("wifiDialogForget"));
            QCOMPARE(listed(w), QStringList{"Office"});
        } else {
            saveEthernet(w, first);
            saveEthernet(w, QStringList());
            saveEthernet(w, second);
            QCOMPARE(
                w.contextObject("EthernetClient")->property("ethernetSettings").toMap().value("ipAddress"),
                QVariant("10.0.0.5"));
        }
        QTest::qWait(7000);
        QVERIFY2(probe.longestMs() < MaxStallMs, qPrintable(QString::number(probe.longestMs())));
        QVERIFY(client->property("networkStatus").toInt() != Failed);
        frozen.thaw();

        if (change == "wifi") {
            QTRY_COMPARE(radio.values, QList<bool>({false, true}));
            QTRY_VERIFY(shows(w, QStringList({"Office", "Cafe"})));
            QVERIFY(wifiSwitch->property("checked").toBool());
        } else if (change == "connect") {
            QTRY_COMPARE(client->property("networkStatus").toInt(), Connected);
            const QList<QVariantList> calls
                = m_nm->methodCalls(manager, QStringLiteral("AddAndActivateConnection"));
            QCOMPARE(calls.size(), 1);
            QCOMPARE(NetworkManagerMock::profile(calls.constFirst().value(0))
                         .value("802-11-wireless-security")
                         .value("psk")
                         .toString(),
                     password);
        } else if (change == "forget") {
            QTRY_VERIFY(m_nm->savedProfile(cafeProfile).isEmpty());
            QTRY_COMPARE(listed(w, "saved"), QStringList({"false", "false"}));
        } else {
            QTRY_COMPARE(m_nm->methodCalls(manager, QStringLiteral("ActivateConnection")).size(), 3);
            const QString profile = m_nm->methodCalls(manager, QStringLiteral("ActivateConnection"))
                                        .constFirst()
                                        .value(0)
                                        .value<QDBusObjectPath>()
                                        .path();
            QStringList methods;
            for (const QVariantList &update : m_nm->methodCalls(profile, QStringLiteral("Update"))) {
                const QVariantMap ipv4 = NetworkManagerMock::profile(update.value(0)).value("ipv4");
                methods.append(ipv4.value("method").toString() + " " + ipv4.value("gateway").toString());
            }
            QCOMPARE(methods, QStringList({"manual 192.168.1.1", "auto ", "manual 10.0.0.1"}));
        }
        QVERIFY2(probe.longestMs() < MaxStallMs, qPrintable(QString::number(probe.longestMs())));
    }

    // Network names come from whoever runs an access point: markup in them
    // is shown as it is, never rendered, and never makes the window fetch.
    void markupInNetworkNamesIsShownAsText_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::newRow("image") << "<img src=\"%1\">";
        QTest::newRow("heading") << "<h1>FREE WIFI</h1>";
    }

    void markupInNetworkNamesIsShownAsText()
    {
        QFETCH(QString, markup);
        LoopbackHttpServer server;
        QVERIFY(server.isListening());
        const QString name = markup.arg(server.url("/ap.png").toString());
        const QString wifi = m_nm->addWifiDevice(QStringLiteral("wlan0"), NetworkManagerMock::Disconnected);
        m_nm->addAccessPoint(wifi, "hostile", name, "02:00:00:00:00:06", 80, 0);
        m_nm->addAccessPoint(wifi, "office", "Office", "02:00:00:00:00:01", 60, 0);
        SettingsWindow w(2);
        QTRY_VERIFY(shows(w, QStringList({name, "Office"})));
        QCOMPARE(textsShowing(w, name), QStringList{name});
        const QQuickItem *ordinary = child(row(w, "Office"), "networkName");
        QCOMPARE(child(row(w, name), "networkName")->height(), ordinary->height());

        // The network's details, then its password dialog and how connecting goes.
        w.tap(child(row(w, name), "settingsButton"));
        QCOMPARE(textsShowing(w, name), QStringList({name, name}));
        w.tap(w.item("wifiDialogClose"));
        w.tap(row(w, name));
        w.tap(w.item("wifiPasswordConnect"));
        QTRY_VERIFY(w.item("connectionStatusText")->isVisible());
        QTRY_COMPARE(textsShowing(w, name).size(), 3);
        QCOMPARE(textsShowing(w, name).filter(" (markup)"), QStringList());
        // An image would have been asked for while the texts were laid out.
        QTest::qWait(300);
        QCOMPARE(server.requests(), QStringList());
    }

    // A network whose name is not UTF-8 is listed under a readable name and
    // joined with its own bytes; of two such networks with the same readable
    // name, the stronger one. Its name is logged with control characters
    // escaped.
    void networksWhoseNameIsNotUtf8CanBeJoined_data()
    {
        QTest::addColumn<QByteArray>("stronger");
        QTest::addColumn<QByteArray>("weaker");
        QTest::newRow("Latin-1") << QByteArray("Caf\xe9") << QByteArray("Caf\xe8");
        QByteArray high;
        for (char byte = char(0x80); high.size() < 32; ++byte)
            high.append(byte);
        QTest::newRow("32 bytes of 0x80-0x9f") << high << QByteArray(32, char(0x90));
        QTest::newRow("control characters")
            << QByteArray("Caf\xe9\x1b[2J\nforged line") << QByteArray("Caf\xe8\x1b[2J\nforged line");
    }

    void networksWhoseNameIsNotUtf8CanBeJoined()
    {
        QFETCH(QByteArray, stronger);
        QFETCH(QByteArray, weaker);
        const QString wifi = m_nm->addWifiDevice(QStringLiteral("wlan0"), NetworkManagerMock::Disconnected);
        // The stand-in takes UTF-8 names only; the bytes are set afterwards.
        const QString weak = m_nm->addAccessPoint(wifi, "weak", "weak", "02:00:00:00:00:07", 40, 0);
        const QString strong = m_nm->addAccessPoint(wifi, "strong", "strong", "02:00:00:00:00:08", 70, 0);
        m_nm->setProperty(weak, AccessPointInterface, QStringLiteral("Ssid"), weaker);
        m_nm->setProperty(strong, AccessPointInterface, QStringLiteral("Ssid"), stronger);
        {
            QMutexLocker lock(&messagesMutex);
            messages.clear();
        }
        const QtMessageHandler previous = qInstallMessageHandler(keepMessage);

        const QString name = QString::fromUtf8(stronger);
        {
            SettingsWindow w(2);
            QObject *client = w.contextObject("WiFiClient");
            QTRY_VERIFY(shows(w, QStringList{name}));
            w.tap(row(w, name));
            w.tap(w.item("wifiPasswordConnect"));
            QTRY_COMPARE(client->property("networkStatus").toInt(), Failed);
            QVERIFY2(!client->property("statusDescription").toString().contains("out of range"),
                     qPrintable(client->property("statusDescription").toString()));
        }
        qInstallMessageHandler(previous);

        const QList<QVariantList> calls
            = m_nm->methodCalls(NetworkManagerMock::ManagerPath, QStringLiteral("AddAndActivateConnection"));
        QCOMPARE(calls.size(), 1);
        QCOMPARE(
            NetworkManagerMock::profile(calls.constFirst().value(0)).value("802-11-wireless").value("ssid"),
            QVariant(stronger));
        QCOMPARE(calls.constFirst().value(2).value<QDBusObjectPath>().path(), strong);
        QMutexLocker lock(&messagesMutex);
        const QStringList attempts = messages.filter("connecting to");
        QCOMPARE(attempts.size(), 1);
        for (const QChar c : attempts.constFirst())
            QVERIFY2(c.unicode() >= 0x20 && c.unicode() != 0x7f, qPrintable(attempts.constFirst()));
    }
};

QTEST_MAIN(TestPageNetworking)
#include "tst_pagenetworking.moc"
