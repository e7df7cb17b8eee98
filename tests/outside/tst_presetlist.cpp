// PresetList and Preset alone: the built-in entries, ownership, the current
// preset, and that what is saved comes back in a new list, whatever the names.
#include "AgedFile.h"
#include "Preset.h"
#include "PresetList.h"
#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QtTest>

#include <memory>

namespace {

const QString kQueue = QStringLiteral("Tundrel");
const QStringList kPredefined{"<Current Settings>", "<System Settings>", "<Default Settings>"};

Preset *userPreset(const QString &name, const QStringList &options, int index)
{
    return new Preset(kQueue, name + "_p", Preset::STATE_USER, options, name, QString(), index);
}

} // namespace

class tst_PresetList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void builtInPresets();
    void addFindDeleteAndCurrent();
    void ownership();
    void refusesEmptyAndPredefinedNames();
    void savedPresetsComeBack();
    void savedFileLeavesOutPredefined();
    void hostileNamesRoundTrip_data();
    void hostileNamesRoundTrip();
    void unusableQueueNameIsNotStored();
    void unreadableFileFallsBackToBuiltIns();
    void saveClearsLeftoversOfKilledWriters();

private:
    QString storageFile() const;
    QString presetsDir() const;

    std::unique_ptr<TestHome> m_home;
};

void tst_PresetList::initTestCase()
{
    m_home = std::make_unique<TestHome>();
}

void tst_PresetList::init()
{
    QDir(presetsDir()).removeRecursively();
}

QString tst_PresetList::presetsDir() const
{
    return m_home->configDir() + "/Varnholt/presets";
}

QString tst_PresetList::storageFile() const
{
    return presetsDir() + "/Tundrel.json";
}

void tst_PresetList::builtInPresets()
{
    PresetList list(kQueue, true);
    QCOMPARE(list.storagePath(), storageFile());
    QCOMPARE(list.getPredefinedPresetNames(), kPredefined);
    QCOMPARE(list.getUserPresetNames(), QStringList{"Sample Preset"});

    for (const QString &name : kPredefined) {
        Preset *preset = list.findPreset(name);
        QVERIFY(preset);
        QCOMPARE(preset->state(), Preset::STATE_PREDEFINED);
        QVERIFY(preset->options().isEmpty());
    }
    Preset *sample = list.findPreset("Sample Preset");
    QVERIFY(sample);
    QCOMPARE(sample->options().size(), 36);
    QCOMPARE(sample->options().mid(0, 2), (QStringList{"orientation-requested", "5"}));

    QCOMPARE(list.currentPreset(), list.findPreset("<Current Settings>"));
    QVERIFY(!list.findPreset("nope"));
    QVERIFY(!list.findPreset(QString()));
    QVERIFY(!QFile::exists(storageFile()));
}

void tst_PresetList::addFindDeleteAndCurrent()
{
    PresetList list(kQueue, true);
    const int first = list.applyLastPresetIndex();
    const int second = list.applyLastPresetIndex();
    QVERIFY(second > first);

    Preset *a = userPreset("A", {"Feed", "1"}, first);
    Preset *b = userPreset("B", {"Feed", "2"}, second);
    QVERIFY(list.addPreset(a));
    QVERIFY(list.addPreset(b));
    QCOMPARE(list.getUserPresetNames(), (QStringList{"Sample Preset", "A", "B"}));
    QCOMPARE(list.findPreset("B"), b);

    list.setCurrentPreset(b);
    QCOMPARE(list.currentPreset(), b);
    // Deleting another preset keeps the current one.
    QCOMPARE(list.deletePreset(a), QStringLiteral("B"));
    // Deleting the current one falls back to the printer's own settings.
    QCOMPARE(list.deletePreset(b), QStringLiteral("<Current Settings>"));
    QCOMPARE(list.getUserPresetNames(), QStringList{"Sample Preset"});

    // Null and predefined presets are not deleted.
    QCOMPARE(list.deletePreset(nullptr), QStringLiteral("<Current Settings>"));
    QCOMPARE(list.deletePreset(list.findPreset("<System Settings>")), QStringLiteral("<Current Settings>"));
    QCOMPARE(list.getPredefinedPresetNames(), kPredefined);
    QVERIFY(list.findPreset("<System Settings>"));

    list.setCurrentPreset(list.findPreset("Sample Preset"));
    list.setCurrentPreset(nullptr);
    QCOMPARE(list.currentPreset()->name(), QStringLiteral("<Current Settings>"));

    // A preset that is not in the list cannot become current.
    Preset stranger(kQueue, "X_p", Preset::STATE_USER, {}, "X", QString(), 9);
    list.setCurrentPreset(&stranger);
    QCOMPARE(list.currentPreset()->name(), QStringLiteral("<Current Settings>"));
}

