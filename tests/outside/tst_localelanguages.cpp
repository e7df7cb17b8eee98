#include "TestHome.h"
#include "VHLocaleLanguages.h"

#include <QRegularExpression>
#include <QtTest>

// The locale library: one index space per list, and the current language
// taken from the settings file in either spelling other programs store.
class TestLocaleLanguages : public QObject
{
    Q_OBJECT

private slots:
    void indexSpacesAgree()
    {
        TestHome home;
        const VHLocaleLanguages locale;
        const QStringList languages = locale.getTrLanguageNamesList();
        QVERIFY(languages.size() >= 10);
        const QRegularExpression codeForm("^[a-z]{2}_[a-z]{2}$");
        QSet<QString> codes;
        for (int i = 0; i < languages.size(); ++i) {
            QVERIFY2(codeForm.match(locale.getLanguageCode(i)).hasMatch(),
                     qPrintable(locale.getLanguageCode(i)));
            QVERIFY(!locale.getLanguageEnglishName(i).isEmpty());
            codes.insert(locale.getLanguageCode(i));
        }
        QCOMPARE(codes.size(), languages.size());
        QCOMPARE(locale.getLanguageCode(languages.size()), QString());
        QCOMPARE(locale.getLanguageCode(-1), QString());

        const QStringList layouts = locale.getTranslatedKeyboardLayoutList();
        const auto info = locale.getKeyboardLayoutInfo();
        QVERIFY(layouts.size() >= 10);
        QCOMPARE(info.keys().size(), layouts.size());
        bool someVariant = false;
        for (int i = 0; i < layouts.size(); ++i) {
            QCOMPARE(info.value(i).displayName, layouts.at(i));
            QVERIFY(!info.value(i).xkbLayout.isEmpty());
            QVERIFY(!locale.getKeyboardLayoutEnglishName(i).isEmpty());
            someVariant = someVariant || !info.value(i).xkbVariant.isEmpty();
        }
        QVERIFY(someVariant);
        QVERIFY(!info.contains(layouts.size()));
    }

    void currentLanguageComesFromTheSettingsFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expectedCode");
        QTest::newRow("nothing stored") << QByteArray() << "en_us";
        QTest::newRow("page spelling") << QByteArray("[locale]\nlanguage=de_de\n") << "de_de";
        QTest::newRow("region upper case") << QByteArray("[locale]\nlanguage=fr_FR\n") << "fr_fr";
        QTest::newRow("unknown") << QByteArray("[locale]\nlanguage=xx_yy\n") << "en_us";
        QTest::newRow("wrong group") << QByteArray("[General]\nlanguage=de_de\n") << "en_us";
    }

    void currentLanguageComesFromTheSettingsFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, expectedCode);
        TestHome home;
        if (!file.isEmpty())
            home.writeSettingsFile(file);
        const VHLocaleLanguages locale;
        QCOMPARE(locale.getLanguageCode(locale.getCurrentLanguageId()), expectedCode);
    }
};

QTEST_GUILESS_MAIN(TestLocaleLanguages)
#include "tst_localelanguages.moc"
