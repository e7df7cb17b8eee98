#include "PrivateBus.h"
#include "ProgramRun.h"
#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The command line against the real reference daemon on a private bus:
// what a script on the device sees when it changes a system setting.
class TestCommandLineDaemon : public QObject
{
    Q_OBJECT

private:
    using Run = ProgramRun;

    static Run run(const QStringList &arguments)
    {
        return ProgramRun::of(VHSETTINGS_EXE, arguments);
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll().trimmed();
    }

    std::unique_ptr<PrivateBus> m_bus;
    QTemporaryDir m_daemonDir;
    QProcess m_daemon;

    QString backlightFile() const { return m_daemonDir.path() + "/backlight/panel/brightness"; }

private slots:
    void initTestCase()
    {
        m_bus = std::make_unique<PrivateBus>();
        QVERIFY2(m_bus->isValid(), qPrintable(m_bus->errorString()));

        QVERIFY(QDir().mkpath(m_daemonDir.path() + "/backlight/panel"));
        QFile max(m_daemonDir.path() + "/backlight/panel/max_brightness");
        QVERIFY(max.open(QIODevice::WriteOnly));
        max.write("90\n");
        max.close();
        QFile brightness(backlightFile());
        QVERIFY(brightness.open(QIODevice::WriteOnly));
        brightness.write("90\n");
        brightness.close();

        m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_daemon.start(VH_UTILITYD_PATH,
                       {"--bus", m_bus->address(), "--backlight-dir",
                        m_daemonDir.path() + "/backlight", "--state-file",
                        m_daemonDir.path() + "/state.json"});
        QVERIFY(m_daemon.waitForStarted());
        QVERIFY(m_bus->waitForService("com.varnholt.VHUtilityd"));
    }

    void cleanupTestCase()
    {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(3000))
            m_daemon.kill();
        m_bus.reset();
    }

    void brightnessReachesTheBacklight()
    {
        TestHome home;
        const Run r = run({"-s", "brightnessLevel", "5"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(!r.err.contains("is inValid"), r.err);
        QCOMPARE(readFile(backlightFile()), QByteArray("50"));
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
