#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A throw-away home directory for one test: HOME and the XDG directories
// point into it and QSettings' user scope is redirected there, so the
// settings file a test reads and writes is never the real one.
class TestHome
{
public:
    TestHome();
    ~TestHome();

    QString path() const { return m_dir.path(); }
    QString configDir() const;
    QString dataDir() const;
    // The per-user settings file: <config>/Varnholt/Corvantis.ini
    QString settingsFile() const;

    QByteArray readSettingsFile() const;
    void writeSettingsFile(const QByteArray &content) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_savedHome;
    QByteArray m_savedConfig;
    QByteArray m_savedData;
};
