#include "FakeTool.h"
#include "SettingsWindow.h"
#include "TestHome.h"
#include "UbootEnvironment.h"

#include <QQuickItem>
#include <QtTest>

#include <algorithm>
#include <memory>

using Rows = QList<QPair<QString, QString>>;

// The About page on the real window, reading the device through the real
// fw_printenv on a file-backed boot-loader environment.
class TestPageAbout : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;

    static QMap<QString, QString> device(const QString &model)
    {
        return {{"vhModel", model},
                {"serialNumber", "VH2401234"},
                {"ethaddr", "00:1b:2c:3d:4e:5f"},
                {"backstop", "11"},
                {"hOffset", "12"},
                {"bMarkOffset", "13"},
                {"gapOffset", "14"},
                {"tphHeat", "15"},
                {"backstop2", "21"},
                {"hOffset2", "22"},
                {"bMarkOffset2", "23"},
                {"gapOffset2", "24"},
                {"tphHeat2", "25"},
                {"tachLow", "310"},
                {"tachHigh", "920"},
                {"cutterTrans", "45"},
                {"supplyTrans", "67"},
                {"supplyRefl", "89"}};
    }

    // The page's lines, top to bottom: (label, value).
    static Rows rows(const SettingsWindow &w)
    {
        QList<QQuickItem *> items = w.items("aboutRow_");
        std::sort(items.begin(), items.end(), [](QQuickItem *a, QQuickItem *b) { return a->y() < b->y(); });
        Rows result;
        for (QQuickItem *item : items)
            result.append({item->property("label").toString(), item->property("value").toString()});
        return result;
    }

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }

    void cleanup() { m_home.reset(); }

    void linesPerModel_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<Rows>("expected");
        const Rows plain{{"Model:", "Varnholt VK-1000 (Vesk)"},
                         {"Serial Number:", "VH2401234"},
                         {"FCC ID:", "2AVHT-VK1000"},
                         {"IC:", "27614-VK1000"},
                         {"Version:", "v3.0.5, FW "},
                         {"Available Storage:", "4.9G"},
                         {"Ethernet Address:", "00:1b:2c:3d:4e:5f"},
                         {"Wireless Address:", ""},
                         {"Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):", "11, 12, 13, 14, 15"}};
        QTest::newRow("plain") << "Vesk" << plain;
        QTest::newRow("Tundrel")
            << "Tundrel"
            << Rows{{"Model:", "Varnholt TR-2000 (Tundrel)"},
                    {"Serial Number:", "VH2401234"},
                    {"FCC ID:", "2AVHT-TR2000"},
                    {"IC:", "27614-TR2000"},
                    {"Version:", "v3.0.5, FW "},
                    {"Available Storage:", "4.9G"},
                    {"Ethernet Address:", "00:1b:2c:3d:4e:5f"},
                    {"Wireless Address:", ""},
                    {"Head 1 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):", "11, 12, 13, 14, 15"},
                    {"Head 2 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):", "21, 22, 23, 24, 25"},
                    {"Calibration Values (TachL, TachH, CutT, SupT, SupR):", "310, 920, 45, 67, 89"}};
        Rows veskMax = plain;
        QTest::newRow("VeskMax") << "VeskMax" << veskMax;
    }

    void linesPerModel()
    {
        QFETCH(QString, model);
        QFETCH(Rows, expected);
        UbootEnvironment env(device(model));
        QVERIFY2(env.isValid(), qPrintable(env.errorString()));
        // The machine's file systems are not the test's to choose.
        FakeTools tools;
        tools.add("df", "printf 'Filesystem      Size  Used Avail Use%% Mounted on\\n"
                        "/dev/root       7.1G  1.9G  4.9G  28%% /\\n'");

        SettingsWindow w(9);
        const Rows shown = rows(w);
        QCOMPARE(shown, expected);
        QVERIFY2(w.qmlProblems().isEmpty(), qPrintable(w.qmlProblems().join('\n')));
    }

    void unsetOffsetsShowNothing()
    {
        UbootEnvironment env({{"vhModel", "Tundrel"}});
        QVERIFY2(env.isValid(), qPrintable(env.errorString()));
        SettingsWindow w(9);
        const Rows lines = rows(w);
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines.at(8).second, QString());
        QCOMPARE(lines.at(9).second, QString());
        QCOMPARE(lines.at(10).second, QString());
    }

    // df's columns are as wide as their widest entry.
    void storageIsTheAvailColumn_data()
    {
        QTest::addColumn<QByteArray>("dfOutput");
        QTest::addColumn<QString>("shown");
        QTest::newRow("small eMMC") << QByteArray("Filesystem      Size  Used Avail Use%% Mounted on\\n"
                                                  "/dev/root       3.5G  1.2G  2.1G  37%% /\\n")
                                    << "2.1G";
        QTest::newRow("252G disk") << QByteArray("Filesystem      Size  Used Avail Use%% Mounted on\\n"
                                                 "/dev/vda        252G   20G   76G  21%% /\\n")
                                   << "76G";
        QTest::newRow("single spaces") << QByteArray("Filesystem Size Used Avail Use%% Mounted on\\n"
                                                     "/dev/root 7.1G 1.9G 4.9G 28%% /\\n")
                                       << "4.9G";
        QTest::newRow("short second line") << QByteArray("Filesystem Size Used Avail Use%% Mounted on\\n"
                                                         "/dev/root 7.1G 1.9G\\n")
                                           << "< 4.8GB";
        QTest::newRow("no ext4 file system")
            << QByteArray("Filesystem Size Used Avail Use%% Mounted on\\n") << "< 4.8GB";
        QTest::newRow("no output") << QByteArray() << "< 4.8GB";
    }

    void storageIsTheAvailColumn()
    {
        QFETCH(QByteArray, dfOutput);
        QFETCH(QString, shown);
        UbootEnvironment env(device("Vesk"));
        QVERIFY2(env.isValid(), qPrintable(env.errorString()));
        FakeTools tools;
        tools.add("df", "printf '" + dfOutput + "'");

        SettingsWindow w(9);
        const Rows lines = rows(w);
        QCOMPARE(lines.value(5), qMakePair(QString("Available Storage:"), shown));
        QCOMPARE(tools.runs("df"), (QList<QStringList>{{"-t", "ext4", "-h"}}));
    }
};

QTEST_MAIN(TestPageAbout)
#include "tst_pageabout.moc"
