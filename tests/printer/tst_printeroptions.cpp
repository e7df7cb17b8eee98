// VHSettingsPrinter's option tables, its snapshot at construction and its
// setters, against a real cupsd whose queue defaults the test writes.
#include "CupsScheduler.h"
#include "CupsSupport.h"
#include "QMLCupsEnums.h"
#include "ReadyPrinter.h"
#include "SignalRecorder.h"
#include "TestHome.h"
#include "VHSettingsPrinter.h"

#include <QTranslator>
#include <QtTest>

#include <functional>
#include <limits>
#include <memory>

namespace {

QVariantMap properties(const QObject &object)
{
    QVariantMap values;
    const QMetaObject *meta = object.metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        values.insert(QString::fromLatin1(meta->property(i).name()), meta->property(i).read(&object));
    return values;
}

// A German UI for the texts the printer settings translate.
class GermanTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int) const override
    {
        if (qstrcmp(context, "QObject") != 0)
            return QString();
        const QByteArray key = QByteArray(sourceText) + '|' + QByteArray(disambiguation);
        static const QMap<QByteArray, QString> texts{
            {"Landscape|", "Quer"},
            {"Landscape 180|", "Quer 180"},
            {"Portrait|", "Hoch"},
            {"Portrait 180|", "Hoch 180"},
            {"No Cut|", "Kein Schnitt"},
            {"Cut After Page|", "Schnitt nach Seite"},
            {"Cut After Job|", "Schnitt nach Auftrag"},
            {"Dither|Dither method name", "Rasterung"},
            {"Ordered Dither|Ordered Dither method name", "Geordnete Rasterung"},
            // Must not be used: the suffixes carry a disambiguation.
            {"Dither|", "FALSCH"},
        };
        return texts.value(key);
    }
};

} // namespace

class tst_PrinterOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void modelsAreSortedTables();
    void textsToCodes_data();
    void textsToCodes();
    void snapshotAtConstruction_data();
    void snapshotAtConstruction();
    void settersPassStraightThrough_data();
    void settersPassStraightThrough();
    void translatedTextsDriveTheModels();

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<CupsScheduler> m_cups;
    QByteArray m_machineCupsFiles;
};

void tst_PrinterOptions::initTestCase()
{
    m_machineCupsFiles = CupsScheduler::machineCupsFilesState();
    m_home = std::make_unique<TestHome>();
    m_cups = std::make_unique<CupsScheduler>("2");
    QVERIFY2(m_cups->isRunning(), qPrintable(m_cups->errorString()));
}

void tst_PrinterOptions::init()
{
    m_cups->clearOptions();
}

void tst_PrinterOptions::cleanupTestCase()
{
    m_cups.reset();
    m_home.reset();
    QCOMPARE(CupsScheduler::machineCupsFilesState(), m_machineCupsFiles);
}

void tst_PrinterOptions::modelsAreSortedTables()
{
    const ReadyPrinter printer;
    QCOMPARE(printer.getOrientationComboBoxModel(),
             (QStringList{"Landscape", "Landscape 180", "Portrait", "Portrait 180"}));
    QCOMPARE(printer.getCutComboBoxModel(), (QStringList{"Cut After Job", "Cut After Page", "No Cut"}));
    // A blank sorts before a digit: "Sierra " before "Sierra2 ".
    QCOMPARE(printer.getDitheringComboBoxModel(),
             (QStringList{"Atkinson Dither", "Bayer Ordered Dither", "Burkes Dither",
                          "Floyd-Steinberg Dither", "JaJuNi Dither", "Sierra Dither", "Sierra2 Dither",
                          "Stucki Dither", "Threshold (No) Dither", "Yliluoma Ordered Dither"}));
}

