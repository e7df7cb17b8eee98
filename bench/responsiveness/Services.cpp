#include "Services.h"

#include "CupsScheduler.h"
#include "DBusMock.h"
#include "FakeTool.h"
#include "NetworkManagerMock.h"
#include "PrivateBus.h"
#include "ReferenceDaemon.h"
#include "Scene.h"
#include "UtilitydNames.h"

#include <QFile>
#include <QJsonDocument>

#include <signal.h>

namespace {

// Against the window's own bound of half a second on a boot-loader read.
constexpr int kSlowPrintenvSeconds = 3;
// As slow as writing the environment's flash can get.
constexpr int kSlowSetenvSeconds = 10;

} // namespace

QString describe(Service service)
{
    switch (service) {
    case Service::None:
        return QStringLiteral("—");
    case Service::UtilityDaemon:
        return QStringLiteral("utility daemon");
    case Service::NetworkManager:
        return QStringLiteral("NetworkManager");
    case Service::Cupsd:
        return QStringLiteral("cupsd");
    case Service::Logind:
        return QStringLiteral("logind");
    case Service::Timedatectl:
        return QStringLiteral("`timedatectl` (stopped)");
    case Service::SlowPrintenv:
        return QStringLiteral("`fw_printenv` answering after %1 s").arg(kSlowPrintenvSeconds);
    case Service::SlowSetenv:
        return QStringLiteral("`fw_setenv` taking %1 s").arg(kSlowSetenvSeconds);
    }
    return QString();
}

std::unique_ptr<FakeTools> slowTool(const Scene &scene, Service service)
{
    if (service != Service::SlowPrintenv && service != Service::SlowSetenv)
        return nullptr;
    const QString tool
        = service == Service::SlowPrintenv ? QStringLiteral("fw_printenv") : QStringLiteral("fw_setenv");
    const int seconds = service == Service::SlowPrintenv ? kSlowPrintenvSeconds : kSlowSetenvSeconds;
    auto tools = std::make_unique<FakeTools>();
    tools->add(tool, QStringLiteral("sleep %1\nexec '%2/%3' \"$@\"")
                         .arg(seconds)
                         .arg(scene.bootLoaderTools(), tool)
                         .toLocal8Bit());
    return tools;
}

Services::Services(Scene &scene)
    : m_scene(scene)
{
    m_daemon = std::make_unique<ReferenceDaemon>(QStringLiteral(VH_UTILITYD_PATH), scene.bus().address());
    if (!m_daemon->isValid() || !scene.bus().waitForService(QLatin1String(UtilitydNames::service))) {
        m_error = QStringLiteral("the utility daemon did not start: ") + m_daemon->errorString();
        return;
    }
    m_networkManager = std::make_unique<NetworkManagerMock>(scene.bus());
    if (!m_networkManager->isValid()) {
        m_error = m_networkManager->errorString();
        return;
    }
    addNetworks();
    m_logind = std::make_unique<DBusMock>(scene.bus(), QStringLiteral("logind"),
                                          QStringLiteral("org.freedesktop.login1"),
                                          QStringLiteral("/org/freedesktop/login1"));
    if (!m_logind->isValid()) {
        m_error = m_logind->errorString();
        return;
    }
    m_timedatectl = std::make_unique<FakeTools>();
    const QByteArray held = m_timedatectl->binDir().toLocal8Bit() + "/held";
    m_timedatectl->add(QStringLiteral("timedatectl"),
                       "if [ -e '" + held + "' ]; then echo $$ >> '" + held + "'; kill -STOP $$; fi");
}

Services::~Services() = default;

void Services::addNetworks()
{
    NetworkManagerMock &nm = *m_networkManager;
    nm.addEthernetDevice(QStringLiteral("eth0"), NetworkManagerMock::Activated);
    const QString wifi = nm.addWifiDevice(QStringLiteral("wlan0"), NetworkManagerMock::Disconnected);
    struct Network
    {
        const char *name;
        QString ssid;
        uchar strength;
        bool secured;
    };
    const Network networks[] = {{"office", securedNetwork(), 86, true},
                                {"warehouse", QStringLiteral("Warehouse"), 71, true},
                                {"guest", QStringLiteral("Guest"), 58, false},
                                {"lab", QStringLiteral("Lab-5GHz"), 42, true}};
    int n = 0;
    for (const Network &network : networks) {
        const QString point = nm.addAccessPoint(
            wifi, QLatin1String(network.name), network.ssid, QStringLiteral("02:00:00:00:01:0%1").arg(++n),
            network.strength, network.secured ? NetworkManagerMock::KeyMgmtPsk : 0);
        // The template's WPA2 point: key management set, WPA flags clear.
        if (network.secured)
            nm.setProperty(point, QStringLiteral("org.freedesktop.NetworkManager.AccessPoint"),
                           QStringLiteral("WpaFlags"), 0u);
    }
}

QJsonObject Services::daemonState() const
{
    QFile file(m_daemon->stateFile());
    if (!file.open(QIODevice::ReadOnly))
        return QJsonObject();
    return QJsonDocument::fromJson(file.readAll()).object();
}

QList<QStringList> Services::timedatectlRuns() const
{
    return m_timedatectl->runs(QStringLiteral("timedatectl"));
}

void Services::holdTimedatectl(bool held)
{
    QFile pids(m_timedatectl->binDir() + QStringLiteral("/held"));
    if (held) {
        pids.open(QIODevice::WriteOnly);
        return;
    }
    if (pids.open(QIODevice::ReadOnly)) {
        for (const QByteArray &pid : pids.readAll().split('\n')) {
            if (pid.toInt() > 0)
                ::kill(pid.toInt(), SIGCONT);
        }
    }
    pids.remove();
}

pid_t Services::process(Service service) const
{
    switch (service) {
    case Service::UtilityDaemon:
        return m_scene.busOwner(QLatin1String(UtilitydNames::service));
    case Service::NetworkManager:
        return m_scene.busOwner(QLatin1String(NetworkManagerMock::Service));
    case Service::Logind:
        return m_scene.busOwner(QStringLiteral("org.freedesktop.login1"));
    case Service::Cupsd:
        return pid_t(m_scene.cups().processId());
    case Service::None:
    case Service::Timedatectl:
    case Service::SlowPrintenv:
    case Service::SlowSetenv:
        break;
    }
    return 0;
}
