// VHGeneralClassAppLauncher: the named program found through PATH and
// started detached with its argument list (no shell; empty arguments
// dropped); a program that cannot start is reported and logged.
#include "FakeTool.h"
#include "VHGeneralClassAppLauncher.h"

#include <QtTest>

class tst_AppLauncher : public QObject
{
    Q_OBJECT

private slots:
    void startsThroughThePathWithoutEmptyArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("received");
        QTest::newRow("one empty argument") << QStringList{""} << QStringList{};
        QTest::newRow("mixed") << QStringList{"", "--page", "", "a b;c"} << QStringList{"--page", "a b;c"};
        QTest::newRow("shell characters stay text")
            << QStringList{"$(touch x)", "*"} << QStringList{"$(touch x)", "*"};
    }

    void startsThroughThePathWithoutEmptyArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, received);
        FakeTools tools;
        tools.add("VHSupplyStatusUtility");
        VHGeneralClassAppLauncher launcher;
        QVERIFY(launcher.launchApplication("VHSupplyStatusUtility", arguments, true, true));
        QTRY_COMPARE(tools.runs("VHSupplyStatusUtility").size(), 1);
        QCOMPARE(tools.runs("VHSupplyStatusUtility").first(), received);
    }

    void programThatCannotStartIsLogged()
    {
        FakeTools tools;
        VHGeneralClassAppLauncher launcher;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot start .*VHNoSuchProgram"));
        QVERIFY(!launcher.launchApplication("VHNoSuchProgram", {""}, true, true));
    }
};

QTEST_GUILESS_MAIN(tst_AppLauncher)
#include "tst_applauncher.moc"
