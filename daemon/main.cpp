// vh-utilityd: carries out the display, update-check and clock-format settings
// the settings program hands over on the system bus, and reports the
// device's shipping variant.

#include "UtilityDaemon.h"
#include "UtilitydLogging.h"
#include "UtilitydNames.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_signalPipe[2] = {-1, -1};

void onTerminate(int)
{
    // Only async-signal-safe work here; the event loop does the rest.
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(g_signalPipe[0], &byte, 1);
}

// SIGTERM and SIGINT end the event loop, so the name is given up in order.
bool quitOnTermination(QCoreApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return false;
    auto *notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vh-utilityd"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Utility daemon for the settings program (D-Bus name %1).")
            .arg(QLatin1String(UtilitydNames::service)));
    parser.addHelpOption();
    const QCommandLineOption busOption(
        QStringLiteral("bus"), QStringLiteral("Serve on the bus at <address> instead of the system bus."),
        QStringLiteral("address"));
    const QCommandLineOption sessionOption(QStringLiteral("session"),
                                           QStringLiteral("Serve on the session bus."));
    const QCommandLineOption backlightOption(
        QStringLiteral("backlight-dir"),
        QStringLiteral("Backlight class directory whose first device is used."), QStringLiteral("dir"),
        QStringLiteral("/sys/class/backlight"));
    const QCommandLineOption stateOption(
        QStringLiteral("state-file"), QStringLiteral("File that keeps the values set."),
        QStringLiteral("file"), QStringLiteral("/var/lib/vh-utilityd/state.json"));
    parser.addOptions({busOption, sessionOption, backlightOption, stateOption});
    parser.process(app);

    if (parser.isSet(busOption) && parser.isSet(sessionOption)) {
        qCCritical(lcUtilityd) << "--bus and --session exclude each other";
        return 2;
    }

    QDBusConnection bus
        = parser.isSet(busOption)
              ? QDBusConnection::connectToBus(parser.value(busOption), QStringLiteral("vh-utilityd"))
          : parser.isSet(sessionOption) ? QDBusConnection::sessionBus()
                                        : QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        qCCritical(lcUtilityd).noquote()
            << "cannot connect to the bus:" << bus.lastError().name() << bus.lastError().message();
        return 1;
    }

    UtilityDaemon daemon(parser.value(backlightOption), parser.value(stateOption));
    daemon.restore();

    // The object goes first so that no call can arrive at a missing object.
    if (!bus.registerVirtualObject(QLatin1String(UtilitydNames::objectPath), &daemon)) {
        qCCritical(lcUtilityd) << "cannot register the object at" << UtilitydNames::objectPath;
        return 1;
    }
    if (!bus.registerService(QLatin1String(UtilitydNames::service))) {
        qCCritical(lcUtilityd).noquote() << "cannot own" << UtilitydNames::service << ":"
                                         << bus.lastError().name() << bus.lastError().message();
        return 1;
    }
    if (!quitOnTermination(app))
        qCWarning(lcUtilityd) << "no clean shutdown on SIGTERM";
    qCInfo(lcUtilityd) << "serving" << UtilitydNames::service;

    const int status = app.exec();
    bus.unregisterService(QLatin1String(UtilitydNames::service));
    bus.unregisterObject(QLatin1String(UtilitydNames::objectPath));
    return status;
}
