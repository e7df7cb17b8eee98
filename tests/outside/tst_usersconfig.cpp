#include "DBusMock.h"
#include "PrivateBus.h"
#include "VHUsersConfigHelper.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

using RC = UsersConfigResultCode;

// The user-account module on real files in a temporary directory, and its
// lock request against logind's stand-in on a private system bus.
class TestUsersConfig : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString accountFile() const { return m_dir->filePath(QStringLiteral("var/accounts")); }

    std::unique_ptr<VHUsersConfigHelper> helper() const
    {
        return std::make_unique<VHUsersConfigHelper>(accountFile(), QDBusConnection(QStringLiteral("none")));
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
        auto users = helper();
        QCOMPARE(users->addUser("Admin", "first password", "first password"), int(RC::SUCCESS));
        QSignalSpy changed(users.get(), &VHUsersConfigHelper::usersChanged);
        QCOMPARE(users->addUser(name, password, confirmation), result);
        const bool added = result == RC::SUCCESS;
        QCOMPARE(changed.count(), added ? 1 : 0);
        QCOMPARE(users->usersList(), added ? QStringList({"Admin", name}) : QStringList{"Admin"});
        // A fresh reader sees the same accounts.
        QCOMPARE(helper()->usersList(), users->usersList());
    }

    void fileHoldsOnlyHashesForItsOwner()
    {
        auto users = helper();
        QVERIFY(!users->hasUsers());
        QCOMPARE(users->addUser("anna", "Pa55word-anna", "Pa55word-anna"), int(RC::SUCCESS));
        QCOMPARE(users->addUser("ben", "Pa55word-ben", "Pa55word-ben"), int(RC::SUCCESS));
        QVERIFY(users->hasUsers());
        QCOMPARE(mode(), 0600);
        const QByteArray content = fileContent();
        QVERIFY(!content.contains("Pa55word"));
        const QList<QByteArray> lines = content.split('\n');
        QCOMPARE(lines.at(1).left(8), QByteArray("anna:$y$"));
        QCOMPARE(lines.at(2).left(7), QByteArray("ben:$y$"));
        // A fresh salt for every hash.
        QCOMPARE(users->addUser("carl", "Pa55word-anna", "Pa55word-anna"), int(RC::SUCCESS));
        QVERIFY(fileContent().split('\n').at(3).mid(5) != lines.at(1).mid(5));
        QVERIFY(users->checkKey("anna"));
        QVERIFY(!users->checkKey("ben"));
    }

    void rewriteTightensLoosePermissions()
    {
        auto users = helper();
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
        auto users = helper();
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
        auto users = helper();
        QCOMPARE(users->addUser("anna", "12345678", "12345678"), int(RC::SUCCESS));
        QCOMPARE(users->addUser("ben", "12345678", "12345678"), int(RC::SUCCESS));
        // Another program removes anna behind this one's back.
        QCOMPARE(helper()->deleteUser("ANNA"), int(RC::SUCCESS));
        QCOMPARE(users->deleteUser("anna"), int(RC::USER_NOT_FOUND));
        QCOMPARE(users->usersList(), QStringList{"ben"});
        QVERIFY(users->checkKey("ben"));
        QCOMPARE(users->deleteUser("ben"), int(RC::SUCCESS));
        QVERIFY(!users->hasUsers());
    }

    void crashMidWriteKeepsTheFile()
    {
        auto users = helper();
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
        QCOMPARE(helper()->usersList(), QStringList{"anna"});
        QCOMPARE(helper()->changePassword("anna", "12345678", "87654321", "87654321"), int(RC::SUCCESS));
        QCOMPARE(mode(), 0600);
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
