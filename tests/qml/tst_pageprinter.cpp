// The Printer page on the real window with the real SettingsPrinter and a
// real cupsd: what a selected preset shows, what the controls store and
// report, the preview, the controls per model and the button bar.
#include "FakeTool.h"
#include "FrozenProcess.h"
#include "PrinterPageFixture.h"
#include "SettingsWindow.h"
#include "UbootEnvironment.h"
#include "VHIPCThread.h"

#include <QElapsedTimer>
#include <QFile>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

// Differs from every preset below, so a page that loads nothing shows it.
const QByteArray kQueueOptions = "orientation-requested=6 CutMedia=0 Dithering=32 "
                                 "NegativePrint=True MirrorPrint=False head1Offset=2";

// Long enough for every exchange begun meanwhile to fail for want of an answer.
constexpr int kFrozenMs = 2500;
constexpr int kLandingMs = 20000;

const QStringList kFullPreset{"orientation-requested",
                              "5",
                              "MirrorPrint",
                              "True",
                              "NegativePrint",
                              "False",
                              "CutMedia",
                              "2",
                              "Dithering",
                              "16",
                              "head1Offset",
                              "-3"};

} // namespace

class tst_PagePrinter : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrinterPageFixture> m_fixture;
    QTemporaryDir m_pages;

    // Selects the preset on the presets page, then opens the Printer tab.
    static void openWithPreset(SettingsWindow &w, const QString &preset)
    {
        w.showTab(8);
        PrinterPageFixture::choose(w.item("presetBox"), preset);
        w.showTab(6);
    }

