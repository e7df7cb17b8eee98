#include "DBusCallRecorder.h"
#include "FakeTool.h"
#include "PrivateBus.h"
#include "TestHome.h"
#include "UbootEnvironment.h"
#include "VHSettingsMain.h"

#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {
QStringList g_debugMessages;

void captureDebug(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg && QByteArray(context.category) == "default")
        g_debugMessages.append(message);
}
} // namespace

// How writes reach the utility daemon on the system bus, and the shipping
// variant query with its boot-loader fallback. The system bus is a private
// dbus-daemon; the daemon is a recorder that sees each call as it arrived.
// Nothing waits for a reply: the window's replies arrive through the event
// loop (QTRY_), the command line's through finishDaemonCalls().
class TestUtilityDaemonClient : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<DBusCallRecorder> m_daemon;
    int m_connections = 0;

    void startDaemon()
    {
        m_daemon
            = std::make_unique<DBusCallRecorder>(m_bus->connection(QString("daemon%1").arg(++m_connections)));
        QVERIFY2(m_daemon->isRegistered(), qPrintable(m_daemon->errorString()));
        m_daemon->setShipReply(0);
        QVERIFY(m_bus->waitForService(DBusCallRecorder::ServiceName));
    }

    void stopDaemon()
    {
        m_daemon.reset();
        QTRY_VERIFY(
            !QDBusConnection::systemBus().interface()->isServiceRegistered(DBusCallRecorder::ServiceName));
    }

