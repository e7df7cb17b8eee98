#include "LogCapture.h"
#include "NetworkManagerMock.h"
#include "PrivateBus.h"
#include "SettingsWindow.h"
#include "TestHome.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

#include <algorithm>
#include <memory>

// The window's on-screen keyboard: built on first use, typed on with taps,
// in the window's language, out of the way of the focused field, and the
// Wi-Fi password dialog connecting with a key typed on it.
class TestOnScreenKeyboard : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<TestHome> m_home;

    static QQuickItem *panel(const SettingsWindow &w) { return w.item("inputPanel"); }

    static QRectF sceneRect(QQuickItem *item) { return item->mapRectToScene(item->boundingRect()); }

    // The keys on show, top row first, each row from the left.
    static QList<QQuickItem *> keys(const SettingsWindow &w)
    {
        QList<QQuickItem *> found;
        for (QQuickItem *item : w.items(QString())) {
            if (item->isVisible() && item->property("functionKey").isValid() && panel(w)->isAncestorOf(item))
                found.append(item);
        }
        std::sort(found.begin(), found.end(), [](QQuickItem *a, QQuickItem *b) {
            const QPointF pa = a->mapToScene(QPointF()), pb = b->mapToScene(QPointF());
            return qFuzzyCompare(pa.y(), pb.y()) ? pa.x() < pb.x() : pa.y() < pb.y();
        });
        return found;
    }

    // The key with this text, or with this key code when the text is empty.
    static QQuickItem *key(const SettingsWindow &w, const QString &text, int code = 0)
    {
        const QList<QQuickItem *> shown = keys(w);
        const auto found = std::find_if(shown.cbegin(), shown.cend(), [&](QQuickItem *k) {
            return text.isEmpty() ? k->property("key").toInt() == code
                                  : k->property("text").toString() == text;
        });
        return found == shown.cend() ? nullptr : *found;
    }

    // Shown, with its keys laid out, each in a place of its own.
    static bool keyboardOpen(const SettingsWindow &w)
    {
        if (!panel(w) || !panel(w)->isVisible())
            return false;
        const QList<QQuickItem *> shown = keys(w);
        QSet<QPair<qreal, qreal>> places;
        for (QQuickItem *k : shown)
            places.insert({k->mapToScene(QPointF()).x(), k->mapToScene(QPointF()).y()});
        return !shown.isEmpty() && places.size() == shown.size();
    }

    // Types as a finger does: shift for a capital, the symbol key to reach
    // digits and signs and to come back to letters.
    static void typeOnKeys(const SettingsWindow &w, const QString &text)
    {
        for (const QChar c : text) {
            const QString wanted = c.toLower();
            if (!key(w, wanted)) {
                w.tap(key(w, QString(), Qt::Key_Context1));
                QTRY_VERIFY2(keyboardOpen(w) && key(w, wanted), qPrintable(wanted));
            }
            if (c.isUpper())
                w.tap(key(w, QString(), Qt::Key_Shift));
            w.tap(key(w, wanted));
        }
    }

    // Taps a field (a VHTextField's own field) as a finger does.
    static QQuickItem *tapField(const SettingsWindow &w, const char *name)
    {
        QQuickItem *field = w.item(QString::fromLatin1(name));
        if (QQuickItem *input = field->property("field").value<QQuickItem *>())
            field = input;
        w.tap(field);
        return field;
    }

    static void typeOnHardwareKeys(const SettingsWindow &w, const QByteArray &text)
    {
        for (const char c : text)
            QTest::keyClick(w.window(), c);
    }

