// VHSettingsPrinter as QML sees it: the declared meta-object surface, in
// order, and what a QML engine may and may not do with SettingsPrinter.
#include "QMLCupsEnums.h"
#include "TestHome.h"
#include "VHSettingsPrinter.h"

#include <QMetaEnum>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QTemporaryDir>
#include <QtQml>
#include <QtTest>

#include <iterator>
#include <memory>

namespace {

struct Property
{
    const char *name;
    const char *type;
};

const Property kProperties[] = {
    {"orientationOption", "QString"},
    {"cutOption", "QString"},
    {"ditheringMethod", "QString"},
    {"orientationEnum", "int"},
    {"cutEnum", "int"},
    {"head1HeatOffset", "int"},
    {"head2HeatOffset", "int"},
    {"mirror", "bool"},
    {"negative", "bool"},
    {"overprint", "bool"},
    {"whitebase", "bool"},
    {"ribbonSaver", "bool"},
    {"orientationComboBoxModel", "QStringList"},
    {"cutComboBoxModel", "QStringList"},
    {"ditheringComboBoxModel", "QStringList"},
    {"backfeedOffset", "int"},
    {"feedOffset", "int"},
    {"horizontal1Offset", "int"},
    {"horizontal2Offset", "int"},
    {"vertical1Offset", "int"},
    {"vertical2Offset", "int"},
    {"r1Tension", "int"},
    {"r2Tension", "int"},
};

struct Method
{
    const char *signature;
    const char *parameterNames; // comma separated
    const char *returnType;
    QMetaMethod::MethodType type;
    QMetaMethod::Access access;
};

const Method kSlots[] = {
    {"printTestPage(double)", "supplyWidth", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setBackfeedOffset(int)", "backfeedOffset", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setCutOption(QString)", "cutOptionName", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setDitheringMethod(QString)", "ditheringName", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setFeedOffset(int)", "feedOffset", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setHead1HeatOffset(int)", "heatOffset", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setHead2HeatOffset(int)", "heatOffset", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setHorizontal1Offset(int)", "horizontal1Offset", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setHorizontal2Offset(int)", "horizontal2Offset", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setMirror(bool)", "mirror", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setNegative(bool)", "negative", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setOverprint(bool)", "overprint", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setWhitebase(bool)", "whitebase", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setPrintOrientation(QString)", "orientationName", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setVertical1Offset(int)", "vertical1Offset", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setVertical2Offset(int)", "vertical2Offset", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setR1Tension(int)", "r1Tension", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setR2Tension(int)", "r2Tension", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"setRibbonSaver(bool)", "ribbonSaver", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"addPreset(QString)", "presetName", "bool", QMetaMethod::Slot, QMetaMethod::Public},
    {"deletePreset(QString)", "presetName", "void", QMetaMethod::Slot, QMetaMethod::Public},
    {"populatePresetList()", "", "QStringList", QMetaMethod::Slot, QMetaMethod::Public},
    {"loadPreset(QString)", "presetName", "QStringList", QMetaMethod::Slot, QMetaMethod::Public},
    {"populateOrientationMap()", "", "void", QMetaMethod::Slot, QMetaMethod::Private},
    {"populateDitheringMap()", "", "void", QMetaMethod::Slot, QMetaMethod::Private},
    {"populateCutOptionsMap()", "", "void", QMetaMethod::Slot, QMetaMethod::Private},
};

} // namespace

class tst_PrinterQml : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void classAndProperties();
    void signalsAndSlotsInDeclaredOrder();
    void enumHolder();
    void qmlCannotAssignProperties_data();
    void qmlCannotAssignProperties();
    void qmlCannotCallPrivateSlots_data();
    void qmlCannotCallPrivateSlots();

private:
    QString evaluate(const QString &expression, QVariant *result = nullptr);

    std::unique_ptr<TestHome> m_home;
    QTemporaryDir m_noCups;
    std::unique_ptr<VHSettingsPrinter> m_printer;
    std::unique_ptr<QQmlEngine> m_engine;
};

void tst_PrinterQml::initTestCase()
{
    m_home = std::make_unique<TestHome>();
    // No scheduler is needed here, and the machine's must not be reached.
    qputenv("CUPS_SERVER", QFile::encodeName(m_noCups.filePath("no-cupsd.sock")));
    qputenv("CUPS_SERVERROOT", QFile::encodeName(m_noCups.path()));
    m_printer = std::make_unique<VHSettingsPrinter>();
    m_engine = std::make_unique<QQmlEngine>();
    m_engine->rootContext()->setContextProperty("SettingsPrinter", m_printer.get());
}

