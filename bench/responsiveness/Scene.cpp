#include "Scene.h"

#include "CupsScheduler.h"
#include "PrivateBus.h"
#include "TestHome.h"
#include "UbootEnvironment.h"

#include <QDBusConnectionInterface>

Scene::Scene()
    : m_folder(QStringLiteral("/tmp/vh-resp-XXXXXX"))
{
    if (!m_folder.isValid()) {
        m_error = QStringLiteral("no private folder: ") + m_folder.errorString();
        return;
    }
    // Every temporary file, socket and cache of the fixtures and the window
    // goes below the run's own folder; nothing reaches the session bus.
    const QByteArray folder = m_folder.path().toLocal8Bit();
    qputenv("TMPDIR", folder);
    qputenv("XDG_RUNTIME_DIR", folder);
    qputenv("XDG_CACHE_HOME", folder + "/cache");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + folder + "/no-session-bus");

    m_home = std::make_unique<TestHome>();
    // After the home: libcups' HOME is the scheduler's.
    m_cups = std::make_unique<CupsScheduler>();
    m_bootLoader = std::make_unique<UbootEnvironment>(
        QMap<QString, QString>{{QStringLiteral("vhModel"), QStringLiteral("Tundrel")}});
    m_bus = std::make_unique<PrivateBus>();
    if (!m_cups->isRunning())
        m_error = QStringLiteral("no cupsd: ") + m_cups->errorString();
    else if (!m_bootLoader->isValid())
        m_error = QStringLiteral("no boot-loader environment: ") + m_bootLoader->errorString();
    else if (!m_bus->isValid())
        m_error = QStringLiteral("no private bus: ") + m_bus->errorString();
}

Scene::~Scene()
{
    m_bus.reset();
    m_bootLoader.reset();
    m_cups.reset();
    m_home.reset();
}

QString Scene::bootLoaderTools() const
{
    return m_bootLoader->binDir();
}

pid_t Scene::busOwner(const QString &name) const
{
    QDBusConnectionInterface *bus = m_bus->connection(QStringLiteral("vh-bench-owners")).interface();
    return bus ? pid_t(bus->servicePid(name).value()) : 0;
}
