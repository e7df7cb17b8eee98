// The yardstick for the settings window's start-up: a bare Qt Quick
// Controls 2 window (a label, a slider, a switch and a combo box) that logs
// its first frame the way the settings window does.

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

#include <memory>

Q_LOGGING_CATEGORY(lcStartup, "vh.startup", QtWarningMsg)

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine(QUrl(QStringLiteral("qrc:/bare.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    auto logged = std::make_shared<QMetaObject::Connection>();
    *logged = QObject::connect(window, &QQuickWindow::frameSwapped, [logged] {
        qCDebug(lcStartup) << "first frame";
        QObject::disconnect(*logged);
    });
    return app.exec();
}
