#include "FrozenProcess.h"
#include "PageActions.h"
#include "PrivateBus.h"
#include "ReferenceDaemon.h"
#include "SettingsWindow.h"
#include "TestHome.h"
#include "UbootEnvironment.h"

#include <QElapsedTimer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

#include <memory>

// The window while the utility daemon hangs (stopped with SIGSTOP): it
// starts, answers touches at once, and what the user changed meanwhile
// reaches the daemon once it goes on.
class TestFrozenDaemon : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<TestHome> m_home;

    // Far below the daemon calls' time-outs, far above a touch's work.
    static constexpr qint64 kAtOnceMsecs = 1000;

    std::unique_ptr<ReferenceDaemon> startDaemon()
    {
        auto daemon = std::make_unique<ReferenceDaemon>(VH_UTILITYD_PATH, m_bus->address());
        if (daemon->isValid() && m_bus->waitForService("com.varnholt.VHUtilityd"))
            return daemon;
        qWarning() << "the reference daemon did not come up:" << daemon->errorString();
        return nullptr;
    }

    static QQuickItem *networkingEntry(const SettingsWindow &w)
    {
        return w.item(QStringLiteral("sideBarButton_2"));
    }

    static bool networkingShown(const SettingsWindow &w)
    {
        QQuickItem *entry = networkingEntry(w);
        return entry && entry->isVisible();
    }

private slots:
    void initTestCase()
    {
        m_bus = std::make_unique<PrivateBus>();
        QVERIFY2(m_bus->isValid(), qPrintable(m_bus->errorString()));
    }

    void cleanupTestCase() { m_bus.reset(); }

    void init() { m_home = std::make_unique<TestHome>(); }

    void cleanup() { m_home.reset(); }

    void startsWithoutTheDaemonAndShowsNetworkingOnlyWhenKnown_data()
    {
        QTest::addColumn<QString>("ship");
        QTest::addColumn<bool>("military");
        QTest::newRow("plain") << "0" << false;
        QTest::newRow("military") << "2" << true;
    }

    void startsWithoutTheDaemonAndShowsNetworkingOnlyWhenKnown()
    {
        QFETCH(QString, ship);
        QFETCH(bool, military);
        UbootEnvironment device({{"vhShip", ship}});
        QVERIFY2(device.isValid(), qPrintable(device.errorString()));
        const std::unique_ptr<ReferenceDaemon> daemon = startDaemon();
        QVERIFY(daemon);
        FrozenProcess frozen(daemon->processId());

        SettingsWindow w(0);
        QVERIFY(w.window());
        QTRY_COMPARE(w.item("pageGeneral")->opacity(), 1.0);
        auto *settings = w.contextObject("SettingsMain");
        auto *variant = settings->property("shipVariant").value<QObject *>();
        QVERIFY(!variant->property("known").toBool());
        QVERIFY(!networkingShown(w));
        bool everShown = false;
        if (QQuickItem *entry = networkingEntry(w)) {
            connect(entry, &QQuickItem::visibleChanged, this,
                    [&everShown, entry] { everShown = everShown || entry->isVisible(); });
        }

        frozen.thaw();
        QTRY_VERIFY(variant->property("known").toBool());
        QCOMPARE(settings->property("isMilitaryShipped").toBool(), military);
        QTRY_COMPARE(networkingShown(w), !military);
        QCOMPARE(everShown, !military);
        // A request for the tab is honoured whatever the entry.
        w.showTab(2);
        QTRY_VERIFY(w.item("pageNetworking") && w.item("pageNetworking")->property("display").toBool());
    }

    void changesMadeWhileFrozenAnswerAtOnceAndLandInOrder()
    {
        UbootEnvironment device({});
        QVERIFY2(device.isValid(), qPrintable(device.errorString()));
        const std::unique_ptr<ReferenceDaemon> daemon = startDaemon();
        QVERIFY(daemon);
        SettingsWindow w(0);
        QVERIFY(w.window());
        QTRY_COMPARE(w.item("pageGeneral")->opacity(), 1.0);
        QQuickItem *slider = w.item("brightnessSlider");

        FrozenProcess frozen(daemon->processId());
        QElapsedTimer timer;
        timer.start();
        PageActions::drag(w.window(), slider, -400);
        QVERIFY2(timer.elapsed() < kAtOnceMsecs, QByteArray::number(timer.elapsed()));
        QCOMPARE(slider->property("value").toReal(), 1.0);
        timer.restart();
        PageActions::drag(w.window(), slider, slider->width() - 1);
        QVERIFY2(timer.elapsed() < kAtOnceMsecs, QByteArray::number(timer.elapsed()));
        QCOMPARE(slider->property("value").toReal(), 9.0);

        w.showTab(1);
        QTRY_COMPARE(w.item("pageDateTime")->opacity(), 1.0);
        QQuickItem *twentyFour = w.item("twentyFourHourSwitch");
        PageActions::scrollTo(twentyFour);
        timer.restart();
        w.tap(twentyFour);
        QVERIFY2(timer.elapsed() < kAtOnceMsecs, QByteArray::number(timer.elapsed()));
        QCOMPARE(twentyFour->property("checked").toBool(), true);

        frozen.thaw();
        // The last brightness wins only when the calls arrive in order.
        QTRY_COMPARE(daemon->backlight(), QByteArray("90"));
        QTRY_COMPARE(daemon->state().value("twentyFourHourMode").toBool(), true);
        QCOMPARE(daemon->state().value("displayBrightness").toInt(), 9);
    }
};

QTEST_MAIN(TestFrozenDaemon)
#include "tst_frozendaemon.moc"
