#include "SettingsWindow.h"
#include "TestHome.h"
#include "UbootEnvironment.h"
#include "VHLocaleLanguages.h"
#include "VisibleTexts.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QTranslator>
#include <QtTest>

#include <memory>

// Every language the Languages page offers, on every model: the window
// started in it shows its translation, and every text of every page, list
// and dialog is drawn whole, over no other, with a glyph for each character.
class TestWindowTexts : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;

    static QStringList pageNames()
    {
        return {"pageGeneral",        "pageDateTime", "pageNetworking",     "pageUpdates",
                "pageLanguages",      "pageUsers",    "pagePrinter",        "pagePrinterAlignment",
                "pagePrinterPresets", "pageAbout",    "pagePrinterAdvanced"};
    }

    static QStringList dialogNames()
    {
        return {"modifyUserDialog",       "deleteUserDialog", "wifiPasswordDialog",
                "ethernetSettingsDialog", "wifiDialog",       "msdInfoDialog"};
    }

    // The faults of both kinds under `root`, each line prefixed with where.
    static QStringList faults(QQuickItem *root, const QString &where)
    {
        QStringList found = VisibleTexts::layoutFaults(root) + VisibleTexts::glyphFaults(root);
        for (QString &fault : found)
            fault.prepend(where + QStringLiteral(": "));
        return found;
    }

    // Opens each combo box's list on the page in turn, as a finger would.
    static QStringList listFaults(const SettingsWindow &w, QQuickItem *page, const QString &where)
    {
        QStringList found;
        for (QQuickItem *box : page->findChildren<QQuickItem *>()) {
            if (!box->inherits("QQuickComboBox") || !box->isVisible() || !box->isEnabled())
                continue;
            QObject *popup = box->property("popup").value<QObject *>();
            w.tap(box);
            if (!QTest::qWaitFor([&] { return popup->property("opened").toBool(); })) {
                found.append(where + QStringLiteral(": a list that did not open"));
                continue;
            }
            // The list view, inside the loader that builds it on the first
            // opening, shows the box's entries, the current one in view.
            auto *loader = popup->property("contentItem").value<QQuickItem *>();
            auto *list = loader->property("item").value<QQuickItem *>();
            const int entries = box->property("count").toInt();
            const auto currentShown = [&] {
                QQuickItem *current = nullptr;
                QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, current),
                                          Q_ARG(int, qMax(0, box->property("currentIndex").toInt())));
                return current && current->isVisible();
            };
            if (entries == 0 || !list || list->property("count").toInt() != entries
                || !QTest::qWaitFor(currentShown, 1000)) {
                found.append(where
                             + QStringLiteral(": a list that does not show its %1 entries").arg(entries));
                QMetaObject::invokeMethod(popup, "close");
                continue;
            }
            // Rows that wrap settle their heights over a few frames: a fault
            // that is still there a moment later is one.
            (void)QTest::qWaitFor([list] { return VisibleTexts::layoutFaults(list).isEmpty(); }, 1000);
            found += faults(list, where + QStringLiteral(" list"));
            QMetaObject::invokeMethod(popup, "close");
        }
        return found;
    }

private slots:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void everyTextFitsAndDraws_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("language");
        const VHLocaleLanguages languages;
        for (const char *model : {"Vesk", "Tundrel", "VeskMax"}) {
            for (int i = 0; i < languages.getTrLanguageNamesList().size(); ++i) {
                const QString code = languages.getLanguageCode(i);
                QTest::addRow("%s %s", model, qPrintable(code)) << model << code;
            }
        }
    }

    void everyTextFitsAndDraws()
    {
        QFETCH(QString, model);
        QFETCH(QString, language);
        UbootEnvironment device({{"vhModel", model}});
        QVERIFY2(device.isValid(), qPrintable(device.errorString()));
        m_home->writeSettingsFile("[locale]\nlanguage=" + language.toUtf8() + "\n");

        // The translation the window should have loaded; English has none.
        QTranslator translation;
        const bool english = language == QLatin1String("en_us");
        QCOMPARE(translation.load(QLocale(language), "corvant", "_", VH_TRANSLATIONS_DIR), !english);

        SettingsWindow w(0);
        QVERIFY(w.window());
        const QMap<int, QString> sidebar{{0, "General"},    {6, "Printer"},   {7, "Alignment"},
                                         {8, "Presets"},    {10, "Advanced"}, {1, "Date & Time"},
                                         {2, "Networking"}, {3, "Updates"},   {4, "Languages"},
                                         {5, "Users"},      {9, "About"}};
        for (auto entry = sidebar.cbegin(); entry != sidebar.cend(); ++entry) {
            QQuickItem *button = w.item(QStringLiteral("sideBarButton_%1").arg(entry.key()));
            if (!button)
                continue; // removed on this model
            const QString translated = translation.translate("ModelMainSidebar", qPrintable(entry.value()));
            QVERIFY2(english || !translated.isEmpty(), qPrintable(entry.value()));
            QCOMPARE(button->property("label").toString(), english ? entry.value() : translated);
        }

        QStringList found = faults(w.item("sidebar"), "sidebar") + faults(w.item("topBar"), "top bar");
        const QStringList pages = pageNames();
        for (int tab = 0; tab < pages.size(); ++tab) {
            w.showTab(tab);
            QQuickItem *page = w.item(pages.at(tab));
            QTRY_COMPARE(page->opacity(), 1.0);
            found += faults(page, pages.at(tab)) + listFaults(w, page, pages.at(tab));
        }
        for (const QString &name : dialogNames()) {
            QQuickItem *dialog = w.item(name);
            QMetaObject::invokeMethod(dialog, "show");
            QVERIFY(dialog->isVisible());
            found += faults(dialog, name);
            QMetaObject::invokeMethod(dialog, "hide");
        }
        for (const QString &fault : qAsConst(found))
            qWarning().noquote() << fault;
        QVERIFY2(found.isEmpty(), "texts drawn wrong: see the warnings above");
        QVERIFY2(w.qmlProblems().isEmpty(), qPrintable(w.qmlProblems().join('\n')));
    }
};

QTEST_MAIN(TestWindowTexts)
#include "tst_windowtexts.moc"