void tst_PrinterOptions::textsToCodes_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");

    QTest::newRow("Landscape") << QByteArray("setPrintOrientation") << "Landscape"
                               << int(QMLCupsEnums::LANDSCAPE180);
    QTest::newRow("Landscape 180") << QByteArray("setPrintOrientation") << "Landscape 180"
                                   << int(QMLCupsEnums::LANDSCAPE);
    QTest::newRow("Portrait") << QByteArray("setPrintOrientation") << "Portrait"
                              << int(QMLCupsEnums::PORTRAIT180);
    QTest::newRow("Portrait 180") << QByteArray("setPrintOrientation") << "Portrait 180"
                                  << int(QMLCupsEnums::PORTRAIT);
    QTest::newRow("orientation other case") << QByteArray("setPrintOrientation") << "landscape" << 0;
    QTest::newRow("orientation empty") << QByteArray("setPrintOrientation") << "" << 0;
    QTest::newRow("orientation trailing blank") << QByteArray("setPrintOrientation") << "Landscape " << 0;

    QTest::newRow("No Cut") << QByteArray("setCutOption") << "No Cut" << int(QMLCupsEnums::CUT_MEDIA_NONE);
    QTest::newRow("Cut After Page") << QByteArray("setCutOption") << "Cut After Page"
                                    << int(QMLCupsEnums::CUT_MEDIA_PAGE);
    QTest::newRow("Cut After Job") << QByteArray("setCutOption") << "Cut After Job"
                                   << int(QMLCupsEnums::CUT_MEDIA_JOB);
    QTest::newRow("cut other case") << QByteArray("setCutOption") << "cut after job" << 0;

    const QList<QPair<QString, int>> dithering{
        {"Floyd-Steinberg Dither", 16}, {"JaJuNi Dither", 17},        {"Stucki Dither", 18},
        {"Burkes Dither", 20},          {"Atkinson Dither", 21},      {"Sierra Dither", 24},
        {"Sierra2 Dither", 25},         {"Bayer Ordered Dither", 32}, {"Yliluoma Ordered Dither", 33},
        {"Threshold (No) Dither", 0},   {"sierra dither", 0},         {"Atkinson", 0}};
    for (const auto &entry : dithering)
        QTest::newRow(qPrintable(entry.first))
            << QByteArray("setDitheringMethod") << entry.first << entry.second;
}

void tst_PrinterOptions::textsToCodes()
{
    QFETCH(QByteArray, slot);
    QFETCH(QString, text);
    QFETCH(int, code);

    // Start from values no row sets, so "unchanged" means something.
    m_cups->writeUserOptions("orientation-requested=7 CutMedia=9 Dithering=99");
    ReadyPrinter printer;
    const QVariantMap before = properties(printer);
    SignalRecorder recorder(&printer);

    QVERIFY(QMetaObject::invokeMethod(&printer, slot.constData(), Q_ARG(QString, text)));

    const CupsSupport backEnd;
    QVariantMap expected = before;
    if (slot == "setPrintOrientation") {
        QCOMPARE(static_cast<int>(backEnd.getOrientation()), code);
        expected.insert("orientationEnum", code);
        QCOMPARE(recorder.counts(), (QMap<QString, int>{{"orientationEnumChanged", 1}}));
        QCOMPARE(recorder.first("orientationEnumChanged"), QList<QVariant>{code});
    } else if (slot == "setCutOption") {
        QCOMPARE(backEnd.getPpdOption("CutMedia"), QString::number(code));
        expected.insert("cutEnum", code);
        QCOMPARE(recorder.counts(), (QMap<QString, int>{{"cutEnumChanged", 1}}));
        QCOMPARE(recorder.first("cutEnumChanged"), QList<QVariant>{code});
    } else {
        QCOMPARE(backEnd.getDithering(), code);
        QCOMPARE(recorder.counts(), (QMap<QString, int>{}));
    }
    // The text properties keep what construction read.
    QCOMPARE(properties(printer), expected);
}

