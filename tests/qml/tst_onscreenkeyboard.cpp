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

    static QQuickItem *inputPanel(const SettingsWindow &w) { return w.item("inputPanel"); }

    static QRectF sceneRect(QQuickItem *item)
    {
        return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    }

    // The keys on show, top row first, each row from the left.
    static QList<QQuickItem *> keys(const SettingsWindow &w)
    {
        QList<QQuickItem *> found;
        QList<QQuickItem *> pending{inputPanel(w)};
        while (!pending.isEmpty()) {
            QQuickItem *item = pending.takeFirst();
            if (!item->isVisible())
                continue;
            if (item->property("key").isValid() && item->property("functionKey").isValid())
                found.append(item);
            pending += item->childItems();
        }
        std::sort(found.begin(), found.end(), [](QQuickItem *a, QQuickItem *b) {
            const QPointF pa = a->mapToScene(QPointF()), pb = b->mapToScene(QPointF());
            return qFuzzyCompare(pa.y(), pb.y()) ? pa.x() < pb.x() : pa.y() < pb.y();
        });
        return found;
    }

    static QQuickItem *key(const SettingsWindow &w, int code, const QString &text = QString())
    {
        for (QQuickItem *found : keys(w)) {
            if ((text.isEmpty() && found->property("key").toInt() == code)
                || (!text.isEmpty() && found->property("text").toString() == text))
                return found;
        }
        return nullptr;
    }

    static QString firstRow(const SettingsWindow &w, int length)
    {
        QString row;
        for (QQuickItem *found : keys(w).mid(0, length))
            row += found->property("text").toString();
        return row;
    }

    // Types as a finger does: shift for a capital, the symbol key to reach
    // digits and signs and to come back to letters.
    static void typeOnKeys(const SettingsWindow &w, const QString &text)
    {
        for (const QChar c : text) {
            const QString wanted = c.toLower();
            if (!key(w, 0, wanted)) {
                w.tap(key(w, Qt::Key_Context1));
                QTRY_VERIFY2(keyboardOpen(w) && key(w, 0, wanted), qPrintable(wanted));
            }
            if (c.isUpper())
                w.tap(key(w, Qt::Key_Shift));
            w.tap(key(w, 0, wanted));
        }
    }

    // Taps a field as a finger does; the keyboard is built the first time.
    static QQuickItem *tapField(const SettingsWindow &w, const char *name)
    {
        QQuickItem *field = w.item(QString::fromLatin1(name));
        QQuickItem *input = field->property("field").value<QQuickItem *>();
        w.tap(input ? input : field);
        return input ? input : field;
    }

    // What the visible texts and fields show.
    static QStringList shownTexts(const SettingsWindow &w)
    {
        QStringList shown;
        for (QQuickItem *item : w.items(QString())) {
            if (!item->isVisible())
                continue;
            if (item->inherits("QQuickText"))
                shown.append(item->property("text").toString());
            else if (item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit"))
                shown.append(item->property("displayText").toString());
        }
        return shown;
    }

    // Shown, and its keys laid out: each has its own place.
    static bool keyboardOpen(const SettingsWindow &w)
    {
        if (!inputPanel(w) || !inputPanel(w)->isVisible())
            return false;
        const QList<QQuickItem *> shown = keys(w);
        QSet<QPair<qreal, qreal>> places;
        for (QQuickItem *found : shown) {
            const QPointF place = found->mapToScene(QPointF());
            places.insert({place.x(), place.y()});
        }
        return !shown.isEmpty() && places.size() == shown.size();
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
            QObject *client = w.contextObject("WiFiClient");
            QQuickItem *row = nullptr;
            QTRY_VERIFY((row = w.item("accessPoint_Office")) && row->isVisible());
            w.tap(row);
            QQuickItem *field = tapField(w, "wifiPasswordField");
            QTRY_VERIFY(keyboardOpen(w));
            QVERIFY(sceneRect(field).bottom() <= sceneRect(inputPanel(w)).top());

            typeOnKeys(w, password);
            QCOMPARE(field->property("text").toString(), password);
            // Nothing on screen shows it, the field masks it.
            QCOMPARE(shownTexts(w).filter(QStringLiteral("Passw")), QStringList());
            QVERIFY(shownTexts(w).contains(
                QString(password.size(), field->property("passwordCharacter").toString().at(0))));

            w.tap(key(w, Qt::Key_Return));
            QTRY_VERIFY(!inputPanel(w)->isVisible());
            QTRY_COMPARE(client->property("networkStatus").toInt(), 2);
            const QList<QVariantList> calls
                = nm.methodCalls(NetworkManagerMock::ManagerPath, QStringLiteral("AddAndActivateConnection"));
            QCOMPARE(calls.size(), 1);
            const auto profile = NetworkManagerMock::profile(calls.constFirst().value(0));
            QCOMPARE(profile.value("802-11-wireless-security").value("psk").toString(), password);
        }
        const QStringList logged = log.messages();
        QVERIFY(!logged.isEmpty());
        for (const QString &message : logged)
            QVERIFY2(!message.contains(QStringLiteral("Passw")) && !message.contains(QStringLiteral("0rd!")),
                     qPrintable(message));
    }

    void notBuiltUntilAFieldIsTapped()
    {
        SettingsWindow w(0);
        QVERIFY(w.item("onScreenKeyboard"));
        for (int tab = 1; tab <= 8; ++tab)
            w.showTab(tab);
        QTRY_VERIFY(w.item("pagePrinterPresets")->isVisible());
        QVERIFY(!inputPanel(w));
        tapField(w, "presetNameField");
        QTRY_VERIFY(keyboardOpen(w));
    }

    // Run by its own test with QT_IM_MODULE empty: hardware keys alone.
    void otherInputMethodLeavesTheFieldsToTheKeys()
    {
        if (!qEnvironmentVariableIsSet("QT_IM_MODULE") || !qEnvironmentVariableIsEmpty("QT_IM_MODULE"))
            QSKIP("runs with QT_IM_MODULE set empty");
        SettingsWindow w(8);
        QQuickItem *field = tapField(w, "presetNameField");
        QTRY_VERIFY(field->hasActiveFocus());
        for (const char c : QByteArray("Shelf 2"))
            QTest::keyClick(w.window(), c);
        QCOMPARE(field->property("text").toString(), QStringLiteral("Shelf 2"));
        QVERIFY(!inputPanel(w));
        QVERIFY2(w.qmlProblems().isEmpty(), qPrintable(w.qmlProblems().join('\n')));
    }

    void layoutFollowsTheWindowLanguage_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QString>("row");
        QTest::newRow("English (US)") << QByteArray("en_us") << "qwerty";
        QTest::newRow("German") << QByteArray("de_de") << "qwertz";
        QTest::newRow("French") << QByteArray("fr_fr") << "azerty";
        QTest::newRow("Korean") << QByteArray("ko_kr") << QString::fromUtf8("ㅂㅈㄷㄱㅅㅛ");
        // No input method for these in Debian's build: the fields take
        // names, passwords and addresses.
        QTest::newRow("Japanese") << QByteArray("ja_jp") << "qwerty";
        QTest::newRow("Chinese") << QByteArray("zh_cn") << "qwerty";
    }

    void layoutFollowsTheWindowLanguage()
    {
        QFETCH(QByteArray, language);
        QFETCH(QString, row);
        m_home->writeSettingsFile("[locale]\nlanguage=" + language + "\n");
        SettingsWindow w(8);
        tapField(w, "presetNameField");
        QTRY_VERIFY(keyboardOpen(w));
        QTRY_COMPARE(firstRow(w, row.size()), row);
    }

    void fieldStaysAboveAndATapElsewhereCloses()
    {
        SettingsWindow w(8);
        QQuickItem *field = tapField(w, "presetNameField");
        QTRY_VERIFY(keyboardOpen(w));
        QTRY_VERIFY(sceneRect(field).bottom() <= sceneRect(inputPanel(w)).top());
        QCOMPARE(sceneRect(inputPanel(w)).bottom(), qreal(w.window()->height()));

        // A hardware keyboard still types into the field.
        for (const char c : QByteArray("Shelf 2"))
            QTest::keyClick(w.window(), c);
        QCOMPARE(field->property("text").toString(), QStringLiteral("Shelf 2"));

        // A tap beside the field closes the keyboard; the window moves back.
        w.tap(w.item("pagePrinterPresets"), 10, 10);
        QTRY_VERIFY(!inputPanel(w)->isVisible());
        QCOMPARE(w.window()->contentItem()->y(), 0.0);
        QVERIFY(w.item("pagePrinterPresets")->isVisible());

        // A tap on a control closes it too, and still reaches the control.
        tapField(w, "presetNameField");
        QTRY_VERIFY(keyboardOpen(w));
        w.tap(w.item("sideBarButton_0"));
        QTRY_VERIFY(!inputPanel(w)->isVisible());
        QTRY_VERIFY(w.item("pageGeneral")->isVisible());

        // A field that goes away with its page takes the keyboard along.
        w.showTab(8);
        tapField(w, "presetNameField");
        QTRY_VERIFY(keyboardOpen(w));
        w.showTab(9);
        QTRY_VERIFY(!inputPanel(w)->isVisible());
        QCOMPARE(w.window()->contentItem()->y(), 0.0);
    }

    void fieldsGetTheirKeys_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("absent");
        QTest::newRow("IPv4 address") << 2 << QByteArray("ipAddressField") << "1.0"
                                      << "q";
        QTest::newRow("offset spin box") << 7 << QByteArray("horizontal1Box") << "-10"
                                         << "q";
        QTest::newRow("preset name") << 8 << QByteArray("presetNameField") << "qa"
                                     << "";
    }

    void fieldsGetTheirKeys()
    {
        QFETCH(int, tab);
        QFETCH(QByteArray, field);
        QFETCH(QString, present);
        QFETCH(QString, absent);
        SettingsWindow w(tab);
        if (field == "ipAddressField") {
            QMetaObject::invokeMethod(w.item("ethernetSettingsDialog"), "show");
            w.tap(w.item("dhcpSwitch"));
        }
        tapField(w, field);
        QTRY_VERIFY(keyboardOpen(w));
        for (const QChar c : present)
            QTRY_VERIFY2(key(w, 0, c), qPrintable(QString(c)));
        for (const QChar c : absent)
            QVERIFY2(!key(w, 0, c), qPrintable(QString(c)));
    }
};

QTEST_MAIN(TestOnScreenKeyboard)
#include "tst_onscreenkeyboard.moc"
