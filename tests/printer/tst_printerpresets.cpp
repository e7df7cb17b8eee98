// Presets through VHSettingsPrinter: what addPreset stores, what loadPreset
// applies (to the members and to the real CUPS queue), the list the presets
// page shows, and that presets outlive the process.
#include "CupsScheduler.h"
#include "CupsSupport.h"
#include "Preset.h"
#include "PresetList.h"
#include "ReadyPrinter.h"
#include "SignalRecorder.h"
#include "TestHome.h"
#include "VHSettingsPrinter.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

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

// What the queue holds now, under short names.
QVariantMap backEnd()
{
    const CupsSupport cups;
    return {{"orientation", static_cast<int>(cups.getOrientation())},
            {"cut", cups.getPpdOption("CutMedia")},
            {"dithering", cups.getDithering()},
            {"mirror", cups.getMirror()},
            {"negative", cups.getInverse()},
            {"overprint", cups.getOverprint()},
            {"whitebase", cups.getWhiteBase()},
            {"ribbonSaver", cups.getRibbonSaver()},
            {"feed", cups.getFeed()},
            {"stop", cups.getStop()},
            {"h1", cups.getOffsetH1()},
            {"h2", cups.getOffsetH2()},
            {"v1", cups.getOffsetV1()},
            {"v2", cups.getOffsetV2()},
            {"r1", cups.getR1Tension()},
            {"r2", cups.getR2Tension()},
            {"head1", cups.getColorHeadOffset(1)},
            {"head2", cups.getColorHeadOffset(2)}};
}

// Stores a preset with any option list, the way another program would.
void storePreset(const QString &name, const QStringList &options)
{
    PresetList list(QStringLiteral("Tundrel"), true);
    list.addPreset(new Preset(QStringLiteral("Tundrel"), name + "_p", Preset::STATE_USER, options, name,
                              QString(), list.applyLastPresetIndex()));
    list.save(list.getPredefinedPresetNames());
}

// Second-process half of presetsSurviveARestart.
int dumpPresets(const QString &name)
{
    ReadyPrinter printer;
    QTextStream out(stdout);
    out << printer.populatePresetList().join('|') << '\n';
    out << printer.loadPreset(name).join('|') << '\n';
    out << printer.getOrientationEnum() << ' ' << printer.getFeedOffset() << '\n';
    return 0;
}

const QByteArray kStartOptions = "orientation-requested=3 CutMedia=2 Dithering=32 MirrorPrint=True "
                                 "NegativePrint=True Feed=9 Hoffset1=9 Stop=4 RibbonSaver=False";

} // namespace

class tst_PrinterPresets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void saveThenLoadRestoresAllButRibbonSaver();
    void stopTextOfAddPreset_data();
    void stopTextOfAddPreset();
    void loadRules_data();
    void loadRules();
    void emptyOrUnknownPresetChangesNothing();
    void presetListShowsCurrentSettingsFirst();
    void deleteWithEmptyNameDoesNotSave();
    void currentPresetFollowsAddLoadDelete();
    void presetsSurviveARestart();
    void hostileNames_data();
    void hostileNames();

private:
    QString presetsFile() const { return m_home->configDir() + "/Varnholt/presets/Tundrel.json"; }
    QJsonObject storedJson() const;

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<CupsScheduler> m_cups;
    QByteArray m_machineCupsFiles;
};

void tst_PrinterPresets::initTestCase()
{
    m_machineCupsFiles = CupsScheduler::machineCupsFilesState();
    m_home = std::make_unique<TestHome>();
    m_cups = std::make_unique<CupsScheduler>("2");
    QVERIFY2(m_cups->isRunning(), qPrintable(m_cups->errorString()));
}

void tst_PrinterPresets::init()
{
    m_cups->clearOptions();
    QFile::remove(presetsFile());
}

void tst_PrinterPresets::cleanupTestCase()
{
    m_cups.reset();
    m_home.reset();
    QCOMPARE(CupsScheduler::machineCupsFilesState(), m_machineCupsFiles);
}