void tst_PrinterOptions::snapshotAtConstruction_data()
{
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<QVariantMap>("expected");

    QTest::newRow("nothing set") << QByteArray() << QVariantMap{{"orientationEnum", 5},
                                                                {"orientationOption", "Landscape"},
                                                                {"ditheringMethod", "Atkinson Dither"},
                                                                {"cutEnum", 2},
                                                                {"cutOption", "Cut After Job"},
                                                                {"backfeedOffset", 0},
                                                                {"mirror", false}};
    QTest::newRow("orientation 3") << QByteArray("orientation-requested=3")
                                   << QVariantMap{{"orientationEnum", 3},
                                                  {"orientationOption", "Portrait 180"}};
    QTest::newRow("orientation 4") << QByteArray("orientation-requested=4")
                                   << QVariantMap{{"orientationEnum", 4},
                                                  {"orientationOption", "Landscape 180"}};
    QTest::newRow("orientation 6") << QByteArray("orientation-requested=6")
                                   << QVariantMap{{"orientationEnum", 6}, {"orientationOption", "Portrait"}};
    QTest::newRow("orientation 0") << QByteArray("orientation-requested=0")
                                   << QVariantMap{{"orientationEnum", 0}, {"orientationOption", ""}};
    QTest::newRow("orientation 7") << QByteArray("orientation-requested=7")
                                   << QVariantMap{{"orientationEnum", 7}, {"orientationOption", ""}};
    QTest::newRow("dithering 19") << QByteArray("Dithering=19") << QVariantMap{{"ditheringMethod", ""}};
    QTest::newRow("dithering 25") << QByteArray("Dithering=25")
                                  << QVariantMap{{"ditheringMethod", "Sierra2 Dither"}};
    QTest::newRow("dithering 0") << QByteArray("Dithering=0")
                                 << QVariantMap{{"ditheringMethod", "Threshold (No) Dither"}};
    QTest::newRow("dithering 33") << QByteArray("Dithering=33")
                                  << QVariantMap{{"ditheringMethod", "Yliluoma Ordered Dither"}};
    QTest::newRow("stop 2.7") << QByteArray("Stop=2.7") << QVariantMap{{"backfeedOffset", 2}};
    QTest::newRow("stop -2.7") << QByteArray("Stop=-2.7") << QVariantMap{{"backfeedOffset", -2}};
    QTest::newRow("stop beyond int") << QByteArray("Stop=1e12")
                                     << QVariantMap{{"backfeedOffset", std::numeric_limits<int>::max()}};
    QTest::newRow("cut empty") << QByteArray("CutMedia=\"\"")
                               << QVariantMap{{"cutEnum", 0}, {"cutOption", "No Cut"}};
    QTest::newRow("cut non-numeric") << QByteArray("CutMedia=abc")
                                     << QVariantMap{{"cutEnum", 0}, {"cutOption", "No Cut"}};
    QTest::newRow("cut 1") << QByteArray("CutMedia=1")
                           << QVariantMap{{"cutEnum", 1}, {"cutOption", "Cut After Page"}};
    QTest::newRow("cut 5") << QByteArray("CutMedia=5") << QVariantMap{{"cutEnum", 5}, {"cutOption", ""}};
    QTest::newRow("every option") << QByteArray(
        "orientation-requested=6 MirrorPrint=True NegativePrint=False Overprint=True "
        "WhiteBase=True RibbonSaver=True CutMedia=1 Dithering=18 Feed=-4 Hoffset1=11 "
        "Hoffset2=-12 Voffset1=13 Voffset2=-14 R1TensionAdjust=15 R2TensionAdjust=-16 "
        "Stop=9 head1Offset=17 head2Offset=-18")
                                  << QVariantMap{{"orientationEnum", 6},
                                                 {"orientationOption", "Portrait"},
                                                 {"mirror", true},
                                                 {"negative", false},
                                                 {"overprint", true},
                                                 {"whitebase", true},
                                                 {"ribbonSaver", true},
                                                 {"cutEnum", 1},
                                                 {"cutOption", "Cut After Page"},
                                                 {"ditheringMethod", "Stucki Dither"},
                                                 {"feedOffset", -4},
                                                 {"horizontal1Offset", 11},
                                                 {"horizontal2Offset", -12},
                                                 {"vertical1Offset", 13},
                                                 {"vertical2Offset", -14},
                                                 {"r1Tension", 15},
                                                 {"r2Tension", -16},
                                                 {"backfeedOffset", 9},
                                                 {"head1HeatOffset", 17},
                                                 {"head2HeatOffset", -18}};
}

