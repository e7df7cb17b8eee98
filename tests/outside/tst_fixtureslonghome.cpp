// The socket fixtures under a deep home and temporary folder, as a user's
// clone far below / gives them: a unix socket path holds at most 107 bytes.

#include "CupsScheduler.h"
#include "PrivateBus.h"

#include <QtTest>

class TestFixturesLongHome : public QObject
{
    Q_OBJECT

private slots:
    void busAndSchedulerComeUp()
    {
        QTemporaryDir base;
        QVERIFY(base.isValid());
        const QString home = base.path() + '/' + QString(119 - base.path().size(), 'h');
        QCOMPARE(home.size(), 120);
        QVERIFY(QDir().mkpath(home));
        for (const char *name : {"HOME", "TMPDIR", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
            qputenv(name, QFile::encodeName(home));

        PrivateBus bus;
        QVERIFY2(bus.isValid(), qPrintable(bus.errorString()));
        QVERIFY(bus.connection("probe").isConnected());

        CupsScheduler cups;
        QVERIFY2(cups.isRunning(), qPrintable(cups.errorString()));
        int exitCode = -1;
        const QByteArray printers = cups.runTool("lpstat", {"-p"}, &exitCode);
        QCOMPARE(exitCode, 0);
        QVERIFY2(printers.contains(CupsScheduler::queueName().toUtf8()), printers.constData());
    }
};

QTEST_MAIN(TestFixturesLongHome)
#include "tst_fixtureslonghome.moc"