private slots:
    void initTestCase()
    {
        m_bus = std::make_unique<PrivateBus>();
        QVERIFY2(m_bus->isValid(), qPrintable(m_bus->errorString()));
    }

    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }
    void cleanupTestCase() { m_bus.reset(); }

    void passwordTypedOnTheKeysConnects()
    {
        const QString password = QStringLiteral("Passw0rd!");
        NetworkManagerMock nm(*m_bus);
        QVERIFY2(nm.isValid(), qPrintable(nm.errorString()));
        const QString wifi = nm.addWifiDevice(QStringLiteral("wlan0"), NetworkManagerMock::Disconnected);
        const QString office = nm.addAccessPoint(wifi, "office", "Office", "02:00:00:00:00:01", 70,
                                                 NetworkManagerMock::KeyMgmtPsk);
        nm.setProperty(office, QStringLiteral("org.freedesktop.NetworkManager.AccessPoint"),
                       QStringLiteral("WpaFlags"), 0u);
        LogCapture log(QStringLiteral("vh.*.debug=true\nqt.virtualkeyboard*.debug=true"));
        {
            SettingsWindow w(2);
            QQuickItem *row = nullptr;
            QTRY_VERIFY((row = w.item("accessPoint_Office")) && row->isVisible());
            w.tap(row);
            QQuickItem *field = tapField(w, "wifiPasswordField");
            QTRY_VERIFY(keyboardOpen(w));
            QVERIFY(sceneRect(field).bottom() <= sceneRect(panel(w)).top());

            typeOnKeys(w, password);
            QCOMPARE(field->property("text").toString(), password);
            // Nothing on screen shows any of it but as masks.
            for (QQuickItem *item : w.items(QString())) {
                const char *drawn = item->inherits("QQuickText")        ? "text"
                                    : item->inherits("QQuickTextInput") ? "displayText"
                                                                        : "";
                const QString shown = item->isVisible() ? item->property(drawn).toString() : QString();
                QVERIFY2(!shown.contains(QStringLiteral("Passw")), qPrintable(shown));
            }
            QVERIFY(!field->property("displayText").toString().contains(QLatin1Char('P')));

            w.tap(key(w, QString(), Qt::Key_Return));
            QTRY_VERIFY(!panel(w)->isVisible());
            QTRY_COMPARE(w.contextObject("WiFiClient")->property("networkStatus").toInt(), 2); // connected
            const QList<QVariantList> calls
                = nm.methodCalls(NetworkManagerMock::ManagerPath, QStringLiteral("AddAndActivateConnection"));
            QCOMPARE(calls.size(), 1);
            const auto profile = NetworkManagerMock::profile(calls.constFirst().value(0));
            QCOMPARE(profile.value("802-11-wireless-security").value("psk").toString(), password);
        }
        QVERIFY(!log.messages().isEmpty());
        for (const QString &message : log.messages())
            QVERIFY2(!message.contains(QStringLiteral("Passw")) && !message.contains(QStringLiteral("0rd!")),
                     qPrintable(message));
    }

    void builtOnFirstTapAndOutOfTheWay()
    {
        SettingsWindow w(0);
        w.showTab(8);
        QTRY_VERIFY(w.item("pagePrinterPresets")->isVisible());
        QVERIFY(!panel(w));
        QQuickItem *field = tapField(w, "presetNameField");
        QTRY_VERIFY(keyboardOpen(w));
        QTRY_VERIFY(sceneRect(field).bottom() <= sceneRect(panel(w)).top());
        QCOMPARE(sceneRect(panel(w)).bottom(), qreal(w.window()->height()));
        typeOnHardwareKeys(w, "Shelf 2");
        QCOMPARE(field->property("text").toString(), QStringLiteral("Shelf 2"));

        // A tap beside the field closes the keyboard; the window moves back.
        w.tap(w.item("pagePrinterPresets"), 10, 10);
        QTRY_VERIFY(!panel(w)->isVisible());
        QCOMPARE(w.window()->contentItem()->y(), 0.0);

        // A tap on a control closes it too, and still reaches the control.
        tapField(w, "presetNameField");
        QTRY_VERIFY(keyboardOpen(w));
        w.tap(w.item("sideBarButton_0"));
        QTRY_VERIFY(!panel(w)->isVisible());
        QTRY_VERIFY(w.item("pageGeneral")->isVisible());

        // A field that goes away with its page takes the keyboard along.
        w.showTab(8);
        tapField(w, "presetNameField");
        QTRY_VERIFY(keyboardOpen(w));
        w.showTab(9);
        QTRY_VERIFY(!panel(w)->isVisible());
        QCOMPARE(w.window()->contentItem()->y(), 0.0);
    }

    // Run by its own test with QT_IM_MODULE empty: hardware keys alone.
    void otherInputMethodLeavesTheFieldsToTheKeys()
    {
        if (!qEnvironmentVariableIsSet("QT_IM_MODULE") || !qEnvironmentVariableIsEmpty("QT_IM_MODULE"))
            QSKIP("runs with QT_IM_MODULE set empty");
        SettingsWindow w(8);
        QQuickItem *field = tapField(w, "presetNameField");
        QTRY_VERIFY(field->hasActiveFocus());
        typeOnHardwareKeys(w, "Shelf 2");
        QCOMPARE(field->property("text").toString(), QStringLiteral("Shelf 2"));
        QVERIFY(!panel(w));
        QVERIFY2(w.qmlProblems().isEmpty(), qPrintable(w.qmlProblems().join('\n')));
    }

    void layoutFollowsTheWindowLanguage_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QString>("row");
        QTest::newRow("German") << QByteArray("de_de") << "qwertz";
        QTest::newRow("French") << QByteArray("fr_fr") << "azerty";
        QTest::newRow("Korean") << QByteArray("ko_kr") << QString::fromUtf8("ㅂㅈㄷㄱㅅㅛ");
        // Debian's build has no Japanese or Chinese input method.
        QTest::newRow("Japanese") << QByteArray("ja_jp") << "qwerty";
    }

    void layoutFollowsTheWindowLanguage()
    {
        QFETCH(QByteArray, language);
        QFETCH(QString, row);
        m_home->writeSettingsFile("[locale]\nlanguage=" + language + "\n");
        SettingsWindow w(8);
        tapField(w, "presetNameField");
        QTRY_VERIFY(keyboardOpen(w));
        // Qt's keyboard settles its language once it has listed its layouts.
        const auto firstRow = [&] {
            QString shown;
            for (QQuickItem *k : keys(w).mid(0, row.size()))
                shown += k->property("text").toString();
            return shown;
        };
        QTRY_COMPARE(firstRow(), row);
    }

    void numbersGetNumberKeys_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("wanted");
        QTest::newRow("IPv4 address") << 2 << QByteArray("ipAddressField") << "1.0";
        QTest::newRow("offset spin box") << 7 << QByteArray("horizontal1Box") << "-10";
    }

    void numbersGetNumberKeys()
    {
        QFETCH(int, tab);
        QFETCH(QByteArray, field);
        QFETCH(QString, wanted);
        SettingsWindow w(tab);
        if (tab == 2) {
            QMetaObject::invokeMethod(w.item("ethernetSettingsDialog"), "show");
            w.tap(w.item("dhcpSwitch"));
        }
        tapField(w, field);
        QTRY_VERIFY(keyboardOpen(w));
        // The layout for the field's hints follows the letters' first frame.
        const auto numberKeys = [&] {
            return !key(w, QStringLiteral("q"))
                   && std::all_of(wanted.cbegin(), wanted.cend(), [&](QChar c) { return key(w, c); });
        };
        QTRY_VERIFY(keyboardOpen(w) && numberKeys());
    }
};

QTEST_MAIN(TestOnScreenKeyboard)
#include "tst_onscreenkeyboard.moc"
