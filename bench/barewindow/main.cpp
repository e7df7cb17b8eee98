// The yardstick for the settings window's start-up: a bare Qt Quick
// Controls 2 window (a label, a slider, a switch and a combo box) that logs
// its first frame the way the settings window does. With the argument
// --shared-contexts it sets Qt::AA_ShareOpenGLContexts first, as the
// settings program must, and Qt then makes an OpenGL context at start.

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

#include <cstring>
#include <memory>

Q_LOGGING_CATEGORY(lcStartup, "vh.startup", QtWarningMsg)

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--shared-contexts") == 0)
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, true);
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
