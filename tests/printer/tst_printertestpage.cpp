// printTestPage end to end: lp, a real cupsd with the queue "Tundrel", and
// the bytes that reach the printer's socket.
#include "CupsScheduler.h"
#include "ReadyPrinter.h"
#include "SignalRecorder.h"
#include "TestHome.h"
#include "VHSettingsPrinter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

class tst_PrinterTestPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void pageFollowsSupplyWidth_data();
    void pageFollowsSupplyWidth();
    void folderWithoutTrailingSlash();
    void missingPageLeavesNoTrace();

private:
    QByteArray page(const QString &name) const;

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<CupsScheduler> m_cups;
    QTemporaryDir m_pages;
    QByteArray m_machineCupsFiles;
};

void tst_PrinterTestPage::initTestCase()
{
    m_machineCupsFiles = CupsScheduler::machineCupsFilesState();
    m_home = std::make_unique<TestHome>();
    m_cups = std::make_unique<CupsScheduler>("2");
    QVERIFY2(m_cups->isRunning(), qPrintable(m_cups->errorString()));

    // Binary like the device's pages, so CUPS cannot take them for text.
    QVERIFY(m_pages.isValid());
    for (const char *name : {"testpage_9x9.elly", "testpage_6x6.elly", "testpage_4x4.elly"}) {
        QFile file(m_pages.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray content("\x02\x00\xffVHTP", 7);
        content += name;
        for (int i = 0; i < 4096; ++i)
            content += char((i * 7 + int(qstrlen(name))) & 0xff);
        file.write(content);
    }
}

void tst_PrinterTestPage::cleanupTestCase()
{
    m_cups.reset();
    m_home.reset();
    QCOMPARE(CupsScheduler::machineCupsFilesState(), m_machineCupsFiles);
}

QByteArray tst_PrinterTestPage::page(const QString &name) const
{
    QFile file(m_pages.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void tst_PrinterTestPage::pageFollowsSupplyWidth_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("page");

    QTest::newRow("5") << 5.0 << "testpage_6x6.elly";
    QTest::newRow("6.0") << 6.0 << "testpage_6x6.elly";
    QTest::newRow("6.01") << 6.01 << "testpage_9x9.elly";
    QTest::newRow("4.0") << 4.0 << "testpage_4x4.elly";
    QTest::newRow("4.01") << 4.01 << "testpage_6x6.elly";
    QTest::newRow("0") << 0.0 << "testpage_4x4.elly";
    QTest::newRow("negative") << -3.0 << "testpage_4x4.elly";
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << "testpage_4x4.elly";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "testpage_9x9.elly";
}

void tst_PrinterTestPage::pageFollowsSupplyWidth()
{
    QFETCH(double, width);
    QFETCH(QString, page);

    ReadyPrinter printer(m_pages.path() + "/");
    SignalRecorder recorder(&printer);
    const int before = m_cups->jobs().size();

    QElapsedTimer timer;
    timer.start();
    printer.printTestPage(width);
    // Started, not awaited.
    QVERIFY(timer.elapsed() < 1000);

    QVERIFY2(m_cups->waitForJobs(before + 1), m_cups->errorLog().right(3000).constData());
    QCOMPARE(m_cups->jobs().last(), this->page(page));
    qInfo("job delivered %lld ms after the call", timer.elapsed());
    QCOMPARE(recorder.counts(), (QMap<QString, int>{}));
}

void tst_PrinterTestPage::folderWithoutTrailingSlash()
{
    VHSettingsPrinter printer(nullptr, m_pages.path());
    const int before = m_cups->jobs().size();
    printer.printTestPage(8.0);
    QVERIFY(m_cups->waitForJobs(before + 1));
    QCOMPARE(m_cups->jobs().last(), page("testpage_9x9.elly"));
}

void tst_PrinterTestPage::missingPageLeavesNoTrace()
{
    QTemporaryDir empty;
    VHSettingsPrinter printer(nullptr, empty.path() + "/");
    const int before = m_cups->jobs().size();
    printer.printTestPage(5.0);
    // lp refuses the missing file; nothing reaches the printer.
    QVERIFY(!m_cups->waitForJobs(before + 1, 1500));
}

QTEST_GUILESS_MAIN(tst_PrinterTestPage)
#include "tst_printertestpage.moc"