void tst_PrinterQml::cleanupTestCase()
{
    m_engine.reset();
    m_printer.reset();
    m_home.reset();
}

QString tst_PrinterQml::evaluate(const QString &expression, QVariant *result)
{
    QQmlExpression qml(m_engine->rootContext(), nullptr, expression);
    const QVariant value = qml.evaluate();
    if (result)
        *result = value;
    return qml.hasError() ? qml.error().description() : QString();
}

void tst_PrinterQml::classAndProperties()
{
    const QMetaObject &meta = VHSettingsPrinter::staticMetaObject;
    QCOMPARE(meta.className(), "VHSettingsPrinter");
    QCOMPARE(meta.superClass(), &QObject::staticMetaObject);
    QCOMPARE(meta.classInfoCount() - meta.classInfoOffset(), 0);
    QCOMPARE(meta.enumeratorCount() - meta.enumeratorOffset(), 0);
    QCOMPARE(meta.constructorCount(), 0);
    QCOMPARE(m_printer->qt_metacast("VHSettingsPrinter"), static_cast<void *>(m_printer.get()));
    QCOMPARE(m_printer->qt_metacast("QObject"), static_cast<void *>(m_printer.get()));
    QVERIFY(!m_printer->qt_metacast("QMLCupsEnums"));

    const int offset = meta.propertyOffset();
    QCOMPARE(meta.propertyCount() - offset, int(std::size(kProperties)));
    for (int i = 0; i < int(std::size(kProperties)); ++i) {
        const QMetaProperty property = meta.property(offset + i);
        const QByteArray where = QByteArray::number(i) + ' ' + kProperties[i].name;
        QVERIFY2(qstrcmp(property.name(), kProperties[i].name) == 0, where.constData());
        QVERIFY2(qstrcmp(property.typeName(), kProperties[i].type) == 0, where.constData());
        QVERIFY2(property.isReadable() && !property.isWritable() && !property.isResettable(),
                 where.constData());
        QVERIFY2(!property.isConstant() && !property.isFinal(), where.constData());
        QVERIFY2(property.isDesignable() && property.isScriptable() && property.isStored(),
                 where.constData());
        QVERIFY2(property.hasNotifySignal(), where.constData());
        QCOMPARE(property.notifySignal().name(), QByteArray(kProperties[i].name) + "Changed");
        QCOMPARE(property.notifySignalIndex() - meta.methodOffset(), i);
    }
}

void tst_PrinterQml::signalsAndSlotsInDeclaredOrder()
{
    const QMetaObject &meta = VHSettingsPrinter::staticMetaObject;
    const int offset = meta.methodOffset();
    const int signalCount = int(std::size(kProperties));
    QCOMPARE(meta.methodCount() - offset, signalCount + int(std::size(kSlots)));

    // Signals 0-22: one per property, carrying its type and name.
    for (int i = 0; i < signalCount; ++i) {
        const QMetaMethod method = meta.method(offset + i);
        const QByteArray name = QByteArray(kProperties[i].name) + "Changed";
        QCOMPARE(method.methodSignature(), name + '(' + kProperties[i].type + ')');
        QCOMPARE(method.methodType(), QMetaMethod::Signal);
        QCOMPARE(method.access(), QMetaMethod::Public);
        QCOMPARE(method.parameterNames(), QList<QByteArray>{kProperties[i].name});
        QCOMPARE(method.typeName(), "void");
    }
    // Public slots 23-45, private slots 46-48.
    for (int i = 0; i < int(std::size(kSlots)); ++i) {
        const QMetaMethod method = meta.method(offset + signalCount + i);
        const Method &expected = kSlots[i];
        QCOMPARE(method.methodSignature(), QByteArray(expected.signature));
        QCOMPARE(method.methodType(), expected.type);
        QCOMPARE(method.access(), expected.access);
        QCOMPARE(method.typeName(), expected.returnType);
        const QByteArray names = QByteArray(expected.parameterNames);
        QCOMPARE(method.parameterNames(), names.isEmpty() ? QList<QByteArray>() : names.split(','));
    }
}

