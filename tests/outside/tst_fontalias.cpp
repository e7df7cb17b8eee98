#include "ProgramRun.h"

#include <QFont>
#include <QFontInfo>
#include <QtTest>

// The application font families, which no font file carries, resolve to
// Inter through the shipped fontconfig alias; the test runs with
// FONTCONFIG_FILE set to the build-tree configuration.
class FontAliasTest : public QObject
{
    Q_OBJECT

private slots:
    void resolvesToInter_data();
    void resolvesToInter();
};

void FontAliasTest::resolvesToInter_data()
{
    QTest::addColumn<QString>("family");
    QTest::newRow("application font") << QStringLiteral("_Air Vesk");
    QTest::newRow("QML font") << QStringLiteral("_AirVesk");
}

void FontAliasTest::resolvesToInter()
{
    QFETCH(QString, family);

    const ProgramRun match = ProgramRun::of(QStringLiteral("fc-match"),
                                            {QStringLiteral("-f"), QStringLiteral("%{family[0]}|%{fontfeatures}"), family});
    QCOMPARE(match.exitCode, 0);
    QCOMPARE(QString::fromUtf8(match.out), QStringLiteral("Inter|tnum"));

    // Qt resolves the family itself, through fontconfig's substitution.
    QCOMPARE(QFontInfo(QFont(family)).family(), QStringLiteral("Inter"));
}

QTEST_MAIN(FontAliasTest)
#include "tst_fontalias.moc"
