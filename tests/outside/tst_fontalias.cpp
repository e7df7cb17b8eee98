#include "ProgramRun.h"

#include <QFont>
#include <QFontInfo>
#include <QtTest>

// The application font families, which no font file carries, resolve to
// Roboto through the shipped fontconfig alias; the test runs with
// FONTCONFIG_FILE set to the build-tree configuration.
class FontAliasTest : public QObject
{
    Q_OBJECT

private slots:
    void resolvesToRoboto_data();
    void resolvesToRoboto();
};

void FontAliasTest::resolvesToRoboto_data()
{
    QTest::addColumn<QString>("family");
    QTest::newRow("application font") << QStringLiteral("_Air Vesk");
    QTest::newRow("QML font") << QStringLiteral("_AirVesk");
}

void FontAliasTest::resolvesToRoboto()
{
    QFETCH(QString, family);

    const ProgramRun match = ProgramRun::of(QStringLiteral("fc-match"),
                                            {QStringLiteral("-f"), QStringLiteral("%{family[0]}"), family});
    QCOMPARE(match.exitCode, 0);
    QCOMPARE(QString::fromUtf8(match.out), QStringLiteral("Roboto"));

    // Qt resolves the family itself, through fontconfig's substitution.
    QCOMPARE(QFontInfo(QFont(family)).family(), QStringLiteral("Roboto"));
}

QTEST_MAIN(FontAliasTest)
#include "tst_fontalias.moc"
