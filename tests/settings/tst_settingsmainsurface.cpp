#include "TestHome.h"
#include "VHSettingsAboutInfoFields.h"
#include "VHSettingsMain.h"
#include "VHSettingsTabNames.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtTest>

#include <memory>

// What QML and other meta-object clients see of the settings core: names,
// order, types and flags, and how the object behaves when QML uses it.
class TestSettingsMainSurface : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<VHSettingsMain> m_settings;
    QQmlEngine m_engine;

    QVariant evaluate(const QByteArray &body, QString *errors = nullptr)
    {
        QQmlComponent component(&m_engine);
        component.setData("import QtQml 2.12\nimport librariesqml.VHSettingsQML 1.0\n" + body,
                          QUrl("qrc:/test.qml"));
        std::unique_ptr<QObject> object(component.create());
        if (errors)
            *errors = component.errorString();
        if (!object)
            return QVariant();
        return object->property("result");
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("default.debug=false");
        m_home = std::make_unique<TestHome>();
        m_settings = std::make_unique<VHSettingsMain>();
        m_engine.rootContext()->setContextProperty("SettingsMain", m_settings.get());
    }

    void cleanupTestCase()
    {
        m_engine.rootContext()->setContextProperty("SettingsMain", nullptr);
        m_settings.reset();
        m_home.reset();
    }

    void propertiesInDeclaredOrder()
    {
        const QMetaObject *mo = m_settings->metaObject();
        QCOMPARE(QString(mo->className()), QString("VHSettingsMain"));
        QCOMPARE(mo->propertyCount() - mo->propertyOffset(), 52);

        const QStringList constants{"GROUP_LOCALE",           "GROUP_DISPLAY",
                                    "GROUP_PRIVACY",          "GROUP_DATETIME",
                                    "GROUP_UPDATES",          "GROUP_INIT",
                                    "GROUP_LOCKSCREEN",       "GROUP_HOME",
                                    "KEY_LANGUAGE",           "KEY_UNITS",
                                    "KEY_KEYBOARD_LAYOUT",    "KEY_DISPLAY_BRIGHTNESS",
                                    "KEY_DISPLAY_DIMMING",    "KEY_DISPLAY_POWER",
                                    "KEY_PRIVACY_ANALYTICS",  "KEY_MOUNT_SHARED_FOLDER",
                                    "KEY_DATETIME_24HOUR",    "KEY_DATETIME_AUTO",
                                    "KEY_DATETIME_FORMAT",    "KEY_UPDATE_AUTOCHECK",
                                    "KEY_UPDATE_LASTCHECK",   "KEY_INIT_FIRSTBOOTAPP",
                                    "KEY_INIT_FIRSTBOOTPAGE", "KEY_LOCK_AUTO",
                                    "KEY_ZOOMLEVEL",          "KEY_APPCOLLAPSED",
                                    "KEY_DOUBLECLICK",        "KEY_FIRSTLAUNCHLIST"};
        const QStringList values{"locale",
                                 "display",
                                 "privacy",
                                 "dateTime",
                                 "updates",
                                 "initialization",
                                 "lockscreen",
                                 "home",
                                 "language",
                                 "units",
                                 "keyboardLayout",
                                 "brightnessLevel",
                                 "dimmingInactive",
                                 "powerInactive",
                                 "sendAnalytics",
                                 "mountSharedFolder",
                                 "24Hour",
                                 "automaticDateTime",
                                 "dateFormat",
                                 "automaticUpdateCheck",
                                 "lastUpdateCheck",
                                 "firstBootApplication",
                                 "firstBootDefaultPage",
                                 "lockscreenAuto",
                                 "zoomLevel",
                                 "appListCollapsed",
                                 "doubleClickOpen",
                                 "appFirstLaunchList"};
        for (int i = 0; i < constants.size(); ++i) {
            const QMetaProperty p = mo->property(mo->propertyOffset() + i);
            QCOMPARE(QString(p.name()), constants.at(i));
            QCOMPARE(p.userType(), int(QMetaType::QString));
            QVERIFY(p.isConstant() && !p.hasNotifySignal() && !p.isWritable() && !p.isFinal());
            QCOMPARE(p.read(m_settings.get()).toString(), values.at(i));
        }

        const QList<QPair<QString, int>> cached{{"settingLanguage", QMetaType::QString},
                                                {"settingUnits", QMetaType::UInt},
                                                {"settingKeyboardLayout", QMetaType::QString},
                                                {"settingDisplayBrightness", QMetaType::UInt},
                                                {"settingDisplayDimming", QMetaType::Int},
                                                {"settingDisplayPower", QMetaType::Int},
                                                {"settingPrivacyAnalytics", QMetaType::Bool},
                                                {"settingDateTime24Hour", QMetaType::Bool},
                                                {"settingDateTimeAuto", QMetaType::Bool},
                                                {"settingDateFormat", QMetaType::QString},
                                                {"settingUpdateAutoCheck", QMetaType::Bool},
                                                {"settingUpdateLastCheck", QMetaType::QString},
                                                {"settingFirstBootApplication", QMetaType::Bool},
                                                {"settingLockscreenAuto", QMetaType::Bool},
                                                {"settingZoomeLevel", QMetaType::UInt},
                                                {"settingAppCollapsed", QMetaType::Bool},
                                                {"settingDoubleClickOpen", QMetaType::Bool},
                                                {"settingMountSharedFolder", QMetaType::Bool},
                                                {"settingFirstLaunchAppList", QMetaType::QStringList},
                                                {"languagesComboBoxModel", QMetaType::QStringList},
                                                {"keyboardLanguagesComboBoxModel", QMetaType::QStringList},
                                                {"isMilitaryShipped", QMetaType::Bool}};
        for (int i = 0; i < cached.size(); ++i) {
            const QMetaProperty p = mo->property(mo->propertyOffset() + 28 + i);
            QCOMPARE(QString(p.name()), cached.at(i).first);
            QCOMPARE(p.userType(), cached.at(i).second);
            QVERIFY(!p.isConstant() && !p.isWritable() && !p.isFinal() && !p.isUser());
            QVERIFY(p.isDesignable() && p.isScriptable() && p.isStored());
            // Each names the signal of the same index, which carries the property.
            QCOMPARE(p.notifySignalIndex(), mo->methodOffset() + i);
            QCOMPARE(QString(p.notifySignal().name()), cached.at(i).first + "Changed");
            QCOMPARE(p.notifySignal().parameterNames(), QList<QByteArray>{cached.at(i).first.toUtf8()});
            QCOMPARE(p.notifySignal().parameterType(0), cached.at(i).second);
        }

        // After them, the objects through which late answers arrive.
        for (const char *name : {"shipVariant", "aboutInfo"}) {
            const QMetaProperty p = mo->property(mo->propertyOffset() + 50 + (name[0] == 'a'));
            QCOMPARE(p.name(), name);
            QVERIFY(p.isConstant() && !p.isWritable());
            QVERIFY(p.read(m_settings.get()).value<QObject *>());
        }
    }

    void methodsInDeclaredOrder()
    {
        const QMetaObject *mo = m_settings->metaObject();
        const int first = mo->methodOffset();
        QCOMPARE(mo->methodCount() - first, 41);

        const QMetaMethod tab = mo->method(first + 22);
        QCOMPARE(tab.methodSignature(), QByteArray("tabEnumChanged(int)"));
        QCOMPARE(tab.parameterNames(), QList<QByteArray>{"tabEnum"});

        const QList<QPair<QByteArray, QByteArray>> expectedSlots{
            {"setSetting(QString,QVariant)", "settingKey,settingValue"},
            {"getSetting(QString,QVariant)", "settingKey,defaultValue"},
            {"getSetting(QString)", "settingKey"},
            {"setTime(QString,QString)", "minutes,hours"},
            {"setDate(QString,QString,QString)", "year,month,day"},
            {"setAutoTime(bool)", "enabled"},
            {"setKeyboardLanguage(int)", "layoutIndex"},
            {"getLanguageCode(int)", "index"},
            {"getLanguageIndex()", ""},
            {"getLanguageComboBoxModel()", ""},
            {"getKeyboardLanguageComboBoxModel()", ""},
            {"getAboutInfo(int)", "field"},
            {"formatOffsets()", ""},
            {"isMilitaryShipped()", ""},
            {"resetSupplyCalibration()", ""},
            {"sendAnalyticHit(QString,QVariant)", "settingName,newValue"}};
        const QList<QByteArray> returns{
            "void", "QVariant",    "QVariant",    "void",    "void",        "void", "void", "QVariant",
            "int",  "QStringList", "QStringList", "QString", "QStringList", "bool", "void", "void"};
        for (int i = 0; i < expectedSlots.size(); ++i) {
            const QMetaMethod m = mo->method(first + 23 + i);
            QCOMPARE(m.methodSignature(), expectedSlots.at(i).first);
            QCOMPARE(m.parameterNames(), expectedSlots.at(i).second.isEmpty()
                                             ? QList<QByteArray>()
                                             : expectedSlots.at(i).second.split(','));
            QCOMPARE(QByteArray(m.typeName()), returns.at(i));
            QCOMPARE(m.methodType(), QMetaMethod::Slot);
            QCOMPARE(m.access(), QMetaMethod::Public);
        }
        QVERIFY(mo->method(first + 25).attributes() & QMetaMethod::Cloned);

        for (int i : {39, 40}) {
            const QMetaMethod m = mo->method(first + i);
            QCOMPARE(m.access(), QMetaMethod::Private);
            QCOMPARE(m.parameterCount(), 0);
        }
        QCOMPARE(mo->method(first + 39).methodSignature(), QByteArray("localSocketDataReceived()"));
        QCOMPARE(mo->method(first + 40).methodSignature(), QByteArray("newClientConnection()"));
        QCOMPARE(mo->enumeratorCount() - mo->enumeratorOffset(), 0);
        QCOMPARE(mo->constructorCount(), 0);
    }

    void enumHolders()
    {
        const QMetaEnum tabs = VHSettingsTabNames::staticMetaObject.enumerator(0);
        QCOMPARE(QByteArray(tabs.name()), QByteArray("TabNames"));
        QCOMPARE(tabs.keyCount(), 12);
        QVERIFY(!tabs.isFlag() && !tabs.isScoped());
        QCOMPARE(tabs.keyToValue("PRINTER_ADVANCED"), 10);
        QCOMPARE(tabs.keyToValue("ABOUT"), 9);
        const QMetaEnum fields = VHSettingsAboutInfoFields::staticMetaObject.enumerator(0);
        QCOMPARE(QByteArray(fields.name()), QByteArray("InfoFields"));
        QCOMPARE(fields.keyCount(), 7);
        QCOMPARE(fields.keyToValue("CALIBRATION_VALUES"), 6);

        QCOMPARE(evaluate("QtObject { property var result: [VHSettingsTabEnums.TABNAME_MAX, "
                          "VHSettingsTabEnums.PRINTER, VHSettingsAboutFieldsEnums.CALIBRATION_VALUES] }")
                     .toList(),
                 QVariantList({11, 6, 6}));
        QString errors;
        QTest::ignoreMessage(QtWarningMsg, "QQmlComponent: Component is not ready");
        evaluate("VHSettingsTabEnums {}", &errors);
        QVERIFY2(errors.contains("VHSettingsTabEnums is used for Code Completion, No Instantiation"),
                 qPrintable(errors));
    }

    void qmlReadsButCannotAssign()
    {
        QCOMPARE(evaluate("QtObject { property var result: SettingsMain.KEY_DATETIME_24HOUR }"),
                 QVariant("24Hour"));
        QString errors;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("read-only property"));
        const QVariant units = evaluate("QtObject { property var result: 0; Component.onCompleted: {"
                                        " SettingsMain.settingUnits = 1; result = 1 } }",
                                        &errors);
        QCOMPARE(units, QVariant(0));
        QVERIFY(!QFile::exists(m_home->settingsFile()));
    }

    void getSettingWithOneArgumentUsesAnEmptyTextDefault()
    {
        QCOMPARE(evaluate("QtObject { property var result: [SettingsMain.getSetting('units'),"
                          " SettingsMain.getSetting('units', '') ] }")
                     .toList(),
                 QVariantList({"", ""}));
        m_settings->setSetting("units", 1);
        QCOMPARE(evaluate("QtObject { property var result: SettingsMain.getSetting('units') }"),
                 QVariant("1"));
    }

    void unknownKeyFromQmlIsAWarningNotAnAbort()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("getSetting: unknown settings key"));
        QCOMPARE(evaluate("QtObject { property var result: "
                          "SettingsMain.getSetting('Language') === undefined }"),
                 QVariant(true));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("setSetting: unknown settings key"));
        QCOMPARE(evaluate("QtObject { property var result: 0; Component.onCompleted: {"
                          " SettingsMain.setSetting('nosuch', 1); result = 2 } }"),
                 QVariant(2));
    }

    void tabRequestsReachAQmlHandler()
    {
        QQmlComponent component(&m_engine);
        component.setData("import QtQml 2.12\nQtObject { property var received: [];"
                          " property Connections c: Connections { target: SettingsMain;"
                          " function onTabEnumChanged(tabEnum) { received = received.concat([tabEnum]) } } }",
                          QUrl("qrc:/tabs.qml"));
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        emit m_settings->tabEnumChanged(6);
        emit m_settings->tabEnumChanged(42);
        QCOMPARE(object->property("received").toList(), QVariantList({6, 42}));
    }

    void privateSlotsAreNotCallableFromQml()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a function"));
        QCOMPARE(evaluate("QtObject { property var result: 0; Component.onCompleted: {"
                          " SettingsMain.newClientConnection(); result = 1 } }"),
                 QVariant(0));
    }
};

QTEST_MAIN(TestSettingsMainSurface)
#include "tst_settingsmainsurface.moc"
