#include "PrivateBus.h"

#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

namespace {
constexpr int kStartTimeoutMs = 10000;
constexpr const char *kAddressVariable = "DBUS_SYSTEM_BUS_ADDRESS";
} // namespace

QByteArray PrivateBus::allowEverything()
{
    return "  <policy context=\"default\">\n"
           "    <allow user=\"*\"/>\n"
           "    <allow own=\"*\"/>\n"
           "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
           "    <allow eavesdrop=\"true\"/>\n"
           "  </policy>\n";
}

PrivateBus::PrivateBus(const QByteArray &policies)
    : m_hadAddress(qEnvironmentVariableIsSet(kAddressVariable))
{
    m_savedAddress = qgetenv(kAddressVariable);
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary directory: ") + m_dir.errorString();
        return;
    }
    // Other users may reach the socket, so a test can call in as one.
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                            | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                            | QFile::ExeOther);

    QFile config(configFile());
    if (!config.open(QIODevice::WriteOnly)) {
        m_error = QStringLiteral("cannot write ") + config.fileName();
        return;
    }
    config.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN\"\n"
                 " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                 "<busconfig>\n"
                 "  <listen>unix:path="
                 + m_dir.path().toUtf8()
                 + "/bus</listen>\n"
                   "  <auth>EXTERNAL</auth>\n"
                 + policies + "</busconfig>\n");
    config.close();

    m_daemon.setProgram(QStringLiteral("dbus-daemon"));
    m_daemon.setArguments({QStringLiteral("--config-file=") + configFile(), QStringLiteral("--print-address"),
                           QStringLiteral("--nofork")});
    m_daemon.start(QIODevice::ReadOnly);
    if (!m_daemon.waitForStarted(kStartTimeoutMs)) {
        m_error = QStringLiteral("dbus-daemon did not start: ") + m_daemon.errorString();
        return;
    }

    QByteArray printed;
    QElapsedTimer timer;
    timer.start();
    while (!printed.contains('\n') && timer.elapsed() < kStartTimeoutMs
           && m_daemon.state() == QProcess::Running) {
        m_daemon.waitForReadyRead(100);
        printed += m_daemon.readAllStandardOutput();
    }
    if (!printed.contains('\n')) {
        m_error = QStringLiteral("dbus-daemon printed no address: ")
                  + QString::fromLocal8Bit(m_daemon.readAllStandardError());
        return;
    }
    m_address = QString::fromUtf8(printed.left(printed.indexOf('\n')).trimmed());
    qputenv(kAddressVariable, m_address.toUtf8());
    m_valid = true;
}

PrivateBus::~PrivateBus()
{
    for (const QString &name : qAsConst(m_connectionNames))
        QDBusConnection::disconnectFromBus(name);
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000)) {
            m_daemon.kill();
            m_daemon.waitForFinished(5000);
        }
    }
    if (m_hadAddress)
        qputenv(kAddressVariable, m_savedAddress);
    else
        qunsetenv(kAddressVariable);
}

QDBusConnection PrivateBus::connection(const QString &name)
{
    // QtDBus hands back an existing connection of the same name, which could
    // lead to an earlier, dead bus: the address makes the name unique.
    const QString fullName = name + QLatin1Char('@') + m_address;
    if (!m_connectionNames.contains(fullName))
        m_connectionNames.append(fullName);
    return QDBusConnection::connectToBus(m_address, fullName);
}

bool PrivateBus::waitForService(const QString &service, int timeoutMs)
{
    QDBusConnection bus = connection(QStringLiteral("vh-privatebus-watch"));
    QElapsedTimer timer;
    timer.start();
    while (bus.isConnected() && timer.elapsed() < timeoutMs) {
        if (bus.interface()->isServiceRegistered(service))
            return true;
        QTest::qWait(10);
    }
    return false;
}
