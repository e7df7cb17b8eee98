#include "ReferenceDaemon.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace {

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

ReferenceDaemon::ReferenceDaemon(const QString &program, const QString &busAddress, int maxBrightness)
{
    const QByteArray max = QByteArray::number(maxBrightness) + '\n';
    if (!QDir().mkpath(m_dir.path() + "/backlight/panel")
        || !writeFile(m_dir.path() + "/backlight/panel/max_brightness", max)
        || !writeFile(backlightFile(), max)) {
        m_error = QStringLiteral("cannot make the backlight device in %1").arg(m_dir.path());
        return;
    }
    m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_daemon.start(program, {"--bus", busAddress, "--backlight-dir", m_dir.path() + "/backlight",
                             "--state-file", stateFile()});
    m_valid = m_daemon.waitForStarted();
    if (!m_valid)
        m_error = m_daemon.errorString();
}

ReferenceDaemon::~ReferenceDaemon()
{
    if (m_daemon.state() == QProcess::NotRunning)
        return;
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(3000))
        m_daemon.kill();
    m_daemon.waitForFinished(1000);
}

QByteArray ReferenceDaemon::backlight() const
{
    QFile file(backlightFile());
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll().trimmed();
}

QJsonObject ReferenceDaemon::state() const
{
    QFile file(stateFile());
    if (!file.open(QIODevice::ReadOnly))
        return QJsonObject();
    return QJsonDocument::fromJson(file.readAll()).object();
}
