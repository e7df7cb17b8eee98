// The Presets page on the real window: which actions "<Current Settings>"
// allows, adding, updating and deleting presets in the real store, and the
// hits each action sends.
#include "PrinterPageFixture.h"
#include "SettingsWindow.h"

#include <QQuickItem>
#include <QtTest>

#include <memory>

class tst_PagePrinterPresets : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrinterPageFixture> m_fixture;

    static QStringList boxEntries(const SettingsWindow &w)
    {
        return w.item("presetBox")->property("model").toStringList();
    }

private slots:
    void initTestCase()
    {
        m_fixture = std::make_unique<PrinterPageFixture>();
        QVERIFY2(m_fixture->isReady(), qPrintable(m_fixture->errorString()));
    }

    void cleanupTestCase() { m_fixture.reset(); }

    void init() { m_fixture->reset("orientation-requested=3 Feed=4 MirrorPrint=True"); }

    void currentSettingsAllowsNeitherDeleteNorUpdate()
    {
        PrinterPageFixture::storePreset("Job", {"Feed", "1"});
        PrinterWindow w(8);
        QQuickItem *page = w.item("pagePrinterPresets");
        QCOMPARE(boxEntries(w), (QStringList{"<Current Settings>", "Job"}));
        QCOMPARE(page->property("currentPreset").toString(), QString());
        QVERIFY(!w.item("deletePresetButton")->isEnabled());
        QVERIFY(!w.item("updatePresetButton")->isEnabled());

        PrinterPageFixture::choose(w.item("presetBox"), "Job");
        QCOMPARE(page->property("currentPreset").toString(), QStringLiteral("Job"));
        QVERIFY(w.item("deletePresetButton")->isEnabled());
        QVERIFY(w.item("updatePresetButton")->isEnabled());
        // Selecting applies the preset at once.
        QCOMPARE(PrinterPageFixture::queueOption("Feed"), QStringLiteral("1"));

        PrinterPageFixture::choose(w.item("presetBox"), 0);
        QCOMPARE(page->property("currentPreset").toString(), QString());
        QVERIFY(!w.item("deletePresetButton")->isEnabled());
        QCOMPARE(PrinterPageFixture::hits(),
                 (QList<QPair<QString, QString>>{{"PresetSelect", "User Preset"},
                                                 {"PresetSelect", "Current Settings"}}));
    }

    void addNeedsAName()
    {
        PrinterWindow w(8);
        QTRY_VERIFY(w.item("pagePrinterPresets")->isVisible());
        w.tap(w.item("addPresetButton"));
        QCOMPARE(PrinterPageFixture::presetNames(), QStringList{"Sample Preset"});
        QVERIFY(PrinterPageFixture::hits().isEmpty());

        w.item("presetNameField")->setProperty("text", "Shelf labels");
        w.tap(w.item("addPresetButton"));
        QVERIFY(PrinterPageFixture::presetNames().contains("Shelf labels"));
        QCOMPARE(boxEntries(w), (QStringList{"<Current Settings>", "Shelf labels"}));
        QCOMPARE(w.item("presetNameField")->property("text").toString(), QString());
        QCOMPARE(PrinterPageFixture::hits(),
                 (QList<QPair<QString, QString>>{{"CreatedPreset", "Created Preset"}}));
    }

    void updateKeepsOnePresetWithTheCurrentSettings()
    {
        PrinterPageFixture::storePreset("Job", {"Feed", "1", "orientation-requested", "5"});
        PrinterWindow w(8);
        QTRY_VERIFY(w.item("pagePrinterPresets")->isVisible());
        PrinterPageFixture::choose(w.item("presetBox"), "Job");
        // A change made after the preset was applied.
        w.showTab(7);
        w.item("feedBox")->setProperty("value", 7);
        w.showTab(8);
        QTRY_VERIFY(w.item("updatePresetButton")->isVisible());
        w.tap(w.item("updatePresetButton"));

        QCOMPARE(PrinterPageFixture::presetNames().count("Job"), 1);
        const QStringList options = PrinterPageFixture::presetOptions("Job");
        QCOMPARE(options.value(options.indexOf("Feed") + 1), QStringLiteral("7"));
        QCOMPARE(options.value(options.indexOf("orientation-requested") + 1), QStringLiteral("5"));
        QCOMPARE(boxEntries(w), (QStringList{"<Current Settings>", "Job"}));
        QCOMPARE(PrinterPageFixture::hits().last(),
                 qMakePair(QStringLiteral("UpdatePreset"), QStringLiteral("User Preset")));
    }

    void deleteRemovesTheSelectedPreset()
    {
        PrinterPageFixture::storePreset("A", {"Feed", "1"});
        PrinterPageFixture::storePreset("B", {"Feed", "2"});
        PrinterWindow w(8);
        QTRY_VERIFY(w.item("pagePrinterPresets")->isVisible());
        PrinterPageFixture::choose(w.item("presetBox"), "A");
        w.tap(w.item("deletePresetButton"));
        QVERIFY(!PrinterPageFixture::presetNames().contains("A"));
        QVERIFY(PrinterPageFixture::presetNames().contains("B"));
        QCOMPARE(boxEntries(w), (QStringList{"<Current Settings>", "B"}));
        QCOMPARE(PrinterPageFixture::hits().last(),
                 qMakePair(QStringLiteral("DeletePreset"), QStringLiteral("User Preset")));
    }
};

QTEST_MAIN(tst_PagePrinterPresets)
#include "tst_pageprinterpresets.moc"