void tst_PrinterQml::enumHolder()
{
    const QMetaObject &meta = QMLCupsEnums::staticMetaObject;
    QCOMPARE(meta.className(), "QMLCupsEnums");
    QCOMPARE(meta.superClass(), &QObject::staticMetaObject);
    QCOMPARE(meta.propertyCount() - meta.propertyOffset(), 0);
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 0);
    QCOMPARE(meta.enumeratorCount() - meta.enumeratorOffset(), 2);

    const QMetaEnum orientation = meta.enumerator(meta.enumeratorOffset());
    QCOMPARE(orientation.name(), "Orientation");
    QVERIFY(!orientation.isFlag() && !orientation.isScoped());
    const QList<QPair<QByteArray, int>> orientations{
        {"LANDSCAPE", 4}, {"PORTRAIT", 3}, {"LANDSCAPE180", 5}, {"PORTRAIT180", 6}};
    QCOMPARE(orientation.keyCount(), orientations.size());
    for (int i = 0; i < orientations.size(); ++i) {
        QCOMPARE(QByteArray(orientation.key(i)), orientations.at(i).first);
        QCOMPARE(orientation.value(i), orientations.at(i).second);
    }

    const QMetaEnum cut = meta.enumerator(meta.enumeratorOffset() + 1);
    QCOMPARE(cut.name(), "CutMedia");
    QVERIFY(!cut.isFlag() && !cut.isScoped());
    const QList<QPair<QByteArray, int>> cuts{
        {"CUT_MEDIA_NONE", 0}, {"CUT_MEDIA_PAGE", 1}, {"CUT_MEDIA_JOB", 2}};
    QCOMPARE(cut.keyCount(), cuts.size());
    for (int i = 0; i < cuts.size(); ++i) {
        QCOMPARE(QByteArray(cut.key(i)), cuts.at(i).first);
        QCOMPARE(cut.value(i), cuts.at(i).second);
    }

    // What the plugin does with it: named from QML, never created there.
    qmlRegisterUncreatableType<QMLCupsEnums>("VHTest.Printer", 1, 0, "QMLCupsEnums", "enums only");
    QQmlComponent component(m_engine.get());
    component.setData("import QtQml 2.0\nimport VHTest.Printer 1.0\n"
                      "QtObject { property int landscape: QMLCupsEnums.LANDSCAPE180;"
                      " property int job: QMLCupsEnums.CUT_MEDIA_JOB }",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCOMPARE(object->property("landscape").toInt(), 5);
    QCOMPARE(object->property("job").toInt(), 2);

    QQmlComponent creating(m_engine.get());
    creating.setData("import QtQml 2.0\nimport VHTest.Printer 1.0\nQMLCupsEnums {}", QUrl());
    std::unique_ptr<QObject> created(creating.create());
    QVERIFY(!created);
    QVERIFY(creating.errorString().contains("enums only"));
}

void tst_PrinterQml::qmlCannotAssignProperties_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("value");
    for (const Property &property : kProperties) {
        const QByteArray type(property.type);
        const QString value = type == "bool"      ? "true"
                              : type == "int"     ? "12345"
                              : type == "QString" ? "'changed'"
                                                  : "['changed']";
        QTest::newRow(property.name) << QString::fromLatin1(property.name) << value;
    }
}

void tst_PrinterQml::qmlCannotAssignProperties()
{
    QFETCH(QString, property);
    QFETCH(QString, value);

    const QVariant before = m_printer->property(property.toLatin1());
    // Reading works; writing is refused and leaves the value alone.
    QVariant read;
    QCOMPARE(evaluate("SettingsPrinter." + property, &read), QString());
    QCOMPARE(read, before);
    const QString error = evaluate("SettingsPrinter." + property + " = " + value);
    QVERIFY2(error.contains("read-only"), qPrintable(error));
    QCOMPARE(m_printer->property(property.toLatin1()), before);
}

void tst_PrinterQml::qmlCannotCallPrivateSlots_data()
{
    QTest::addColumn<QString>("slot");
    QTest::newRow("orientation") << "populateOrientationMap";
    QTest::newRow("dithering") << "populateDitheringMap";
    QTest::newRow("cut") << "populateCutOptionsMap";
}

void tst_PrinterQml::qmlCannotCallPrivateSlots()
{
    QFETCH(QString, slot);
    // A public slot is callable the same way.
    QVariant presets;
    QCOMPARE(evaluate("SettingsPrinter.populatePresetList()", &presets), QString());
    QCOMPARE(presets.toStringList(), QStringList{"<Current Settings>"});

    const QString error = evaluate("SettingsPrinter." + slot + "()");
    QVERIFY2(error.contains("not a function"), qPrintable(error));
}

QTEST_GUILESS_MAIN(tst_PrinterQml)
#include "tst_printerqml.moc"
