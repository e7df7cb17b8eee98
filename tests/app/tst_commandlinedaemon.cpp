#include "PrivateBus.h"
#include "ProgramRun.h"
#include "ReferenceDaemon.h"
#include "TestHome.h"

#include <QtTest>

// The command line against the real reference daemon on a private bus:
// what a script on the device sees when it changes a system setting.
class TestCommandLineDaemon : public QObject
{
    Q_OBJECT

private:
    using Run = ProgramRun;

    static Run run(const QStringList &arguments) { return ProgramRun::of(VHSETTINGS_EXE, arguments); }

    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<ReferenceDaemon> m_daemon;

private slots:
    void initTestCase()
    {
        m_bus = std::make_unique<PrivateBus>();
        QVERIFY2(m_bus->isValid(), qPrintable(m_bus->errorString()));
        m_daemon = std::make_unique<ReferenceDaemon>(VH_UTILITYD_PATH, m_bus->address());
        QVERIFY2(m_daemon->isValid(), qPrintable(m_daemon->errorString()));
        QVERIFY(m_bus->waitForService("com.varnholt.VHUtilityd"));
    }

    void cleanupTestCase()
    {
        m_daemon.reset();
        m_bus.reset();
    }

    void brightnessReachesTheBacklight()
    {
        TestHome home;
        const Run r = run({"-s", "brightnessLevel", "5"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(!r.err.contains("is inValid"), r.err);
        QCOMPARE(m_daemon->backlight(), QByteArray("50"));
        QCOMPARE(run({"-g", "brightnessLevel"}).out, QByteArray("5\n"));
    }

    void textForTheClockModeIsRejectedButStored()
    {
        TestHome home;
        const Run r = run({"-s", "24Hour", "true"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains("DBus Reply(setTwentyFourHourMode) is inValid  QDBusError("), r.err);
        QVERIFY2(r.err.contains("org.freedesktop.DBus.Error.InvalidArgs"), r.err);
        QCOMPARE(run({"-g", "24Hour"}).out, QByteArray("true\n"));
    }

    void shipQueryIsAnsweredByTheDaemon()
    {
        TestHome home;
        // Every run asks for the shipping variant; an int32 answer means
        // program and daemon agree on name, path, interface and type.
        const Run r = run({"-g", "units"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(!r.err.contains("DBus Reply(getShip) is inValid"), r.err);
    }
};

QTEST_GUILESS_MAIN(TestCommandLineDaemon)
#include "tst_commandlinedaemon.moc"