void tst_PresetList::ownership()
{
    QPointer<Preset> kept;
    QPointer<Preset> replaced;
    QPointer<Preset> replacement;
    QPointer<Preset> deleted;
    {
        PresetList list(kQueue, true);
        kept = userPreset("Kept", {}, list.applyLastPresetIndex());
        replaced = userPreset("Twice", {"Feed", "1"}, list.applyLastPresetIndex());
        replacement = userPreset("Twice", {"Feed", "2"}, list.applyLastPresetIndex());
        deleted = userPreset("Gone", {}, list.applyLastPresetIndex());
        list.addPreset(kept);
        list.addPreset(replaced);
        list.addPreset(deleted);
        list.setCurrentPreset(replaced);

        // Same name: the new preset takes the old one's place and role.
        QVERIFY(list.addPreset(replacement));
        QVERIFY(!replaced);
        QCOMPARE(list.getUserPresetNames(), (QStringList{"Sample Preset", "Kept", "Twice", "Gone"}));
        QCOMPARE(list.currentPreset(), replacement.data());
        QCOMPARE(list.findPreset("Twice")->options(), (QStringList{"Feed", "2"}));

        list.deletePreset(deleted);
        QVERIFY(!deleted);
        QVERIFY(kept);
        QCOMPARE(kept->parent(), &list);
    }
    QVERIFY(!kept);
    QVERIFY(!replacement);
}

void tst_PresetList::refusesEmptyAndPredefinedNames()
{
    PresetList list(kQueue, true);
    QPointer<Preset> empty = userPreset(QString(), {"Feed", "1"}, 1);
    QPointer<Preset> predefined = userPreset("<Current Settings>", {"Feed", "1"}, 2);
    QVERIFY(!list.addPreset(empty));
    QVERIFY(!list.addPreset(predefined));
    QVERIFY(!list.addPreset(nullptr));

    // Still usable until control returns to the event loop, but not listed.
    QVERIFY(empty && predefined);
    list.setCurrentPreset(predefined);
    QCOMPARE(list.currentPreset()->state(), Preset::STATE_PREDEFINED);
    QVERIFY(list.findPreset("<Current Settings>")->options().isEmpty());
    QCOMPARE(list.getUserPresetNames(), QStringList{"Sample Preset"});

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!empty);
    QVERIFY(!predefined);
}

void tst_PresetList::savedPresetsComeBack()
{
    const QStringList options{"orientation-requested", "4", "MirrorPrint", "True", "Stop", "2.5"};
    int index = 0;
    {
        PresetList list(kQueue, true);
        index = list.applyLastPresetIndex();
        Preset *preset = new Preset(kQueue, "A_p", Preset::STATE_USER, options, "A", "a note", index);
        list.addPreset(preset);
        list.deletePreset(list.findPreset("Sample Preset"));
        list.setCurrentPreset(preset);
        QVERIFY(list.save(list.getPredefinedPresetNames()));
    }
    QVERIFY(QFile::exists(storageFile()));

    PresetList again(kQueue, true);
    QCOMPARE(again.getPredefinedPresetNames(), kPredefined);
    QCOMPARE(again.getUserPresetNames(), QStringList{"A"});
    Preset *a = again.findPreset("A");
    QVERIFY(a);
    QCOMPARE(a->options(), options);
    QCOMPARE(a->id(), QStringLiteral("A_p"));
    QCOMPARE(a->queueName(), kQueue);
    QCOMPARE(a->state(), Preset::STATE_USER);
    QCOMPARE(a->description(), QStringLiteral("a note"));
    QCOMPARE(a->index(), index);
    QCOMPARE(again.currentPreset(), a);
    // New presets keep counting after the stored ones.
    QVERIFY(again.applyLastPresetIndex() > index);

    // Without loading, the list starts from the built-in presets.
    PresetList fresh(kQueue, false);
    QCOMPARE(fresh.getUserPresetNames(), QStringList{"Sample Preset"});
}

