// CupsSupport when no scheduler answers: defaults at once, the values set
// kept, and a scheduler that accepts but never replies costs a bounded wait
// where a caller asks to wait, and none where it does not.
#include "CupsSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cups/cups.h>

#include <memory>

class tst_CupsSupportOffline : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noSchedulerGivesDefaultsAndWritesNothing();
    void silentSchedulerIsBounded();

private:
    QString socketPath() const { return m_dir.filePath("cups.sock"); }

    QTemporaryDir m_dir;
};

void tst_CupsSupportOffline::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).mkpath("home");
    QDir(m_dir.path()).mkpath("root");
    qputenv("HOME", QFile::encodeName(m_dir.filePath("home")));
    qputenv("CUPS_SERVERROOT", QFile::encodeName(m_dir.filePath("root")));
    // One path for every case: the thread that talks to the scheduler takes
    // it once. Whether and how anybody listens there is up to the case.
    qputenv("CUPS_SERVER", QFile::encodeName(socketPath()));
    cupsSetServer(nullptr);
}

void tst_CupsSupportOffline::noSchedulerGivesDefaultsAndWritesNothing()
{
    QElapsedTimer timer;
    timer.start();
    {
        CupsSupport cups;
        QVERIFY(!cups.isQueueAvailable());
        QCOMPARE(cups.getOrientation(), CupsSupport::REVERSE_LANDSCAPE);
        QCOMPARE(cups.getDithering(), 21);
        QCOMPARE(cups.getMirror(), false);
        QCOMPARE(cups.getFeed(), 0);
        QCOMPARE(cups.getStop(), 0.0);
        QVERIFY(cups.getPpdOption("CutMedia").isEmpty());

        cups.setMirror(true);
        cups.setStop(4.0);
        cups.setColorHeadOffset(3, 1);
        // Kept for when a scheduler answers.
        QCOMPARE(cups.getMirror(), true);
        QCOMPARE(cups.getStop(), 4.0);
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    }

    QVERIFY(QDir(m_dir.filePath("home"))
                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden)
                .isEmpty());
    QVERIFY(QDir(m_dir.filePath("root"))
                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden)
                .isEmpty());
}

void tst_CupsSupportOffline::silentSchedulerIsBounded()
{
    // Listens, so connecting succeeds, but nobody ever reads a request.
    QLocalServer silent;
    QVERIFY(silent.listen(socketPath()));

    QElapsedTimer timer;
    timer.start();
    auto cups = std::make_unique<CupsSupport>();
    const qint64 constructed = timer.elapsed();
    QVERIFY(!cups->isQueueAvailable());
    QCOMPARE(cups->getFeed(), 0);
    QVERIFY2(constructed < 8000, qPrintable(QString::number(constructed)));

    timer.restart();
    cups->setFeed(3);
    const qint64 written = timer.elapsed();
    QCOMPARE(cups->getFeed(), 3);
    QVERIFY2(written < 50, qPrintable(QString::number(written)));

    // Reading in the background does not wait at all.
    timer.restart();
    CupsSupport background(QStringLiteral("Tundrel"), CupsSupport::Reading::InBackground);
    QVERIFY2(timer.elapsed() < 50, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(!background.hasReadOptions());

    // Closing gives the write about 2 s, then names what it could not store.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("option \"Feed\" = \"3\" not stored"));
    timer.restart();
    cups.reset();
    const qint64 closed = timer.elapsed();
    QVERIFY2(closed >= 1900 && closed < 3000, qPrintable(QString::number(closed)));
    qInfo("silent scheduler: construction %lld ms, one write %lld ms, closing %lld ms", constructed, written,
          closed);
}

QTEST_GUILESS_MAIN(tst_CupsSupportOffline)
#include "tst_cupssupportoffline.moc"
