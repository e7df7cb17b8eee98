#include "FakeTool.h"
#include "TestHome.h"
#include "UbootEnvironment.h"
#include "VHSettingsMain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QtTest>

#include <algorithm>

#include <signal.h>

// Device information and the calibration reset against the real
// fw_printenv/fw_setenv on a file-backed boot-loader environment. The
// tools are never waited for: their answers arrive through the event loop.
class TestDeviceInfo : public QObject
{
    Q_OBJECT

private:
    static QMap<QString, QString> offsets()
    {
        return {{"backstop", "11"},   {"hOffset", "-12"},  {"bMarkOffset", "13"}, {"gapOffset", "14"},
                {"tphHeat", "15"},    {"backstop2", "21"}, {"hOffset2", "22"},    {"bMarkOffset2", "-23"},
                {"gapOffset2", "24"}, {"tphHeat2", "25"}};
    }

    static QMap<QString, QString> calibration()
    {
        return {{"tachLow", "101"},     {"tachHigh", "102"},   {"cutterTrans", "103"},
                {"supplyTrans", "104"}, {"supplyRefl", "105"}, {"serialNumber", "ABC123"}};
    }

    // Asks every tool anew and waits until each has answered.
    static void readAll(VHSettingsMain &settings)
    {
        AboutInfo *info = settings.getAboutInfoTexts();
        info->read();
        QTRY_VERIFY_WITH_TIMEOUT(!info->isReading(), 3000);
    }

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("default.debug=false"); }

    void valuesFromTheEnvironment()
    {
        TestHome home;
        QMap<QString, QString> variables = offsets();
        variables.insert(calibration());
        variables.insert("ethaddr", "00:11:22:aa:bb:cc");
        UbootEnvironment env(variables);
        QVERIFY2(env.isValid(), qPrintable(env.errorString()));
        VHSettingsMain settings;
        readAll(settings);

        QCOMPARE(settings.getAboutInfo(0), QStringLiteral("ABC123\n"));
        QCOMPARE(settings.getAboutInfo(3), QStringLiteral("00:11:22:aa:bb:cc\n"));
        QCOMPARE(settings.getAboutInfo(5), QStringLiteral("11\n-12\n13\n14\n15\n21\n22\n-23\n24\n25\n"));
        QCOMPARE(settings.getAboutInfo(6), QStringLiteral("101\n102\n103\n104\n105\n"));
        QCOMPARE(settings.formatOffsets(), (QStringList{"11, -12, 13, 14, 15", "21, 22, -23, 24, 25"}));
    }

    void outputIsDecodedAsUtf8()
    {
        TestHome home;
        UbootEnvironment env({{"serialNumber", QString::fromUtf8("S\xc3\xb8ren \xe2\x82\xac 7")}});
        QVERIFY2(env.isValid(), qPrintable(env.errorString()));
        VHSettingsMain settings;
        QTRY_COMPARE(settings.getAboutInfo(0), QString::fromUtf8("S\xc3\xb8ren \xe2\x82\xac 7\n"));
    }

    void missingOffsetsStayInTheirPlace()
    {
        TestHome home;
        UbootEnvironment env({{"backstop", "5"}, {"tphHeat2", "9"}});
        QVERIFY2(env.isValid(), qPrintable(env.errorString()));
        VHSettingsMain settings;
        readAll(settings);
        QCOMPARE(settings.formatOffsets(), (QStringList{"5, , , , ", ", , , , 9"}));
        // The tool prints an empty line for a missing variable; it is passed on.
        QCOMPARE(settings.getAboutInfo(0), QStringLiteral("\n"));
    }

    // Fewer than ten lines: every head still gets five fields.
    void shortOffsetsAnswersArePadded()
    {
        TestHome home;
        UbootEnvironment env(offsets());
        QVERIFY2(env.isValid(), qPrintable(env.errorString()));
        VHSettingsMain settings;

        const QByteArray savedPath = qgetenv("PATH");
        QTemporaryDir emptyBin;
        qputenv("PATH", emptyBin.path().toLocal8Bit());
        readAll(settings);
        qputenv("PATH", savedPath);
        QCOMPARE(settings.formatOffsets(), (QStringList{", , , , ", ", , , , "}));
        QCOMPARE(settings.getAboutInfo(0), QString());

        FakeTools tools;
        tools.add("fw_printenv", "printf '1\\n2\\n3\\n'; exec sleep 5");
        readAll(settings);
        QCOMPARE(settings.formatOffsets(), (QStringList{"1, 2, 3, , ", ", , , , "}));
    }

    void hangingToolIsNotWaitedFor()
    {
        TestHome home;
        UbootEnvironment env(calibration());
        QVERIFY2(env.isValid(), qPrintable(env.errorString()));
        VHSettingsMain settings;
        FakeTools tools;
        const QString pidFile = tools.binDir() + "/tool.pid";
        tools.add("fw_printenv",
                  "echo $$ > '" + pidFile.toUtf8() + "'; printf 'partial'; echo noise >&2; exec sleep 30");

        QElapsedTimer timer;
        timer.start();
        QCOMPARE(settings.getAboutInfo(0), QString());
        QVERIFY2(timer.elapsed() < 100, QByteArray::number(timer.elapsed()));
        // What it printed within half a second counts; later output does not.
        QTRY_VERIFY_WITH_TIMEOUT(!settings.getAboutInfoTexts()->isReading(), 1500);
        QVERIFY2(timer.elapsed() >= 450, QByteArray::number(timer.elapsed()));
        QCOMPARE(settings.getAboutInfo(0), QStringLiteral("partial"));
        QCOMPARE(tools.runs("fw_printenv"), (QList<QStringList>{{"-n", "serialNumber"}}));
        // Nothing waits for the rest: the tool is not left running.
        QFile pid(pidFile);
        QVERIFY(pid.open(QIODevice::ReadOnly));
        const pid_t tool = pid_t(pid.readAll().trimmed().toInt());
        QVERIFY(tool > 0);
        QTRY_VERIFY(::kill(tool, 0) != 0);

        // An owner gone before the tool answers hears nothing of it.
        auto *gone = new VHSettingsMain;
        gone->getAboutInfo(0);
        QTRY_COMPARE(tools.runs("fw_printenv").size(), 2);
        delete gone;
        QTest::qWait(700);
    }

    void versionAndUnknownFieldsRunNothing()
    {
        TestHome home;
        UbootEnvironment env(calibration());
        QVERIFY2(env.isValid(), qPrintable(env.errorString()));
        VHSettingsMain settings;
        FakeTools tools;
        for (const char *tool : {"fw_printenv", "df", "cat"})
            tools.add(tool);
        const QList<QProcess *> processesBefore = settings.findChildren<QProcess *>();

        QCOMPARE(settings.getAboutInfo(1), QStringLiteral("3.0.5.5"));
        QCOMPARE(settings.getAboutInfo(7), QString());
        QCOMPARE(settings.getAboutInfo(-1), QString());
        QCOMPARE(settings.getAboutInfo(1000), QString());

        for (const char *tool : {"fw_printenv", "df", "cat"})
            QCOMPARE(tools.runs(tool).size(), 0);
        QCOMPARE(settings.findChildren<QProcess *>(), processesBefore);

        // The recorder does see a field that runs a tool.
        settings.getAboutInfo(0);
        QTRY_COMPARE(tools.runs("fw_printenv").size(), 1);
    }

    void storageAndWirelessComeFromTheSystemTools()
    {
        TestHome home;
        UbootEnvironment env({});
        QVERIFY2(env.isValid(), qPrintable(env.errorString()));
        VHSettingsMain settings;
        readAll(settings);

        QProcess df;
        df.start("df", {"-t", "ext4", "-h"});
        QVERIFY(df.waitForFinished(5000));
        QCOMPARE(settings.getAboutInfo(2), QString::fromUtf8(df.readAllStandardOutput()));

        QFile address("/sys/class/net/wlan0/address");
        const QString expected = address.open(QIODevice::ReadOnly)
                                     ? QString::fromUtf8(address.readAll())
                                     : QString(); // no wlan0 here: cat's complaint on stderr is dropped
        QCOMPARE(settings.getAboutInfo(4), expected);
    }

    // Repeated queries do not pile up process objects.
    void queriesDoNotAccumulateProcesses()
    {
        TestHome home;
        UbootEnvironment env(calibration());
        QVERIFY2(env.isValid(), qPrintable(env.errorString()));
        VHSettingsMain settings;
        const int before = settings.findChildren<QProcess *>().size();
        for (int i = 0; i < 20; ++i) {
            readAll(settings);
            QCOMPARE(settings.getAboutInfo(0), QStringLiteral("ABC123\n"));
        }
        QTRY_VERIFY(settings.findChildren<QProcess *>().size() <= before + 1);
    }

    // fw_setenv takes a lock around its read-modify-write, so the three
    // overlapping runs lose no removal; several rounds to give a race a chance.
    void resetRemovesTheThreeSupplyValues()
    {
        TestHome home;
        for (int round = 0; round < 10; ++round) {
            UbootEnvironment env(calibration());
            QVERIFY2(env.isValid(), qPrintable(env.errorString()));
            VHSettingsMain settings;

            settings.resetSupplyCalibration();

            QTRY_COMPARE_WITH_TIMEOUT(
                env.variables(),
                (QMap<QString, QString>{{"tachLow", "101"}, {"tachHigh", "102"}, {"serialNumber", "ABC123"}}),
                5000);
        }
    }

    void resetReturnsBeforeTheToolsEnd()
    {
        TestHome home;
        UbootEnvironment env({});
        QVERIFY2(env.isValid(), qPrintable(env.errorString()));
        VHSettingsMain settings;
        FakeTools tools;
        tools.add("fw_setenv", "exec sleep 2");

        QElapsedTimer timer;
        timer.start();
        settings.resetSupplyCalibration();
        const qint64 elapsed = timer.elapsed();
        QVERIFY2(elapsed < 500, QByteArray::number(elapsed));

        QTRY_COMPARE(tools.runs("fw_setenv").size(), 3);
        QList<QStringList> runs = tools.runs("fw_setenv");
        std::sort(runs.begin(), runs.end());
        QCOMPARE(runs, (QList<QStringList>{{"cutterTrans"}, {"supplyRefl"}, {"supplyTrans"}}));
    }
};

QTEST_GUILESS_MAIN(TestDeviceInfo)
#include "tst_deviceinfo.moc"
