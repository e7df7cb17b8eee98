#include "FakeTool.h"
#include "SettingHits.h"
#include "SettingsWindow.h"
#include "TestHome.h"
#include "UpdateHelper.h"
#include "UpdateSource.h"

#include <QQuickItem>
#include <QSettings>
#include <QTest>

#include <algorithm>
#include <memory>

// The Updates page on the real window, fed by the real updater, which
// talks to a release source on the loopback interface and hands images to
// a recording rauc.
class TestPageUpdates : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<FakeTools> m_tools;
    std::unique_ptr<UpdateSource> m_source;

    // The start-up has asked for a check by the time the window exists.
    static UpdateHelper *updater(const SettingsWindow &w)
    {
        return qobject_cast<UpdateHelper *>(w.contextObject("UpdateHelperClass"));
    }

    static bool settle(const SettingsWindow &w)
    {
        UpdateHelper *u = updater(w);
        return QTest::qWaitFor([u] { return !u->isChecking() && !u->isUpdating(); }, 10000);
    }

    static QString text(const SettingsWindow &w, const char *name)
    {
        return w.item(QString::fromLatin1(name))->property("text").toString();
    }

    static bool shown(const SettingsWindow &w, const char *name)
    {
        return w.item(QString::fromLatin1(name))->isVisible();
    }

    void openPage(const SettingsWindow &w)
    {
        w.showTab(3);
        QTRY_COMPARE(w.item("pageUpdates")->opacity(), 1.0);
    }

    void tapAction(const SettingsWindow &w, const QString &expectedHit)
    {
        w.tap(w.item("updateActionButton"));
        QCOMPARE(lastSettingHit(), expectedHit);
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_tools = std::make_unique<FakeTools>();
        m_tools->add("rauc", "echo ' 50% Copying image'");
        m_source = std::make_unique<UpdateSource>();
    }

    void cleanup()
    {
        UpdaterConfig::setFileForTests(QString());
        m_source.reset();
        m_tools.reset();
        m_home.reset();
    }

    // Re-installing the same version fails: the system is still up to date
    // and the error stays out of sight.
    void errorWhileReinstallableIsUpToDate()
    {
        const QByteArray image = UpdateSource::sampleImage();
        m_source->offer("3.0.5", image, "damaged");
        UpdaterConfig::setFileForTests(m_source->writeConfig(m_source->manifestUrl(), "3.0.5"));
        SettingsWindow w(3);
        openPage(w);
        QVERIFY(settle(w));
        QCOMPARE(text(w, "updateStatusText"), QStringLiteral("Up To Date"));
        QCOMPARE(text(w, "updateActionButton"), QStringLiteral("Re-install Update"));

        tapAction(w, "ReInstallUpdatesButton=Pressed");
        QVERIFY(updater(w)->isUpdating());
        QVERIFY(settle(w));
        QCOMPARE(updater(w)->error(), QStringLiteral("The downloaded update is damaged."));
        QCOMPARE(text(w, "updateStatusText"), QStringLiteral("Up To Date"));
        QCOMPARE(text(w, "updateActionButton"), QStringLiteral("Re-install Update"));
        QVERIFY(!shown(w, "updateErrorText"));
        QVERIFY(!shown(w, "updateProgressBar"));
        QCOMPARE(m_tools->runs("rauc").size(), 0);
    }

    // Nothing newer on offer, then the source goes quiet: still up to date,
    // and this check button has its own analytics name.
    void errorWhileNonUpdatableIsUpToDate()
    {
        m_source->offer("2.9", UpdateSource::sampleImage());
        UpdaterConfig::setFileForTests(m_source->writeConfig(m_source->manifestUrl(), "3.0", 1));
        SettingsWindow w(3);
        openPage(w);
        QVERIFY(settle(w));
        QCOMPARE(text(w, "updateStatusText"), QStringLiteral("Up To Date"));
        QCOMPARE(text(w, "updateAvailableVersion").contains("2.9"), true);

        m_source->server().setSilent(true);
        tapAction(w, "CheckForUpdate=Pressed");
        QCOMPARE(text(w, "updateStatusText"), QStringLiteral("Checking for updates..."));
        QVERIFY(!w.item("updateActionButton")->isEnabled());
        QVERIFY(!shown(w, "updateProgressBar"));
        QVERIFY(settle(w));
        QCOMPARE(updater(w)->error(), QStringLiteral("The update source cannot be reached."));
        QCOMPARE(text(w, "updateStatusText"), QStringLiteral("Up To Date"));
        QCOMPARE(text(w, "updateActionButton"), QStringLiteral("Check For Updates"));
        QVERIFY(w.item("updateActionButton")->isEnabled());
        QVERIFY(!shown(w, "updateErrorText"));
    }

    // A damaged download of a newer release: the error shows, and the
    // check offered after it is counted under its own name.
    void errorWhileUpdatableShowsIt()
    {
        const QByteArray image = UpdateSource::sampleImage();
        QByteArray damaged = image;
        damaged[10] = '#';
        m_source->server().setChunkSize(4096);
        m_source->offer("3.1", image, damaged);
        UpdaterConfig::setFileForTests(m_source->writeConfig(m_source->manifestUrl(), "3.0"));
        SettingsWindow w(3);
        openPage(w);
        QVERIFY(settle(w));
        QCOMPARE(text(w, "updateStatusText"), QStringLiteral("Updates Available"));
        QVERIFY(!shown(w, "updateProgressBar"));

        tapAction(w, "InstallUpdatesButton=Pressed");
        QCOMPARE(text(w, "updateStatusText"), QStringLiteral("Updating, Please Wait..."));
        QVERIFY(!shown(w, "updateActionButton"));
        QVERIFY(shown(w, "updateProgressBar"));
        QTRY_VERIFY(w.item("updateProgressBar")->property("value").toInt() > 0);
        QVERIFY(settle(w));

        QCOMPARE(text(w, "updateStatusText"), QStringLiteral("Error Updating"));
        QVERIFY(shown(w, "updateErrorText"));
        QCOMPARE(text(w, "updateErrorText"), QStringLiteral("The downloaded update is damaged."));
        QCOMPARE(text(w, "updateActionButton"), QStringLiteral("Check For Updates"));
        QVERIFY(shown(w, "updateProgressBar"));
        QVERIFY(!shown(w, "updateRestartText"));

        const int requests = m_source->server().requests().size();
        tapAction(w, "CheckForUpdatesButton=Pressed");
        QVERIFY(settle(w));
        QCOMPARE(m_source->server().requests().size(), requests + 1);
        QCOMPARE(text(w, "updateStatusText"), QStringLiteral("Updates Available"));
        QVERIFY(!shown(w, "updateErrorText"));
    }

    void finishedUpdateAsksForRestart()
    {
        m_source->offer("3.1", UpdateSource::sampleImage());
        UpdaterConfig::setFileForTests(m_source->writeConfig(m_source->manifestUrl(), "3.0"));
        SettingsWindow w(3);
        openPage(w);
        QVERIFY(settle(w));
        QVERIFY(!shown(w, "updateRestartText"));
        tapAction(w, "InstallUpdatesButton=Pressed");
        QVERIFY(settle(w));
        QCOMPARE(m_tools->runs("rauc").size(), 1);
        QCOMPARE(text(w, "updateStatusText"), QStringLiteral("Update Finished"));
        QVERIFY(shown(w, "updateRestartText"));
        QVERIFY(shown(w, "updateProgressBar"));
        QCOMPARE(w.item("updateProgressBar")->property("value").toInt(), 100);
        QVERIFY(!shown(w, "updateErrorText"));
        // Whatever comes after: a finished update waits for the restart.
        updater(w)->checkForNetworkUpdate();
        QVERIFY(settle(w));
        QCOMPARE(text(w, "updateStatusText"), QStringLiteral("Update Finished"));
    }

    // The start-up check finishes while another page shows.
    void lastCheckIsStoredWhileHidden()
    {
        m_home->writeSettingsFile("[updates]\nlastUpdateCheck=2026-01-02 03:04\n");
        m_source->offer("3.0", UpdateSource::sampleImage());
        m_source->server().setSilent(true);
        UpdaterConfig::setFileForTests(m_source->writeConfig(m_source->manifestUrl(), "3.0", 1));
        SettingsWindow w(0);
        QVERIFY(settle(w));
        QCOMPARE(text(w, "updateLastChecked"), QStringLiteral("Last Checked: 2026-01-02 03:04"));

        m_source->server().setSilent(false);
        updater(w)->checkForNetworkUpdate();
        QVERIFY(settle(w));
        const QString checkedAt = updater(w)->lastUpdateCheck();
        QVERIFY(!checkedAt.isEmpty());
        QVERIFY(!w.item("pageUpdates")->isVisible());
        QSettings stored(m_home->settingsFile(), QSettings::IniFormat);
        QCOMPARE(stored.value("updates/lastUpdateCheck").toString(), checkedAt);
        QCOMPARE(text(w, "updateLastChecked"), "Last Checked: " + checkedAt);
    }

    // The installed version is whatever the os-release file says; markup in
    // it is shown as it stands, never rendered.
    void versionsAreShownAsPlainText()
    {
        const QString installed = "3.0<img src=x.png><b>5</b>";
        m_source->offer("3.1", UpdateSource::sampleImage());
        UpdaterConfig::setFileForTests(m_source->writeConfig(m_source->manifestUrl(), installed));
        SettingsWindow w(3);
        openPage(w);
        QVERIFY(settle(w));
        QCOMPARE(text(w, "updateCurrentVersion"), installed);
        const QList<QQuickItem *> parts = w.item("updateCurrentVersion")->childItems();
        const auto shown = std::find_if(parts.begin(), parts.end(), [&](QQuickItem *part) {
            return part->property("text").toString() == installed;
        });
        QVERIFY(shown != parts.end());
        QCOMPARE((*shown)->property("textFormat").toInt(), 0); // Text.PlainText
    }

    // A source on local storage answers before the Updates page is built.
    void quickStartupCheckIsShownAndStored()
    {
        m_source->writeFile("manifest.json", UpdateSource::manifest("3.1", UpdateSource::sampleImage()));
        const QUrl source = QUrl::fromLocalFile(m_source->path("manifest.json"));
        UpdaterConfig::setFileForTests(m_source->writeConfig(source, "3.0"));
        SettingsWindow w(0);
        QVERIFY(settle(w));
        const QString checkedAt = updater(w)->lastUpdateCheck();
        QVERIFY(!checkedAt.isEmpty());
        QSettings stored(m_home->settingsFile(), QSettings::IniFormat);
        QCOMPARE(stored.value("updates/lastUpdateCheck").toString(), checkedAt);
        openPage(w);
        QCOMPARE(text(w, "updateLastChecked"), "Last Checked: " + checkedAt);
    }

    void automaticCheckSwitch()
    {
        m_home->writeSettingsFile("[updates]\nautomaticUpdateCheck=false\n");
        SettingsWindow w(3);
        openPage(w);
        QQuickItem *toggle = w.item("updateAutoCheckSwitch");
        QVERIFY(!toggle->property("checked").toBool());
        w.tap(toggle);
        QVERIFY(toggle->property("checked").toBool());
        QSettings stored(m_home->settingsFile(), QSettings::IniFormat);
        QCOMPARE(stored.value("updates/automaticUpdateCheck").toString(), QStringLiteral("true"));
        QCOMPARE(lastSettingHit(), QStringLiteral("AutomaticUpdateCheck=true"));
        QVERIFY2(w.qmlProblems().isEmpty(), qPrintable(w.qmlProblems().join('\n')));
    }
};

QTEST_MAIN(TestPageUpdates)
#include "tst_pageupdates.moc"