private slots:
    void initTestCase()
    {
        m_fixture = std::make_unique<PrinterPageFixture>();
        QVERIFY2(m_fixture->isReady(), qPrintable(m_fixture->errorString()));
        QVERIFY(m_pages.isValid());
        for (const char *name : {"testpage_9x9.elly", "testpage_6x6.elly", "testpage_4x4.elly"}) {
            QFile file(m_pages.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("\x02\x00\xffVHTP", 7) + name + QByteArray(2048, '\x5a'));
        }
    }

    void cleanupTestCase() { m_fixture.reset(); }

    void init() { m_fixture->reset(kQueueOptions); }

    void presetShowsItsValues_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("orientation");
        QTest::addColumn<QString>("cut");
        QTest::addColumn<int>("dithering");
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<bool>("negative");
        QTest::addColumn<int>("heat1");

        // Bayer (32) is entry 1, Floyd-Steinberg (16) entry 3.
        QTest::newRow("all given") << kFullPreset << "Landscape"
                                   << "Cut After Job" << 3 << true << false << -3;
        QTest::newRow("nothing given: the defaults") << QStringList{"Feed", "1"} << "Landscape 180"
                                                     << "Cut After Page" << 0 << false << false << 0;
        QTest::newRow("lower-case true is off")
            << QStringList{"NegativePrint", "true", "MirrorPrint", "True", "orientation-requested", "3"}
            << "Portrait 180"
            << "Cut After Page" << 0 << true << false << 0;
        QTest::newRow("codes outside the tables change nothing")
            << QStringList{"orientation-requested", "7", "CutMedia", "5", "Dithering", "19"} << "Portrait"
            << "No Cut" << 1 << false << false << 0;
    }

    void presetShowsItsValues()
    {
        QFETCH(QStringList, options);
        PrinterPageFixture::storePreset("Job", options);
        PrinterWindow w(0);
        QCOMPARE(w.item("orientationBox")->property("currentText").toString(), QStringLiteral("Portrait"));

        openWithPreset(w, "Job");
        QTEST(w.item("orientationBox")->property("currentText").toString(), "orientation");
        QTEST(w.item("cutBox")->property("currentText").toString(), "cut");
        QTEST(w.item("ditheringBox")->property("currentIndex").toInt(), "dithering");
        QTEST(w.item("mirrorSwitch")->property("checked").toBool(), "mirror");
        QTEST(w.item("negativeSwitch")->property("checked").toBool(), "negative");
        QTEST(qRound(w.item("heat1Slider")->property("value").toReal()), "heat1");
        QVERIFY2(w.qmlProblems().isEmpty(), qPrintable(w.qmlProblems().join('\n')));
    }

    // German sorts the entries differently: a code still selects its entry.
    void germanListsSelectByCode()
    {
        m_fixture->home().writeSettingsFile("[locale]\nlanguage=de_DE\n");
        PrinterPageFixture::storePreset("Job", kFullPreset);
        PrinterWindow w(0);
        QCOMPARE(w.item("orientationBox")->property("currentText").toString(), QStringLiteral("Hochformat"));
        openWithPreset(w, "Job");
        QCOMPARE(w.item("orientationBox")->property("currentText").toString(), QStringLiteral("Querformat"));
        QCOMPARE(w.item("cutBox")->property("currentText").toString(),
                 QStringLiteral("Schnitt nach jedem Auftrag"));
        QCOMPARE(w.item("ditheringBox")->property("currentText").toString(),
                 QStringLiteral("Floyd-Steinberg Rasterung"));

        PrinterPageFixture::choose(w.item("orientationBox"), "Hochformat 180");
        QCOMPARE(PrinterPageFixture::queueOption("orientation-requested"), QStringLiteral("3"));
        QCOMPARE(PrinterPageFixture::hits().last(),
                 qMakePair(QStringLiteral("Orientation"), QStringLiteral("Portrait 180")));
    }

    void currentSettingsLoadsNothing()
    {
        PrinterPageFixture::storePreset("Job", kFullPreset);
        PrinterWindow w(0);
        w.showTab(8);
        PrinterPageFixture::choose(w.item("presetBox"), "Job");
        PrinterPageFixture::choose(w.item("presetBox"), 0);
        QCOMPARE(w.item("pagePrinterPresets")->property("currentPreset").toString(), QString());
        // What the preset applied stays; opening the page loads nothing more.
        w.item("heat1Slider")->setProperty("value", 1);
        w.showTab(6);
        QCOMPARE(qRound(w.item("heat1Slider")->property("value").toReal()), 1);
        QCOMPARE(PrinterPageFixture::queueOption("head1Offset"), QStringLiteral("1"));
    }

    void heatReportsOnlyAfterCreation()
    {
        PrinterWindow w(6);
        QCOMPARE(qRound(w.item("heat1Slider")->property("value").toReal()), 2);
        QVERIFY(!PrinterPageFixture::hitNames().contains("Heat1"));

        w.item("heat1Slider")->setProperty("value", -4);
        QCOMPARE(PrinterPageFixture::hits().last(), qMakePair(QStringLiteral("Heat1"), QStringLiteral("-4")));
        QCOMPARE(PrinterPageFixture::queueOption("head1Offset"), QStringLiteral("-4"));
    }

    void selectionsStoreAndReport_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("hit");
        QTest::addColumn<QString>("hitValue");
        QTest::newRow("Floyd-Steinberg") << "ditheringBox"
                                         << "Floyd-Steinberg Dither"
                                         << "Dithering"
                                         << "16"
                                         << "Dithering"
                                         << "Floyd-Steinburg";
        QTest::newRow("Yliluoma") << "ditheringBox"
                                  << "Yliluoma Ordered Dither"
                                  << "Dithering"
                                  << "33"
                                  << "Dithering"
                                  << "Yliluoma Ordered";
        QTest::newRow("Threshold") << "ditheringBox"
                                   << "Threshold (No) Dither"
                                   << "Dithering"
                                   << "0"
                                   << "Dithering"
                                   << "Threshold";
        QTest::newRow("Landscape") << "orientationBox"
                                   << "Landscape"
                                   << "orientation-requested"
                                   << "5"
                                   << "Orientation"
                                   << "Landscape";
        QTest::newRow("Portrait 180") << "orientationBox"
                                      << "Portrait 180"
                                      << "orientation-requested"
                                      << "3"
                                      << "Orientation"
                                      << "Portrait 180";
        QTest::newRow("Cut After Page") << "cutBox"
                                        << "Cut After Page"
                                        << "CutMedia"
                                        << "1"
                                        << "Cut"
                                        << "Cut After Page";
    }

    void selectionsStoreAndReport()
    {
        QFETCH(QString, box);
        QFETCH(QString, entry);
        QFETCH(QString, option);
        QFETCH(QString, stored);
        QFETCH(QString, hit);
        QFETCH(QString, hitValue);
        PrinterWindow w(6);
        PrinterPageFixture::choose(w.item(box), entry);
        QCOMPARE(w.item(box)->property("currentText").toString(), entry);
        QCOMPARE(PrinterPageFixture::queueOption(option.toLatin1().constData()), stored);
        QCOMPARE(PrinterPageFixture::hits(), (QList<QPair<QString, QString>>{{hit, hitValue}}));
    }

    void previewTurnsAndFlips_data()
    {
        QTest::addColumn<QString>("orientation");
        QTest::addColumn<bool>("mirror");
        QTest::addColumn<qreal>("rotation");
        QTest::newRow("Portrait 180 mirrored") << "Portrait 180" << true << 90.0;
        QTest::newRow("Portrait 180") << "Portrait 180" << false << 270.0;
        QTest::newRow("Portrait mirrored") << "Portrait" << true << -90.0;
        QTest::newRow("Landscape 180") << "Landscape 180" << false << 180.0;
        QTest::newRow("Landscape 180 mirrored") << "Landscape 180" << true << 0.0;
        QTest::newRow("Landscape mirrored") << "Landscape" << true << -180.0;
        QTest::newRow("Landscape") << "Landscape" << false << 0.0;
    }

    void previewTurnsAndFlips()
    {
        QFETCH(QString, orientation);
        QFETCH(bool, mirror);
        QFETCH(qreal, rotation);
        PrinterWindow w(6);
        QTRY_VERIFY(w.item("pagePrinter")->isVisible());
        PrinterPageFixture::choose(w.item("orientationBox"), orientation);
        if (mirror)
            w.tap(w.item("mirrorSwitchControl"));
        QCOMPARE(w.item("mirrorSwitch")->property("checked").toBool(), mirror);

        QQuickItem *label = w.item("printPreviewLabel");
        QQuickItem *glyph = w.item("printPreviewGlyph");
        QCOMPARE(label->rotation(), rotation);
        // Flipped: the glyph's left edge lands right of its right edge.
        const qreal left = glyph->mapToItem(label, QPointF(0, 0)).x();
        const qreal right = glyph->mapToItem(label, QPointF(glyph->width(), 0)).x();
        QCOMPARE(left > right, mirror);
        QVERIFY(label->boundingRect().contains(glyph->mapRectToItem(label, glyph->boundingRect())));
    }

    void controlsPerModel_data() { SettingsWindow::addModelRows(); }

    void controlsPerModel()
    {
        QFETCH(QString, model);
        QFETCH(bool, tundrel);
        QFETCH(bool, veskMax);
        UbootEnvironment device({{"vhModel", model}});
        QVERIFY2(device.isValid(), qPrintable(device.errorString()));
        PrinterWindow w(6);
        QTRY_VERIFY(w.item("pagePrinter")->isVisible());
        QVERIFY(w.item("mirrorSwitch")->isVisible());
        QVERIFY(w.item("negativeSwitch")->isVisible());
        QCOMPARE(w.item("overprintSwitch")->isVisible(), tundrel);
        QCOMPARE(w.item("whiteBaseSwitch")->isVisible(), tundrel);
        QVERIFY(w.item("heat1Slider")->isVisible());
        QCOMPARE(w.item("heat2Slider")->isVisible(), tundrel);
        QVERIFY(w.item("pagePrinterPrintTestPageButton")->isVisible());
        QVERIFY(w.item("pagePrinterSupplyStatusButton")->isVisible());
        QCOMPARE(w.item("pagePrinterCalibrateSupplyButton")->isVisible(), veskMax);
        QVERIFY2(w.qmlProblems().isEmpty(), qPrintable(w.qmlProblems().join('\n')));
    }

    void previewFollowsThePrinterState()
    {
        m_fixture->reset("NegativePrint=False");
        m_fixture->writePrinterStatus("{\"supplyColorHEX\": \"#ffffff\", \"ribbon1ColorHEX\": \"#000000\"}");
        PrinterWindow w(6);
        auto *ipc = qobject_cast<VHIPCThread *>(w.contextObject("VHIPCThread"));
        QVERIFY(ipc);
        ipc->setServiceDirectory(m_fixture->serviceDirectory());
        QQuickItem *label = w.item("printPreviewLabel");
        QQuickItem *glyph = w.item("printPreviewGlyph");
        // Read in the background.
        QTRY_COMPARE(glyph->property("color").value<QColor>(), QColor("#000000"));
        QCOMPARE(label->property("color").value<QColor>(), QColor("#ffffff"));

        m_fixture->writePrinterStatus("{\"supplyColorHEX\": \"#ffee00\", \"ribbon1ColorHEX\": \"#000000\"}");
        QTRY_COMPARE(label->property("color").value<QColor>(), QColor("#ffee00"));

        // Negative swaps label and print.
        w.tap(w.item("negativeSwitchControl"));
        QCOMPARE(label->property("color").value<QColor>(), QColor("#000000"));
        QCOMPARE(glyph->property("color").value<QColor>(), QColor("#ffee00"));
    }

    void printTestPageReachesTheQueue()
    {
        m_fixture->writePrinterStatus("{\"supplyWidth\": 6.5}");
        PrinterWindow w(6, m_pages.path());
        auto *ipc = qobject_cast<VHIPCThread *>(w.contextObject("VHIPCThread"));
        ipc->setServiceDirectory(m_fixture->serviceDirectory());
        // Read in the background.
        QTRY_COMPARE(ipc->supplyWidth(), 6.5);
        QTRY_VERIFY(w.item("pagePrinter")->isVisible());
        const int before = m_fixture->cups().jobs().size();
        w.tap(w.item("pagePrinterPrintTestPageButton"));
        QVERIFY(m_fixture->cups().waitForJobs(before + 1));
        QFile page(m_pages.filePath("testpage_9x9.elly"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QCOMPARE(m_fixture->cups().jobs().last(), page.readAll());
        QCOMPARE(PrinterPageFixture::hits(),
                 (QList<QPair<QString, QString>>{{"PrintTestPageButton", "Pressed"}}));
    }

    void supplyStatusStartsTheUtility()
    {
        FakeTools tools;
        tools.add("VHSupplyStatusUtility");
        PrinterWindow w(6);
        QTRY_VERIFY(w.item("pagePrinter")->isVisible());
        w.tap(w.item("pagePrinterSupplyStatusButton"));
        QTRY_COMPARE(tools.runs("VHSupplyStatusUtility").size(), 1);
        QCOMPARE(tools.runs("VHSupplyStatusUtility").first(), QStringList());
        QVERIFY(PrinterPageFixture::hits().isEmpty());
    }

    // cupsd hangs while the user works the page: each choice is shown and
    // answered at once, and the queue ends with the last once cupsd goes on.
    void orientationsChosenWhileCupsdIsFrozenLand()
    {
        PrinterWindow w(6);
        QTRY_VERIFY(w.item("pagePrinter")->isVisible());
        QQuickItem *box = w.item("orientationBox");
        {
            FrozenProcess frozen(m_fixture->cups().processId());
            QVERIFY(frozen.isFrozen());
            qint64 longest = 0;
            for (const QString entry : {"Landscape 180", "Portrait 180", "Landscape"}) {
                QElapsedTimer touch;
                touch.start();
                PrinterPageFixture::choose(box, entry);
                longest = std::max(longest, touch.elapsed());
                QCOMPARE(box->property("currentText").toString(), entry);
            }
            qInfo("longest choice with cupsd frozen: %lld ms", longest);
            QVERIFY2(longest < 50, qPrintable(QString::number(longest)));
            QTest::qWait(kFrozenMs);
            QCOMPARE(box->property("currentText").toString(), QStringLiteral("Landscape"));
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_fixture->cups().queueDefaults().value("orientation-requested"),
                                  QStringLiteral("5"), kLandingMs);
        QCOMPARE(box->property("currentText").toString(), QStringLiteral("Landscape"));
        QCOMPARE(PrinterPageFixture::hitNames(), (QStringList{"Orientation", "Orientation", "Orientation"}));
    }

    // cupsd hangs while the window starts: it starts as soon as with cupsd
    // answering and shows a fresh printer's values; the queue's arrive later,
    // on every printer page, and are not reported as the user's changes. A
    // switch the user turned meanwhile keeps the user's state.
    void startsWithCupsdFrozen()
    {
        m_fixture->reset(kQueueOptions + " Hoffset1=12 R1TensionAdjust=130");
        QElapsedTimer start;
        start.start();
        qint64 answered = 0;
        {
            SettingsWindow answering(6);
            answered = start.elapsed();
        }

        std::unique_ptr<SettingsWindow> w;
        {
            FrozenProcess frozen(m_fixture->cups().processId());
            QVERIFY(frozen.isFrozen());
            start.restart();
            w = std::make_unique<SettingsWindow>(6);
            const qint64 hung = start.elapsed();
            qInfo("window start: %lld ms with cupsd frozen, %lld ms with it answering", hung, answered);
            QVERIFY2(hung < answered + 1000,
                     qPrintable(QString("%1 ms, %2 ms with cupsd answering").arg(hung).arg(answered)));
            QCOMPARE(w->item("orientationBox")->property("currentText").toString(),
                     QStringLiteral("Landscape"));
            QCOMPARE(qRound(w->item("heat1Slider")->property("value").toReal()), 0);
            w->tap(w->item("mirrorSwitchControl"));
            QTest::qWait(kFrozenMs);
        }
        QTRY_COMPARE_WITH_TIMEOUT(w->item("orientationBox")->property("currentText").toString(),
                                  QStringLiteral("Portrait"), kLandingMs);
        QCOMPARE(w->item("mirrorSwitch")->property("checked").toBool(), true);
        QCOMPARE(qRound(w->item("heat1Slider")->property("value").toReal()), 2);
        QCOMPARE(w->item("horizontal1Box")->property("value").toInt(), 12);
        QCOMPARE(qRound(w->item("tension1Slider")->property("value").toReal()), 30);
        QCOMPARE(PrinterPageFixture::hits(), (QList<QPair<QString, QString>>{{"Mirror", "true"}}));
        QTRY_COMPARE_WITH_TIMEOUT(m_fixture->cups().queueDefaults().value("MirrorPrint"),
                                  QStringLiteral("True"), kLandingMs);
        QCOMPARE(m_fixture->cups().queueDefaults().value("head1Offset"), QStringLiteral("2"));
    }
};

QTEST_MAIN(tst_PagePrinter)
#include "tst_pageprinter.moc"
