#include "GuiSession.h"
#include "SettingsWindow.h"
#include "TestHome.h"
#include "UbootEnvironment.h"

#include <QFont>
#include <QLocalSocket>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

// The window on each printer model: loading, navigation by every route,
// the entries removed per device, the dialog layer and the translation.
class TestWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;

    static bool displayed(const SettingsWindow &w, const char *page)
    {
        QQuickItem *item = w.item(QString::fromLatin1(page));
        return item && item->property("display").toBool();
    }

    static QStringList displayedPages(const SettingsWindow &w)
    {
        QStringList pages;
        for (const char *name : {"pageGeneral", "pageDateTime", "pageNetworking", "pageUpdates",
                                 "pageLanguages", "pageUsers", "pagePrinter", "pagePrinterAlignment",
                                 "pagePrinterPresets", "pageAbout", "pagePrinterAdvanced"}) {
            if (displayed(w, name))
                pages.append(QString::fromLatin1(name));
        }
        return pages;
    }

    // The shown sidebar entries, top to bottom: (label, highlighted).
    static QList<QPair<QString, bool>> sidebar(const SettingsWindow &w)
    {
        QList<QQuickItem *> buttons;
        for (QQuickItem *item : w.items("sideBarButton_")) {
            if (item->isVisible())
                buttons.append(item);
        }
        std::sort(buttons.begin(), buttons.end(),
                  [](QQuickItem *a, QQuickItem *b) { return a->y() < b->y(); });
        QList<QPair<QString, bool>> entries;
        for (QQuickItem *button : buttons)
            entries.append({button->property("label").toString(), button->property("highlighted").toBool()});
        return entries;
    }

    // Icon texts with no glyph laid out: an unshaped icon text has none.
    static QStringList blankIcons(QQuickItem *item)
    {
        QStringList blank;
        if (item->inherits("QQuickText") && !item->property("text").toString().isEmpty()
            && item->property("font").value<QFont>().family() == QLatin1String("VHIcons")
            && item->implicitWidth() <= 0) {
            blank.append(item->objectName() + QLatin1Char('/') + item->parentItem()->objectName());
        }
        for (QQuickItem *child : item->childItems())
            blank += blankIcons(child);
        return blank;
    }

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }

    void cleanup() { m_home.reset(); }

    void loadsCleanOnEveryModel_data() { SettingsWindow::addModelRows(); }

    void loadsCleanOnEveryModel()
    {
        QFETCH(QString, model);
        QFETCH(bool, tundrel);
        QFETCH(bool, veskMax);
        UbootEnvironment device({{"vhModel", model}});
        QVERIFY2(device.isValid(), qPrintable(device.errorString()));

        SettingsWindow w(3);
        QVERIFY(w.window());
        QCOMPARE(w.window()->size(), QSize(1024, 545));
        QCOMPARE(w.window()->property("isDualColor").toBool(), tundrel);
        QTRY_COMPARE(sidebar(w).size(), veskMax ? 10 : 11);
        // Every page once, so that their bindings are all evaluated shown.
        for (int tab = 0; tab <= 10; ++tab)
            w.showTab(tab);
        QTRY_COMPARE(displayedPages(w), QStringList{"pagePrinterAdvanced"});
        QVERIFY2(w.qmlProblems().isEmpty(), qPrintable(w.qmlProblems().join('\n')));
        QCOMPARE(blankIcons(w.window()->contentItem()), QStringList());
    }

    void tabNumbersChoosePages_data()
    {
        QTest::addColumn<QVariant>("tab");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("highlighted");
        QTest::newRow("printer") << QVariant(6u) << "pagePrinter"
                                 << "Printer";
        QTest::newRow("advanced") << QVariant(10) << "pagePrinterAdvanced"
                                  << "Advanced";
        QTest::newRow("past the end") << QVariant(11) << "pageGeneral"
                                      << "General";
        QTest::newRow("negative") << QVariant(-1) << "pageGeneral"
                                  << "General";
        QTest::newRow("not a number") << QVariant("abc") << "pageGeneral"
                                      << "General";
    }

    void tabNumbersChoosePages()
    {
        QFETCH(QVariant, tab);
        QFETCH(QString, page);
        QFETCH(QString, highlighted);
        SettingsWindow w(1);
        w.showTab(tab);
        QCOMPARE(displayedPages(w), QStringList{page});
        QTRY_VERIFY(w.item(page)->isVisible());
        QTRY_VERIFY(!w.item("pageDateTime")->isVisible());
        QStringList lit;
        for (const auto &entry : sidebar(w)) {
            if (entry.second)
                lit.append(entry.first);
        }
        QCOMPARE(lit, QStringList{highlighted});
    }

    void sidebarAndSocketSwitchTabs()
    {
        SettingsWindow w(0);
        QTRY_COMPARE(w.item("pageGeneral")->opacity(), 1.0);
        QSignalSpy tabChanges(w.window(), SIGNAL(currentTabChanged()));

        // The entry already shown: nothing changes, not even a fade.
        w.tap(w.item("sideBarButton_0"));
        QCOMPARE(tabChanges.count(), 0);
        QCOMPARE(w.item("pageGeneral")->opacity(), 1.0);

        w.tap(w.item("sideBarButton_7"));
        QCOMPARE(w.window()->property("currentTab").toInt(), 7);
        QCOMPARE(displayedPages(w), QStringList{"pagePrinterAlignment"});

        // Another program asks for the Printer tab on the local socket.
        QLocalSocket client;
        client.connectToServer(QCoreApplication::applicationName());
        QVERIFY(client.waitForConnected(2000));
        client.write("6");
        QVERIFY(client.waitForBytesWritten(2000));
        QTRY_COMPARE(displayedPages(w), QStringList{"pagePrinter"});
        QCOMPARE(tabChanges.count(), 2);
    }

    void entriesRemovedPerDevice()
    {
        UbootEnvironment device({{"vhModel", "VeskMax"}, {"vhShip", "2"}});
        QVERIFY2(device.isValid(), qPrintable(device.errorString()));
        SettingsWindow w(0);
        QStringList labels;
        for (const auto &entry : sidebar(w))
            labels.append(entry.first);
        QCOMPARE(labels, (QStringList{"General", "Printer", "Alignment", "Presets", "Date & Time", "Updates",
                                      "Languages", "Users", "About"}));

        // Removed from the sidebar, still reachable by number.
        w.showTab(2);
        QCOMPARE(displayedPages(w), QStringList{"pageNetworking"});
        for (const auto &entry : sidebar(w))
            QVERIFY2(!entry.second, qPrintable(entry.first));
        w.showTab(10);
        QCOMPARE(displayedPages(w), QStringList{"pagePrinterAdvanced"});
    }

    void dialogBlocksAllButTheCloseButton()
    {
        SettingsWindow w(0);
        QQuickItem *dialog = w.item("msdInfoDialog");
        QVERIFY(!w.item("dimmingLayer")->isVisible());
        dialog->setVisible(true);
        QVERIFY(w.item("dimmingLayer")->isVisible());

        w.tap(w.item("sideBarButton_6"));
        QCOMPARE(w.window()->property("currentTab").toInt(), 0);

        QSignalSpy quit(&w.session().engine(), &QQmlEngine::quit);
        w.tap(w.item("closeButton"));
        QCOMPARE(quit.count(), 1);

        w.tap(w.item("msdInfoOk"));
        QVERIFY(!dialog->isVisible());
        QVERIFY(!w.item("dimmingLayer")->isVisible());
        w.tap(w.item("sideBarButton_6"));
        QCOMPARE(w.window()->property("currentTab").toInt(), 6);
    }

    void sidebarFollowsStoredLanguage_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("firstLabels");
        QTest::newRow("nothing stored") << QByteArray() << QStringList{"General", "Printer"};
        QTest::newRow("de_DE") << QByteArray("[locale]\nlanguage=de_DE\n")
                               << QStringList{"Allgemein", "Drucker"};
    }

    void sidebarFollowsStoredLanguage()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QStringList, firstLabels);
        if (!settings.isEmpty())
            m_home->writeSettingsFile(settings);
        SettingsWindow w(0);
        const auto entries = sidebar(w);
        QCOMPARE((QStringList{entries.at(0).first, entries.at(1).first}), firstLabels);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