void tst_PrinterOptions::snapshotAtConstruction()
{
    QFETCH(QByteArray, options);
    QFETCH(QVariantMap, expected);
    if (!options.isEmpty())
        m_cups->writeUserOptions(options);

    const ReadyPrinter printer;
    const QVariantMap actual = properties(printer);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QVERIFY2(actual.value(it.key()) == it.value(),
                 qPrintable(it.key() + " = " + actual.value(it.key()).toString()));
}

void tst_PrinterOptions::settersPassStraightThrough_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("stored");

    QTest::newRow("mirror") << QByteArray("setMirror") << QVariant(true) << QVariant(true);
    QTest::newRow("negative") << QByteArray("setNegative") << QVariant(true) << QVariant(true);
    QTest::newRow("overprint") << QByteArray("setOverprint") << QVariant(true) << QVariant(true);
    QTest::newRow("whitebase") << QByteArray("setWhitebase") << QVariant(true) << QVariant(true);
    QTest::newRow("ribbon saver") << QByteArray("setRibbonSaver") << QVariant(true) << QVariant(true);
    QTest::newRow("feed") << QByteArray("setFeedOffset") << QVariant(7) << QVariant(7);
    QTest::newRow("backfeed") << QByteArray("setBackfeedOffset") << QVariant(-3) << QVariant(-3.0);
    QTest::newRow("head 1") << QByteArray("setHead1HeatOffset") << QVariant(4) << QVariant(4);
    QTest::newRow("head 2") << QByteArray("setHead2HeatOffset") << QVariant(-5) << QVariant(-5);
    QTest::newRow("horizontal 1") << QByteArray("setHorizontal1Offset") << QVariant(6) << QVariant(6);
    QTest::newRow("horizontal 2") << QByteArray("setHorizontal2Offset") << QVariant(-7) << QVariant(-7);
    QTest::newRow("vertical 1") << QByteArray("setVertical1Offset") << QVariant(8) << QVariant(8);
    QTest::newRow("vertical 2") << QByteArray("setVertical2Offset") << QVariant(-9) << QVariant(-9);
    QTest::newRow("tension 1") << QByteArray("setR1Tension") << QVariant(10) << QVariant(10);
    QTest::newRow("tension 2") << QByteArray("setR2Tension") << QVariant(-11) << QVariant(-11);
}

