#include "ClockRequestQueue.h"
#include "FakeTool.h"
#include "TestHome.h"
#include "VHSettingsMain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

// Clock requests go to timedatectl (a recording stand-in here, since
// systemd does not run in the test environment) one after another.
class TestClockControl : public QObject
{
    Q_OBJECT

private:
    static QStringList eventLog(const FakeTools &tools)
    {
        QFile log(tools.logFile("timedatectl"));
        log.open(QIODevice::ReadOnly);
        return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("default.debug=false"); }

    void argumentTexts_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("time") << "time 14 5" << QStringList{"set-time", "14:5"};
        QTest::newRow("empty time") << "time" << QStringList{"set-time", ":"};
        QTest::newRow("date") << "date 2024 3 9" << QStringList{"set-time", "2024-3-9"};
        QTest::newRow("ntp on") << "ntp 1" << QStringList{"set-ntp", "1"};
        QTest::newRow("ntp off") << "ntp 0" << QStringList{"set-ntp", "0"};
    }

    void argumentTexts()
    {
        QFETCH(QString, request);
        QFETCH(QStringList, expected);
        TestHome home;
        FakeTools tools;
        tools.add("timedatectl");
        VHSettingsMain settings;
        QSignalSpy autoChanged(&settings, &VHSettingsMain::settingDateTimeAutoChanged);

        const QStringList words = request.split(' ');
        if (words.at(0) == "time")
            settings.setTime(words.value(1), words.value(2));
        else if (words.at(0) == "date")
            settings.setDate(words.at(1), words.at(2), words.at(3));
        else
            settings.setAutoTime(words.at(1) == "1");

        QTRY_COMPARE(tools.runs("timedatectl").size(), 1);
        QCOMPARE(tools.runs("timedatectl").first(), expected);
        QCOMPARE(autoChanged.count(), 0);
        QCOMPARE(settings.property("settingDateTimeAuto").toBool(), true);
        QVERIFY(!QFile::exists(home.settingsFile()));
    }

    void requestWhileARunIsGoingIsCarriedOutAfterIt()
    {
        TestHome home;
        FakeTools tools;
        // A date change is slow; the tool notes when each run ends.
        tools.add("timedatectl", "case \"$2\" in *-*) sleep 1;; esac\n"
                                 "echo \"end:$2\" >> '"
                                     + tools.logFile("timedatectl").toUtf8() + "'");
        VHSettingsMain settings;

        QElapsedTimer timer;
        timer.start();
        settings.setDate("2024", "3", "9");
        settings.setTime("14", "5");
        settings.setAutoTime(false);
        QVERIFY2(timer.elapsed() < 100, "no request may block the caller");

        QTRY_COMPARE_WITH_TIMEOUT(eventLog(tools).size(), 6, 5000);
        const QString sep = QString(QChar(0x1f));
        QCOMPARE(eventLog(tools), QStringList({"run:set-time" + sep + "2024-3-9" + sep, "end:2024-3-9",
                                               "run:set-time" + sep + "14:5" + sep, "end:14:5",
                                               "run:set-ntp" + sep + "0" + sep, "end:0"}));
    }

    void missingToolDoesNotStallLaterRequests()
    {
        TestHome home;
        FakeTools tools; // no timedatectl in front of PATH...
        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", tools.binDir().toLocal8Bit()); // ...nor anywhere else
        VHSettingsMain settings;
        settings.setTime("1", "2");
        settings.setDate("2024", "1", "1");
        QTRY_VERIFY(ClockRequestQueue::shared()->isIdle());

        tools.add("timedatectl");
        settings.setAutoTime(true);
        QTRY_COMPARE(tools.runs("timedatectl").size(), 1);
        QCOMPARE(tools.runs("timedatectl").first(), QStringList({"set-ntp", "1"}));
        qputenv("PATH", savedPath);
    }
};

QTEST_GUILESS_MAIN(TestClockControl)
#include "tst_clockcontrol.moc"
