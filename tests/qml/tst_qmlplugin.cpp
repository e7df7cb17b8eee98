#include "PrintOptionTables.h"

#include <QLibrary>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>

#include <memory>
#include <type_traits>

namespace {

// "code text" of each entry of one of the printer's tables (a dithering
// method's prefix for its text), sorted.
template<typename Entry, size_t N>
QStringList entries(const Entry (&table)[N])
{
    QStringList entries;
    for (const Entry &entry : table) {
        if constexpr (std::is_same_v<Entry, PrintOptionTables::DitherMethod>)
            entries << QString::number(entry.code) + ' ' + entry.prefix;
        else
            entries << QString::number(entry.code) + ' ' + entry.text;
    }
    entries.sort();
    return entries;
}

} // namespace

// The module librariesqml.VHSettingsQML as any document sees it, loaded
// from the build tree's module folder like the program loads it.
class TestQmlPlugin : public QObject
{
    Q_OBJECT

    QQmlEngine m_engine;

    std::unique_ptr<QObject> create(const QByteArray &body, QString *errors = nullptr)
    {
        QQmlComponent component(&m_engine);
        component.setData("import QtQml 2.12\nimport librariesqml.VHSettingsQML 1.0\n" + body,
                          QUrl("qrc:/probe.qml"));
        std::unique_ptr<QObject> object(component.create());
        if (errors)
            *errors = component.errorString();
        return object;
    }

private slots:
    void enumerationsReadByName()
    {
        const auto object
            = create("QtObject { property var result: [VHSettingsTabEnums.PRINTER_ADVANCED,"
                     " QMLCupsEnums.PORTRAIT180, QMLCupsEnums.LANDSCAPE180,"
                     " QMLCupsEnums.CUT_MEDIA_JOB, VHSettingsAboutFieldsEnums.SERIAL_NUMBER] }");
        QVERIFY(object);
        QCOMPARE(object->property("result").toList(), QVariantList({10, 6, 5, 2, 0}));
    }

    void enumerationsCannotBeCreated_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QString>("reason");
        QTest::newRow("tabs") << QByteArray("VHSettingsTabEnums")
                              << "VHSettingsTabEnums is used for Code Completion, No Instantiation";
        QTest::newRow("about") << QByteArray("VHSettingsAboutFieldsEnums")
                               << "VHSettingsAboutFieldsEnums is used in the about page, No Instantiation";
        QTest::newRow("cups") << QByteArray("QMLCupsEnums")
                              << "QMLCupsEnums is used for Code Completion, No Instantiation";
    }

    void enumerationsCannotBeCreated()
    {
        QFETCH(QByteArray, type);
        QFETCH(QString, reason);
        QString errors;
        QTest::ignoreMessage(QtWarningMsg, "QQmlComponent: Component is not ready");
        QVERIFY(!create(type + " {}", &errors));
        QVERIFY2(errors.contains(reason), qPrintable(errors));
    }

    // The pages are documents of the window, not types of the module.
    void onlyTheWindowIsAType()
    {
        QString errors;
        QTest::ignoreMessage(QtWarningMsg, "QQmlComponent: Component is not ready");
        QVERIFY(!create("PageGeneral {}", &errors));
        QVERIFY2(errors.contains("PageGeneral is not a type"), qPrintable(errors));
    }

    // The printer page's tables show the codes the printer settings take.
    void presetTablesAgreeWithThePrinter_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("orientations")
            << QByteArray("orientations") << entries(PrintOptionTables::orientations);
        QTest::newRow("cuts") << QByteArray("cuts") << entries(PrintOptionTables::cutOptions);
        QTest::newRow("ditherings") << QByteArray("ditherings") << entries(PrintOptionTables::ditherMethods);
    }

    void presetTablesAgreeWithThePrinter()
    {
        QFETCH(QByteArray, table);
        QString errors;
        const auto object = create(
            "import \"qrc:/Qml/Pages/PresetOptions.js\" as PresetOptions\n"
            "QtObject { property var table: PresetOptions."
                + table + ".map(function(e) { return e.code + ' ' + (e.prefix || e.text) }).sort() }",
            &errors);
        QVERIFY2(object, qPrintable(errors));
        QTEST(object->property("table").toStringList(), "expected");
    }

    void pluginInstanceIsKept()
    {
        QLibrary library(QStringLiteral(VH_SETTINGS_QML_PLUGIN));
        QVERIFY2(library.load(), qPrintable(library.errorString()));
        using Instance = QObject *(*)();
        const auto instance = reinterpret_cast<Instance>(library.resolve("qt_plugin_instance"));
        QVERIFY(instance);
        QObject *first = instance();
        QVERIFY(first);
        QCOMPARE(first->metaObject()->className(), "VHSettingsPlugin");
        QCOMPARE(instance(), first);
    }
};

QTEST_GUILESS_MAIN(TestQmlPlugin)
#include "tst_qmlplugin.moc"