void tst_PrinterOptions::settersPassStraightThrough()
{
    QFETCH(QByteArray, slot);
    QFETCH(QVariant, value);
    QFETCH(QVariant, stored);

    const QMap<QByteArray, std::function<QVariant(const CupsSupport &)>> readers{
        {"setMirror", [](const CupsSupport &c) { return QVariant(c.getMirror()); }},
        {"setNegative", [](const CupsSupport &c) { return QVariant(c.getInverse()); }},
        {"setOverprint", [](const CupsSupport &c) { return QVariant(c.getOverprint()); }},
        {"setWhitebase", [](const CupsSupport &c) { return QVariant(c.getWhiteBase()); }},
        {"setRibbonSaver", [](const CupsSupport &c) { return QVariant(c.getRibbonSaver()); }},
        {"setFeedOffset", [](const CupsSupport &c) { return QVariant(c.getFeed()); }},
        {"setBackfeedOffset", [](const CupsSupport &c) { return QVariant(c.getStop()); }},
        {"setHead1HeatOffset", [](const CupsSupport &c) { return QVariant(c.getColorHeadOffset(1)); }},
        {"setHead2HeatOffset", [](const CupsSupport &c) { return QVariant(c.getColorHeadOffset(2)); }},
        {"setHorizontal1Offset", [](const CupsSupport &c) { return QVariant(c.getOffsetH1()); }},
        {"setHorizontal2Offset", [](const CupsSupport &c) { return QVariant(c.getOffsetH2()); }},
        {"setVertical1Offset", [](const CupsSupport &c) { return QVariant(c.getOffsetV1()); }},
        {"setVertical2Offset", [](const CupsSupport &c) { return QVariant(c.getOffsetV2()); }},
        {"setR1Tension", [](const CupsSupport &c) { return QVariant(c.getR1Tension()); }},
        {"setR2Tension", [](const CupsSupport &c) { return QVariant(c.getR2Tension()); }},
    };
    QVERIFY(readers.contains(slot));

    ReadyPrinter printer;
    const QVariantMap before = properties(printer);
    SignalRecorder recorder(&printer);

    const bool invoked
        = value.type() == QVariant::Bool
              ? QMetaObject::invokeMethod(&printer, slot.constData(), Q_ARG(bool, value.toBool()))
              : QMetaObject::invokeMethod(&printer, slot.constData(), Q_ARG(int, value.toInt()));
    QVERIFY(invoked);

    QCOMPARE(readers.value(slot)(CupsSupport()), stored);
    // No property follows and nothing is announced.
    QCOMPARE(properties(printer), before);
    QCOMPARE(recorder.counts(), (QMap<QString, int>{}));
}

void tst_PrinterOptions::translatedTextsDriveTheModels()
{
    GermanTranslator german;
    QVERIFY(QCoreApplication::installTranslator(&german));
    m_cups->writeUserOptions("orientation-requested=3 Dithering=32 CutMedia=2");
    ReadyPrinter printer;

    QCOMPARE(printer.getOrientationComboBoxModel(), (QStringList{"Hoch", "Hoch 180", "Quer", "Quer 180"}));
    QCOMPARE(printer.getCutComboBoxModel(),
             (QStringList{"Kein Schnitt", "Schnitt nach Auftrag", "Schnitt nach Seite"}));
    // The method names stay, only the suffixes follow the language.
    QCOMPARE(printer.getDitheringComboBoxModel().first(), QStringLiteral("Atkinson Rasterung"));
    QVERIFY(printer.getDitheringComboBoxModel().contains("Bayer Geordnete Rasterung"));
    QCOMPARE(printer.getOrientationOption(), QStringLiteral("Hoch 180"));
    QCOMPARE(printer.getDitheringMethod(), QStringLiteral("Bayer Geordnete Rasterung"));
    QCOMPARE(printer.getCutOption(), QStringLiteral("Schnitt nach Auftrag"));

    printer.setPrintOrientation("Landscape");
    QCOMPARE(printer.getOrientationEnum(), 0);
    printer.setPrintOrientation("Quer");
    QCOMPARE(printer.getOrientationEnum(), 5);

    // A preset load picks the texts of the UI language, too.
    QVERIFY(printer.addPreset("German"));
    printer.setPrintOrientation("Hoch");
    QCOMPARE(printer.getOrientationEnum(), 6);
    QVERIFY(!printer.loadPreset("German").isEmpty());
    QCOMPARE(printer.getOrientationOption(), QStringLiteral("Quer"));
    QCOMPARE(printer.getOrientationEnum(), 5);
    QCOMPARE(printer.getCutOption(), QStringLiteral("Schnitt nach Auftrag"));

    QVERIFY(QCoreApplication::removeTranslator(&german));
}

QTEST_GUILESS_MAIN(tst_PrinterOptions)
#include "tst_printeroptions.moc"
