#include "WindowRun.h"

#include "StopSignals.h"

#include <QLocalServer>
#include <QProcessEnvironment>

#include <signal.h>

namespace {
// The window's output is kept for a failing run's report; this much of its end.
constexpr int kOutputKept = 64 * 1024;
} // namespace

WindowRun::WindowRun(const QString &folder)
    : m_socketPath(folder + QStringLiteral("/probe"))
{
    QLocalServer::removeServer(m_socketPath);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    environment.insert(QStringLiteral("QML2_IMPORT_PATH"), QStringLiteral(VH_QML_DIR));
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), QStringLiteral(VH_FONTCONFIG_FILE));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("vh.startup.debug=true"));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    // setsid execs the window in a session and process group of its own;
    // env preloads the probe into the window alone.
    m_clock.start();
    m_process.start(QStringLiteral("setsid"),
                    {QStringLiteral("env"), QStringLiteral("LD_PRELOAD=" VH_PROBE_LIBRARY),
                     QStringLiteral("VH_PROBE_SOCKET=") + m_socketPath,
                     QStringLiteral(VH_SETTINGS_EXECUTABLE)});
    if (m_process.waitForStarted(5000))
        StopSignals::setWindowGroup(pid_t(m_process.processId()));
}

WindowRun::~WindowRun()
{
    const pid_t group = pid_t(m_process.processId());
    if (group > 0)
        ::kill(-group, SIGKILL);
    StopSignals::setWindowGroup(0);
    m_process.waitForFinished(5000);
}

QByteArray WindowRun::output()
{
    m_output += m_process.readAll();
    if (m_output.size() > kOutputKept)
        m_output = m_output.right(kOutputKept);
    return m_output;
}

bool WindowRun::printed(const QByteArray &text)
{
    return output().contains(text);
}

int WindowRun::send(const QString &request)
{
    const int id = ++m_nextId;
    if (m_probe.state() != QLocalSocket::ConnectedState)
        connectProbe(QDeadlineTimer(30000));
    m_probe.write(QByteArray::number(id) + ' ' + request.toUtf8() + '\n');
    m_probe.flush();
    return id;
}

std::optional<QString> WindowRun::answer(int id, QDeadlineTimer deadline)
{
    StopSignals::waitUntil(
        [&] {
            readAnswers();
            return m_answers.contains(id) || m_process.state() == QProcess::NotRunning;
        },
        deadline);
    if (!m_answers.contains(id))
        return std::nullopt;
    return m_answers.take(id);
}

std::optional<QString> WindowRun::ask(const QString &request, int msecs)
{
    return answer(send(request), QDeadlineTimer(msecs));
}

std::optional<WindowRun::Stall> WindowRun::stall()
{
    const std::optional<QString> reply = ask(QStringLiteral("stall"));
    if (!reply)
        return std::nullopt;
    const QStringList values = reply->split(QLatin1Char(' '));
    return Stall{values.value(0).toDouble(), values.value(1).toDouble()};
}

bool WindowRun::waitUntilReady(int msecs)
{
    const QDeadlineTimer deadline(msecs);
    if (!connectProbe(deadline))
        return false;
    return StopSignals::waitUntil(
        [&] {
            const std::optional<QString> ready
                = answer(send(QStringLiteral("get window pagesReady")), deadline);
            if (ready == QLatin1String("true"))
                return true;
            StopSignals::pause(20);
            return false;
        },
        deadline);
}

bool WindowRun::connectProbe(QDeadlineTimer deadline)
{
    // The probe listens once the window's application object exists.
    return StopSignals::waitUntil(
        [&] {
            if (m_probe.state() == QLocalSocket::ConnectedState)
                return true;
            m_probe.abort();
            m_probe.connectToServer(m_socketPath);
            if (m_probe.waitForConnected(100))
                return true;
            StopSignals::pause(10);
            return false;
        },
        deadline);
}

void WindowRun::readAnswers()
{
    m_pending += m_probe.readAll();
    int end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(m_pending.left(end));
        m_pending.remove(0, end + 1);
        const int space = line.indexOf(QLatin1Char(' '));
        m_answers.insert(line.left(space).toInt(), line.mid(space + 1));
    }
}
