// The Advanced page on the real window: tensions shown as offsets from
// nominal, stored as percent, reported as offsets; the preset's tensions;
// the calibration lock.
#include "PrinterPageFixture.h"
#include "SettingsWindow.h"
#include "VHIPCThread.h"

#include <QDir>
#include <QElapsedTimer>
#include <QQuickItem>
#include <QtTest>

#include <memory>

class tst_PagePrinterAdvanced : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrinterPageFixture> m_fixture;

    static QList<bool> buttonsEnabled(const SettingsWindow &w)
    {
        return {w.item("calibrateRibbonSensorButton")->isEnabled(),
                w.item("calibrateSupplySensorButton")->isEnabled(),
                w.item("resetSupplySensorButton")->isEnabled()};
    }

    static QList<int> sliders(const SettingsWindow &w)
    {
        return {qRound(w.item("tension1Slider")->property("value").toReal()),
                qRound(w.item("tension2Slider")->property("value").toReal())};
    }

private slots:
    void initTestCase()
    {
        m_fixture = std::make_unique<PrinterPageFixture>();
        QVERIFY2(m_fixture->isReady(), qPrintable(m_fixture->errorString()));
    }

    void cleanupTestCase() { m_fixture.reset(); }

    void init() { m_fixture->reset("R1TensionAdjust=100 R2TensionAdjust=130"); }

    void tensionIsAnOffsetFromNominal_data()
    {
        QTest::addColumn<int>("slider");
        QTest::addColumn<QString>("stored");
        QTest::newRow("-50") << -50 << "50";
        QTest::newRow("50") << 50 << "150";
        QTest::newRow("10") << 10 << "110";
    }

    void tensionIsAnOffsetFromNominal()
    {
        QFETCH(int, slider);
        QFETCH(QString, stored);
        PrinterWindow w(10);
        QCOMPARE(qRound(w.item("tension1Slider")->property("value").toReal()), 0);
        QCOMPARE(qRound(w.item("tension2Slider")->property("value").toReal()), 30);
        QVERIFY(PrinterPageFixture::hits().isEmpty());

        w.item("tension1Slider")->setProperty("value", slider);
        QCOMPARE(PrinterPageFixture::queueOption("R1TensionAdjust"), stored);
        QCOMPARE(PrinterPageFixture::hits(),
                 (QList<QPair<QString, QString>>{{"Tension1", QString::number(slider)}}));
    }

    void presetTensions()
    {
        PrinterPageFixture::storePreset("Job", {"R2TensionAdjust", "120"});
        PrinterWindow w(0);
        w.showTab(8);
        PrinterPageFixture::choose(w.item("presetBox"), "Job");
        w.showTab(10);
        QCOMPARE(qRound(w.item("tension2Slider")->property("value").toReal()), 20);
        // Absent: nominal.
        QCOMPARE(qRound(w.item("tension1Slider")->property("value").toReal()), 0);
        QCOMPARE(PrinterPageFixture::queueOption("R2TensionAdjust"), QStringLiteral("120"));
    }

    // A queue whose tensions were never set runs at nominal, and nothing is
    // written until a slider moves. A preset saved on it, or one holding the
    // 0 that such a queue was once saved with, brings back nominal.
    void unsetTensionIsNominal_data()
    {
        QTest::addColumn<bool>("savedHere");
        QTest::newRow("preset saved on this queue") << true;
        QTest::newRow("preset saved with 0") << false;
    }

    void unsetTensionIsNominal()
    {
        QFETCH(bool, savedHere);
        m_fixture->reset();
        if (!savedHere)
            PrinterPageFixture::storePreset("Job", {"R1TensionAdjust", "0", "R2TensionAdjust", "0"});
        SettingsWindow w(10);
        QCOMPARE(sliders(w), (QList<int>{0, 0}));
        QCOMPARE(PrinterPageFixture::queueOption("R1TensionAdjust"), QString());
        QCOMPARE(PrinterPageFixture::queueOption("R2TensionAdjust"), QString());
        QVERIFY(PrinterPageFixture::hits().isEmpty());

        w.showTab(8);
        if (savedHere) {
            QTRY_VERIFY(w.item("pagePrinterPresets")->isVisible());
            w.item("presetNameField")->setProperty("text", "Job");
            w.tap(w.item("addPresetButton"));
        }
        PrinterPageFixture::choose(w.item("presetBox"), "Job");
        w.showTab(10);
        QCOMPARE(sliders(w), (QList<int>{0, 0}));
        QCOMPARE(PrinterPageFixture::queueOption("R1TensionAdjust"), QStringLiteral("100"));
        QCOMPARE(PrinterPageFixture::queueOption("R2TensionAdjust"), QStringLiteral("100"));
    }

    void calibrationLocksTheButtonsForThreeSeconds()
    {
        PrinterWindow w(10);
        auto *ipc = qobject_cast<VHIPCThread *>(w.contextObject("VHIPCThread"));
        ipc->setServiceDirectory(m_fixture->serviceDirectory());
        QTRY_VERIFY(w.item("pagePrinterAdvanced")->isVisible());
        QCOMPARE(buttonsEnabled(w), (QList<bool>{true, true, true}));

        w.tap(w.item("resetSupplySensorButton"));
        QCOMPARE(buttonsEnabled(w), (QList<bool>{true, true, true}));

        QElapsedTimer locked;
        locked.start();
        w.tap(w.item("calibrateRibbonSensorButton"));
        QCOMPARE(buttonsEnabled(w), (QList<bool>{false, false, false}));
        QTRY_COMPARE_WITH_TIMEOUT(buttonsEnabled(w), (QList<bool>{true, true, true}), 5000);
        QVERIFY2(locked.elapsed() >= 2900, qPrintable(QString::number(locked.elapsed())));

        const QDir requests(m_fixture->serviceDirectory() + "/requests");
        const QStringList files = requests.entryList({"*.request"}, QDir::Files);
        QCOMPARE(files.size(), 1);
        QCOMPARE(PrinterPageFixture::hitNames(),
                 (QStringList{"ResetSupplySensorButton", "CalibrateRibbonSensorButton"}));
    }

    void ribbonSaverHasItsBadge()
    {
        PrinterWindow w(10);
        QTRY_VERIFY(w.item("betaBadge")->isVisible());
        w.tap(w.item("ribbonSaverSwitch"));
        QCOMPARE(PrinterPageFixture::queueOption("RibbonSaver"), QStringLiteral("True"));
        QCOMPARE(PrinterPageFixture::hits(), (QList<QPair<QString, QString>>{{"RibbonSaver", "true"}}));
    }
};

QTEST_MAIN(tst_PagePrinterAdvanced)
#include "tst_pageprinteradvanced.moc"