QJsonObject tst_PrinterPresets::storedJson() const
{
    QFile file(presetsFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

void tst_PrinterPresets::saveThenLoadRestoresAllButRibbonSaver()
{
    {
        ReadyPrinter printer;
        printer.setPrintOrientation("Portrait 180");
        printer.setCutOption("Cut After Job");
        printer.setDitheringMethod("Bayer Ordered Dither");
        printer.setMirror(true);
        printer.setNegative(true);
        printer.setOverprint(false);
        printer.setWhitebase(true);
        printer.setRibbonSaver(true);
        printer.setFeedOffset(5);
        printer.setBackfeedOffset(-3);
        printer.setHead1HeatOffset(7);
        printer.setHead2HeatOffset(-8);
        printer.setHorizontal1Offset(1);
        printer.setHorizontal2Offset(-2);
        printer.setVertical1Offset(3);
        printer.setVertical2Offset(-4);
        printer.setR1Tension(9);
        printer.setR2Tension(-10);
        QVERIFY(printer.addPreset("A"));
    }
    const QStringList stored{"orientation-requested",
                             "3",
                             "MirrorPrint",
                             "True",
                             "NegativePrint",
                             "True",
                             "Overprint",
                             "False",
                             "WhiteBase",
                             "True",
                             "CutMedia",
                             "2",
                             "Hoffset1",
                             "1",
                             "Hoffset2",
                             "-2",
                             "Voffset1",
                             "3",
                             "Voffset2",
                             "-4",
                             "Feed",
                             "5",
                             "Stop",
                             "-3",
                             "Dithering",
                             "32",
                             "head1Offset",
                             "7",
                             "head2Offset",
                             "-8",
                             "R1TensionAdjust",
                             "9",
                             "R2TensionAdjust",
                             "-10",
                             "RibbonSaver",
                             "Enabled"};

    // Something else everywhere, ribbon saver off.
    m_cups->writeUserOptions("orientation-requested=5 CutMedia=0 Dithering=21 MirrorPrint=False "
                             "NegativePrint=False Overprint=True WhiteBase=False RibbonSaver=False "
                             "Feed=1 Stop=1 head1Offset=1 head2Offset=1 Hoffset1=9 Hoffset2=9 "
                             "Voffset1=9 Voffset2=9 R1TensionAdjust=1 R2TensionAdjust=1");
    ReadyPrinter printer;
    SignalRecorder recorder(&printer);
    QCOMPARE(printer.loadPreset("A"), stored);

    const QVariantMap restored{{"orientationOption", "Portrait 180"},
                               {"cutOption", "Cut After Job"},
                               {"ditheringMethod", "Bayer Ordered Dither"},
                               {"orientationEnum", 3},
                               {"cutEnum", 2},
                               {"head1HeatOffset", 7},
                               {"head2HeatOffset", -8},
                               {"mirror", true},
                               {"negative", true},
                               {"overprint", false},
                               {"whitebase", true},
                               {"backfeedOffset", -3},
                               {"feedOffset", 5},
                               {"horizontal1Offset", 1},
                               {"horizontal2Offset", -2},
                               {"vertical1Offset", 3},
                               {"vertical2Offset", -4},
                               {"r1Tension", 9},
                               {"r2Tension", -10}};
    for (auto it = restored.cbegin(); it != restored.cend(); ++it)
        QCOMPARE(properties(printer).value(it.key()), it.value());
    QCOMPARE(printer.getRibbonSaver(), false);

    const QVariantMap queue = backEnd();
    const QVariantMap queueExpected{
        {"orientation", 3}, {"cut", "2"},         {"dithering", 32},   {"mirror", true},
        {"negative", true}, {"overprint", false}, {"whitebase", true}, {"ribbonSaver", false},
        {"feed", 5},        {"stop", -3.0},       {"h1", 1},           {"h2", -2},
        {"v1", 3},          {"v2", -4},           {"r1", 9},           {"r2", -10},
        {"head1", 7},       {"head2", -8}};
    QCOMPARE(queue, queueExpected);

    QCOMPARE(recorder.counts(), (QMap<QString, int>{{"orientationEnumChanged", 1}, {"cutEnumChanged", 1}}));
    QCOMPARE(recorder.first("orientationEnumChanged"), QList<QVariant>{3});
    QCOMPARE(recorder.first("cutEnumChanged"), QList<QVariant>{2});
}

void tst_PrinterPresets::stopTextOfAddPreset_data()
{
    QTest::addColumn<QByteArray>("stop");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("loaded");

    QTest::newRow("whole") << QByteArray("3") << "3" << 3;
    QTest::newRow("negative") << QByteArray("-7") << "-7" << -7;
    QTest::newRow("below a million") << QByteArray("999999") << "999999" << 999999;
    QTest::newRow("a million") << QByteArray("1000000") << "1e+06" << 0;
    QTest::newRow("fraction") << QByteArray("2.5") << "2.5" << 0;
    QTest::newRow("tiny") << QByteArray("0.00001") << "1e-05" << 0;
}

void tst_PrinterPresets::stopTextOfAddPreset()
{
    QFETCH(QByteArray, stop);
    QFETCH(QString, text);
    QFETCH(int, loaded);

    m_cups->writeUserOptions("Stop=" + stop);
    ReadyPrinter printer;
    printer.addPreset("S");
    const QStringList options = printer.loadPreset("S");
    QCOMPARE(options.value(options.indexOf("Stop") + 1), text);
    QCOMPARE(printer.getBackfeedOffset(), loaded);
    QCOMPARE(CupsSupport().getStop(), double(loaded));
}

void tst_PrinterPresets::loadRules_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QVariantMap>("members");
    QTest::addColumn<QVariantMap>("queue");
    QTest::addColumn<QStringList>("emitted");

    // Construction reads kStartOptions: orientation 3, cut 2, dithering 32,
    // mirror and negative on, feed 9, Hoffset1 9, stop 4.
    QTest::newRow("none of the names")
        << QStringList{"Foo", "Bar"}
        << QVariantMap{{"negative", false},
                       {"mirror", false},
                       {"overprint", false},
                       {"whitebase", false},
                       {"head1HeatOffset", 0},
                       {"feedOffset", 0},
                       {"horizontal1Offset", 0},
                       {"backfeedOffset", 0},
                       {"r2Tension", 100},
                       {"orientationEnum", 5},
                       {"orientationOption", "Landscape"},
                       {"ditheringMethod", "Atkinson Dither"},
                       {"cutEnum", 1},
                       {"cutOption", "Cut After Page"}}
        << QVariantMap{{"orientation", 5},  {"dithering", 21}, {"cut", "1"}, {"mirror", false},
                       {"negative", false}, {"feed", 0},       {"h1", 0},    {"stop", 0.0}}
        << QStringList{"orientationEnumChanged", "cutEnumChanged"};
    QTest::newRow("lower-case true") << QStringList{"MirrorPrint", "true", "NegativePrint", "True"}
                                     << QVariantMap{{"mirror", false}, {"negative", true}}
                                     << QVariantMap{{"mirror", false}, {"negative", true}}
                                     << QStringList{"orientationEnumChanged", "cutEnumChanged"};
    QTest::newRow("stop with fraction")
        << QStringList{"Stop", "2.5"} << QVariantMap{{"backfeedOffset", 0}} << QVariantMap{{"stop", 0.0}}
        << QStringList{"orientationEnumChanged", "cutEnumChanged"};
    QTest::newRow("orientation 7") << QStringList{"orientation-requested", "7", "CutMedia", "2"}
                                   << QVariantMap{{"orientationEnum", 3},
                                                  {"orientationOption", "Portrait 180"}}
                                   << QVariantMap{{"orientation", 3}} << QStringList{"cutEnumChanged"};
    QTest::newRow("orientation not a number")
        << QStringList{"orientation-requested", "five"} << QVariantMap{{"orientationEnum", 3}}
        << QVariantMap{{"orientation", 3}} << QStringList{"cutEnumChanged"};
    QTest::newRow("first of two equal names")
        << QStringList{"Feed", "3", "Feed", "9"} << QVariantMap{{"feedOffset", 3}} << QVariantMap{{"feed", 3}}
        << QStringList{"orientationEnumChanged", "cutEnumChanged"};
    QTest::newRow("a name where a value stands")
        << QStringList{"Hoffset1", "Feed", "Feed", "4"}
        << QVariantMap{{"horizontal1Offset", 0}, {"feedOffset", 0}} << QVariantMap{{"h1", 0}, {"feed", 0}}
        << QStringList{"orientationEnumChanged", "cutEnumChanged"};
    QTest::newRow("last name without value")
        << QStringList{"Feed", "3", "orientation-requested"}
        << QVariantMap{{"feedOffset", 3}, {"orientationEnum", 5}, {"orientationOption", "Landscape"}}
        << QVariantMap{{"feed", 3}, {"orientation", 5}}
        << QStringList{"orientationEnumChanged", "cutEnumChanged"};
    QTest::newRow("dithering not in table")
        << QStringList{"Dithering", "19"} << QVariantMap{{"ditheringMethod", "Bayer Ordered Dither"}}
        << QVariantMap{{"dithering", 32}} << QStringList{"orientationEnumChanged", "cutEnumChanged"};
    QTest::newRow("dithering threshold")
        << QStringList{"Dithering", "0"} << QVariantMap{{"ditheringMethod", "Threshold (No) Dither"}}
        << QVariantMap{{"dithering", 0}} << QStringList{"orientationEnumChanged", "cutEnumChanged"};
    QTest::newRow("cut out of table")
        << QStringList{"CutMedia", "5", "orientation-requested", "4"}
        << QVariantMap{{"cutEnum", 2}, {"cutOption", "Cut After Job"}, {"orientationEnum", 4}}
        << QVariantMap{{"cut", "2"}, {"orientation", 4}} << QStringList{"orientationEnumChanged"};
    QTest::newRow("cut 0") << QStringList{"CutMedia", "0"}
                           << QVariantMap{{"cutEnum", 0}, {"cutOption", "No Cut"}}
                           << QVariantMap{{"cut", "0"}}
                           << QStringList{"orientationEnumChanged", "cutEnumChanged"};
    QTest::newRow("ribbon saver is not read")
        << QStringList{"RibbonSaver", "Enabled"} << QVariantMap{{"ribbonSaver", false}}
        << QVariantMap{{"ribbonSaver", false}} << QStringList{"orientationEnumChanged", "cutEnumChanged"};
}

void tst_PrinterPresets::loadRules()
{
    QFETCH(QStringList, options);
    QFETCH(QVariantMap, members);
    QFETCH(QVariantMap, queue);
    QFETCH(QStringList, emitted);

    m_cups->writeUserOptions(kStartOptions);
    storePreset("P", options);
    ReadyPrinter printer;
    SignalRecorder recorder(&printer);

    QCOMPARE(printer.loadPreset("P"), options);

    const QVariantMap actual = properties(printer);
    for (auto it = members.cbegin(); it != members.cend(); ++it)
        QVERIFY2(actual.value(it.key()) == it.value(),
                 qPrintable(it.key() + " = " + actual.value(it.key()).toString()));
    const QVariantMap held = backEnd();
    for (auto it = queue.cbegin(); it != queue.cend(); ++it)
        QVERIFY2(held.value(it.key()) == it.value(),
                 qPrintable(it.key() + " = " + held.value(it.key()).toString()));
    QMap<QString, int> expectedSignals;
    for (const QString &name : emitted)
        expectedSignals.insert(name, 1);
    QCOMPARE(recorder.counts(), expectedSignals);
}

void tst_PrinterPresets::emptyOrUnknownPresetChangesNothing()
{
    m_cups->writeUserOptions(kStartOptions);
    ReadyPrinter printer;
    const QVariantMap before = properties(printer);
    const QVariantMap queueBefore = backEnd();
    SignalRecorder recorder(&printer);

    QVERIFY(printer.loadPreset("<Current Settings>").isEmpty());
    QVERIFY(printer.loadPreset("No such preset").isEmpty());
    QVERIFY(printer.loadPreset(QString()).isEmpty());

    QCOMPARE(properties(printer), before);
    QCOMPARE(backEnd(), queueBefore);
    QCOMPARE(recorder.counts(), (QMap<QString, int>{}));
}

void tst_PrinterPresets::presetListShowsCurrentSettingsFirst()
{
    ReadyPrinter printer;
    // The shipped sample exists but is never offered.
    QCOMPARE(printer.populatePresetList(), QStringList{"<Current Settings>"});
    QVERIFY(!printer.loadPreset("Sample Preset").isEmpty());

    printer.deletePreset("Sample Preset");
    printer.addPreset("A");
    printer.addPreset("Sample Preset");
    printer.addPreset("B");
    QCOMPARE(printer.populatePresetList(), (QStringList{"<Current Settings>", "A", "B"}));
}

void tst_PrinterPresets::deleteWithEmptyNameDoesNotSave()
{
    {
        ReadyPrinter printer;
        printer.addPreset("A");
    }
    // Mark the file; any save would rewrite it without the mark.
    QJsonObject marked = storedJson();
    QVERIFY(!marked.isEmpty());
    marked.insert("marker", true);
    QFile file(presetsFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QJsonDocument(marked).toJson());
    file.close();

    ReadyPrinter printer;
    printer.deletePreset(QString());
    QVERIFY(storedJson().contains("marker"));
    QCOMPARE(printer.populatePresetList(), (QStringList{"<Current Settings>", "A"}));

    // A name that matches nothing still saves.
    printer.deletePreset("nothing by this name");
    QVERIFY(!storedJson().contains("marker"));
    QCOMPARE(printer.populatePresetList(), (QStringList{"<Current Settings>", "A"}));
}

void tst_PrinterPresets::currentPresetFollowsAddLoadDelete()
{
    ReadyPrinter printer;
    printer.addPreset("A");
    QCOMPARE(storedJson().value("current").toString(), QStringLiteral("A"));
    printer.addPreset("B");
    QCOMPARE(storedJson().value("current").toString(), QStringLiteral("B"));

    printer.loadPreset("A");
    printer.deletePreset("unknown"); // saves, current untouched
    QCOMPARE(storedJson().value("current").toString(), QStringLiteral("A"));

    printer.deletePreset("A");
    QCOMPARE(storedJson().value("current").toString(), QStringLiteral("<Current Settings>"));
    QCOMPARE(printer.populatePresetList(), (QStringList{"<Current Settings>", "B"}));
    QVERIFY(printer.loadPreset("A").isEmpty());
}

void tst_PrinterPresets::presetsSurviveARestart()
{
    {
        ReadyPrinter printer;
        printer.setPrintOrientation("Portrait");
        printer.setFeedOffset(12);
        printer.addPreset("Kept");
        printer.setPrintOrientation("Landscape");
        printer.setFeedOffset(0);
    }

    // A second process with the same home and scheduler.
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {"--dump-presets", "Kept"});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    QVERIFY(lines.size() >= 3);
    QCOMPARE(lines.at(0), QByteArray("<Current Settings>|Kept"));
    QVERIFY(lines.at(1).startsWith("orientation-requested|6|"));
    QVERIFY(lines.at(1).contains("|Feed|12|"));
    QCOMPARE(lines.at(2), QByteArray("6 12"));

    // The child applied the preset to the queue for everyone.
    QCOMPARE(CupsSupport().getFeed(), 12);
}

