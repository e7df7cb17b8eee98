// CupsSupport against a real cupsd: where options come from, and that what it
// stores is what CUPS applies to the next job on the queue.
#include "CupsScheduler.h"
#include "CupsSupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class tst_CupsSupport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void defaultsOfAnUntouchedQueue();
    void readsTheUsersQueueDefaults();
    void storedZeroTensionIsNominal();
    void parsesOptionTexts_data();
    void parsesOptionTexts();
    void settersBecomeTheQueueDefaultsForTheNextJob();
    void writesKeepOtherQueuesDefaults();
    void stopKeepsFractions();
    void unknownHeadIsNeitherReadNorWritten();
    void missingQueueGivesDefaultsAndStoresNothing();
    void prefetchAnswersOneReadOfItsQueue();

private:
    std::unique_ptr<CupsScheduler> m_cups;
    QByteArray m_machineCupsFiles;
};

void tst_CupsSupport::initTestCase()
{
    m_machineCupsFiles = CupsScheduler::machineCupsFilesState();
    m_cups = std::make_unique<CupsScheduler>("2");
    QVERIFY2(m_cups->isRunning(), qPrintable(m_cups->errorString()));
}

void tst_CupsSupport::init()
{
    m_cups->clearOptions();
}

void tst_CupsSupport::cleanupTestCase()
{
    m_cups.reset();
    QCOMPARE(CupsScheduler::machineCupsFilesState(), m_machineCupsFiles);
}

void tst_CupsSupport::defaultsOfAnUntouchedQueue()
{
    const CupsSupport cups;
    QVERIFY(cups.isQueueAvailable());
    QCOMPARE(cups.queueName(), QStringLiteral("Tundrel"));
    QCOMPARE(cups.getOrientation(), CupsSupport::REVERSE_LANDSCAPE);
    QCOMPARE(cups.getDithering(), 21);
    QCOMPARE(cups.getMirror(), false);
    QCOMPARE(cups.getInverse(), false);
    QCOMPARE(cups.getOverprint(), false);
    QCOMPARE(cups.getWhiteBase(), false);
    QCOMPARE(cups.getRibbonSaver(), false);
    QCOMPARE(cups.getFeed(), 0);
    QCOMPARE(cups.getOffsetH1(), 0);
    // Unset tensions are nominal.
    QCOMPARE(cups.getR1Tension(), 100);
    QCOMPARE(cups.getR2Tension(), 100);
    QCOMPARE(cups.getStop(), 0.0);
    QCOMPARE(cups.getColorHeadOffset(1), 0);
    // Nothing set by the user: the PPD's default choice answers.
    QCOMPARE(cups.getPpdOption("CutMedia"), QStringLiteral("2"));
    QCOMPARE(cups.getPpdOption("PageSize"), QStringLiteral("w288h288"));
    QVERIFY(cups.getPpdOption("NoSuchOption").isEmpty());
    QVERIFY(cups.getPpdOption(nullptr).isEmpty());
}

void tst_CupsSupport::readsTheUsersQueueDefaults()
{
    m_cups->writeUserOptions(
        "orientation-requested=3 MirrorPrint=True NegativePrint=True Overprint=True WhiteBase=True "
        "RibbonSaver=True CutMedia=0 Dithering=33 Feed=-4 Hoffset1=11 Hoffset2=-12 Voffset1=13 "
        "Voffset2=-14 R1TensionAdjust=15 R2TensionAdjust=-16 Stop=-2.7 head1Offset=17 "
        "head2Offset=-18");
    const CupsSupport cups;
    QCOMPARE(cups.getOrientation(), CupsSupport::PORTRAIT);
    QCOMPARE(cups.getMirror(), true);
    QCOMPARE(cups.getInverse(), true);
    QCOMPARE(cups.getOverprint(), true);
    QCOMPARE(cups.getWhiteBase(), true);
    QCOMPARE(cups.getRibbonSaver(), true);
    // The user's default wins over the PPD's.
    QCOMPARE(cups.getPpdOption("CutMedia"), QStringLiteral("0"));
    QCOMPARE(cups.getDithering(), 33);
    QCOMPARE(cups.getFeed(), -4);
    QCOMPARE(cups.getOffsetH1(), 11);
    QCOMPARE(cups.getOffsetH2(), -12);
    QCOMPARE(cups.getOffsetV1(), 13);
    QCOMPARE(cups.getOffsetV2(), -14);
    QCOMPARE(cups.getR1Tension(), 15);
    QCOMPARE(cups.getR2Tension(), -16);
    QCOMPARE(cups.getStop(), -2.7);
    QCOMPARE(cups.getColorHeadOffset(1), 17);
    QCOMPARE(cups.getColorHeadOffset(2), -18);
}

