#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QSettings>

TestHome::TestHome()
    : m_savedHome(qgetenv("HOME"))
    , m_savedConfig(qgetenv("XDG_CONFIG_HOME"))
    , m_savedData(qgetenv("XDG_DATA_HOME"))
{
    QDir(m_dir.path()).mkpath(".config/Varnholt");
    QDir(m_dir.path()).mkpath(".local/share");
    qputenv("HOME", m_dir.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", configDir().toLocal8Bit());
    qputenv("XDG_DATA_HOME", dataDir().toLocal8Bit());
    // QSettings remembers the user path of its first use in a process.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configDir());
}

TestHome::~TestHome()
{
    qputenv("HOME", m_savedHome);
    qputenv("XDG_CONFIG_HOME", m_savedConfig);
    qputenv("XDG_DATA_HOME", m_savedData);
}

QString TestHome::configDir() const
{
    return m_dir.path() + "/.config";
}

QString TestHome::dataDir() const
{
    return m_dir.path() + "/.local/share";
}

QString TestHome::settingsFile() const
{
    return configDir() + "/Varnholt/Corvantis.ini";
}

QByteArray TestHome::readSettingsFile() const
{
    QFile file(settingsFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void TestHome::writeSettingsFile(const QByteArray &content) const
{
    QFile file(settingsFile());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}
