#include "AgedFile.h"
#include "AnalyticsLibrary.h"
#include "SettingsFile.h"
#include "TestHome.h"
#include "VHSettingsMain.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QMetaMethod>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <stdexcept>
#include <unistd.h>

// The settings store: snapshot at construction, write-through to the INI
// file, the first-launch list, unknown keys and files that cannot be used.
class TestSettingsStore : public QObject
{
    Q_OBJECT

private:
    static QSettings openSettings()
    {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, "Varnholt", "Corvantis");
    }

    // Spies on every notify signal of the object, first-launch list included.
    static std::vector<std::unique_ptr<QSignalSpy>> spyOnAllSignals(VHSettingsMain *settings)
    {
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        const QMetaObject *mo = settings->metaObject();
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
            const QMetaMethod method = mo->method(i);
            if (method.methodType() == QMetaMethod::Signal)
                spies.push_back(std::make_unique<QSignalSpy>(settings, method));
        }
        return spies;
    }

    static QList<QJsonObject> analyticsHits()
    {
        QList<QJsonObject> hits;
        QFile spool(AnalyticsLibrary::spoolFilePath());
        if (!spool.open(QIODevice::ReadOnly))
            return hits;
        for (const QByteArray &line : spool.readAll().split('\n')) {
            if (!line.isEmpty())
                hits.append(QJsonDocument::fromJson(line).object());
        }
        return hits;
    }

