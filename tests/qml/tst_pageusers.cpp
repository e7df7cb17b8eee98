#include "DBusMock.h"
#include "FrozenProcess.h"
#include "PrivateBus.h"
#include "SettingHits.h"
#include "SettingsWindow.h"
#include "StallProbe.h"
#include "TestHome.h"
#include "VHUsersConfigHelper.h"

#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using RC = UsersConfigResultCode;

// The Users page and its two dialogs on the real window, with the real
// account module on a file in a temporary directory and logind's stand-in
// on a private system bus.
class TestPageUsers : public QObject
{
    Q_OBJECT

    // The window's system bus is the first one the process connects to.
    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<DBusMock> m_logind;
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<QTemporaryDir> m_dir;

    QString accountFile() const { return m_dir->filePath("accounts"); }

    // Another program working on the same file.
    std::unique_ptr<AccountStore> otherProgram() const
    {
        auto store = std::make_unique<AccountStore>(accountFile());
        store->reload();
        return store;
    }

    static VHUsersConfigHelper *accounts(const SettingsWindow &w)
    {
        QQmlEngine *engine = qmlEngine(w.item("pageUsers"));
        return engine->singletonInstance<VHUsersConfigHelper *>(
            qmlTypeId("librariesqml.VHUsersConfig", 1, 0, "VHUsersConfigHelper"));
    }

    // Taps the button and waits for the account work it starts to end.
    static void tapAndWait(const SettingsWindow &w, const QString &button)
    {
        QTRY_VERIFY(!accounts(w)->busy());
        QSignalSpy busy(accounts(w), &VHUsersConfigHelper::busyChanged);
        w.tap(w.item(button));
        QTRY_COMPARE(busy.count(), 2);
    }

    static void openPage(const SettingsWindow &w)
    {
        w.showTab(5);
        QTRY_COMPARE(w.item("pageUsers")->opacity(), 1.0);
    }

    static void fill(const SettingsWindow &w, const QStringList &names, const QStringList &texts)
    {
        for (int i = 0; i < names.size(); ++i)
            w.item(names.at(i))->setProperty("text", texts.at(i));
    }

    static QStringList fieldStates(const SettingsWindow &w, const QStringList &names)
    {
        QStringList states;
        for (const QString &name : names)
            states.append(w.item(name)->state() + ":" + w.item(name)->property("errorText").toString());
        return states;
    }

    static const QStringList &addFields()
    {
        static const QStringList names{"addUserName", "addUserPassword", "addUserConfirm"};
        return names;
    }

    static const QStringList &modifyFields()
    {
        static const QStringList names{"modifyUserOld", "modifyUserNew", "modifyUserConfirm"};
        return names;
    }

private slots:
    void initTestCase()
    {
        m_bus = std::make_unique<PrivateBus>();
        QVERIFY2(m_bus->isValid(), qPrintable(m_bus->errorString()));
        m_logind = std::make_unique<DBusMock>(*m_bus, "logind", "org.freedesktop.login1",
                                              "/org/freedesktop/login1");
        QVERIFY2(m_logind->isValid(), qPrintable(m_logind->errorString()));
    }

