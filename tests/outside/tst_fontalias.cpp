#include "ProgramRun.h"

#include <QFont>
#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <QtTest>

// The application font families, which no font file carries, resolve to
// Roboto through the shipped fontconfig alias, and Chinese, Japanese and
// Korean, which Roboto lacks, to WenQuanYi Micro Hei; the test runs with
// FONTCONFIG_FILE set to the build-tree configuration.
class FontAliasTest : public QObject
{
    Q_OBJECT

private slots:
    void resolvesToRoboto_data();
    void resolvesToRoboto();
    void scriptsDrawFromTheirFont_data();
    void scriptsDrawFromTheirFont();
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

void FontAliasTest::scriptsDrawFromTheirFont_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::newRow("Polish") << QStringLiteral("Zażółć gęślą jaźń") << QStringLiteral("Roboto");
    QTest::newRow("Japanese") << QStringLiteral("設定を保存しました")
                              << QStringLiteral("WenQuanYi Micro Hei");
    QTest::newRow("Chinese") << QStringLiteral("简体中文设置") << QStringLiteral("WenQuanYi Micro Hei");
    QTest::newRow("Korean") << QStringLiteral("한국어설정") << QStringLiteral("WenQuanYi Micro Hei");
}

// The fonts Qt actually draws the text with, and a glyph for every character.
void FontAliasTest::scriptsDrawFromTheirFont()
{
    QFETCH(QString, text);
    QFETCH(QString, family);

    QTextLayout layout(text, QFont(QStringLiteral("_AirVesk")));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList families;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        families.append(run.rawFont().familyName());
        QVERIFY(!run.glyphIndexes().contains(0));
    }
    families.removeDuplicates();
    QCOMPARE(families, QStringList{family});
}

QTEST_MAIN(FontAliasTest)
#include "tst_fontalias.moc"