private slots:
    void initTestCase()
    {
        // The daemon is absent in these tests; its log lines are expected.
        QLoggingCategory::setFilterRules("default.debug=false");
    }

    void defaultsWhenFileIsMissing()
    {
        TestHome home;
        VHSettingsMain settings;
        QVERIFY(!QFile::exists(home.settingsFile()));
        // The store finds the file without opening it, where QSettings keeps it.
        QCOMPARE(SettingsFile::path(), openSettings().fileName());
        QCOMPARE(settings.getSetting("brightnessLevel", 7), QVariant(7));
        QCOMPARE(settings.property("settingDisplayBrightness").toUInt(), 7u);
        QCOMPARE(settings.property("settingDisplayDimming").toInt(), 2);
        QCOMPARE(settings.property("settingDisplayPower").toInt(), 11);
        QCOMPARE(settings.property("settingZoomeLevel").toUInt(), 2u);
        QCOMPARE(settings.property("settingDateFormat").toString(), QString("MM/dd/yy"));
        QCOMPARE(settings.property("settingPrivacyAnalytics").toBool(), true);
        QCOMPARE(settings.property("settingDateTimeAuto").toBool(), true);
        QCOMPARE(settings.property("settingLockscreenAuto").toBool(), true);
        QCOMPARE(settings.property("settingDateTime24Hour").toBool(), false);
        QCOMPARE(settings.property("settingUnits").toUInt(), 0u);
        QCOMPARE(settings.property("settingFirstLaunchAppList").toStringList(), QStringList());
        // Reading creates nothing.
        QVERIFY(!QFile::exists(home.settingsFile()));
    }

    void snapshotConvertsStoredText()
    {
        TestHome home;
        home.writeSettingsFile("[locale]\nunits=1\nlanguage=de_DE\n"
                               "[display]\nbrightnessLevel=4\ndimmingInactive=-1\n"
                               "[dateTime]\n24Hour=true\ndateFormat=dd.MM.yyyy\n"
                               "[home]\nzoomLevel=abc\nappFirstLaunchList=VHHome, VHPrint\n"
                               "[General]\nsendAnalytics=false\nmountSharedFolder=true\n");
        VHSettingsMain settings;
        QCOMPARE(settings.property("settingUnits").toUInt(), 1u);
        QCOMPARE(settings.property("settingLanguage").toString(), QString("de_DE"));
        QCOMPARE(settings.property("settingDisplayBrightness").toUInt(), 4u);
        QCOMPARE(settings.property("settingDisplayDimming").toInt(), -1);
        QCOMPARE(settings.property("settingDateTime24Hour").toBool(), true);
        QCOMPARE(settings.property("settingDateFormat").toString(), QString("dd.MM.yyyy"));
        QCOMPARE(settings.property("settingZoomeLevel").toUInt(), 0u); // not a number
        QCOMPARE(settings.property("settingFirstLaunchAppList").toStringList(),
                 QStringList({"VHHome", "VHPrint"}));
        QCOMPARE(settings.property("settingPrivacyAnalytics").toBool(), false);
        QCOMPARE(settings.property("settingMountSharedFolder").toBool(), true);
    }

    void writeGoesToTheKeysGroupWithoutTouchingTheSnapshot()
    {
        TestHome home;
        VHSettingsMain settings;
        auto spies = spyOnAllSignals(&settings);

        settings.setSetting("units", 1);
        settings.setSetting("brightnessLevel", 5);
        settings.setSetting("timezone", "Europe/Berlin");
        settings.setSetting("sendAnalytics", false);

        QCOMPARE(settings.getSetting("units", ""), QVariant("1"));
        QCOMPARE(settings.getSetting("sendAnalytics", true).toBool(), false);
        QCOMPARE(settings.property("settingUnits").toUInt(), 0u);
        QCOMPARE(settings.property("settingDisplayBrightness").toUInt(), 7u);
        for (const auto &spy : spies)
            QCOMPARE(spy->count(), 0);

        const QSettings file = openSettings();
        QCOMPARE(file.value("locale/units").toString(), QString("1"));
        QCOMPARE(file.value("display/brightnessLevel").toString(), QString("5"));
        QCOMPARE(file.value("dateTime/timezone").toString(), QString("Europe/Berlin"));
        QCOMPARE(file.value("sendAnalytics").toString(), QString("false"));
        const QByteArray raw = home.readSettingsFile();
        QVERIFY(raw.contains("[General]\nsendAnalytics=false\n"));
        QVERIFY(!raw.contains("[privacy]"));
        QVERIFY(raw.contains("[display]\nbrightnessLevel=5\n"));
    }

    void firstLaunchListAppendsAndSignalsEveryWrite()
    {
        TestHome home;
        VHSettingsMain settings;
        QSignalSpy listChanged(&settings, &VHSettingsMain::settingFirstLaunchAppListChanged);

        settings.setSetting("appFirstLaunchList", "VHPrint");
        settings.setSetting("appFirstLaunchList", "VHPrint");

        const QStringList expected{"VHPrint", "VHPrint"};
        QCOMPARE(listChanged.count(), 2);
        QCOMPARE(listChanged.at(0).at(0).toStringList(), QStringList{"VHPrint"});
        QCOMPARE(listChanged.at(1).at(0).toStringList(), expected);
        QCOMPARE(settings.property("settingFirstLaunchAppList").toStringList(), expected);
        QCOMPARE(openSettings().value("home/appFirstLaunchList").toStringList(), expected);
    }

    void seesWritesOfAnotherProcess()
    {
        TestHome home;
        VHSettingsMain settings;
        QCOMPARE(settings.getSetting("units", ""), QVariant(""));

        QProcess tool;
        tool.start(VHSETTINGS_EXE, {"-s", "units", "1"});
        QVERIFY(tool.waitForFinished(10000));
        QCOMPARE(tool.exitCode(), 0);

        QCOMPARE(settings.getSetting("units", ""), QVariant("1"));
    }

    // A writer killed between creating the lock file and writing its process
    // id leaves it empty; QLockFile alone would wait 30 s for it.
    void deadWritersLockDelaysAWriteAtMostASecond()
    {
        TestHome home;
        const QString lock = home.settingsFile() + ".lock";
        QVERIFY(writeAgedFile(lock, 0));
        VHSettingsMain settings;

        QElapsedTimer timer;
        timer.start();
        QVERIFY(settings.writeSetting("units", 1));
        QVERIFY2(timer.elapsed() < 1200, qPrintable(QString::number(timer.elapsed()) + " ms"));
        QCOMPARE(settings.getSetting("units", ""), QVariant("1"));
        QVERIFY(!QFile::exists(lock));
    }

    // A copy that a killed writer left beside the file goes with the next
    // successful write.
    void writeClearsLeftoversOfKilledWriters()
    {
        TestHome home;
        const QString leftover = home.settingsFile() + ".AbCdEf";
        QVERIFY(writeAgedFile(leftover, 120));
        VHSettingsMain settings;
        QVERIFY(settings.writeSetting("units", 1));
        QVERIFY(!QFile::exists(leftover));
    }

    // The lock of a writer that is alive is waited for however old it is.
    void liveWritersLockIsWaitedFor()
    {
        TestHome home;
        QLockFile held(home.settingsFile() + ".lock");
        QVERIFY(held.lock());

        QProcess writer;
        writer.start(VHSETTINGS_EXE, {"-s", "units", "2"});
        QVERIFY(writer.waitForStarted());
        // Well past the half second after which a lock without a live owner
        // is cleared.
        QVERIFY(!writer.waitForFinished(1500));
        QVERIFY(held.isLocked() && QFile::exists(home.settingsFile() + ".lock"));
        QCOMPARE(openSettings().value("locale/units"), QVariant());

        held.unlock();
        QVERIFY(writer.waitForFinished(10000));
        QCOMPARE(writer.exitCode(), 0);
        QCOMPARE(openSettings().value("locale/units"), QVariant("2"));
    }

    void unknownKeysAreRejectedBeforeAnythingIsWritten_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("capitalised") << "Language";
        QTest::newRow("absent") << "nosuch";
        QTest::newRow("empty") << "";
        QTest::newRow("group path") << "display/brightnessLevel";
    }

    void unknownKeysAreRejectedBeforeAnythingIsWritten()
    {
        QFETCH(QString, key);
        TestHome home;
        home.writeSettingsFile("[locale]\nunits=1\n");
        const QByteArray before = home.readSettingsFile();
        VHSettingsMain settings;

        QVERIFY_EXCEPTION_THROWN(settings.writeSetting(key, 1), std::out_of_range);
        QVERIFY_EXCEPTION_THROWN(settings.readSetting(key, 1), std::out_of_range);

        // The slots QML calls must never let the exception reach the event loop.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("setSetting: unknown settings key"));
        settings.setSetting(key, 1);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("getSetting: unknown settings key"));
        QVERIFY(!settings.getSetting(key, 1).isValid());

        QCOMPARE(home.readSettingsFile(), before);
    }

    void unusableSettingsFileIsSurvived_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("directory is a file") << "dir-is-file";
        QTest::newRow("file is a directory") << "file-is-dir";
        QTest::newRow("read-only file") << "read-only";
    }

    void unusableSettingsFileIsSurvived()
    {
        QFETCH(QString, kind);
        TestHome home;
        const QString varnholt = home.configDir() + "/Varnholt";
        if (kind == "dir-is-file") {
            QDir(varnholt).removeRecursively();
            QFile file(varnholt);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (kind == "file-is-dir") {
            QVERIFY(QDir().mkpath(home.settingsFile()));
        } else {
            if (geteuid() == 0)
                QSKIP("file permissions do not bind root");
            home.writeSettingsFile("[display]\nbrightnessLevel=3\n");
            QFile(home.settingsFile()).setPermissions(QFile::ReadOwner);
        }

        VHSettingsMain settings;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not write"));
        QCOMPARE(settings.writeSetting("units", 1), false);
        if (kind == "read-only")
            QCOMPARE(settings.getSetting("brightnessLevel", 7), QVariant("3"));
        else
            QCOMPARE(settings.getSetting("brightnessLevel", 7), QVariant(7));
    }

    void malformedLinesAreSkippedAndTheRestKept()
    {
        TestHome home;
        home.writeSettingsFile("[display]\nbrightnessLevel=3\n\xff\xfe garbage\n[locale\n"
                               "[home]\nzoomLevel=4\n");
        VHSettingsMain settings;
        QCOMPARE(settings.property("settingDisplayBrightness").toUInt(), 3u);
        QVERIFY(settings.writeSetting("units", 1));
        const QSettings file = openSettings();
        QCOMPARE(file.value("display/brightnessLevel").toString(), QString("3"));
        QCOMPARE(file.value("home/zoomLevel").toString(), QString("4"));
        QCOMPARE(file.value("locale/units").toString(), QString("1"));
    }

    void analyticHitCarriesTheSessionOfItsObject()
    {
        TestHome home;
        VHSettingsMain first;
        VHSettingsMain second;
        first.sendAnalyticHit("Brightness", 5);
        first.sendAnalyticHit("24HourClock", true);
        second.sendAnalyticHit("Units", "Metric");

        const QList<QJsonObject> hits = analyticsHits();
        QCOMPARE(hits.size(), 3);
        const QJsonObject brightness = hits.at(0).value("hit").toObject();
        QCOMPARE(hits.at(0).value("hitType").toInt(), 6);
        QCOMPARE(brightness.value("settingName").toString(), QString("Brightness"));
        QCOMPARE(brightness.value("newValue").toString(), QString("5"));
        QCOMPARE(brightness.value("eventType").toString(), QString("Setting_Change"));
        QCOMPARE(hits.at(1).value("hit").toObject().value("newValue").toString(), QString("true"));

        const QString session = brightness.value("sessionId").toString();
        QCOMPARE(session.size(), 36);
        QVERIFY(!session.contains('{') && !session.contains('}'));
        QCOMPARE(hits.at(1).value("hit").toObject().value("sessionId").toString(), session);
        QVERIFY(hits.at(2).value("hit").toObject().value("sessionId").toString() != session);
        // The hit is the page's to send; the settings file is not touched.
        QVERIFY(!QFile::exists(home.settingsFile()));
    }

    void analyticsRespectTheUsersOptOut()
    {
        TestHome home;
        VHSettingsMain settings;
        settings.setSetting("sendAnalytics", false);
        settings.sendAnalyticHit("Brightness", 5);
        QVERIFY(analyticsHits().isEmpty());

        settings.setSetting("sendAnalytics", "true");
        settings.sendAnalyticHit("Brightness", 6);
        QCOMPARE(analyticsHits().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