void tst_PresetList::savedFileLeavesOutPredefined()
{
    PresetList list(kQueue, true);
    list.addPreset(userPreset("A", {}, list.applyLastPresetIndex()));
    list.addPreset(userPreset("Skipped", {}, list.applyLastPresetIndex()));
    QVERIFY(list.save(QStringList(kPredefined) << "Skipped"));

    QFile file(storageFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    QStringList stored;
    for (const QJsonValue &preset : root.value("presets").toArray())
        stored.append(preset.toObject().value("name").toString());
    QCOMPARE(stored, (QStringList{"Sample Preset", "A"}));
}

void tst_PresetList::hostileNamesRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("slash") << "a/b";
    QTest::newRow("parent dir") << "../../../etc/passwd";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("quotes and shell") << "it's \"$(rm -rf ~)\" `id`; echo";
    QTest::newRow("newline") << "first\nsecond\r\n";
    QTest::newRow("control and backslash") << QString("tab\there\\ \x01\x1f end");
    QTest::newRow("500 characters") << QString(500, QChar('x'));
    QTest::newRow("unicode") << QString::fromUtf8("Étiquette ✓ 日本");
    QTest::newRow("format directives") << "%s%n%d %1";
    QTest::newRow("json-looking") << "\"}], \"presets\": [{\"name\": \"evil\"";
}

void tst_PresetList::hostileNamesRoundTrip()
{
    QFETCH(QString, name);
    const QStringList options{"Feed", "3", "note", name};
    {
        PresetList list(kQueue, true);
        Preset *preset = userPreset(name, options, list.applyLastPresetIndex());
        QVERIFY(list.addPreset(preset));
        list.setCurrentPreset(preset);
        QVERIFY(list.save(list.getPredefinedPresetNames()));
    }
    PresetList again(kQueue, true);
    QCOMPARE(again.getUserPresetNames(), (QStringList{"Sample Preset", name}));
    QVERIFY(again.findPreset(name));
    QCOMPARE(again.findPreset(name)->options(), options);
    QCOMPARE(again.findPreset(name)->id(), name + "_p");
    QCOMPARE(again.currentPreset()->name(), name);

    // The name made no file or folder of its own.
    QCOMPARE(QDir(presetsDir()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList{"Tundrel.json"});
    QCOMPARE(QDir(m_home->configDir()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList{"Varnholt"});
}

void tst_PresetList::unusableQueueNameIsNotStored()
{
    for (const QString &queue : {QString("../evil"), QString(".."), QString("a/b"), QString()}) {
        PresetList list(queue, true);
        QVERIFY(list.storagePath().isEmpty());
        list.addPreset(new Preset(queue, "A_p", Preset::STATE_USER, {}, "A", QString(), 1));
        QVERIFY(!list.save(list.getPredefinedPresetNames()));
        QCOMPARE(list.getUserPresetNames(), (QStringList{"Sample Preset", "A"}));
    }
    QVERIFY(!QDir(presetsDir()).exists());
    QCOMPARE(QDir(m_home->configDir()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList{"Varnholt"});
    QVERIFY(
        QDir(m_home->configDir() + "/Varnholt").entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void tst_PresetList::unreadableFileFallsBackToBuiltIns()
{
    QDir().mkpath(presetsDir());
    QFile file(storageFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{ this is not json");
    file.close();

    PresetList list(kQueue, true);
    QCOMPARE(list.getPredefinedPresetNames(), kPredefined);
    QCOMPARE(list.getUserPresetNames(), QStringList{"Sample Preset"});
    QCOMPARE(list.currentPreset()->name(), QStringLiteral("<Current Settings>"));

    // Entries that cannot be presets are skipped, the rest is kept.
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(R"({"presets": [{"name": ""}, {"name": "<System Settings>"},
                  {"name": "Bad", "options": [1, 2]}, {"name": "Good", "options": ["Feed", "1"]},
                  {"name": "Good", "options": ["Feed", "2"]}], "current": "Good"})");
    file.close();
    PresetList partial(kQueue, true);
    QCOMPARE(partial.getUserPresetNames(), QStringList{"Good"});
    QCOMPARE(partial.findPreset("Good")->options(), (QStringList{"Feed", "1"}));
    QCOMPARE(partial.currentPreset()->name(), QStringLiteral("Good"));
}

void tst_PresetList::saveClearsLeftoversOfKilledWriters()
{
    QVERIFY(QDir().mkpath(presetsDir()));
    const QString leftover = storageFile() + ".AbCdEf";
    QVERIFY(writeAgedFile(leftover, 120));
    PresetList list(kQueue, false);
    QVERIFY(list.save(kPredefined));
    QVERIFY(!QFile::exists(leftover));
}

QTEST_GUILESS_MAIN(tst_PresetList)
#include "tst_presetlist.moc"