// No user chooses 0; unset tensions were once saved so.
void tst_CupsSupport::storedZeroTensionIsNominal()
{
    m_cups->writeUserOptions("R1TensionAdjust=0 R2TensionAdjust=50");
    const CupsSupport cups;
    QCOMPARE(cups.getR1Tension(), 100);
    QCOMPARE(cups.getR2Tension(), 50);
}

void tst_CupsSupport::parsesOptionTexts_data()
{
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<bool>("mirror");
    QTest::addColumn<int>("feed");
    QTest::addColumn<double>("stop");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QString>("cut");

    QTest::newRow("ppd spelling") << QByteArray("MirrorPrint=True Feed=5 Stop=3") << true << 5 << 3.0 << 5
                                  << "2";
    QTest::newRow("lower case") << QByteArray("MirrorPrint=true") << true << 0 << 0.0 << 5 << "2";
    QTest::newRow("yes") << QByteArray("MirrorPrint=yes") << true << 0 << 0.0 << 5 << "2";
    QTest::newRow("off") << QByteArray("MirrorPrint=off") << false << 0 << 0.0 << 5 << "2";
    QTest::newRow("garbage") << QByteArray("MirrorPrint=perhaps Feed=x1 Stop=abc orientation-requested=up")
                             << false << 0 << 0.0 << 5 << "2";
    QTest::newRow("fraction is no integer") << QByteArray("Feed=2.5") << false << 0 << 0.0 << 5 << "2";
    QTest::newRow("out of table codes pass")
        << QByteArray("orientation-requested=7 CutMedia=9") << false << 0 << 0.0 << 7 << "9";
    QTest::newRow("non-numeric cut is kept as text")
        << QByteArray("CutMedia=abc") << false << 0 << 0.0 << 5 << "abc";
    QTest::newRow("quoted empty cut") << QByteArray("CutMedia=\"\"") << false << 0 << 0.0 << 5 << "";
}

void tst_CupsSupport::parsesOptionTexts()
{
    QFETCH(QByteArray, options);
    m_cups->writeUserOptions(options);
    const CupsSupport cups;
    QTEST(cups.getMirror(), "mirror");
    QTEST(cups.getFeed(), "feed");
    QTEST(cups.getStop(), "stop");
    QTEST(static_cast<int>(cups.getOrientation()), "orientation");
    QTEST(cups.getPpdOption("CutMedia"), "cut");
}

