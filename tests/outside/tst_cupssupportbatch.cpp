// CupsSupport's grouped writes against a real cupsd: a batch stores all its
// options with one rewrite of the user's defaults when it closes, a value
// the queue already holds is not written again, and a batch that cannot be
// stored is kept, not lost.
#include "CupsScheduler.h"
#include "CupsSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <memory>

class tst_CupsSupportBatch : public QObject
{
    Q_OBJECT

    std::unique_ptr<CupsScheduler> m_cups;

    // Backdates the defaults file, so that a rewrite shows in its time.
    void backdateOptionsFile() const
    {
        QFile file(m_cups->userOptionsFile());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC),
                                 QFileDevice::FileModificationTime));
    }

    bool optionsFileRewritten() const
    {
        return QFileInfo(m_cups->userOptionsFile()).lastModified().date().year() != 2000;
    }

private slots:
    void initTestCase()
    {
        m_cups = std::make_unique<CupsScheduler>("2");
        QVERIFY2(m_cups->isRunning(), qPrintable(m_cups->errorString()));
    }

    void init()
    {
        m_cups->clearOptions();
        m_cups->writeUserOptions("Feed=4 MirrorPrint=False");
    }

    void cleanupTestCase() { m_cups.reset(); }

    void batchStoresOnceWhenTheOutermostCloses()
    {
        CupsSupport cups;
        QVERIFY(cups.isQueueAvailable());
        backdateOptionsFile();
        {
            CupsSupport::Batch batch(cups);
            cups.setFeed(5);
            cups.setMirror(true);
            cups.setFeed(6);
            {
                CupsSupport::Batch inner(cups);
                cups.setOffsetH1(-3);
            }
            // Nothing written yet; the getters already answer with the batch.
            QVERIFY(!optionsFileRewritten());
            QCOMPARE(cups.getFeed(), 6);
            QCOMPARE(cups.getOffsetH1(), -3);
        }
        QTRY_VERIFY(optionsFileRewritten());
        const CupsSupport fresh;
        QCOMPARE(fresh.getFeed(), 6);
        QCOMPARE(fresh.getMirror(), true);
        QCOMPARE(fresh.getOffsetH1(), -3);
        QCOMPARE(cups.getFeed(), 6);
    }

    void valuesTheQueueHoldsAreNotWrittenAgain()
    {
        CupsSupport cups;
        backdateOptionsFile();
        cups.setFeed(4);
        cups.setMirror(false);
        {
            CupsSupport::Batch batch(cups);
            cups.setFeed(4);
        }
        // A read waits for the exchanges asked for before it.
        QCOMPARE(CupsSupport().getFeed(), 4);
        QVERIFY(!optionsFileRewritten());

        cups.setFeed(7);
        QTRY_VERIFY(optionsFileRewritten());
        QCOMPARE(CupsSupport().getFeed(), 7);
    }

    void unstoredBatchIsKeptUntilTheQueueTakesIt()
    {
        CupsSupport cups(QStringLiteral("Later"));
        QVERIFY(!cups.isQueueAvailable());
        {
            CupsSupport::Batch batch(cups);
            cups.setFeed(5);
            cups.setOffsetH1(2);
        }
        QCOMPARE(cups.getFeed(), 5);
        // Read after the first try, which found no queue.
        QVERIFY(!CupsSupport(QStringLiteral("Later")).isQueueAvailable());

        int exitCode = -1;
        const QByteArray output = m_cups->runTool(
            "lpadmin", {"-p", "Later", "-E", "-v", "socket://127.0.0.1:9/", "-P", m_cups->ppdPath()},
            &exitCode);
        QVERIFY2(exitCode == 0, output.constData());
        QTRY_COMPARE_WITH_TIMEOUT(CupsSupport(QStringLiteral("Later")).getFeed(), 5, 15000);
        QCOMPARE(CupsSupport(QStringLiteral("Later")).getOffsetH1(), 2);
        m_cups->runTool("lpadmin", {"-x", "Later"}, &exitCode);
    }
};

QTEST_GUILESS_MAIN(tst_CupsSupportBatch)
#include "tst_cupssupportbatch.moc"