    void cleanupTestCase()
    {
        m_logind.reset();
        m_bus.reset();
    }

    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_dir = std::make_unique<QTemporaryDir>();
        VHUsersConfigHelper::setAccountFileForTests(accountFile());
    }

    void cleanup()
    {
        VHUsersConfigHelper::setAccountFileForTests(QString());
        m_dir.reset();
        m_home.reset();
    }

    void firstAccountReplacesTheText()
    {
        SettingsWindow w(5);
        openPage(w);
        QVERIFY(w.item("noUsersText")->isVisible());
        QVERIFY(!w.item("usersList")->isVisible());
        QCOMPARE(w.item("noUsersText")->property("text").toString(),
                 QStringLiteral("There are currently no users.\n"
                                "Adding a user will prompt for a login on reboot."));

        fill(w, addFields(), {"anna", "Pa55word-anna", "Pa55word-anna"});
        tapAndWait(w, "addUserButton");
        QVERIFY(w.item("usersList")->isVisible());
        QVERIFY(!w.item("noUsersText")->isVisible());
        QTRY_VERIFY(w.item("userRow_anna"));
        QCOMPARE(fieldStates(w, addFields()), QStringList({"NORMAL:", "NORMAL:", "NORMAL:"}));
        for (const QString &name : addFields())
            QCOMPARE(w.item(name)->property("text").toString(), QString());
        QCOMPARE(lastSettingHit(), QStringLiteral("Users=Added User"));
        QCOMPARE(otherProgram()->users(), QStringList{"anna"});
        QVERIFY2(w.qmlProblems().isEmpty(), qPrintable(w.qmlProblems().join('\n')));
    }

    void failedAddMarksFields_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QStringList>("marks");
        QTest::newRow("mismatch") << QStringList{"ben", "12345678", "12345679"}
                                  << QStringList{"NORMAL:", "NORMAL:", "ERROR:Passwords do not match"};
        QTest::newRow("exists") << QStringList{"ANNA", "12345678", "12345678"}
                                << QStringList{"ERROR:User already exists", "NORMAL:", "NORMAL:"};
        QTest::newRow("bad name") << QStringList{"b n", "12345678", "12345678"}
                                  << QStringList{"ERROR:Invalid username", "NORMAL:", "NORMAL:"};
        QTest::newRow("bad password") << QStringList{"ben", "1234", "1234"}
                                      << QStringList{"NORMAL:", "ERROR:Invalid password", "NORMAL:"};
        QTest::newRow("both bad") << QStringList{"", "", ""}
                                  << QStringList{"ERROR:Invalid Username & Password", "ERROR:", "NORMAL:"};
    }

    void failedAddMarksFields()
    {
        QFETCH(QStringList, input);
        QFETCH(QStringList, marks);
        QCOMPARE(otherProgram()->addUser("anna", "12345678", "12345678"), int(RC::SUCCESS));
        SettingsWindow w(5);
        openPage(w);
        fill(w, addFields(), input);
        tapAndWait(w, "addUserButton");
        QCOMPARE(fieldStates(w, addFields()), marks);
        QCOMPARE(otherProgram()->users(), QStringList{"anna"});
        QVERIFY(!settingHits().contains("Users=Added User"));
    }

    void marksStayUntilTheFieldChanges()
    {
        QCOMPARE(otherProgram()->addUser("anna", "12345678", "12345678"), int(RC::SUCCESS));
        SettingsWindow w(5);
        openPage(w);
        fill(w, addFields(), {"ben", "12345678", "1234567"});
        tapAndWait(w, "addUserButton");
        w.item("addUserName")->setProperty("text", "anna");
        tapAndWait(w, "addUserButton");
        QCOMPARE(fieldStates(w, addFields()),
                 QStringList({"ERROR:User already exists", "NORMAL:", "ERROR:Passwords do not match"}));
        // The user types into the confirmation field.
        w.tap(w.item("addUserConfirm")->property("field").value<QQuickItem *>());
        QTest::keyClick(w.window(), Qt::Key_8);
        QCOMPARE(fieldStates(w, addFields()),
                 QStringList({"ERROR:User already exists", "NORMAL:", "NORMAL:"}));
    }

    void failedDeleteKeepsTheDialog()
    {
        auto other = otherProgram();
        QCOMPARE(other->addUser("anna", "12345678", "12345678"), int(RC::SUCCESS));
        QCOMPARE(other->addUser("ben", "12345678", "12345678"), int(RC::SUCCESS));
        SettingsWindow w(5);
        openPage(w);
        QQuickItem *dialog = w.item("deleteUserDialog");

        QTRY_VERIFY(w.item("userDelete_anna"));
        w.tap(w.item("userDelete_anna"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(w.item("deleteUserName")->property("text").toString(), QStringLiteral("anna"));
        // Gone before the user confirms.
        QCOMPARE(other->deleteUser("anna"), int(RC::SUCCESS));
        tapAndWait(w, "deleteUserConfirm");
        QVERIFY(dialog->isVisible());
        QVERIFY(!settingHits().contains("Users=Deleted User"));
        w.tap(w.item("deleteUserCancel"));
        QVERIFY(!dialog->isVisible());

        QTRY_VERIFY(!w.item("userRow_anna"));
        w.tap(w.item("userDelete_ben"));
        tapAndWait(w, "deleteUserConfirm");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(lastSettingHit(), QStringLiteral("Users=Deleted User"));
        QCOMPARE(otherProgram()->users(), QStringList());
        QVERIFY(w.item("noUsersText")->isVisible());
    }

    void changePasswordDialog()
    {
        QCOMPARE(otherProgram()->addUser("anna", "old secret", "old secret"), int(RC::SUCCESS));
        SettingsWindow w(5);
        openPage(w);
        QQuickItem *dialog = w.item("modifyUserDialog");
        QQuickItem *change = w.item("modifyUserChange");

        QTRY_VERIFY(w.item("userSettings_anna"));
        w.tap(w.item("userSettings_anna"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(w.item("modifyUserName")->property("text").toString(), QStringLiteral("anna"));
        const QStringList texts{"old secreT", "new secret", "new secret"};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!change->isEnabled());
            w.item(modifyFields().at(i))->setProperty("text", texts.at(i));
        }
        QVERIFY(change->isEnabled());
        w.item("modifyUserNew")->setProperty("text", "");
        QVERIFY(!change->isEnabled());
        w.item("modifyUserNew")->setProperty("text", "new secret");

        tapAndWait(w, "modifyUserChange");
        QVERIFY(dialog->isVisible());
        QCOMPARE(w.item("modifyUserMessage")->property("text").toString(),
                 QStringLiteral("Incorrect password."));
        QCOMPARE(w.item("modifyUserOld")->state(), QStringLiteral("ERROR"));

        // Shown again: a clean form.
        QMetaObject::invokeMethod(dialog, "hide");
        w.tap(w.item("userSettings_anna"));
        QCOMPARE(fieldStates(w, modifyFields()), QStringList({"NORMAL:", "NORMAL:", "NORMAL:"}));
        for (const QString &name : modifyFields())
            QCOMPARE(w.item(name)->property("text").toString(), QString());
        QCOMPARE(w.item("modifyUserMessage")->property("text").toString(), QString());

        fill(w, modifyFields(), {"old secret", "new secret", "new secreT"});
        tapAndWait(w, "modifyUserChange");
        QCOMPARE(w.item("modifyUserMessage")->property("text").toString(),
                 QStringLiteral("Passwords do not match."));
        QCOMPARE(w.item("modifyUserConfirm")->state(), QStringLiteral("ERROR"));

        fill(w, modifyFields(), {"old secret", "new secret", "new secret"});
        tapAndWait(w, "modifyUserChange");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(lastSettingHit(), QStringLiteral("Users=Password Changed"));
        QCOMPARE(otherProgram()->changePassword("anna", "new secret", "third secret", "third secret"),
                 int(RC::SUCCESS));
    }

    // Another program may write any name into the file; markup in it is
    // shown as it stands, never rendered.
    void namesAreShownAsPlainText()
    {
        const QString name = "<img src=\"x.png\"><b>eve</b>";
        QFile file(accountFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(name.toUtf8() + ":$y$j9T$salt$hash\n");
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        SettingsWindow w(5);
        openPage(w);
        QTRY_VERIFY(w.item("userRowName_" + name));

        w.tap(w.item("userDelete_" + name));
        w.item("modifyUserDialog")->setProperty("userName", name);
        for (const char *shown : {"userRowName_", "deleteUserName", "modifyUserName"}) {
            QQuickItem *text = w.item(shown == QByteArray("userRowName_") ? "userRowName_" + name : shown);
            QCOMPARE(text->property("text").toString(), name);
            QCOMPARE(text->property("textFormat").toInt(), 0); // Text.PlainText
        }
    }

    void lockReachesLogind()
    {
        SettingsWindow w(5);
        openPage(w);
        const int before = m_logind->methods().count("LockSessions");
        w.tap(w.item("lockButton"));
        QTRY_COMPARE(m_logind->methods().count("LockSessions"), before + 1);
        QCOMPARE(lastSettingHit(), QStringLiteral("Display=Locked"));
    }

    // logind hung (SIGSTOP): Lock answers at once, and the request reaches
    // logind once it answers again.
    void lockWhileLogindIsFrozen()
    {
        SettingsWindow w(5);
        openPage(w);
        const int before = m_logind->methods().count("LockSessions");
        FrozenProcess frozen(m_logind->processId());
        StallProbe probe;
        w.tap(w.item("lockButton"));
        QCOMPARE(lastSettingHit(), QStringLiteral("Display=Locked"));
        QTest::qWait(1000);
        QVERIFY2(probe.longestMs() < 200, qPrintable(QString::number(probe.longestMs())));
        frozen.thaw();
        QTRY_COMPARE(m_logind->methods().count("LockSessions"), before + 1);
    }
};

QTEST_MAIN(TestPageUsers)
#include "tst_pageusers.moc"
