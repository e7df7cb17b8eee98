#pragma once

#include <QJsonObject>
#include <QString>

#include <memory>
#include <sys/types.h>

class DBusMock;
class FakeTools;
class NetworkManagerMock;
class ReferenceDaemon;
class Scene;

// What a measurement can hold up.
enum class Service {
    None,
    UtilityDaemon,
    NetworkManager,
    Cupsd,
    Logind,
    // timedatectl cannot run here (no systemd): a recorder stands in, and
    // stops itself with SIGSTOP while the service is frozen.
    Timedatectl,
    // The boot-loader tools answer only after a delay of their own.
    SlowPrintenv,
    SlowSetenv,
};

QString describe(Service service);

// For a slow tool: a stand-in in front of PATH (for programs started while it
// lives) that waits before it runs the real tool of the scene's boot-loader
// environment. None for the other services.
std::unique_ptr<FakeTools> slowTool(const Scene &scene, Service service);

// The services one window meets, started afresh for every measurement so
// that no state and no late reply carries over: the utility daemon,
// NetworkManager's stand-in with a Wi-Fi device and a few networks and
// logind's, on the scene's bus, and timedatectl's recorder. The scene's
// cupsd stays.
class Services
{
public:
    explicit Services(Scene &scene);
    ~Services();

    bool isValid() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }

    NetworkManagerMock &networkManager() const { return *m_networkManager; }
    DBusMock &logind() const { return *m_logind; }
    // The argument lists timedatectl was run with, oldest first.
    QList<QStringList> timedatectlRuns() const;
    // While held, each timedatectl run stops itself; letting go continues them.
    void holdTimedatectl(bool held);
    // The utility daemon's record of what it was told.
    QJsonObject daemonState() const;

    // The process to freeze for `service`; 0 for none.
    pid_t process(Service service) const;

    // The SSID of a network that takes a password.
    static QString securedNetwork() { return QStringLiteral("Varnholt-Office"); }

private:
    void addNetworks();

    Scene &m_scene;
    std::unique_ptr<ReferenceDaemon> m_daemon;
    std::unique_ptr<NetworkManagerMock> m_networkManager;
    std::unique_ptr<DBusMock> m_logind;
    std::unique_ptr<FakeTools> m_timedatectl;
    QString m_error;
};