void tst_PrinterPresets::hostileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("listed");
    QTest::newRow("slash") << "a/b" << true;
    QTest::newRow("parent dir") << "../../../etc/cups/lpoptions" << true;
    QTest::newRow("quotes and shell") << "it's \"$(touch /tmp/x)\" `id`;" << true;
    QTest::newRow("newline") << "first\nsecond" << true;
    QTest::newRow("500 characters") << QString(500, QChar('n')) << true;
    QTest::newRow("suffix-like") << "A_p" << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("predefined") << "<Current Settings>" << false;
}

void tst_PrinterPresets::hostileNames()
{
    QFETCH(QString, name);
    QFETCH(bool, listed);
    const QStringList expected
        = listed ? QStringList{"<Current Settings>", name} : QStringList{"<Current Settings>"};
    {
        ReadyPrinter printer;
        QVERIFY(printer.addPreset(name));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(printer.populatePresetList(), expected);
    }
    // Read back by a new object from the stored file.
    ReadyPrinter printer;
    QCOMPARE(printer.populatePresetList(), expected);
    QCOMPARE(printer.loadPreset(name).size(), listed ? 36 : 0);
    printer.deletePreset(name);
    QCOMPARE(printer.populatePresetList(), QStringList{"<Current Settings>"});

    const QString folder = m_home->configDir() + "/Varnholt/presets";
    QCOMPARE(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList{"Tundrel.json"});
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--dump-presets") == 0)
        return dumpPresets(QString::fromLocal8Bit(argv[2]));
    tst_PrinterPresets test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_printerpresets.moc"
