// VHSettingsPrinter built while its real cupsd is frozen (SIGSTOP): it does
// not wait for the queue, the queue's options arrive as property changes once
// cupsd goes on (SIGCONT), what the user set meanwhile wins over them, and a
// preset saved meanwhile ends up with the queue's values.
#include "CupsScheduler.h"
#include "FrozenProcess.h"
#include "SignalRecorder.h"
#include "TestHome.h"
#include "VHSettingsPrinter.h"

#include <QElapsedTimer>
#include <QtTest>

#include <memory>

class tst_PrinterLateOptions : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<CupsScheduler> m_cups;

private slots:
    void initTestCase()
    {
        m_home = std::make_unique<TestHome>();
        m_cups = std::make_unique<CupsScheduler>("2");
        QVERIFY2(m_cups->isRunning(), qPrintable(m_cups->errorString()));
    }

    void cleanupTestCase()
    {
        m_cups.reset();
        m_home.reset();
    }

    void optionsArriveAsChangesUnderTheUsersOwn()
    {
        m_cups->writeUserOptions("orientation-requested=3 CutMedia=1 Dithering=33 MirrorPrint=True Feed=-4 "
                                 "head1Offset=2 R1TensionAdjust=120");
        std::unique_ptr<VHSettingsPrinter> printer;
        std::unique_ptr<SignalRecorder> recorder;
        {
            FrozenProcess frozen(m_cups->processId());
            QVERIFY(frozen.isFrozen());
            QElapsedTimer timer;
            timer.start();
            printer = std::make_unique<VHSettingsPrinter>();
            QVERIFY2(timer.elapsed() < 100, qPrintable(QString::number(timer.elapsed())));
            recorder = std::make_unique<SignalRecorder>(printer.get());
            // A fresh printer's values until the queue answers.
            QVERIFY(!printer->hasPrinterOptions());
            QCOMPARE(printer->getOrientationOption(), QStringLiteral("Landscape"));
            QCOMPARE(printer->getFeedOffset(), 0);

            timer.restart();
            printer->setPrintOrientation("Portrait");
            printer->setFeedOffset(5);
            QVERIFY(printer->addPreset("Early"));
            QVERIFY2(timer.elapsed() < 50, qPrintable(QString::number(timer.elapsed())));
            // Longer than an exchange may take: the first read fails.
            QTest::qWait(2500);
        }
        QTRY_VERIFY_WITH_TIMEOUT(printer->hasPrinterOptions(), 20000);

        // The user's orientation and feed win over the queue's; the rest
        // arrives, each change announced once.
        QCOMPARE(printer->getOrientationEnum(), 6);
        QCOMPARE(printer->getOrientationOption(), QStringLiteral("Portrait"));
        QCOMPARE(printer->getFeedOffset(), 5);
        QCOMPARE(printer->getCutOption(), QStringLiteral("Cut After Page"));
        QCOMPARE(printer->getMirror(), true);
        QCOMPARE(recorder->counts(), (QMap<QString, int>{{"orientationEnumChanged", 1},
                                                         {"orientationOptionChanged", 1},
                                                         {"feedOffsetChanged", 1},
                                                         {"cutEnumChanged", 1},
                                                         {"cutOptionChanged", 1},
                                                         {"ditheringMethodChanged", 1},
                                                         {"mirrorChanged", 1},
                                                         {"head1HeatOffsetChanged", 1},
                                                         {"r1TensionChanged", 1}}));
        QCOMPARE(recorder->first("feedOffsetChanged"), QList<QVariant>{5});

        // Saved before the options came: remade from them.
        const QStringList early = printer->loadPreset("Early");
        QCOMPARE(early.mid(0, 4), (QStringList{"orientation-requested", "6", "MirrorPrint", "True"}));
        QCOMPARE(early.at(early.indexOf("R1TensionAdjust") + 1), QStringLiteral("120"));

        QTRY_COMPARE_WITH_TIMEOUT(m_cups->queueDefaults().value("Feed"), QStringLiteral("5"), 20000);
        QCOMPARE(m_cups->queueDefaults().value("orientation-requested"), QStringLiteral("6"));
    }
};

QTEST_GUILESS_MAIN(tst_PrinterLateOptions)
#include "tst_printerlateoptions.moc"
