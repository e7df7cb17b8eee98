#include "FakeTool.h"
#include "FrozenProcess.h"
#include "TestHome.h"
#include "UbootEnvironment.h"

#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

#include <memory>

// The printer model as the window's QML reads it, from the real fw_printenv
// on a file-backed boot-loader environment. The first frame must not wait
// for the tool, so a tool that hangs (stopped with SIGSTOP) leaves the model
// unknown until it answers.
class TestDeviceModel : public QObject
{
    Q_OBJECT

    static std::unique_ptr<QObject> readModel(QQmlEngine &engine)
    {
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.12\n"
                          "import librariesqml.VHComponents 1.0\n"
                          "QtObject {\n"
                          "    property bool known: VHDeviceModel.known\n"
                          "    property string model: VHDeviceModel.model\n"
                          "    property bool veskMax: VHDeviceModel.isVeskMax\n"
                          "}\n",
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        if (!object)
            qWarning() << component.errors();
        return object;
    }

    // The tool's process once it has stopped itself, or 0.
    static qint64 stoppedTool(const QString &pidFile)
    {
        QFile pid(pidFile);
        if (!pid.open(QIODevice::ReadOnly))
            return 0;
        const qint64 id = pid.readAll().trimmed().toLongLong();
        QFile stat(QStringLiteral("/proc/%1/stat").arg(id));
        if (id <= 0 || !stat.open(QIODevice::ReadOnly))
            return 0;
        // "pid (name) state ...": the state follows the name's ")".
        const QByteArray line = stat.readAll();
        return line.mid(line.lastIndexOf(')') + 2, 1) == "T" ? id : 0;
    }

private slots:
    // Runs first: the plugin reads the model ahead once per process, when
    // it is first imported, and this is the read that hangs.
    void hangingToolIsNotWaitedFor()
    {
        TestHome home;
        UbootEnvironment device({{"vhModel", "VeskMax"}});
        QVERIFY2(device.isValid(), qPrintable(device.errorString()));
        FakeTools tools;
        const QString pidFile = tools.binDir() + "/fw_printenv.pid";
        tools.add("fw_printenv", "echo $$ > '" + pidFile.toUtf8() + "'\nkill -STOP $$\nexec '"
                                     + device.binDir().toUtf8() + "/fw_printenv' \"$@\"");

        QQmlEngine engine;
        QQmlComponent import(&engine);
        import.setData("import QtQml 2.12\nimport librariesqml.VHComponents 1.0\nQtObject {}\n", QUrl());
        QVERIFY2(import.isReady(), qPrintable(import.errorString()));
        qint64 tool = 0;
        QTRY_VERIFY((tool = stoppedTool(pidFile)) != 0);
        FrozenProcess frozen(tool);

        const std::unique_ptr<QObject> model = readModel(engine);
        QVERIFY(model);
        QCOMPARE(model->property("known").toBool(), false);
        QCOMPARE(model->property("veskMax").toBool(), false);

        frozen.thaw();
        QTRY_VERIFY(model->property("known").toBool());
        QCOMPARE(model->property("model").toString(), QStringLiteral("VeskMax"));
        QCOMPARE(model->property("veskMax").toBool(), true);
    }

    // A tool that never answers leaves the plain model once its time is up.
    void laterEnginesReadAgain()
    {
        TestHome home;
        UbootEnvironment device({{"vhModel", "Tundrel"}});
        QVERIFY2(device.isValid(), qPrintable(device.errorString()));
        {
            QQmlEngine engine;
            const std::unique_ptr<QObject> model = readModel(engine);
            QVERIFY(model);
            QTRY_VERIFY(model->property("known").toBool());
            QCOMPARE(model->property("model").toString(), QStringLiteral("Tundrel"));
        }

        FakeTools tools;
        tools.add("fw_printenv", "kill -STOP $$");
        QQmlEngine engine;
        const std::unique_ptr<QObject> model = readModel(engine);
        QVERIFY(model);
        QCOMPARE(model->property("known").toBool(), false);
        QTRY_VERIFY(model->property("known").toBool());
        QCOMPARE(model->property("model").toString(), QString());
    }
};

QTEST_MAIN(TestDeviceModel)
#include "tst_devicemodel.moc"
