#include "AnalyticsLibrary.h"
#include "ProgramRun.h"
#include "TestHome.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>

// The program as a user meets it: started on a tab, asked for another tab
// by a second program, closed with its close button on a real X display.
class TestWindowProcess : public QObject
{
    Q_OBJECT

    static QList<QJsonObject> hits()
    {
        QList<QJsonObject> records;
        QFile spool(AnalyticsLibrary::spoolFilePath());
        if (!spool.open(QIODevice::ReadOnly))
            return records;
        for (const QByteArray &line : spool.readAll().split('\n')) {
            if (!line.isEmpty())
                records.append(QJsonDocument::fromJson(line).object());
        }
        return records;
    }

private slots:
    void startTabSocketRequestAndClose()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "runs under xvfb-run");
        TestHome home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("QT_LOGGING_RULES", "vh.window.debug=true");

        QProcess program;
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(QStringLiteral(VHSETTINGS_EXE), {"9"});
        QVERIFY(program.waitForStarted());
        QByteArray log;
        auto waitForLog = [&](const QByteArray &text) {
            for (int i = 0; i < 100 && !log.contains(text); ++i) {
                program.waitForReadyRead(100);
                log += program.readAll();
            }
            return log.contains(text);
        };
        QVERIFY2(waitForLog("showing tab 9 page pageAbout"), log.constData());

        QLocalSocket client;
        client.connectToServer("VHSettings");
        QVERIFY(client.waitForConnected(2000));
        client.write("u\n6");
        QVERIFY(client.waitForBytesWritten(2000));
        QVERIFY2(waitForLog("showing tab 6 page pagePrinter"), log.constData());

        // A real click on the close button, in the window's top right corner.
        const ProgramRun search = ProgramRun::of(
            "xdotool", {"search", "--sync", "--onlyvisible", "--pid", QString::number(program.processId())});
        QCOMPARE(search.exitCode, 0);
        const QString windowId = QString::fromLatin1(search.out.split('\n').first());
        QCOMPARE(ProgramRun::of("xdotool", {"mousemove", "--window", windowId, "1000", "24", "click", "1"})
                     .exitCode,
                 0);
        QVERIFY2(program.waitForFinished(5000), log.constData());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        const QList<QJsonObject> records = hits();
        QCOMPARE(records.size(), 2);
        const QJsonObject start = records.at(0).value("hit").toObject();
        const QJsonObject exit = records.at(1).value("hit").toObject();
        QCOMPARE(records.at(0).value("hitType").toInt(), 0);
        QCOMPARE(records.at(1).value("hitType").toInt(), 1);
        QCOMPARE(start.value("applicationName").toString(), QString("VHSettings (9)"));
        QCOMPARE(exit.value("applicationName").toString(), QString("VHSettings"));
        QCOMPARE(start.value("softwareVersion").toString(), QString("3.0.5.5"));
        QCOMPARE(start.value("sessionId").toString().size(), 36);
        QCOMPARE(exit.value("sessionId"), start.value("sessionId"));
    }
};

QTEST_GUILESS_MAIN(TestWindowProcess)
#include "tst_windowprocess.moc"
