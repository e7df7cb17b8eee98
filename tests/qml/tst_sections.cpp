// A section box and a setting row built alone, without the window: they lay
// out by the metrics they are given, or by the window's own without any.
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QtTest>

#include <memory>

namespace {

// The font of the text item showing `text` below root.
QFont fontOf(QObject *root, const QString &text)
{
    for (QQuickItem *item : root->findChildren<QQuickItem *>()) {
        if (qstrcmp(item->metaObject()->className(), "QQuickText") == 0 && item->property("text") == text)
            return item->property("font").value<QFont>();
    }
    return QFont();
}

} // namespace

class tst_Sections : public QObject
{
    Q_OBJECT

    QQmlEngine m_engine;
    QStringList m_warnings;

private slots:
    void initTestCase()
    {
        m_engine.setOutputWarningsToStandardError(false);
        connect(&m_engine, &QQmlEngine::warnings, this, [this](const QList<QQmlError> &warnings) {
            for (const QQmlError &warning : warnings)
                m_warnings << warning.toString();
        });
        // The module's documents come with its plugin.
        QQmlComponent module(&m_engine);
        module.setData("import QtQml 2.12\nimport librariesqml.VHSettingsQML 1.0\nQtObject {}", QUrl());
        QVERIFY2(std::unique_ptr<QObject>(module.create()), qPrintable(module.errorString()));
    }

    void laidOutByMetrics_data()
    {
        QTest::addColumn<QByteArray>("metrics");
        // Section width, radius, row width, font sizes H1, H2, H3.
        QTest::addColumn<QList<int>>("expected");
        QTest::addColumn<QString>("family");

        QTest::newRow("none given: the window's")
            << QByteArray() << QList<int>{760, 8, 700, 22, 18, 15} << "_AirVesk";
        QTest::newRow("given") << QByteArray("metrics: ({ applicationFont: 'DejaVu Serif', fontSizeH1: 30,"
                                             " fontSizeH2: 20, fontSizeH3: 12, containerWidth: 500,"
                                             " dividerWidth: 420, rectangleRadius: 3 })")
                               << QList<int>{500, 3, 420, 30, 20, 12} << "DejaVu Serif";
    }

    void laidOutByMetrics()
    {
        QFETCH(QByteArray, metrics);
        QFETCH(QList<int>, expected);
        QFETCH(QString, family);
        m_warnings.clear();

        QQmlComponent component(&m_engine);
        component.setData("import QtQuick 2.10\nimport \"qrc:/Qml/Components\"\nSectionBox {\n id: section\n"
                              + metrics
                              + "\n title: 'Section'\n SettingRow {\n  metrics: section.metrics\n"
                                "  objectName: 'row'\n  title: 'Row'\n  description: 'Description'\n"
                                "  Item { width: 40; height: 40 }\n }\n}",
                          QUrl("qrc:/probe.qml"));
        std::unique_ptr<QObject> object(component.create());
        auto *section = qobject_cast<QQuickItem *>(object.get());
        QVERIFY2(section, qPrintable(component.errorString()));
        auto *row = section->findChild<QQuickItem *>("row");
        QVERIFY(row);

        QCOMPARE(QList<int>({int(section->width()), section->property("radius").toInt(), int(row->width()),
                             fontOf(section, "Section").pixelSize(), fontOf(row, "Row").pixelSize(),
                             fontOf(row, "Description").pixelSize()}),
                 expected);
        QCOMPARE(fontOf(section, "Section").family(), family);
        // The row stands inside the section, below its title.
        const qreal rowTop = row->mapToItem(section, QPointF()).y();
        QVERIFY(rowTop > expected.at(3) && section->height() > rowTop + row->height());
        QVERIFY2(m_warnings.isEmpty(), qPrintable(m_warnings.join('\n')));
    }
};

QTEST_MAIN(tst_Sections)
#include "tst_sections.moc"
