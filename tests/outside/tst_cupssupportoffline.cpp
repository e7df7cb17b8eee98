// CupsSupport when no scheduler answers: defaults at once, and a scheduler
// that accepts but never replies costs a bounded wait, not a frozen UI.
#include "CupsSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QTemporaryDir>
#include <QtTest>

#include <cups/cups.h>

class tst_CupsSupportOffline : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noSchedulerGivesDefaultsAndWritesNothing();
    void silentSchedulerIsBounded();

private:
    void pointCupsAt(const QString &socket);

    QTemporaryDir m_dir;
};

void tst_CupsSupportOffline::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).mkpath("home");
    QDir(m_dir.path()).mkpath("root");
    qputenv("HOME", QFile::encodeName(m_dir.filePath("home")));
    qputenv("CUPS_SERVERROOT", QFile::encodeName(m_dir.filePath("root")));
}

void tst_CupsSupportOffline::pointCupsAt(const QString &socket)
{
    qputenv("CUPS_SERVER", QFile::encodeName(socket));
    cupsSetServer(nullptr);
}

void tst_CupsSupportOffline::noSchedulerGivesDefaultsAndWritesNothing()
{
    pointCupsAt(m_dir.filePath("nobody-listens.sock"));

    QElapsedTimer timer;
    timer.start();
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
    // Nothing was stored, so nothing is claimed.
    QCOMPARE(cups.getMirror(), false);
    QCOMPARE(cups.getStop(), 0.0);
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));

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
    QVERIFY(silent.listen(m_dir.filePath("silent.sock")));
    pointCupsAt(silent.fullServerName());

    QElapsedTimer timer;
    timer.start();
    CupsSupport cups;
    const qint64 constructed = timer.elapsed();
    QVERIFY(!cups.isQueueAvailable());
    QCOMPARE(cups.getFeed(), 0);
    QVERIFY2(constructed < 8000, qPrintable(QString::number(constructed)));

    timer.restart();
    cups.setFeed(3);
    const qint64 written = timer.elapsed();
    QCOMPARE(cups.getFeed(), 0);
    QVERIFY2(written < 8000, qPrintable(QString::number(written)));
    qInfo("silent scheduler: construction %lld ms, one write %lld ms", constructed, written);
}

QTEST_GUILESS_MAIN(tst_CupsSupportOffline)
#include "tst_cupssupportoffline.moc"
