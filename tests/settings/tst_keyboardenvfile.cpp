#include "AgedFile.h"
#include "KeyboardEnvFile.h"
#include "TestHome.h"
#include "UbootEnvironment.h"
#include "VHSettingsMain.h"

#include <QFile>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <optional>

#include <sched.h>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The user a non-root settings program runs as, and the compositor's group.
constexpr uid_t kUser = 4242;
constexpr gid_t kGroup = 4243;

struct stat statOf(const QString &path)
{
    struct stat st
    { };
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

// Moves this thread into a mount namespace of its own, so the test can
// bind-mount and mount without touching the machine. Needs root.
bool enterPrivateMounts(QByteArray *why)
{
    static int result = -1;
    static QByteArray reason;
    if (result < 0) {
        result = 0;
        if (::geteuid() != 0)
            reason = "mounting needs root";
        else if (::unshare(CLONE_NEWNS) != 0)
            reason = "no private mount namespace: " + QByteArray(std::strerror(errno));
        else if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            reason = "cannot make the mounts private: " + QByteArray(std::strerror(errno));
        else
            result = 1;
    }
    *why = reason;
    return result == 1;
}

bool bindMount(const QString &source, const QString &target)
{
    return ::mount(QFile::encodeName(source).constData(), QFile::encodeName(target).constData(), nullptr,
                   MS_BIND, nullptr)
           == 0;
}

// File access as an unprivileged user that belongs to the compositor's
// group, for as long as it lives (root's file access ignores permissions).
class ActingAsUser
{
public:
    ActingAsUser()
    {
        if (::geteuid() == 0) {
            ::setfsgid(kGroup);
            ::setfsuid(kUser);
        }
    }
    ~ActingAsUser()
    {
        if (::geteuid() == 0) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
    }
};

} // namespace

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
    void cleanup() { KeyboardEnvFile::setPathForTests(QString()); }

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
            << QByteArray("A=1\nXKB_DEFAULT_LAYOUT=us\nB=2\nXKB_DEFAULT_VARIANT=intl\nC=3\n") << "fr"
            << "" << QByteArray("A=1\nXKB_DEFAULT_LAYOUT=fr\nB=2\nXKB_DEFAULT_VARIANT=\nC=3\n");
        QTest::newRow("only the layout present")
            << QByteArray("XKB_DEFAULT_LAYOUT=us\nA=1\n") << "gb"
            << "" << QByteArray("XKB_DEFAULT_LAYOUT=gb\nA=1\nXKB_DEFAULT_VARIANT=\n");
        QTest::newRow("empty file") << QByteArray() << "us"
                                    << "intl"
                                    << QByteArray("XKB_DEFAULT_LAYOUT=us\nXKB_DEFAULT_VARIANT=intl\n");
        QTest::newRow("last line without newline")
            << QByteArray("A=1") << "us"
            << "" << QByteArray("A=1\nXKB_DEFAULT_LAYOUT=us\nXKB_DEFAULT_VARIANT=\n");
        QTest::newRow("variable on the last line without newline")
            << QByteArray("A=1\nXKB_DEFAULT_VARIANT=intl") << "us"
            << "dvorak" << QByteArray("A=1\nXKB_DEFAULT_VARIANT=dvorak\nXKB_DEFAULT_LAYOUT=us\n");
        QTest::newRow("every assignment of a name is set")
            << QByteArray("XKB_DEFAULT_LAYOUT=us\nXKB_DEFAULT_LAYOUT=gb\nXKB_DEFAULT_VARIANT=\n") << "de"
            << "" << QByteArray("XKB_DEFAULT_LAYOUT=de\nXKB_DEFAULT_LAYOUT=de\nXKB_DEFAULT_VARIANT=\n");
        // Other lines that merely mention a name are not the variable's line.
        QTest::newRow("names inside other lines")
            << QByteArray("# XKB_DEFAULT_LAYOUT is set by the settings\n"
                          "MY_XKB_DEFAULT_LAYOUT=x\n")
            << "se"
            << ""
            << QByteArray("# XKB_DEFAULT_LAYOUT is set by the settings\nMY_XKB_DEFAULT_LAYOUT=x\n"
                          "XKB_DEFAULT_LAYOUT=se\nXKB_DEFAULT_VARIANT=\n");
        QTest::newRow("other bytes kept exactly")
            << QByteArray("GREETING=gr\xc3\xbc\xc3\x9f\r\nLATIN1=\xe9t\xe9\n\n"
                          "XKB_DEFAULT_LAYOUT=us\r\nTAB=\t x \n")
            << "jp"
            << ""
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
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        const QString oldLink = dir.filePath("old-link");
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(oldLink).constData()), 0);

        QVERIFY(KeyboardEnvFile::rewrite(path, "de", ""));
        QCOMPARE(read(path), QByteArray("A=1\nXKB_DEFAULT_LAYOUT=de\nXKB_DEFAULT_VARIANT=\n"));
        QCOMPARE(read(oldLink), before);
        QCOMPARE(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                               | QFile::WriteUser | QFile::ReadGroup);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void ownerGroupAndModeAreKept_data()
    {
        QTest::addColumn<uint>("mode");
        QTest::newRow("compositor's file, group-readable") << 0640u;
        QTest::newRow("private") << 0600u;
        QTest::newRow("group-writable, setgid") << 02664u;
    }

    void ownerGroupAndModeAreKept()
    {
        QFETCH(uint, mode);
        if (::geteuid() != 0)
            QSKIP("giving a file to another user needs root");
        QTemporaryDir dir;
        const QString path = dir.filePath("wayland.env");
        write(path, "A=1\n");
        QCOMPARE(::chown(QFile::encodeName(path).constData(), kUser, kGroup), 0);
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode), 0);
        const ino_t before = statOf(path).st_ino;

        QVERIFY(KeyboardEnvFile::rewrite(path, "de", ""));
        const struct stat after = statOf(path);
        QCOMPARE(read(path), QByteArray("A=1\nXKB_DEFAULT_LAYOUT=de\nXKB_DEFAULT_VARIANT=\n"));
        QVERIFY(after.st_ino != before); // still swapped in as a whole
        QCOMPARE(after.st_uid, kUser);
        QCOMPARE(after.st_gid, kGroup);
        QCOMPARE(uint(after.st_mode & 07777), mode);
    }

    // /etc/varnholt is root's; a settings program that is not root may
    // write the file (through the compositor's group) but not beside it.
    void directoryWeMayNotWriteGetsTheFileRewrittenInPlace()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("wayland.env");
        const QByteArray before("WAYLAND_DISPLAY=wayland-0\nXKB_DEFAULT_LAYOUT=us\n"
                                "XKB_DEFAULT_VARIANT=intl\nQT_SCALE_FACTOR=1\n");
        write(path, before);
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0660), 0);
        if (::geteuid() == 0)
            QCOMPARE(::chown(QFile::encodeName(path).constData(), 0, kGroup), 0);
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), ::geteuid() == 0 ? 0755 : 0555), 0);
        const struct stat old = statOf(path);

        bool rewritten = false;
        {
            ActingAsUser user;
            rewritten = KeyboardEnvFile::rewrite(path, "gb", "");
        }
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        QVERIFY(rewritten);
        QCOMPARE(read(path), QByteArray("WAYLAND_DISPLAY=wayland-0\nXKB_DEFAULT_LAYOUT=gb\n"
                                        "XKB_DEFAULT_VARIANT=\nQT_SCALE_FACTOR=1\n"));
        const struct stat now = statOf(path);
        QCOMPARE(now.st_ino, old.st_ino);
        QCOMPARE(now.st_uid, old.st_uid);
        QCOMPARE(now.st_gid, old.st_gid);
        QCOMPARE(uint(now.st_mode), uint(old.st_mode));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"wayland.env"});
    }

    void symlinkedFileKeepsWorking()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("persist"));
        const QString target = dir.filePath("persist/wayland.env");
        write(target, "A=1\n");
        const QString path = dir.filePath("wayland.env");
        QVERIFY(QFile::link("persist/wayland.env", path));

        QVERIFY(KeyboardEnvFile::rewrite(path, "fr", ""));
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(read(target), QByteArray("A=1\nXKB_DEFAULT_LAYOUT=fr\nXKB_DEFAULT_VARIANT=\n"));
    }

    // A read-only root has the file bind-mounted from writable storage;
    // renaming onto a mount point fails with "Device or resource busy".
    void bindMountedFileIsRewrittenInPlace()
    {
        QByteArray why;
        if (!enterPrivateMounts(&why))
            QSKIP(why.constData());
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("etc"));
        QVERIFY(QDir(dir.path()).mkdir("data"));
        const QString stored = dir.filePath("data/wayland.env");
        const QString path = dir.filePath("etc/wayland.env");
        write(stored, "A=1\nXKB_DEFAULT_LAYOUT=us\n");
        write(path, "");
        QVERIFY(bindMount(stored, path));

        QVERIFY(KeyboardEnvFile::rewrite(path, "se", ""));
        const QByteArray expected("A=1\nXKB_DEFAULT_LAYOUT=se\nXKB_DEFAULT_VARIANT=\n");
        QCOMPARE(read(path), expected);
        QCOMPARE(read(stored), expected);
        QCOMPARE(statOf(path).st_ino, statOf(stored).st_ino); // still the mounted file
        QCOMPARE(QDir(dir.path() + "/etc").entryList(QDir::Files | QDir::Hidden), QStringList{"wayland.env"});
        QCOMPARE(::umount(QFile::encodeName(path).constData()), 0);
    }

    // With no room for the longer content anywhere, the old file stays
    // whole: neither truncated nor half new. (QSaveFile alone would swap in
    // an empty file here: its commit does not see the failed write.)
    void fullDiskLeavesTheOldContent()
    {
        QByteArray why;
        if (!enterPrivateMounts(&why))
            QSKIP(why.constData());
        QTemporaryDir dir;
        QVERIFY(::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, "size=64k,mode=0755")
                == 0);
        const QString path = dir.filePath("wayland.env");
        const QByteArray before = "A=" + QByteArray(4000, 'a') + "\nXKB_DEFAULT_LAYOUT=us\n";
        write(path, before);
        QFile filler(dir.filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) { }
        filler.close();
        QCOMPARE(QStorageInfo(dir.path()).bytesAvailable(), 0);

        QTest::ignoreMessage(QtDebugMsg, "failed to reopen wayland file");
        QVERIFY(!KeyboardEnvFile::rewrite(path, "de", QString(300, 'x')));
        QCOMPARE(read(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"filler", "wayland.env"}));
        QCOMPARE(::umount(QFile::encodeName(dir.path()).constData()), 0);
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

    // Beside the fixed text, a warning names the file and the error.
    void failedOpenNamesTheFileAndTheError_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("a directory at the path") << "cannot read";
        QTest::newRow("its folder is a plain file") << "cannot create";
        QTest::newRow("read-only, in a folder we may not write") << "cannot write";
    }

    void failedOpenNamesTheFileAndTheError()
    {
        QFETCH(QString, failure);
        QTemporaryDir dir;
        QString path = dir.filePath("wayland.env");
        if (failure == "cannot read") {
            QVERIFY(QDir(dir.path()).mkdir("wayland.env"));
        } else if (failure == "cannot create") {
            write(dir.filePath("plain-file"), "");
            path = dir.filePath("plain-file/wayland.env");
        } else {
            write(path, "A=1\n");
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0440), 0);
            if (::geteuid() == 0)
                QCOMPARE(::chown(QFile::encodeName(path).constData(), 0, kGroup), 0);
            QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
        }

        QTest::ignoreMessage(QtDebugMsg, "failed to open wayland file");
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression(
                              QString("^%1 \"%2\" \"[^\"]+").arg(failure, QRegularExpression::escape(path))));
        bool rewritten = true;
        {
            std::optional<ActingAsUser> user;
            if (failure == "cannot write")
                user.emplace();
            rewritten = KeyboardEnvFile::rewrite(path, "de", "");
        }
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        QVERIFY(!rewritten);
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
        QTest::newRow("unknown index") << 999 << QByteArray("XKB_DEFAULT_LAYOUT=\nXKB_DEFAULT_VARIANT=\n");
        QTest::newRow("negative index") << -1 << QByteArray("XKB_DEFAULT_LAYOUT=\nXKB_DEFAULT_VARIANT=\n");
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
