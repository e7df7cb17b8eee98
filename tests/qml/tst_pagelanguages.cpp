#include "KeyboardEnvFile.h"
#include "PageActions.h"
#include "SettingsWindow.h"
#include "TestHome.h"

#include <QFile>
#include <QQuickItem>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Hits = QList<QPair<QString, QString>>;

// The Languages page on the real window: what it stores, what it hands to
// the compositor's env file and what it reports, in English, whatever the
// window's language.
class TestPageLanguages : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<QTemporaryDir> m_etc;

    QString envFile() const { return m_etc->filePath("wayland.env"); }

    QByteArray readEnvFile() const
    {
        QFile file(envFile());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    QVariant stored(const QString &path) const
    {
        return QSettings(m_home->settingsFile(), QSettings::IniFormat).value(path);
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_etc = std::make_unique<QTemporaryDir>();
        QFile env(envFile());
        QVERIFY(env.open(QIODevice::WriteOnly));
        env.write("WAYLAND_DISPLAY=wayland-0\nXKB_DEFAULT_LAYOUT=us\nXKB_DEFAULT_VARIANT=\n");
        env.close();
        KeyboardEnvFile::setPathForTests(envFile());
    }

    void cleanup()
    {
        KeyboardEnvFile::setPathForTests(QString());
        m_etc.reset();
        m_home.reset();
    }

    void languageStoresTheCode_data()
    {
        QTest::addColumn<QByteArray>("windowLanguage");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("englishName");
        QTest::addColumn<QString>("firstSidebarLabel");
        QTest::newRow("English window, German") << QByteArray() << 2 << "de_de"
                                                << "German"
                                                << "General";
        QTest::newRow("German window, French") << QByteArray("de_DE") << 3 << "fr_fr"
                                               << "French"
                                               << "Allgemein";
        QTest::newRow("German window, Japanese") << QByteArray("de_DE") << 10 << "ja_jp"
                                                 << "Japanese"
                                                 << "Allgemein";
    }

    void languageStoresTheCode()
    {
        QFETCH(QByteArray, windowLanguage);
        QFETCH(int, index);
        QFETCH(QString, code);
        QFETCH(QString, englishName);
        QFETCH(QString, firstSidebarLabel);
        if (!windowLanguage.isEmpty())
            m_home->writeSettingsFile("[locale]\nlanguage=" + windowLanguage + "\n");
        SettingsWindow w(4);

        PageActions::choose(w.item("languageBox"), index);
        QCOMPARE(stored("locale/language").toString(), code);
        QCOMPARE(PageActions::settingHits(), (Hits{{"Language", englishName}}));
        // The window keeps its language until the next start.
        QCOMPARE(w.item("sideBarButton_0")->property("label").toString(), firstSidebarLabel);
        QCOMPARE(w.item("languageBox")->property("currentIndex").toInt(), index);
    }

    void boxesStartFromTheStoredChoice()
    {
        m_home->writeSettingsFile("[locale]\nlanguage=sv_se\nkeyboardLayout=5\n");
        SettingsWindow w(4);
        QCOMPARE(w.item("languageBox")->property("currentText").toString(), QString("Svenska"));
        QCOMPARE(w.item("keyboardLayoutBox")->property("currentIndex").toInt(), 5);
    }

    void nothingStoredShowsTheFirstLayout()
    {
        SettingsWindow w(4);
        QCOMPARE(w.item("keyboardLayoutBox")->property("currentIndex").toInt(), 0);
        QCOMPARE(w.item("languageBox")->property("currentIndex").toInt(), 0);
    }

    void layoutStoresTheIndexAndRewritesTheEnvFile_data()
    {
        QTest::addColumn<QByteArray>("windowLanguage");
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("englishName");
        QTest::newRow("UK") << QByteArray() << 3
                            << QByteArray("XKB_DEFAULT_LAYOUT=gb\nXKB_DEFAULT_VARIANT=\n") << "English (UK)";
        QTest::newRow("German window, no dead keys")
            << QByteArray("de_DE") << 5
            << QByteArray("XKB_DEFAULT_LAYOUT=de\nXKB_DEFAULT_VARIANT=nodeadkeys\n")
            << "German (no dead keys)";
    }

    void layoutStoresTheIndexAndRewritesTheEnvFile()
    {
        QFETCH(QByteArray, windowLanguage);
        QFETCH(int, index);
        QFETCH(QByteArray, lines);
        QFETCH(QString, englishName);
        if (!windowLanguage.isEmpty())
            m_home->writeSettingsFile("[locale]\nlanguage=" + windowLanguage + "\n");
        SettingsWindow w(4);

        PageActions::choose(w.item("keyboardLayoutBox"), index);
        QCOMPARE(stored("locale/keyboardLayout").toInt(), index);
        QCOMPARE(readEnvFile(), "WAYLAND_DISPLAY=wayland-0\n" + lines);
        QCOMPARE(PageActions::settingHits(), (Hits{{"Keyboard", englishName}}));
        QVERIFY2(w.qmlProblems().isEmpty(), qPrintable(w.qmlProblems().join('\n')));
    }
};

QTEST_MAIN(TestPageLanguages)
#include "tst_pagelanguages.moc"
