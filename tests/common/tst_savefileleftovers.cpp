#include "AgedFile.h"
#include "SaveFileLeftovers.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// Which files beside a saved file count as copies left by killed writers.
class TestSaveFileLeftovers : public QObject
{
    Q_OBJECT

private slots:
    void removesOnlyOwnerlessCopiesOfTheFile()
    {
        QTemporaryDir dir;
        QVERIFY(writeAgedFile(dir.filePath("Tundrel.json"), 0));
        for (const char *name :
             {"Tundrel.json.AbCdEf", "Tundrel.json.zzzzzz",
              // not six letters, or another file's
              "Tundrel.json.Ab3dEf", "Tundrel.json.backups", "Tundrel.json.lock", "Other.json.AbCdEf"})
            QVERIFY(writeAgedFile(dir.filePath(name), 120));
        // Fresh: a live writer may still own it.
        QVERIFY(writeAgedFile(dir.filePath("Tundrel.json.GhIjKl"), 0));

        SaveFileLeftovers::remove(dir.filePath("Tundrel.json"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
                 QStringList({"Other.json.AbCdEf", "Tundrel.json", "Tundrel.json.Ab3dEf",
                              "Tundrel.json.GhIjKl", "Tundrel.json.backups", "Tundrel.json.lock"}));
    }
};

QTEST_GUILESS_MAIN(TestSaveFileLeftovers)
#include "tst_savefileleftovers.moc"
