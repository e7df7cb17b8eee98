// The Alignment page on the real window: the boxes' ranges, the previews,
// the rows per model, what creation and a preset send and store.
#include "PrinterPageFixture.h"
#include "SettingsWindow.h"
#include "UbootEnvironment.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

#include <memory>

class tst_PagePrinterAlignment : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrinterPageFixture> m_fixture;

    static int value(const SettingsWindow &w, const char *box)
    {
        return w.item(QString::fromLatin1(box) + "Box")->property("value").toInt();
    }

    static void type(const SettingsWindow &w, const char *text)
    {
        for (const char *c = text; *c; ++c)
            QTest::keyClick(w.window(), *c);
    }

private slots:
    void initTestCase()
    {
        m_fixture = std::make_unique<PrinterPageFixture>();
        QVERIFY2(m_fixture->isReady(), qPrintable(m_fixture->errorString()));
    }

    void cleanupTestCase() { m_fixture.reset(); }

    void init() { m_fixture->reset("Hoffset1=12 Hoffset2=-7 Voffset1=3 Voffset2=9 Stop=4 Feed=-2"); }

    void typedValuesStayInRange()
    {
        PrinterWindow w(7);
        QQuickItem *box = w.item("horizontal1Box");
        QTRY_VERIFY(box->isVisible());
        QQuickItem *input = box->property("contentItem").value<QQuickItem *>();
        input->forceActiveFocus();
        QTest::keyClick(w.window(), Qt::Key_A, Qt::ControlModifier);
        type(w, "150");
        QTest::keyClick(w.window(), Qt::Key_Return);
        QVERIFY(box->property("value").toInt() >= -100 && box->property("value").toInt() <= 100);
        QVERIFY(PrinterPageFixture::queueOption("Hoffset1") != QLatin1String("150"));

        // A value in range is taken, stored and reported.
        QTest::keyClick(w.window(), Qt::Key_A, Qt::ControlModifier);
        type(w, "-60");
        QTest::keyClick(w.window(), Qt::Key_Return);
        QCOMPARE(box->property("value").toInt(), -60);
        QCOMPARE(PrinterPageFixture::queueOption("Hoffset1"), QStringLiteral("-60"));
        QCOMPARE(PrinterPageFixture::hits().last(),
                 qMakePair(QStringLiteral("Horizontal1"), QStringLiteral("-60")));
    }

    void feedMovesTheCutLine_data()
    {
        QTest::addColumn<int>("feed");
        QTest::addColumn<qreal>("x");
        QTest::newRow("10") << 10 << 95.0;
        QTest::newRow("-10") << -10 << 5.0;
        QTest::newRow("0") << 0 << 50.0;
    }

    void feedMovesTheCutLine()
    {
        QFETCH(int, feed);
        QFETCH(qreal, x);
        PrinterWindow w(7);
        w.item("feedBox")->setProperty("value", feed);
        QCOMPARE(w.item("feedPreviewCutLine")->x(), x);
        QCOMPARE(PrinterPageFixture::queueOption("Feed"), QString::number(feed));
    }

    void previewShiftsByAQuarterDot()
    {
        PrinterWindow w(7);
        QQuickItem *glyph = w.item("printheadPreviewGlyph");
        const QPointF rest = glyph->position() - QPointF(12 / 4.0, -3 / 4.0);
        w.item("horizontal1Box")->setProperty("value", 40);
        w.item("vertical1Box")->setProperty("value", -20);
        QCOMPARE(glyph->position(), rest + QPointF(10, 5));
    }

    void rowsPerModel_data() { SettingsWindow::addModelRows(); }

    void rowsPerModel()
    {
        QFETCH(QString, model);
        QFETCH(bool, tundrel);
        UbootEnvironment device({{"vhModel", model}});
        QVERIFY2(device.isValid(), qPrintable(device.errorString()));
        PrinterWindow w(7);
        QTRY_VERIFY(w.item("pagePrinterAlignment")->isVisible());
        QVERIFY(w.item("horizontal1Box")->isVisible());
        QVERIFY(w.item("vertical1Box")->isVisible());
        QCOMPARE(w.item("horizontal2Box")->isVisible(), tundrel);
        QCOMPARE(w.item("vertical2Box")->isVisible(), tundrel);
        QCOMPARE(w.item("backfeedRow")->isVisible(), !tundrel);
        QVERIFY(w.item("feedBox")->isVisible());
        // The boxes took the printer's values, second head included, and
        // creation reported none of them.
        QCOMPARE((QList<int>{value(w, "horizontal1"), value(w, "horizontal2"), value(w, "vertical1"),
                             value(w, "vertical2"), value(w, "backfeed"), value(w, "feed")}),
                 (QList<int>{12, -7, 3, 9, 4, -2}));
        QVERIFY(PrinterPageFixture::hits().isEmpty());
        QVERIFY2(w.qmlProblems().isEmpty(), qPrintable(w.qmlProblems().join('\n')));
    }

    void presetSetsEveryBox()
    {
        PrinterPageFixture::storePreset("Job", {"Hoffset1", "20", "Voffset2", "-8", "Feed", "6"});
        PrinterWindow w(0);
        w.showTab(8);
        PrinterPageFixture::choose(w.item("presetBox"), "Job");
        w.showTab(7);
        QCOMPARE((QList<int>{value(w, "horizontal1"), value(w, "horizontal2"), value(w, "vertical1"),
                             value(w, "vertical2"), value(w, "backfeed"), value(w, "feed")}),
                 (QList<int>{20, 0, 0, -8, 0, 6}));
        QCOMPARE(PrinterPageFixture::queueOption("Stop"), QStringLiteral("0"));
        QCOMPARE(PrinterPageFixture::queueOption("Feed"), QStringLiteral("6"));
        const QStringList names = PrinterPageFixture::hitNames();
        QVERIFY2(names.contains("Backfeed") && names.contains("Horizontal1"), qPrintable(names.join(' ')));
    }
};

QTEST_MAIN(tst_PagePrinterAlignment)
#include "tst_pageprinteralignment.moc"
