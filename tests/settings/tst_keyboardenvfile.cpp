#include "AgedFile.h"
#include "KeyboardEnvFile.h"
#include "TestHome.h"
#include "UbootEnvironment.h"
#include "VHSettingsMain.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

// The XKB lines of the compositor's environment file, on real files in a
// temporary directory.
class TestKeyboardEnvFile : public QObject
{
    Q_OBJECT

private:
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return "<unreadable>";
        return file.readAll();
    }

    static void write(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

private slots:
    void cleanup()
    {
        KeyboardEnvFile::setPathForTests(QString());
    }

    void productPathIsFixed()
    {
        QCOMPARE(KeyboardEnvFile::path(), QStringLiteral("/etc/varnholt/wayland.env"));
    }

    void rewritesOnlyTheTwoLines_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("neither present: appended, layout first")
            << QByteArray("QT_QPA_PLATFORM=wayland\nXDG_RUNTIME_DIR=/run/user/0\n") << "de"
            << "nodeadkeys"
            << QByteArray("QT_QPA_PLATFORM=wayland\nXDG_RUNTIME_DIR=/run/user/0\n"
                          "XKB_DEFAULT_LAYOUT=de\nXKB_DEFAULT_VARIANT=nodeadkeys\n");
        QTest::newRow("both present among others")
            << QByteArray("A=1\nXKB_DEFAULT_LAYOUT=us\nB=2\nXKB_DEFAULT_VARIANT=intl\nC=3\n")
            << "fr" << ""
            << QByteArray("A=1\nXKB_DEFAULT_LAYOUT=fr\nB=2\nXKB_DEFAULT_VARIANT=\nC=3\n");
        QTest::newRow("only the layout present")
            << QByteArray("XKB_DEFAULT_LAYOUT=us\nA=1\n") << "gb" << ""
            << QByteArray("XKB_DEFAULT_LAYOUT=gb\nA=1\nXKB_DEFAULT_VARIANT=\n");
        QTest::newRow("empty file")
            << QByteArray() << "us" << "intl"
            << QByteArray("XKB_DEFAULT_LAYOUT=us\nXKB_DEFAULT_VARIANT=intl\n");
        QTest::newRow("last line without newline")
            << QByteArray("A=1") << "us" << ""
            << QByteArray("A=1\nXKB_DEFAULT_LAYOUT=us\nXKB_DEFAULT_VARIANT=\n");
        QTest::newRow("variable on the last line without newline")
            << QByteArray("A=1\nXKB_DEFAULT_VARIANT=intl") << "us" << "dvorak"
            << QByteArray("A=1\nXKB_DEFAULT_VARIANT=dvorak\nXKB_DEFAULT_LAYOUT=us\n");
        QTest::newRow("every assignment of a name is set")
            << QByteArray("XKB_DEFAULT_LAYOUT=us\nXKB_DEFAULT_LAYOUT=gb\nXKB_DEFAULT_VARIANT=\n")
            << "de" << ""
            << QByteArray("XKB_DEFAULT_LAYOUT=de\nXKB_DEFAULT_LAYOUT=de\nXKB_DEFAULT_VARIANT=\n");
        // Other lines that merely mention a name are not the variable's line.
        QTest::newRow("names inside other lines")
            << QByteArray("# XKB_DEFAULT_LAYOUT is set by the settings\n"
                          "MY_XKB_DEFAULT_LAYOUT=x\n")
            << "se" << ""
            << QByteArray("# XKB_DEFAULT_LAYOUT is set by the settings\nMY_XKB_DEFAULT_LAYOUT=x\n"
                          "XKB_DEFAULT_LAYOUT=se\nXKB_DEFAULT_VARIANT=\n");
        QTest::newRow("other bytes kept exactly")
            << QByteArray("GREETING=gr\xc3\xbc\xc3\x9f\r\nLATIN1=\xe9t\xe9\n\n"
                          "XKB_DEFAULT_LAYOUT=us\r\nTAB=\t x \n")
            << "jp" << ""
            << QByteArray("GREETING=gr\xc3\xbc\xc3\x9f\r\nLATIN1=\xe9t\xe9\n\n"
                          "XKB_DEFAULT_LAYOUT=jp\nTAB=\t x \nXKB_DEFAULT_VARIANT=\n");
    }

    void rewritesOnlyTheTwoLines()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, layout);
        QFETCH(QString, variant);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath("wayland.env");
        write(path, before);

        QVERIFY(KeyboardEnvFile::rewrite(path, layout, variant));
        QCOMPARE(read(path), after);

        // Applying the same choice again changes nothing.
        QVERIFY(KeyboardEnvFile::rewrite(path, layout, variant));
        QCOMPARE(read(path), after);
    }

    void missingFileIsCreatedWithTheTwoLines()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("wayland.env");
        QVERIFY(KeyboardEnvFile::rewrite(path, "de", "nodeadkeys"));
        QCOMPARE(read(path), QByteArray("XKB_DEFAULT_LAYOUT=de\nXKB_DEFAULT_VARIANT=nodeadkeys\n"));
    }

    void rewriteClearsLeftoversOfKilledWriters()
    {
        QTemporaryDir dir;
        const QString leftover = dir.filePath("wayland.env.AbCdEf");
        QVERIFY(writeAgedFile(leftover, 120));
        QVERIFY(KeyboardEnvFile::rewrite(dir.filePath("wayland.env"), "de", ""));
        QVERIFY(!QFile::exists(leftover));
    }

    // The file is replaced, not truncated and rewritten in place: a second
    // link to the old file still sees the old content in full.
    void oldFileIsReplacedAsAWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("wayland.env");
        const QByteArray before("A=1\nXKB_DEFAULT_LAYOUT=us\nXKB_DEFAULT_VARIANT=\n");
        write(path, before);
        QVERIFY(QFile::setPermissions(path,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        const QString oldLink = dir.filePath("old-link");
        QCOMPARE(::link(QFile::encodeName(path).constData(),
                        QFile::encodeName(oldLink).constData()),
                 0);

        QVERIFY(KeyboardEnvFile::rewrite(path, "de", ""));
        QCOMPARE(read(path), QByteArray("A=1\nXKB_DEFAULT_LAYOUT=de\nXKB_DEFAULT_VARIANT=\n"));
        QCOMPARE(read(oldLink), before);
        QCOMPARE(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                               | QFile::WriteUser | QFile::ReadGroup);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void fileThatCannotBeWrittenIsReportedAndLeftAlone()
    {
        QTemporaryDir dir;
        const QString notADirectory = dir.filePath("plain-file");
        write(notADirectory, "keep\n");
        const QString path = notADirectory + "/wayland.env";

        QTest::ignoreMessage(QtDebugMsg, "failed to open wayland file");
        QVERIFY(!KeyboardEnvFile::rewrite(path, "de", ""));
        QCOMPARE(read(notADirectory), QByteArray("keep\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"plain-file"});
    }

    void fileThatCannotBeReadIsLeftAlone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("wayland.env");
        QVERIFY(QDir(dir.path()).mkdir("wayland.env"));
        write(path + "/inside", "keep\n");

        QTest::ignoreMessage(QtDebugMsg, "failed to open wayland file");
        QVERIFY(!KeyboardEnvFile::rewrite(path, "de", ""));
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(read(path + "/inside"), QByteArray("keep\n"));
    }

    // Through the settings core: the layout table of the locale library
    // decides the two values.
    void settingsCoreWritesTheChosenLayout_data()
    {
        QTest::addColumn<int>("layoutIndex");
        QTest::addColumn<QByteArray>("lines");
        QTest::newRow("layout with a variant")
            << 5 << QByteArray("XKB_DEFAULT_LAYOUT=de\nXKB_DEFAULT_VARIANT=nodeadkeys\n");
        QTest::newRow("layout with an empty variant")
            << 0 << QByteArray("XKB_DEFAULT_LAYOUT=us\nXKB_DEFAULT_VARIANT=\n");
        QTest::newRow("unknown index")
            << 999 << QByteArray("XKB_DEFAULT_LAYOUT=\nXKB_DEFAULT_VARIANT=\n");
        QTest::newRow("negative index")
            << -1 << QByteArray("XKB_DEFAULT_LAYOUT=\nXKB_DEFAULT_VARIANT=\n");
    }

    void settingsCoreWritesTheChosenLayout()
    {
        QFETCH(int, layoutIndex);
        QFETCH(QByteArray, lines);
        TestHome home;
        UbootEnvironment bootEnv({}); // for the constructor's shipping query
        QVERIFY2(bootEnv.isValid(), qPrintable(bootEnv.errorString()));
        QTemporaryDir dir;
        const QString path = dir.filePath("wayland.env");
        write(path, "WAYLAND_DISPLAY=wayland-0\nXKB_DEFAULT_LAYOUT=gb\n");
        KeyboardEnvFile::setPathForTests(path);

        VHSettingsMain settings;
        QSignalSpy tabs(&settings, &VHSettingsMain::tabEnumChanged);
        QSignalSpy layoutChanged(&settings, &VHSettingsMain::settingKeyboardLayoutChanged);
        settings.setKeyboardLanguage(layoutIndex);

        QCOMPARE(read(path), "WAYLAND_DISPLAY=wayland-0\n" + lines);
        QCOMPARE(layoutChanged.count(), 0);
        QCOMPARE(tabs.count(), 0);
        QVERIFY(!QFile::exists(home.settingsFile()));
    }

    void settingsCoreLogsAFileItCannotWrite()
    {
        TestHome home;
        UbootEnvironment bootEnv({});
        QVERIFY2(bootEnv.isValid(), qPrintable(bootEnv.errorString()));
        QTemporaryDir dir;
        KeyboardEnvFile::setPathForTests(dir.filePath("missing-dir/wayland.env"));
        VHSettingsMain settings;

        QTest::ignoreMessage(QtDebugMsg, "failed to open wayland file");
        settings.setKeyboardLanguage(4);
        QVERIFY(!QFileInfo::exists(dir.filePath("missing-dir")));
    }
};

QTEST_GUILESS_MAIN(TestKeyboardEnvFile)
#include "tst_keyboardenvfile.moc"
