#include "PageActions.h"
#include "PrivateBus.h"
#include "ReferenceDaemon.h"
#include "SettingsWindow.h"
#include "TestHome.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QtTest>

#include <memory>

using Hits = QList<QPair<QString, QString>>;

// The General page on the real window with the real settings core, whose
// display settings reach the reference utility daemon on a private bus.
class TestPageGeneral : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<ReferenceDaemon> m_daemon;
    std::unique_ptr<TestHome> m_home;

    QVariant stored(const QString &path) const
    {
        return QSettings(m_home->settingsFile(), QSettings::IniFormat).value(path);
    }

    static void waitShown(const SettingsWindow &w)
    {
        QVERIFY(w.window());
        QTRY_COMPARE(w.item("pageGeneral")->opacity(), 1.0);
    }

    static void tapSwitch(const SettingsWindow &w, const char *name)
    {
        QQuickItem *control = w.item(QString::fromLatin1(name));
        PageActions::scrollTo(control);
        w.tap(control);
    }

private slots:
    void initTestCase()
    {
        // The window's settings core connects to the system bus once per process.
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

    void init() { m_home = std::make_unique<TestHome>(); }

    void cleanup() { m_home.reset(); }

    void choicesStoreTheIndexAndSendEnglish_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("hitName");
        QTest::addColumn<QString>("hitValue");
        QTest::newRow("power never") << QByteArray() << "powerBox" << 11 << "display/powerInactive"
                                     << "Power"
                                     << "Never";
        QTest::newRow("dimming 3 minutes") << QByteArray() << "dimmingBox" << 2 << "display/dimmingInactive"
                                           << "Dimming"
                                           << "3 minutes";
        QTest::newRow("German window, power 1 hour")
            << QByteArray("de_DE") << "powerBox" << 8 << "display/powerInactive"
            << "Power"
            << "1 hour";
        QTest::newRow("units mm") << QByteArray() << "unitsBox" << 1 << "locale/units"
                                  << "Units"
                                  << "MM";
        QTest::newRow("units inches") << QByteArray() << "unitsBox" << 0 << "locale/units"
                                      << "Units"
                                      << "Inches";
    }

    void choicesStoreTheIndexAndSendEnglish()
    {
        QFETCH(QByteArray, language);
        QFETCH(QString, box);
        QFETCH(int, index);
        QFETCH(QString, path);
        QFETCH(QString, hitName);
        QFETCH(QString, hitValue);
        if (!language.isEmpty())
            m_home->writeSettingsFile("[locale]\nlanguage=" + language + "\n");
        SettingsWindow w(0);
        waitShown(w);

        PageActions::choose(w.item(box), index);
        QCOMPARE(stored(path).toInt(), index);
        QCOMPARE(PageActions::settingHits(), (Hits{{hitName, hitValue}}));
    }

    void timeoutBoxesStartFromTheStoredIndex()
    {
        m_home->writeSettingsFile("[display]\ndimmingInactive=7\npowerInactive=0\n");
        SettingsWindow w(0);
        QCOMPARE(w.item("dimmingBox")->property("currentText").toString(), QString("45 minutes"));
        QCOMPARE(w.item("powerBox")->property("currentText").toString(), QString("1 minute"));
    }

    void brightnessStaysInRangeAndReachesTheDaemon()
    {
        SettingsWindow w(0);
        waitShown(w);
        QQuickItem *slider = w.item("brightnessSlider");
        QCOMPARE(slider->property("value").toInt(), 7);

        // Dragged far past either end, it stops at 1 and 9.
        PageActions::drag(w.window(), slider, -400);
        QCOMPARE(slider->property("value").toReal(), 1.0);
        QCOMPARE(stored("display/brightnessLevel").toInt(), 1);
        QTRY_COMPARE(m_daemon->backlight(), QByteArray("10"));

        PageActions::drag(w.window(), slider, slider->width() - 1);
        QCOMPARE(slider->property("value").toReal(), 9.0);
        QCOMPARE(stored("display/brightnessLevel").toInt(), 9);
        QTRY_COMPARE(m_daemon->backlight(), QByteArray("90"));

        const Hits hits = PageActions::settingHits();
        QVERIFY(!hits.isEmpty());
        for (const auto &hit : hits) {
            QCOMPARE(hit.first, QString("Brightness"));
            const int level = hit.second.toInt();
            QVERIFY2(level >= 1 && level <= 9, qPrintable(hit.second));
        }
        QCOMPARE(hits.last().second, QString("9"));
    }

    void sharedFolderShowsTheDialogEachTimeItGoesOn()
    {
        SettingsWindow w(0);
        waitShown(w);
        QQuickItem *dialog = w.item("msdInfoDialog");
        QQuickItem *hint = w.item("sharedFolderHint");
        QVERIFY(!hint->isVisible());

        for (int round = 0; round < 2; ++round) {
            tapSwitch(w, "sharedFolderSwitch");
            QVERIFY(dialog->isVisible());
            QVERIFY(hint->isVisible());
            QCOMPARE(stored("mountSharedFolder").toBool(), true);
            w.tap(w.item("msdInfoOk"));
            QVERIFY(!dialog->isVisible());

            tapSwitch(w, "sharedFolderSwitch");
            QVERIFY(!dialog->isVisible());
            QVERIFY(!hint->isVisible());
            QCOMPARE(stored("mountSharedFolder").toBool(), false);
        }
        QCOMPARE(PageActions::settingHits(), Hits());
    }

    void doubleClickHintComparesWithTheStateAtLoad()
    {
        m_home->writeSettingsFile("[home]\ndoubleClickOpen=true\n");
        SettingsWindow w(0);
        waitShown(w);
        QQuickItem *hint = w.item("doubleClickHint");
        QVERIFY(!hint->isVisible());
        tapSwitch(w, "doubleClickSwitch");
        QVERIFY(hint->isVisible());
        QCOMPARE(stored("home/doubleClickOpen").toBool(), false);
        tapSwitch(w, "doubleClickSwitch");
        QVERIFY(!hint->isVisible());
        QCOMPARE(PageActions::settingHits(), (Hits{{"DoubleClick", "false"}, {"DoubleClick", "true"}}));
    }

    // The page reports the change also when analytics goes off; the
    // analytics library then honours the new opt-out and drops that hit.
    void analyticsSwitchReportsBothWays()
    {
        QLoggingCategory::setFilterRules("vh.analytics.debug=true");
        SettingsWindow w(0);
        waitShown(w);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("opted out(?=.*\"settingName\":\"SendAnalytics\")"
                                                            "(?=.*\"newValue\":\"false\")"));
        tapSwitch(w, "analyticsSwitch");
        QCOMPARE(stored("sendAnalytics").toBool(), false);
        tapSwitch(w, "analyticsSwitch");
        QCOMPARE(stored("sendAnalytics").toBool(), true);
        QCOMPARE(PageActions::settingHits(), (Hits{{"SendAnalytics", "true"}}));
    }

    void firstBootSwitchShowsAndStoresTheKey()
    {
        m_home->writeSettingsFile("[initialization]\nfirstBootApplication=true\n");
        SettingsWindow w(0);
        waitShown(w);
        QCOMPARE(w.item("firstBootSwitch")->property("checked").toBool(), true);
        tapSwitch(w, "firstBootSwitch");
        QCOMPARE(stored("initialization/firstBootApplication").toBool(), false);
        QCOMPARE(PageActions::settingHits(), (Hits{{"Initialization", "false"}}));
        QVERIFY2(w.qmlProblems().isEmpty(), qPrintable(w.qmlProblems().join('\n')));
    }
};

QTEST_MAIN(TestPageGeneral)
#include "tst_pagegeneral.moc"
