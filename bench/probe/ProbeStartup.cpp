// The responsiveness benchmark's probe, loaded into the settings window with
// LD_PRELOAD: once the application object exists it measures the GUI
// thread's stalls and takes touch commands on the socket VH_PROBE_SOCKET
// names. Without that variable it does nothing.
#include "ProbeServer.h"
#include "StallClock.h"
#include "TouchActions.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QThread>

namespace {

QByteArray socketPath;

void takeEnvironment()
{
    socketPath = qgetenv("VH_PROBE_SOCKET");
    // The tools the window starts must not load the probe, nor its Qt.
    qunsetenv("VH_PROBE_SOCKET");
    qunsetenv("LD_PRELOAD");
}

void startProbe()
{
    if (socketPath.isEmpty() || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    auto *thread = new QThread(QCoreApplication::instance());
    thread->setObjectName(QStringLiteral("vh-probe"));
    auto *stalls = new StallClock;
    auto *touch = new TouchActions(QCoreApplication::instance());
    auto *server = new ProbeServer(QString::fromLocal8Bit(socketPath), stalls, touch);
    stalls->moveToThread(thread);
    server->moveToThread(thread);
    QObject::connect(thread, &QThread::started, stalls, &StallClock::start);
    QObject::connect(thread, &QThread::started, server, &ProbeServer::listen);
    QObject::connect(thread, &QThread::finished, stalls, &QObject::deleteLater);
    QObject::connect(thread, &QThread::finished, server, &QObject::deleteLater);
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, thread, [thread] {
        thread->quit();
        thread->wait();
    });
    thread->start();
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(takeEnvironment)
Q_COREAPP_STARTUP_FUNCTION(startProbe)
