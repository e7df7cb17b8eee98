// CupsSupport while its real cupsd is frozen (SIGSTOP): setters and getters
// answer at once, and once cupsd goes on (SIGCONT) the queue ends with the
// last value set, also where that is the value the queue held before.
#include "CupsScheduler.h"
#include "CupsSupport.h"
#include "FrozenProcess.h"

#include <QElapsedTimer>
#include <QtTest>

#include <memory>

class tst_CupsSupportFrozen : public QObject
{
    Q_OBJECT

    std::unique_ptr<CupsScheduler> m_cups;

private slots:
    void initTestCase()
    {
        m_cups = std::make_unique<CupsScheduler>("2");
        QVERIFY2(m_cups->isRunning(), qPrintable(m_cups->errorString()));
    }

    void cleanupTestCase() { m_cups.reset(); }

    void lastOrientationLandsAfterAFreeze_data()
    {
        QTest::addColumn<QList<int>>("orientations");
        QTest::newRow("three in a row") << QList<int>{3, 5, 6};
        // The queue still holds 4, but 3 is on its way: 4 must follow it.
        QTest::newRow("back to the stored one") << QList<int>{3, 4};
    }

    void lastOrientationLandsAfterAFreeze()
    {
        QFETCH(QList<int>, orientations);
        m_cups->clearOptions();
        m_cups->writeUserOptions("orientation-requested=4");
        CupsSupport cups;
        {
            FrozenProcess frozen(m_cups->processId());
            QVERIFY(frozen.isFrozen());
            QElapsedTimer timer;
            timer.start();
            for (int orientation : orientations)
                cups.setOrientation(static_cast<CupsSupport::_CupsOrientation>(orientation));
            QVERIFY2(timer.elapsed() < 50, qPrintable(QString::number(timer.elapsed())));
            // Longer than an exchange may take: the first write fails.
            QTest::qWait(2500);
            QCOMPARE(static_cast<int>(cups.getOrientation()), orientations.last());
        }
        // Set last, so stored last: once it is there, the rest has landed.
        cups.setFeed(77);
        QTRY_COMPARE_WITH_TIMEOUT(m_cups->queueDefaults().value("Feed"), QStringLiteral("77"), 20000);
        QCOMPARE(m_cups->queueDefaults().value("orientation-requested"),
                 QString::number(orientations.last()));
    }
};

QTEST_GUILESS_MAIN(tst_CupsSupportFrozen)
#include "tst_cupssupportfrozen.moc"
