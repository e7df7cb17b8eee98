#include "AgedFile.h"
#include "DBusMock.h"
#include "PrivateBus.h"
#include "VHUsersConfigHelper.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using RC = UsersConfigResultCode;

// The user-account module on real files in a temporary directory (its
// rules through AccountStore, which the window's helper runs in a worker
// thread), and its lock request against logind's stand-in on a private
// system bus.
class TestUsersConfig : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString accountFile() const { return m_dir->filePath(QStringLiteral("var/accounts")); }

    std::unique_ptr<AccountStore> store() const { return std::make_unique<AccountStore>(accountFile()); }

    // The accounts as a fresh reader finds them.
    QStringList storedUsers() const
    {
        AccountStore reader(accountFile());
        reader.reload();
        return reader.users();
    }

    // Permission bits as the file system holds them.
    int mode() const
    {
        struct stat status;
        return ::stat(QFile::encodeName(accountFile()).constData(), &status) == 0
                   ? int(status.st_mode & 07777)
                   : -1;
    }

    QByteArray fileContent() const
    {
        QFile file(accountFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void cleanup() { m_dir.reset(); }

    void addUserResults_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<int>("result");
        QTest::newRow("fine") << "Anna"
                              << "correct horse"
                              << "correct horse" << int(RC::SUCCESS);
        QTest::newRow("dots, digits") << "j.doe-2_x"
                                      << "12345678"
                                      << "12345678" << int(RC::SUCCESS);
        QTest::newRow("exists, other case") << "admin"
                                            << "12345678"
                                            << "12345678" << int(RC::USER_ALREADY_EXISTS);
        QTest::newRow("empty name") << ""
                                    << "12345678"
                                    << "12345678" << int(RC::INVALID_USERNAME);
        QTest::newRow("starts with digit") << "1anna"
                                           << "12345678"
                                           << "12345678" << int(RC::INVALID_USERNAME);
        QTest::newRow("trailing line feed") << "anna\n"
                                            << "12345678"
                                            << "12345678" << int(RC::INVALID_USERNAME);
        QTest::newRow("colon") << "an:na"
                               << "12345678"
                               << "12345678" << int(RC::INVALID_USERNAME);
        QTest::newRow("33 letters") << QString(33, 'a') << "12345678"
                                    << "12345678" << int(RC::INVALID_USERNAME);
        QTest::newRow("umlaut") << QString::fromUtf8("J\xc3\xbcrgen") << "12345678"
                                << "12345678" << int(RC::INVALID_USERNAME);
        QTest::newRow("short password") << "anna"
                                        << "1234567"
                                        << "1234567" << int(RC::INVALID_PASSWORD);
        QTest::newRow("password is name") << "annabell"
                                          << "AnnaBell"
                                          << "AnnaBell" << int(RC::INVALID_PASSWORD);
        QTest::newRow("control character") << "anna"
                                           << "1234\n5678"
                                           << "1234\n5678" << int(RC::INVALID_PASSWORD);
        QTest::newRow("both invalid") << "-"
                                      << ""
                                      << "" << int(RC::INVALID_USERNAME_AND_PASSWORD);
        QTest::newRow("mismatch") << "anna"
                                  << "12345678"
                                  << "12345679" << int(RC::MISMATCH_PASSWORDS);
    }

    void addUserResults()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(int, result);
        auto users = store();
        QCOMPARE(users->addUser("Admin", "first password", "first password"), int(RC::SUCCESS));
        QCOMPARE(users->addUser(name, password, confirmation), result);
        const bool added = result == RC::SUCCESS;
        QCOMPARE(users->users(), added ? QStringList({"Admin", name}) : QStringList{"Admin"});
        // A fresh reader sees the same accounts.
        QCOMPARE(storedUsers(), users->users());
    }

    void fileHoldsOnlyHashesForItsOwner()
    {
        auto users = store();
        QCOMPARE(users->reload(), int(RC::SUCCESS));
        QCOMPARE(users->users(), QStringList());
        QCOMPARE(users->addUser("anna", "Pa55word-anna", "Pa55word-anna"), int(RC::SUCCESS));
        QCOMPARE(users->addUser("ben", "Pa55word-ben", "Pa55word-ben"), int(RC::SUCCESS));
        QCOMPARE(mode(), 0600);
        const QByteArray content = fileContent();
        QVERIFY(!content.contains("Pa55word"));
        const QList<QByteArray> lines = content.split('\n');
        QCOMPARE(lines.at(1).left(8), QByteArray("anna:$y$"));
        QCOMPARE(lines.at(2).left(7), QByteArray("ben:$y$"));
        // A fresh salt for every hash.
        QCOMPARE(users->addUser("carl", "Pa55word-anna", "Pa55word-anna"), int(RC::SUCCESS));
        QVERIFY(fileContent().split('\n').at(3).mid(5) != lines.at(1).mid(5));
    }

    void rewriteTightensLoosePermissions()
    {
        auto users = store();
        QCOMPARE(users->addUser("anna", "12345678", "12345678"), int(RC::SUCCESS));
        QFile::setPermissions(accountFile(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        QCOMPARE(users->deleteUser("anna"), int(RC::SUCCESS));
        QCOMPARE(mode(), 0600);
    }

    void changePasswordResults_data()
    {
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<int>("result");
        QTest::newRow("fine") << "old secret"
                              << "new secret"
                              << "new secret" << int(RC::SUCCESS);
        QTest::newRow("wrong old") << "old secreT"
                                   << "new secret"
                                   << "new secret" << int(RC::INCORRECT_PASSWORD);
        QTest::newRow("old with NUL tail") << QStringLiteral("old secret") + QChar(0) + "x"
                                           << "new secret"
                                           << "new secret" << int(RC::INCORRECT_PASSWORD);
        QTest::newRow("wrong old, bad new") << "nope"
                                            << "x"
                                            << "y" << int(RC::INCORRECT_PASSWORD);
        QTest::newRow("short new") << "old secret"
                                   << "short"
                                   << "short" << int(RC::INVALID_PASSWORD);
        QTest::newRow("mismatch") << "old secret"
                                  << "new secret"
                                  << "new secreT" << int(RC::MISMATCH_PASSWORDS);
    }

    void changePasswordResults()
    {
        QFETCH(QString, oldPassword);
        QFETCH(QString, newPassword);
        QFETCH(QString, confirmation);
        QFETCH(int, result);
        auto users = store();
        QCOMPARE(users->addUser("anna", "old secret", "old secret"), int(RC::SUCCESS));
        QCOMPARE(users->changePassword("anna", oldPassword, newPassword, confirmation), result);
        // Only a successful change replaces the password.
        const QString valid = result == RC::SUCCESS ? newPassword : QStringLiteral("old secret");
        const QString stale = result == RC::SUCCESS ? QStringLiteral("old secret") : newPassword;
        QCOMPARE(users->changePassword("anna", valid, "third secret", "third secret"), int(RC::SUCCESS));
        QCOMPARE(users->changePassword("anna", stale, "fourth secret", "fourth secret"),
                 int(RC::INCORRECT_PASSWORD));
        QCOMPARE(users->changePassword("nobody", "old secret", "new secret", "new secret"),
                 int(RC::USER_NOT_FOUND));
    }

    void deleteFollowsTheFile()
    {
        auto users = store();
        QCOMPARE(users->addUser("anna", "12345678", "12345678"), int(RC::SUCCESS));
        QCOMPARE(users->addUser("ben", "12345678", "12345678"), int(RC::SUCCESS));
        // Another program removes anna behind this one's back.
        QCOMPARE(store()->deleteUser("ANNA"), int(RC::SUCCESS));
        QCOMPARE(users->deleteUser("anna"), int(RC::USER_NOT_FOUND));
        QCOMPARE(users->users(), QStringList{"ben"});
        QCOMPARE(users->deleteUser("ben"), int(RC::SUCCESS));
        QCOMPARE(users->users(), QStringList());
    }

    void crashMidWriteKeepsTheFile()
    {
        auto users = store();
        QCOMPARE(users->addUser("anna", "12345678", "12345678"), int(RC::SUCCESS));
        const QByteArray before = fileContent();

        // The new file is about twice as long; the kernel stops the writer
        // halfway through it.
        QProcess writer;
        writer.start(QStringLiteral(VH_USERSCONFIG_WRITER),
                     {accountFile(), QString::number(before.size() + 40), "ben", "12345678"});
        QVERIFY(writer.waitForFinished(20000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        QCOMPARE(fileContent(), before);
        QCOMPARE(storedUsers(), QStringList{"anna"});
        QCOMPARE(store()->changePassword("anna", "12345678", "87654321", "87654321"), int(RC::SUCCESS));
        QCOMPARE(mode(), 0600);
    }

    // The copy a writer killed before its rename left (every hash, 0600)
    // goes with the next write, once no live writer can own it.
    void nextWriteRemovesKilledWritersCopies()
    {
        QCOMPARE(store()->addUser("anna", "12345678", "12345678"), int(RC::SUCCESS));
        QVERIFY(writeAgedFile(accountFile() + ".AbCdEf", 120));
        QCOMPARE(store()->addUser("ben", "12345678", "12345678"), int(RC::SUCCESS));
        QCOMPARE(QDir(m_dir->filePath("var")).entryList(QDir::Files), QStringList{"accounts"});
    }

    // Whatever is put at the account file's place is neither read (a FIFO
    // must not freeze the window) nor replaced or written through.
    void onlyOurOwnRegularFileIsUsed_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("link to another file") << "link";
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("device node") << "device";
        QTest::newRow("another user's file") << "foreign";
    }

    void onlyOurOwnRegularFileIsUsed()
    {
        QFETCH(QString, kind);
        QVERIFY(QDir().mkpath(m_dir->filePath("var")));
        const QString other = m_dir->filePath("passwd");
        QVERIFY(writeAgedFile(other, 0));
        const QByteArray path = QFile::encodeName(accountFile());
        if (kind == "link") {
            QVERIFY(QFile::link(other, accountFile()));
        } else if (kind == "fifo") {
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        } else if (kind == "device") {
            // The null device's numbers, in the test's own folder.
            if (::mknod(path.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
                QSKIP("making a device node needs CAP_MKNOD");
        } else {
            QCOMPARE(store()->addUser("anna", "12345678", "12345678"), int(RC::SUCCESS));
            if (::chown(path.constData(), 65534, 65534) != 0)
                QSKIP("giving a file away needs CAP_CHOWN");
        }
        struct stat before;
        QCOMPARE(::lstat(path.constData(), &before), 0);
        // Only a regular file can be read without the risk of waiting.
        const QByteArray content = kind == "foreign" ? fileContent() : QByteArray();

        auto users = store();
        QCOMPARE(users->reload(), int(RC::STORAGE_ERROR));
        QCOMPARE(users->addUser("ben", "12345678", "12345678"), int(RC::STORAGE_ERROR));
        QCOMPARE(users->deleteUser("anna"), int(RC::STORAGE_ERROR));

        struct stat after;
        QCOMPARE(::lstat(path.constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_mode, before.st_mode);
        if (kind == "foreign")
            QCOMPARE(fileContent(), content);
        QFile target(other);
        QVERIFY(target.open(QIODevice::ReadOnly));
        QCOMPARE(target.readAll(), QByteArray());
        QCOMPARE(QDir(m_dir->filePath("var"))
                     .entryList(QDir::Files | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{"accounts"});
    }

    // The window's helper: an operation returns at once and its result
    // comes by signal, in order, the list following the file.
    void helperWorksInTheBackground()
    {
        QCOMPARE(store()->addUser("anna", "12345678", "12345678"), int(RC::SUCCESS));
        VHUsersConfigHelper users(accountFile(), QDBusConnection(QStringLiteral("none")));
        QSignalSpy changed(&users, &VHUsersConfigHelper::usersChanged);
        QVERIFY(changed.wait());
        QCOMPARE(users.usersList(), QStringList{"anna"});
        QVERIFY(users.checkKey("anna"));
        QVERIFY(!users.busy());

        QSignalSpy added(&users, &VHUsersConfigHelper::addUserFinished);
        QSignalSpy busy(&users, &VHUsersConfigHelper::busyChanged);
        users.addUser("ben", "12345678", "12345678");
        users.addUser("ben", "12345678", "12345678");
        // Nothing is known before the event loop brings the results.
        QVERIFY(users.busy());
        QCOMPARE(users.usersList(), QStringList{"anna"});
        QTRY_COMPARE(added.count(), 2);
        QCOMPARE(added.at(0).at(0).toInt(), int(RC::SUCCESS));
        QCOMPARE(added.at(1).at(0).toInt(), int(RC::USER_ALREADY_EXISTS));
        QCOMPARE(users.usersList(), QStringList({"anna", "ben"}));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(busy.count(), 2);
        QVERIFY(!users.busy());
    }

    void lockAsksLogind()
    {
        PrivateBus bus;
        QVERIFY2(bus.isValid(), qPrintable(bus.errorString()));
        DBusMock logind(bus, "logind", "org.freedesktop.login1", "/org/freedesktop/login1");
        QVERIFY2(logind.isValid(), qPrintable(logind.errorString()));
        VHUsersConfigHelper users(accountFile(), bus.connection("client"));

        users.enableLockScreen();
        QTRY_COMPARE(logind.methods(), QStringList{"LockSessions"});
    }
};

QTEST_GUILESS_MAIN(TestUsersConfig)
#include "tst_usersconfig.moc"