private slots:
    void initTestCase()
    {
        m_bus = std::make_unique<PrivateBus>();
        QVERIFY2(m_bus->isValid(), qPrintable(m_bus->errorString()));
        QVERIFY(QDBusConnection::systemBus().isConnected());
    }

    void init()
    {
        m_home = std::make_unique<TestHome>();
        startDaemon();
        g_debugMessages.clear();
        qInstallMessageHandler(captureDebug);
    }

    void cleanup()
    {
        qInstallMessageHandler(nullptr);
        m_daemon.reset();
        m_home.reset();
    }

    void cleanupTestCase() { m_bus.reset(); }

    void writeCallsTheDaemonWithItsType_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("signature");
        QTest::addColumn<QVariant>("argument");

        QTest::newRow("brightness int") << "brightnessLevel" << QVariant(5) << "setDisplayBrightness"
                                        << "u" << QVariant(5u);
        QTest::newRow("brightness text") << "brightnessLevel" << QVariant("5") << "setDisplayBrightness"
                                         << "u" << QVariant(5u);
        QTest::newRow("dimming") << "dimmingInactive" << QVariant(3) << "setDisplayDimTime"
                                 << "i" << QVariant(3);
        QTest::newRow("dimming text") << "dimmingInactive" << QVariant("4") << "setDisplayDimTime"
                                      << "i" << QVariant(4);
        QTest::newRow("power not a number") << "powerInactive" << QVariant("x") << "setDisplayPowerOffTime"
                                            << "i" << QVariant(0);
        QTest::newRow("update check bool")
            << "automaticUpdateCheck" << QVariant(false) << "setAutomaticUpdateCheck"
            << "b" << QVariant(false);
        QTest::newRow("update check text false")
            << "automaticUpdateCheck" << QVariant("false") << "setAutomaticUpdateCheck"
            << "b" << QVariant(false);
        QTest::newRow("update check text 0")
            << "automaticUpdateCheck" << QVariant("0") << "setAutomaticUpdateCheck"
            << "b" << QVariant(false);
        QTest::newRow("update check text yes")
            << "automaticUpdateCheck" << QVariant("yes") << "setAutomaticUpdateCheck"
            << "b" << QVariant(true);
        QTest::newRow("24 hour from the page") << "24Hour" << QVariant(true) << "setTwentyFourHourMode"
                                               << "b" << QVariant(true);
        QTest::newRow("24 hour from the command line")
            << "24Hour" << QVariant("true") << "setTwentyFourHourMode"
            << "s" << QVariant("true");
        QTest::newRow("date format") << "dateFormat" << QVariant("dd.MM.yy") << "setDateFormat"
                                     << "s" << QVariant("dd.MM.yy");
    }

    void writeCallsTheDaemonWithItsType()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(QString, member);
        QFETCH(QString, signature);
        QFETCH(QVariant, argument);

        VHSettingsMain settings;
        settings.finishDaemonCalls();
        m_daemon->clear();
        settings.setSetting(key, value);
        settings.finishDaemonCalls();

        const QList<RecordedCall> calls = m_daemon->calls();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first().member, member);
        QCOMPARE(calls.first().interface, QString(DBusCallRecorder::InterfaceName));
        QCOMPARE(calls.first().signature, signature);
        QCOMPARE(calls.first().arguments, QVariantList{argument});
        QVERIFY(g_debugMessages.isEmpty());
        QCOMPARE(settings.getSetting(key, QVariant()).toString(), value.toString());
    }

    void otherKeysOnlyChangeTheFile()
    {
        VHSettingsMain settings;
        settings.finishDaemonCalls();
        m_daemon->clear();
        for (const char *key :
             {"units", "language", "timezone", "keyboardLayout", "sendAnalytics", "mountSharedFolder",
              "automaticDateTime", "lastUpdateCheck", "firstBootApplication", "firstBootDefaultPage",
              "lockscreenAuto", "zoomLevel", "appListCollapsed", "doubleClickOpen", "appFirstLaunchList"})
            settings.setSetting(key, "1");
        settings.finishDaemonCalls();
        QCOMPARE(m_daemon->calls().size(), 0);
        QCOMPARE(settings.getSetting("timezone", QVariant()), QVariant("1"));
    }

    void rejectedCallIsLoggedOnly()
    {
        VHSettingsMain settings;
        m_daemon->rejectCalls("setDisplayBrightness", "org.freedesktop.DBus.Error.InvalidArgs",
                              "out of range");
        QSignalSpy brightnessChanged(&settings, &VHSettingsMain::settingDisplayBrightnessChanged);
        settings.setSetting("brightnessLevel", 12);

        QTRY_COMPARE(g_debugMessages.size(), 1);
        QVERIFY2(
            g_debugMessages.first().startsWith("DBus Reply(setDisplayBrightness) is inValid  QDBusError("),
            qPrintable(g_debugMessages.first()));
        QVERIFY(g_debugMessages.first().contains("org.freedesktop.DBus.Error.InvalidArgs"));
        QVERIFY(g_debugMessages.first().contains("out of range"));
        QCOMPARE(m_daemon->calls("setDisplayBrightness").size(), 1);
        QCOMPARE(settings.getSetting("brightnessLevel", 7), QVariant("12"));
        QCOMPARE(brightnessChanged.count(), 0);
    }

    void absentDaemonLeavesTheValueWrittenAndLogsOnce_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("24 hour") << "24Hour" << QVariant(true)
                                 << "DBus Reply(setTwentyFourHourMode) is inValid ";
        QTest::newRow("date format") << "dateFormat" << QVariant("yyyy-MM-dd")
                                     << "Dbus Reply(setDateFormat) is inValid ";
        QTest::newRow("dimming") << "dimmingInactive" << QVariant(1)
                                 << "DBus Reply(setDisplayDimTime) is inValid ";
        QTest::newRow("power") << "powerInactive" << QVariant(1)
                               << "DBus Reply(setDisplayPowerOffTime) is inValid ";
        QTest::newRow("update check")
            << "automaticUpdateCheck" << QVariant(false) << "DBus Reply(setAutomaticUpdateCheck) is inValid ";
    }

    void absentDaemonLeavesTheValueWrittenAndLogsOnce()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        stopDaemon();
        UbootEnvironment environment({});
        VHSettingsMain settings;
        settings.finishDaemonCalls();
        g_debugMessages.clear();

        settings.setSetting(key, value);
        settings.finishDaemonCalls();

        QCOMPARE(g_debugMessages.size(), 1);
        QVERIFY2(g_debugMessages.first().startsWith(text + " QDBusError("),
                 qPrintable(g_debugMessages.first()));
        QVERIFY(g_debugMessages.first().contains("org.freedesktop.DBus.Error.ServiceUnknown"));
        QCOMPARE(settings.getSetting(key, QVariant()).toString(), value.toString());
    }

    void daemonStartedLaterIsReached()
    {
        stopDaemon();
        UbootEnvironment environment({});
        VHSettingsMain settings;
        startDaemon();
        settings.setSetting("brightnessLevel", 3);
        QTRY_COMPARE(m_daemon->calls("setDisplayBrightness").size(), 1);
    }

    void shipVariantFromTheDaemon_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<bool>("military");
        QTest::newRow("0") << 0 << false;
        QTest::newRow("1") << 1 << false;
        QTest::newRow("2") << 2 << true;
        QTest::newRow("3") << 3 << false;
    }

    void shipVariantFromTheDaemon()
    {
        QFETCH(int, variant);
        QFETCH(bool, military);
        FakeTools tools;
        tools.add("fw_printenv", "echo 2");
        m_daemon->setShipReply(variant);

        VHSettingsMain settings;
        QSignalSpy known(settings.getShipVariant(), &ShipVariant::knownChanged);
        QVERIFY(!settings.getShipVariant()->isKnown());
        QCOMPARE(settings.property("isMilitaryShipped").toBool(), false);
        QTRY_COMPARE(known.count(), 1);
        QCOMPARE(settings.property("isMilitaryShipped").toBool(), military);
        // The slot answers what is known and asks again.
        QCOMPARE(settings.isMilitaryShipped(), military);
        QTRY_COMPARE(m_daemon->calls("getShip").size(), 2);
        settings.finishDaemonCalls();
        QCOMPARE(known.count(), 1);
        QCOMPARE(m_daemon->calls("getShip").first().signature, QString());
        QCOMPARE(tools.runs("fw_printenv").size(), 0);
        QVERIFY(g_debugMessages.isEmpty());
    }

    void replyOfAnotherTypeFallsBackToTheBootLoader_data()
    {
        QTest::addColumn<QVariantList>("reply");
        QTest::newRow("text") << QVariantList{QString("2")};
        QTest::newRow("uint32") << QVariantList{2u};
        QTest::newRow("no value") << QVariantList{};
    }

    void replyOfAnotherTypeFallsBackToTheBootLoader()
    {
        QFETCH(QVariantList, reply);
        m_daemon->setReply("getShip", reply);
        UbootEnvironment environment({{"vhShip", "2"}});
        QVERIFY2(environment.isValid(), qPrintable(environment.errorString()));

        VHSettingsMain settings;
        QTRY_COMPARE(settings.property("isMilitaryShipped").toBool(), true);
        QCOMPARE(g_debugMessages.size(), 1);
        QVERIFY(g_debugMessages.first().startsWith("DBus Reply(getShip) is inValid  QDBusError("));
    }

    void bootLoaderFallback_data()
    {
        QTest::addColumn<QVariantMap>("variables");
        QTest::addColumn<bool>("military");
        QTest::newRow("2") << QVariantMap{{"vhShip", "2"}} << true;
        QTest::newRow("3") << QVariantMap{{"vhShip", "3"}} << false;
        QTest::newRow("not a number") << QVariantMap{{"vhShip", "two"}} << false;
        QTest::newRow("absent") << QVariantMap{{"serialNumber", "ABC123"}} << false;
    }

    void bootLoaderFallback()
    {
        QFETCH(QVariantMap, variables);
        QFETCH(bool, military);
        stopDaemon();
        QMap<QString, QString> env;
        for (auto it = variables.cbegin(); it != variables.cend(); ++it)
            env.insert(it.key(), it.value().toString());
        UbootEnvironment environment(env);
        QVERIFY2(environment.isValid(), qPrintable(environment.errorString()));

        VHSettingsMain settings;
        settings.property("isMilitaryShipped");
        QTRY_VERIFY(settings.getShipVariant()->isKnown());
        QCOMPARE(settings.property("isMilitaryShipped").toBool(), military);
        QCOMPARE(g_debugMessages.size(), 1);
        QVERIFY(g_debugMessages.first().startsWith("DBus Reply(getShip) is inValid  QDBusError("));
    }

    void hangingBootLoaderToolIsNotWaitedFor()
    {
        stopDaemon();
        FakeTools tools;
        tools.add("fw_printenv", "printf 2; sleep 5");

        VHSettingsMain settings;
        settings.finishDaemonCalls();
        // Only a reader of the flag asks the tool: the command line never does.
        QCOMPARE(tools.runs("fw_printenv").size(), 0);

        QElapsedTimer timer;
        timer.start();
        QCOMPARE(settings.property("isMilitaryShipped").toBool(), false);
        QVERIFY2(timer.elapsed() < 100, QByteArray::number(timer.elapsed()));
        // What it printed within half a second counts.
        QTRY_VERIFY_WITH_TIMEOUT(settings.getShipVariant()->isKnown(), 1500);
        QCOMPARE(settings.property("isMilitaryShipped").toBool(), true);
        QCOMPARE(tools.runs("fw_printenv"), QList<QStringList>{QStringList({"-n", "vhShip"})});
    }
};

QTEST_GUILESS_MAIN(TestUtilityDaemonClient)
#include "tst_utilitydaemonclient.moc"