namespace {

int jobIdFromLpOutput(const QByteArray &output)
{
    const QRegularExpression id(QStringLiteral("request id is Tundrel-(\\d+)"));
    const QRegularExpressionMatch match = id.match(QString::fromLocal8Bit(output));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

bool hasOption(const QByteArray &lpoptionsOutput, const QString &option)
{
    const QStringList tokens = QString::fromLocal8Bit(lpoptionsOutput).split(QRegularExpression("\\s+"));
    return tokens.contains(option);
}

} // namespace

void tst_CupsSupport::settersBecomeTheQueueDefaultsForTheNextJob()
{
    {
        CupsSupport cups;
        cups.setOrientation(CupsSupport::PORTRAIT);
        cups.setCut(0);
        cups.setDithering(32);
        cups.setMirror(true);
        cups.setInverse(true);
        cups.setOverprint(true);
        cups.setWhiteBase(true);
        cups.setRibbonSaver(true);
        cups.setFeed(7);
        cups.setOffsetH1(-3);
        cups.setOffsetH2(4);
        cups.setOffsetV1(-5);
        cups.setOffsetV2(6);
        cups.setR1Tension(8);
        cups.setR2Tension(-9);
        cups.setStop(-3.0);
        cups.setColorHeadOffset(10, 1);
        cups.setColorHeadOffset(-11, 2);
        // The object follows its own writes.
        QCOMPARE(cups.getOffsetH1(), -3);
        QCOMPARE(cups.getPpdOption("CutMedia"), QStringLiteral("0"));
    }

    // Stored in the user's lpoptions of the private scheduler, nowhere else.
    QVERIFY(QFile::exists(m_cups->userOptionsFile()) || QFile::exists(m_cups->serverRoot() + "/lpoptions"));

    // A new reader sees them.
    const CupsSupport again;
    QCOMPARE(again.getOrientation(), CupsSupport::PORTRAIT);
    QCOMPARE(again.getPpdOption("CutMedia"), QStringLiteral("0"));
    QCOMPARE(again.getDithering(), 32);
    QCOMPARE(again.getMirror(), true);
    QCOMPARE(again.getInverse(), true);
    QCOMPARE(again.getOverprint(), true);
    QCOMPARE(again.getWhiteBase(), true);
    QCOMPARE(again.getRibbonSaver(), true);
    QCOMPARE(again.getFeed(), 7);
    QCOMPARE(again.getOffsetH1(), -3);
    QCOMPARE(again.getOffsetH2(), 4);
    QCOMPARE(again.getOffsetV1(), -5);
    QCOMPARE(again.getOffsetV2(), 6);
    QCOMPARE(again.getR1Tension(), 8);
    QCOMPARE(again.getR2Tension(), -9);
    QCOMPARE(again.getStop(), -3.0);
    QCOMPARE(again.getColorHeadOffset(1), 10);
    QCOMPARE(again.getColorHeadOffset(2), -11);

    // CUPS' own tool lists them as the queue's defaults.
    int exitCode = -1;
    const QByteArray listed = m_cups->runTool("lpoptions", {"-p", "Tundrel"}, &exitCode);
    QCOMPARE(exitCode, 0);
    for (const char *option : {"orientation-requested=3", "CutMedia=0", "MirrorPrint=True", "Hoffset1=-3",
                               "Stop=-3", "head2Offset=-11", "RibbonSaver=True"}) {
        QVERIFY2(hasOption(listed, QString::fromLatin1(option)), option);
    }

    // And a plain job on the queue carries them.
    QTemporaryDir dir;
    QFile page(dir.filePath("page.elly"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write(QByteArray("\x02VHTP\x00job\x01", 10));
    page.close();
    const int jobsBefore = m_cups->jobs().size();
    const QByteArray lpOutput = m_cups->runTool("lp", {"-d", "Tundrel", page.fileName()}, &exitCode);
    QCOMPARE(exitCode, 0);
    const int jobId = jobIdFromLpOutput(lpOutput);
    QVERIFY2(jobId > 0, lpOutput.constData());
    QVERIFY2(m_cups->waitForJobs(jobsBefore + 1), m_cups->errorLog().right(2000).constData());

    const QMap<QString, QString> job = m_cups->jobAttributes(jobId);
    QCOMPARE(job.value("orientation-requested"), QStringLiteral("3"));
    QCOMPARE(job.value("CutMedia"), QStringLiteral("0"));
    QCOMPARE(job.value("Dithering"), QStringLiteral("32"));
    QCOMPARE(job.value("MirrorPrint").toLower(), QStringLiteral("true"));
    QCOMPARE(job.value("Hoffset1"), QStringLiteral("-3"));
    QCOMPARE(job.value("Stop"), QStringLiteral("-3"));
    QCOMPARE(job.value("head1Offset"), QStringLiteral("10"));
}

void tst_CupsSupport::writesKeepOtherQueuesDefaults()
{
    int exitCode = -1;
    const QByteArray output = m_cups->runTool(
        "lpadmin", {"-p", "Other", "-E", "-v", "socket://127.0.0.1:9/", "-P", m_cups->ppdPath()}, &exitCode);
    QVERIFY2(exitCode == 0, output.constData());
    m_cups->runTool("lpoptions", {"-p", "Other", "-o", "Feed=42"}, &exitCode);
    QCOMPARE(exitCode, 0);

    CupsSupport cups;
    cups.setFeed(5);

    QCOMPARE(CupsSupport("Other").getFeed(), 42);
    QCOMPARE(CupsSupport().getFeed(), 5);
    m_cups->runTool("lpadmin", {"-x", "Other"}, &exitCode);
}

void tst_CupsSupport::stopKeepsFractions()
{
    CupsSupport cups;
    cups.setStop(2.5);
    QCOMPARE(CupsSupport().getStop(), 2.5);
    cups.setStop(1e7);
    QCOMPARE(CupsSupport().getStop(), 1e7);
    // Not a number is refused, the last value stays.
    cups.setStop(qQNaN());
    QCOMPARE(CupsSupport().getStop(), 1e7);
}

void tst_CupsSupport::unknownHeadIsNeitherReadNorWritten()
{
    m_cups->writeUserOptions("head1Offset=3 head2Offset=4");
    CupsSupport cups;
    cups.setColorHeadOffset(9, 3);
    cups.setColorHeadOffset(9, 0);
    const CupsSupport again;
    QCOMPARE(again.getColorHeadOffset(0), 0);
    QCOMPARE(again.getColorHeadOffset(3), 0);
    QCOMPARE(again.getColorHeadOffset(1), 3);
    QCOMPARE(again.getColorHeadOffset(2), 4);
}

void tst_CupsSupport::prefetchAnswersOneReadOfItsQueue()
{
    m_cups->writeUserOptions("Feed=7");
    CupsSupport::prefetch(QStringLiteral("Tundrel"));
    // Another queue is not answered from it.
    QVERIFY(!CupsSupport(QStringLiteral("NoSuchQueue")).isQueueAvailable());
    const CupsSupport prefetched;
    QVERIFY(prefetched.isQueueAvailable());
    QCOMPARE(prefetched.getFeed(), 7);
    QCOMPARE(prefetched.getPpdOption("CutMedia"), QStringLiteral("2"));

    // Only once: the next one sees what changed since.
    m_cups->writeUserOptions("Feed=9");
    QCOMPARE(CupsSupport().getFeed(), 9);
}

void tst_CupsSupport::missingQueueGivesDefaultsAndStoresNothing()
{
    QElapsedTimer timer;
    timer.start();
    {
        CupsSupport cups(QStringLiteral("NoSuchQueue"));
        QVERIFY(!cups.isQueueAvailable());
        QCOMPARE(cups.getOrientation(), CupsSupport::REVERSE_LANDSCAPE);
        QCOMPARE(cups.getDithering(), 21);
        QVERIFY(cups.getPpdOption("CutMedia").isEmpty());
        cups.setMirror(true);
        // Kept for the queue, should it appear.
        QCOMPARE(cups.getMirror(), true);
        QVERIFY(timer.elapsed() < 3000);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("option \"MirrorPrint\" = \"True\" not stored "
                                                              "for queue \"NoSuchQueue\" before closing"));
    }

    QFile options(m_cups->userOptionsFile());
    if (options.open(QIODevice::ReadOnly))
        QVERIFY(!options.readAll().contains("NoSuchQueue"));
}

QTEST_GUILESS_MAIN(tst_CupsSupport)
#include "tst_cupssupport.moc"
