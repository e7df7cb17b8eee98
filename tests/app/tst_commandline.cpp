#include "AgedFile.h"
#include "ProgramRun.h"
#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "VHSettingsCatalogue.h"

// The executable in command-line mode, end to end: output formats, exit
// statuses and the settings file afterwards.
class TestCommandLine : public QObject
{
    Q_OBJECT

private:
    using Run = ProgramRun;

    static QProcessEnvironment environment()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Keep the daemon's absence out of the captured stderr.
        env.insert("QT_LOGGING_RULES", "default.debug=false");
        return env;
    }

    static Run run(const QStringList &arguments, const QProcessEnvironment &env = environment())
    {
        return ProgramRun::of(VHSETTINGS_EXE, arguments, env);
    }

private slots:
    void listPrintsEveryKeyWithItsDescription()
    {
        TestHome home;
        const Run r = run({"-l"});
        QCOMPARE(r.exitCode, 0);
        const QList<QByteArray> lines = r.out.split('\n');
        QCOMPARE(lines.size(), 22); // 21 lines and the empty rest after the last newline
        QCOMPARE(lines.first(), QByteArray("|24Hour                        | "
                                           "True to enable 24hour clock, false to leave as AM/PM"));
        QCOMPARE(lines.at(20), QByteArray("|zoomLevel                     | Option for determining how "
                                          "big file previews and icons are on VHHome's file browser."));
        QStringList keys;
        for (int i = 0; i < 21; ++i)
            keys.append(QString::fromUtf8(lines.at(i).mid(1, 30)).trimmed());
        QCOMPARE(keys, QStringList({"24Hour",
                                    "appFirstLaunchList",
                                    "appListCollapsed",
                                    "automaticDateTime",
                                    "automaticUpdateCheck",
                                    "brightnessLevel",
                                    "dateFormat",
                                    "dimmingInactive",
                                    "doubleClickOpen",
                                    "firstBootApplication",
                                    "firstBootDefaultPage",
                                    "keyboardLayout",
                                    "language",
                                    "lastUpdateCheck",
                                    "lockscreenAuto",
                                    "mountSharedFolder",
                                    "powerInactive",
                                    "sendAnalytics",
                                    "timezone",
                                    "units",
                                    "zoomLevel"}));
        QVERIFY(!QFile::exists(home.settingsFile()));
    }

    void getAllOnAnEmptyFilePrintsEmptyValues()
    {
        TestHome home;
        const Run r = run({"-g"});
        QCOMPARE(r.exitCode, 0);
        QByteArray expected;
        for (const auto &entry : VHSettingsCatalogue::keyGroups)
            expected += QByteArray(entry.first.c_str()).leftJustified(30, ' ') + "= \n";
        QCOMPARE(r.out, expected);
    }

    void setThenGetRoundTrips()
    {
        TestHome home;
        Run r = run({"-s", "brightnessLevel", "5"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray());
        r = run({"-g", "brightnessLevel"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray("5\n"));

        QCOMPARE(run({"-s", "units", "1"}).exitCode, 0);
        QCOMPARE(run({"-s", "sendAnalytics", "false"}).exitCode, 0);
        QCOMPARE(run({"--get", "units"}).out, QByteArray("1\n"));
        QCOMPARE(home.readSettingsFile(), QByteArray("[General]\nsendAnalytics=false\n\n"
                                                     "[display]\nbrightnessLevel=5\n\n"
                                                     "[locale]\nunits=1\n"));

        const QByteArray all = run({"-g"}).out;
        QVERIFY(all.contains("\nbrightnessLevel               = 5\n"));
        QVERIFY(all.contains("\nsendAnalytics                 = false\n"));
    }

    void listValuesPrintOnlyWithOneEntry()
    {
        TestHome home;
        home.writeSettingsFile("[home]\nappFirstLaunchList=VHPrint\n");
        QCOMPARE(run({"-g", "appFirstLaunchList"}).out, QByteArray("VHPrint\n"));
        home.writeSettingsFile("[home]\nappFirstLaunchList=VHPrint, VHHome\n");
        QCOMPARE(run({"-g", "appFirstLaunchList"}).out, QByteArray("\n"));
    }

    void incompleteSetWritesNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no value") << QStringList{"--set", "units"};
        QTest::newRow("empty value") << QStringList{"-s", "units", ""};
        QTest::newRow("value as fifth element") << QStringList{"-s", "units", "1", "2"};
    }

    void incompleteSetWritesNothing()
    {
        QFETCH(QStringList, arguments);
        TestHome home;
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray());
        QVERIFY(!QFile::exists(home.settingsFile()));
    }

    void unknownKeysFailCleanly_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("key");
        QTest::newRow("get, wrong case") << QStringList{"-g", "Language"} << "Language";
        QTest::newRow("set, absent") << QStringList{"-s", "nosuch", "1"} << "nosuch";
        QTest::newRow("set, wrong case") << QStringList{"--set", "Units", "1"} << "Units";
    }

    void unknownKeysFailCleanly()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, key);
        TestHome home;
        home.writeSettingsFile("[locale]\nunits=1\n");
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QByteArray());
        QVERIFY2(r.err.contains("unknown settings key \"" + key.toUtf8() + "\""), r.err);
        QCOMPARE(home.readSettingsFile(), QByteArray("[locale]\nunits=1\n"));
    }

    void failedWriteIsReported()
    {
        TestHome home;
        // The settings directory cannot be created: its name is taken by a file.
        QDir(home.configDir() + "/Varnholt").removeRecursively();
        QFile blocker(home.configDir() + "/Varnholt");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        const Run set = run({"-s", "units", "1"});
        QCOMPARE(set.exitCode, 1);
        QVERIFY2(set.err.contains("could not write \"units\""), set.err);
        const Run get = run({"-g", "units"});
        QCOMPARE(get.exitCode, 0);
        QCOMPARE(get.out, QByteArray("\n"));
    }

    // A line the INI reader cannot parse no longer decides how a write is
    // reported. As root no permission stops a write; a settings path with
    // room for the lock file's suffix but not for the temporary file's does,
    // after the parse error has been seen.
    void writeIsReportedByWhetherTheValueLanded_data()
    {
        QTest::addColumn<bool>("lands");
        QTest::newRow("lands") << true;
        QTest::newRow("does not land") << false;
    }

    void writeIsReportedByWhetherTheValueLanded()
    {
        QFETCH(bool, lands);
        TestHome home;
        QString configDir = home.configDir();
        const QString file = QStringLiteral("/Varnholt/Corvantis.ini");
        if (!lands) {
            const int maxPath = 4095;
            while (configDir.size() + 1 + 200 + file.size() < maxPath)
                configDir += '/' + QString(200, 'd');
            configDir += '/' + QString(maxPath - 5 - configDir.size() - 1 - file.size(), 'e');
        }
        QVERIFY(QDir().mkpath(configDir + "/Varnholt"));
        QFile settings(configDir + file);
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[x\ny\n");
        settings.close();
        QProcessEnvironment env = environment();
        env.insert("XDG_CONFIG_HOME", configDir);

        const Run set = run({"-s", "units", "1"}, env);
        const Run get = run({"-g", "units"}, env);
        if (lands) {
            QCOMPARE(set.exitCode, 0);
            QVERIFY2(!set.err.contains("could not write"), set.err);
            QCOMPARE(get.out, QByteArray("1\n"));
        } else {
            QCOMPARE(set.exitCode, 1);
            QVERIFY2(set.err.contains("could not write \"units\""), set.err);
            QCOMPARE(get.out, QByteArray("\n"));
        }
    }

    // Paths QSettings would block on for ever (a FIFO) or replace through a
    // symlink (a device node, here outside the settings folder).
    void settingsPathsThatAreNotRegularFilesAreRefused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("device");
        QTest::newRow("settings file is a FIFO") << "Varnholt/Corvantis.ini" << false;
        QTest::newRow("organization file is a FIFO") << "Varnholt.ini" << false;
        QTest::newRow("settings file links to a device") << "Varnholt/Corvantis.ini" << true;
    }

    void settingsPathsThatAreNotRegularFilesAreRefused()
    {
        QFETCH(QString, path);
        QFETCH(bool, device);
        TestHome home;
        const QString node = device ? home.path() + "/null" : home.configDir() + '/' + path;
        const QByteArray nodeName = QFile::encodeName(node);
        if (device) {
            if (::mknod(nodeName, S_IFCHR | 0666, makedev(1, 3)) != 0)
                QSKIP("no permission to make a device node");
            QVERIFY(QFile::link(node, home.configDir() + '/' + path));
        } else {
            QCOMPARE(::mkfifo(nodeName, 0666), 0);
        }

        const Run get = run({"-g", "units"});
        QCOMPARE(get.exitCode, 0);
        QCOMPARE(get.out, QByteArray("\n"));
        QVERIFY2(get.err.contains("is not a regular file"), get.err);
        const Run set = run({"-s", "units", "1"});
        QCOMPARE(set.exitCode, 1);
        QVERIFY2(set.err.contains("could not write \"units\""), set.err);

        struct stat status
        { };
        QCOMPARE(::stat(nodeName, &status), 0);
        QCOMPARE(device ? S_ISCHR(status.st_mode) : S_ISFIFO(status.st_mode), true);
    }

    // Our categories print warnings only, unless the rules ask for more:
    // here the removal of a copy left beside the settings file.
    void detailIsLoggedOnlyWhenAsked_data()
    {
        QTest::addColumn<QString>("rules");
        QTest::addColumn<bool>("logged");
        QTest::newRow("plain run") << "default.debug=false" << false;
        QTest::newRow("detail asked for") << "default.debug=false;vh.*=true" << true;
    }

    void detailIsLoggedOnlyWhenAsked()
    {
        QFETCH(QString, rules);
        QFETCH(bool, logged);
        TestHome home;
        QVERIFY(QDir().mkpath(home.configDir() + "/Varnholt"));
        QVERIFY(writeAgedFile(home.settingsFile() + ".AbCdEf", 120));
        QProcessEnvironment env = environment();
        env.insert("QT_LOGGING_RULES", rules);

        const Run set = run({"-s", "units", "1"}, env);
        QCOMPARE(set.exitCode, 0);
        QVERIFY(!QFile::exists(home.settingsFile() + ".AbCdEf"));
        QVERIFY2(set.err.contains("left by a writer that died") == logged, set.err);
    }

    void parserOptions()
    {
        TestHome home;
        Run r = run({"-x"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("Unknown option 'x'"), r.err);

        r = run({"-h"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains("Reads and configures system level settings"));
        QVERIFY(r.out.contains("Launch GUI into <tab enum>."));
        QVERIFY(r.out.contains("-s, --set <keyName>"));

        r = run({"-v"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray("VHSettings 3.0.5.5\n"));

        r = run({"-s"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("Missing value after '-s'"), r.err);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
