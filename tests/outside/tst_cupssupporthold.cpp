// CupsSupport's exchanges held back while a program starts, against a real
// cupsd: reads and writes that nobody waits for start only once released,
// in the order asked for; a read that is waited for ends the hold at once.
#include "CupsScheduler.h"
#include "CupsSupport.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

class tst_CupsSupportHold : public QObject
{
    Q_OBJECT

    std::unique_ptr<CupsScheduler> m_cups;

private slots:
    void initTestCase()
    {
        m_cups = std::make_unique<CupsScheduler>("2");
        QVERIFY2(m_cups->isRunning(), qPrintable(m_cups->errorString()));
    }

    void init()
    {
        m_cups->clearOptions();
        m_cups->writeUserOptions("Feed=4");
    }

    void cleanup() { CupsSupport::releaseBackgroundExchanges(); }

    void cleanupTestCase() { m_cups.reset(); }

    void heldExchangesStartOnRelease()
    {
        CupsSupport::holdBackgroundExchanges();
        CupsSupport cups(QStringLiteral("Tundrel"), CupsSupport::Reading::InBackground);
        QSignalSpy read(&cups, &CupsSupport::optionsRead);
        cups.setFeed(9);
        // Far longer than a read and a write take from this scheduler.
        QTest::qWait(1500);
        QCOMPARE(read.count(), 0);
        QCOMPARE(m_cups->queueDefaults().value("Feed"), QStringLiteral("4"));

        CupsSupport::releaseBackgroundExchanges();
        QTRY_COMPARE(read.count(), 1);
        QTRY_COMPARE(m_cups->queueDefaults().value("Feed"), QStringLiteral("9"));
        QCOMPARE(cups.getFeed(), 9);
    }

    void waitedReadEndsTheHold()
    {
        CupsSupport::holdBackgroundExchanges();
        CupsSupport background(QStringLiteral("Tundrel"), CupsSupport::Reading::InBackground);
        QSignalSpy read(&background, &CupsSupport::optionsRead);
        // Would never return if the hold kept it waiting.
        const CupsSupport waited;
        QCOMPARE(waited.getFeed(), 4);
        // Asked for first, so read first: the hold is over for it too.
        QTRY_COMPARE(read.count(), 1);
        QCOMPARE(background.getFeed(), 4);
    }
};

QTEST_GUILESS_MAIN(tst_CupsSupportHold)
#include "tst_cupssupporthold.moc"
