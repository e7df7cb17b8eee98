#include "ClockRequestQueue.h"
#include "FakeTool.h"
#include "GuiSession.h"
#include "PageActions.h"
#include "SettingsWindow.h"
#include "TestHome.h"

#include <QFile>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSaveFile>
#include <QSettings>
#include <QtTest>

#include <memory>

using Hits = QList<QPair<QString, QString>>;
using Runs = QList<QStringList>;

// The Date & Time page on the real window. The process runs on a clock of
// its own (libfaketime reads it from the file FAKETIME_TIMESTAMP_FILE
// names), and the timedatectl stand-in sets that clock as the real tool
// would set the system's.
class TestPageDateTime : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<FakeTools> m_tools;

    static QString clockFile() { return qEnvironmentVariable("FAKETIME_TIMESTAMP_FILE"); }

    static void setClock(const QByteArray &dateTime)
    {
        QSaveFile file(clockFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(dateTime + "\n");
        QVERIFY(file.commit());
        QCOMPARE(QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss").toLatin1(), dateTime);
    }

    static QString text(const SettingsWindow &w, const char *box)
    {
        return w.item(QString::fromLatin1(box))->property("currentText").toString();
    }

    static QStringList entries(const SettingsWindow &w, const char *box)
    {
        return w.item(QString::fromLatin1(box))->property("model").toStringList();
    }

    // Waits until the clock refresh has shown the clock again.
    // Waits until timedatectl has run every request and the page has read the clock again.
    static void waitForRefresh(const SettingsWindow &w)
    {
        QTRY_VERIFY(ClockRequestQueue::shared()->isIdle());
        QObject *timer = w.item("pageDateTime")->findChild<QObject *>("clockRefresh");
        QVERIFY(timer);
        QTRY_VERIFY(!timer->property("running").toBool());
    }

    QVariant stored(const QString &path) const
    {
        return QSettings(m_home->settingsFile(), QSettings::IniFormat).value(path);
    }

    Runs runs() const { return m_tools->runs("timedatectl"); }

    // Builds the window on the Date & Time tab with network time off.
    std::unique_ptr<SettingsWindow> manualWindow(bool twentyFourHour = false)
    {
        m_home->writeSettingsFile(QByteArray("[dateTime]\nautomaticDateTime=false\n24Hour=")
                                  + (twentyFourHour ? "true" : "false") + "\n");
        auto w = std::make_unique<SettingsWindow>(1);
        return w;
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_tools = std::make_unique<FakeTools>();
        // set-time with a date alone means midnight of that day, as the real tool does.
        m_tools->add("timedatectl",
                     "case \"$1\" in set-time)\n"
                     "  date -d \"$2\" '+%Y-%m-%d %H:%M:%S' > \"$FAKETIME_TIMESTAMP_FILE.new\" &&\n"
                     "  mv \"$FAKETIME_TIMESTAMP_FILE.new\" \"$FAKETIME_TIMESTAMP_FILE\";;\n"
                     "set-timezone) sleep 1; echo \"end:$2\" >> \"$0.log\";;\n"
                     "esac\n");
        setClock("2024-01-10 15:30:00");
    }

    void cleanup()
    {
        m_tools.reset();
        m_home.reset();
    }

    void twelveHourClockAndItsCalls()
    {
        auto w = manualWindow();
        QCOMPARE(text(*w, "hourBox"), QString("3"));
        QCOMPARE(text(*w, "minuteBox"), QString("30"));
        QCOMPARE(text(*w, "ampmBox"), QString("PM"));
        QCOMPARE(entries(*w, "hourBox").first(), QString("1"));
        QCOMPARE(entries(*w, "hourBox").size(), 12);

        PageActions::choose(w->item("minuteBox"), 45);
        QTRY_COMPARE(runs(), (Runs{{"set-time", "15:45"}}));
        waitForRefresh(*w);
        QCOMPARE(text(*w, "minuteBox"), QString("45"));

        PageActions::choose(w->item("monthBox"), 2);
        QTRY_COMPARE(runs().size(), 3);
        QCOMPARE(runs().mid(1), (Runs{{"set-time", "2024-3-10"}, {"set-time", "15:45"}}));
        waitForRefresh(*w);
        QCOMPARE(QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm"), QString("2024-03-10 15:45"));
        QCOMPARE(text(*w, "monthBox"), QString("March"));
        QCOMPARE(text(*w, "dayBox"), QString("10"));
        QCOMPARE(PageActions::settingHits(), (Hits{{"Minutes", "45"}, {"Month", "March"}}));
    }

    void hourTwelveIsMidnightOrNoon_data()
    {
        QTest::addColumn<QByteArray>("clock");
        QTest::addColumn<QString>("expected");
        QTest::newRow("AM") << QByteArray("2024-01-10 03:30:00") << "0:30";
        QTest::newRow("PM") << QByteArray("2024-01-10 15:30:00") << "12:30";
    }

    void hourTwelveIsMidnightOrNoon()
    {
        QFETCH(QByteArray, clock);
        QFETCH(QString, expected);
        setClock(clock);
        auto w = manualWindow();
        PageActions::choose(w->item("hourBox"), 11);
        QTRY_COMPARE(runs(), (Runs{{"set-time", expected}}));
        QCOMPARE(PageActions::settingHits(), (Hits{{"Hour", "12"}}));
    }

    // Only a change of half of the day sets the clock; the hour and minute
    // go out without leading zeros.
    void amPmMovesTheClockByTwelveHours_data()
    {
        QTest::addColumn<QByteArray>("clock");
        QTest::addColumn<int>("choice");
        QTest::addColumn<Runs>("expected");
        QTest::newRow("PM past noon") << QByteArray("2024-01-10 15:30:00") << 1 << Runs{};
        QTest::newRow("AM past noon") << QByteArray("2024-01-10 15:30:00") << 0 << Runs{{"set-time", "3:30"}};
        QTest::newRow("PM before noon")
            << QByteArray("2024-01-10 09:05:00") << 1 << Runs{{"set-time", "21:5"}};
        QTest::newRow("AM before noon") << QByteArray("2024-01-10 09:05:00") << 0 << Runs{};
    }

    void amPmMovesTheClockByTwelveHours()
    {
        QFETCH(QByteArray, clock);
        QFETCH(int, choice);
        QFETCH(Runs, expected);
        setClock(clock);
        auto w = manualWindow();
        PageActions::choose(w->item("ampmBox"), choice);
        waitForRefresh(*w);
        // A later call shows whether this choice made one of its own.
        QMetaObject::invokeMethod(w->contextObject("SettingsMain"), "setAutoTime", Q_ARG(bool, false));
        QTRY_COMPARE(runs().size(), expected.size() + 1);
        QCOMPARE(runs(), expected + Runs({{"set-ntp", "0"}}));
        const QPair<QString, QString> hit{"AM/PM", choice ? "PM" : "AM"};
        QCOMPARE(PageActions::settingHits().first(), hit);
    }

    void midnightShows_data()
    {
        QTest::addColumn<bool>("twentyFourHour");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<int>("hourEntries");
        QTest::addColumn<bool>("amPmShown");
        QTest::newRow("12-hour") << false << "12" << 12 << true;
        QTest::newRow("24-hour") << true << "0" << 24 << false;
    }

    void midnightShows()
    {
        QFETCH(bool, twentyFourHour);
        QFETCH(QString, hour);
        QFETCH(int, hourEntries);
        QFETCH(bool, amPmShown);
        setClock("2024-01-10 00:00:00");
        auto w = manualWindow(twentyFourHour);
        w->showTab(1);
        QTRY_COMPARE(w->item("pageDateTime")->opacity(), 1.0);
        QCOMPARE(text(*w, "hourBox"), hour);
        QCOMPARE(entries(*w, "hourBox").size(), hourEntries);
        QCOMPARE(w->item("ampmBox")->isVisible(), amPmShown);
        if (amPmShown)
            QCOMPARE(text(*w, "ampmBox"), QString("AM"));
    }

    void dayListFollowsMonthAndYear_data()
    {
        QTest::addColumn<QByteArray>("clock");
        QTest::addColumn<int>("days");
        QTest::newRow("February 2024") << QByteArray("2024-02-10 12:00:00") << 29;
        QTest::newRow("February 2023") << QByteArray("2023-02-10 12:00:00") << 28;
        QTest::newRow("February 2100 outside the years") << QByteArray("2100-02-10 12:00:00") << 28;
        QTest::newRow("April") << QByteArray("2024-04-10 12:00:00") << 30;
        QTest::newRow("December") << QByteArray("2024-12-31 12:00:00") << 31;
    }

    void dayListFollowsMonthAndYear()
    {
        QFETCH(QByteArray, clock);
        QFETCH(int, days);
        setClock(clock);
        auto w = manualWindow();
        const QStringList list = entries(*w, "dayBox");
        QCOMPARE(list.size(), days);
        QCOMPARE(list.last(), QString::number(days));
        QCOMPARE(text(*w, "dayBox"), QString::number(QDate::currentDate().day()));
    }

    void choosingAYearChangesTheDayList()
    {
        setClock("2024-02-10 15:30:00");
        auto w = manualWindow();
        QCOMPARE(text(*w, "yearBox"), QString("2024"));
        PageActions::choose(w->item("yearBox"), entries(*w, "yearBox").indexOf("2023"));
        QCOMPARE(entries(*w, "dayBox").size(), 28);
        QTRY_COMPARE(runs(), (Runs{{"set-time", "2023-2-10"}, {"set-time", "15:30"}}));
        waitForRefresh(*w);
        QCOMPARE(text(*w, "dayBox"), QString("10"));
        QCOMPARE(PageActions::settingHits(), (Hits{{"Year", "2023"}}));
    }

    void dateFormatIsStoredAsText()
    {
        auto w = manualWindow();
        QCOMPARE(text(*w, "dateFormatBox"), QString("MM/dd/yy"));
        PageActions::choose(w->item("dateFormatBox"), 3);
        QCOMPARE(stored("dateTime/dateFormat").toString(), QString("dd.MM.yy"));
        QCOMPARE(PageActions::settingHits(), (Hits{{"DateFormat", "dd.MM.yy"}}));
    }

    void automaticTimeHidesTheBoxes_data()
    {
        QTest::addColumn<bool>("twentyFourHour");
        QTest::newRow("12-hour") << false;
        QTest::newRow("24-hour") << true;
    }

    void automaticTimeHidesTheBoxes()
    {
        QFETCH(bool, twentyFourHour);
        m_home->writeSettingsFile(QByteArray("[dateTime]\n24Hour=") + (twentyFourHour ? "true" : "false")
                                  + "\n");
        SettingsWindow w(1);
        QTRY_COMPARE(w.item("pageDateTime")->opacity(), 1.0);
        const QStringList boxes{"hourBox", "minuteBox", "ampmBox", "monthBox", "dayBox", "yearBox"};
        const auto shown = [&] {
            QStringList visible;
            for (const QString &box : boxes) {
                if (w.item(box)->isVisible())
                    visible.append(box);
            }
            return visible;
        };
        QCOMPARE(shown(), QStringList());

        w.tap(w.item("autoTimeSwitch"));
        QStringList expected = boxes;
        if (twentyFourHour)
            expected.removeOne("ampmBox");
        QCOMPARE(shown(), expected);
        QCOMPARE(stored("dateTime/automaticDateTime").toBool(), false);

        w.tap(w.item("autoTimeSwitch"));
        QCOMPARE(shown(), QStringList());
        QCOMPARE(stored("dateTime/automaticDateTime").toBool(), true);
        QTRY_COMPARE(runs(), (Runs{{"set-ntp", "0"}, {"set-ntp", "1"}}));
        QCOMPARE(PageActions::settingHits(), (Hits{{"AutoDateTime", "false"}, {"AutoDateTime", "true"}}));
    }

    void twentyFourHourSwitchChangesTheHours()
    {
        auto w = manualWindow();
        w->showTab(1);
        QTRY_COMPARE(w->item("pageDateTime")->opacity(), 1.0);
        w->tap(w->item("twentyFourHourSwitch"));
        QCOMPARE(entries(*w, "hourBox").size(), 24);
        QVERIFY(!w->item("ampmBox")->isVisible());
        waitForRefresh(*w);
        QCOMPARE(text(*w, "hourBox"), QString("15"));
        QCOMPARE(stored("dateTime/24Hour").toBool(), true);

        PageActions::choose(w->item("hourBox"), 9);
        QTRY_COMPARE(runs(), (Runs{{"set-time", "9:30"}}));
        QCOMPARE(PageActions::settingHits(), (Hits{{"24HourTime", "true"}, {"Hour", "9"}}));
    }

    // The zone change takes the tool a second here; the time change made
    // right after it waits its turn instead of overtaking it.
    void zoneChangeThenTimeChangeKeepTheirOrder()
    {
        auto w = manualWindow();
        QQuickItem *zones = w->item("timeZoneBox");
        QCOMPARE(zones->property("currentText").toString(), QString("UTC"));
        const QStringList list = entries(*w, "timeZoneBox");
        QVERIFY(list.contains("Europe/Berlin"));
        QVERIFY(list.contains("Europe/Oslo"));
        QVERIFY(list.contains("America/Argentina/Buenos_Aires"));
        QStringList sorted = list;
        sorted.sort();
        QCOMPARE(list, sorted);

        PageActions::choose(zones, list.indexOf("Europe/Berlin"));
        PageActions::choose(w->item("minuteBox"), 45);
        QTRY_COMPARE_WITH_TIMEOUT(runs().size(), 2, 5000);
        QCOMPARE(runs(), (Runs{{"set-timezone", "Europe/Berlin"}, {"set-time", "15:45"}}));
        // The time change started only after the zone change had ended.
        QFile log(m_tools->logFile("timedatectl"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QList<QByteArray> events = log.readAll().split('\n');
        QCOMPARE(events.value(1), QByteArray("end:Europe/Berlin"));
        QCOMPARE(PageActions::settingHits(), (Hits{{"TimeZone", "Europe/Berlin"}, {"Minutes", "45"}}));
    }

    // The system may name UTC in any of tzdata's ways; the box shows the one it lists.
    void zoneAtLoadIsTheSystemsZone_data()
    {
        QTest::addColumn<QByteArray>("tz");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Etc/UTC") << QByteArray("Etc/UTC") << "UTC";
        QTest::newRow("Universal") << QByteArray("Universal") << "UTC";
        QTest::newRow("Europe/Berlin") << QByteArray("Europe/Berlin") << "Europe/Berlin";
    }

    void zoneAtLoadIsTheSystemsZone()
    {
        QFETCH(QByteArray, tz);
        QFETCH(QString, shown);
        const QByteArray saved = qgetenv("TZ");
        qputenv("TZ", tz);
        {
            SettingsWindow w(1);
            QCOMPARE(w.item("timeZoneBox")->property("currentText").toString(), shown);
        }
        qputenv("TZ", saved);
    }

    void unknownZoneIsRefused()
    {
        auto w = manualWindow();
        const int type = qmlTypeId("librariesqml.VHComponents", 1, 0, "VHTimezoneHelper");
        auto *helper = w->session().engine().singletonInstance<QObject *>(type);
        QVERIFY(helper);
        QTest::ignoreMessage(QtWarningMsg, "refusing unknown time zone \"Mars/Olympus\"");
        QMetaObject::invokeMethod(helper, "setTimezone", Q_ARG(QString, "Mars/Olympus"));
        QTest::ignoreMessage(QtWarningMsg, "refusing unknown time zone \"--help\"");
        QMetaObject::invokeMethod(helper, "setTimezone", Q_ARG(QString, "--help"));
        QMetaObject::invokeMethod(helper, "setTimezone", Q_ARG(QString, "Asia/Tokyo"));
        QTRY_COMPARE(runs(), (Runs{{"set-timezone", "Asia/Tokyo"}}));
        QVERIFY2(w->qmlProblems().isEmpty(), qPrintable(w->qmlProblems().join('\n')));
    }
};

QTEST_MAIN(TestPageDateTime)
#include "tst_pagedatetime.moc"
