#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// The reference utility daemon vh-utilityd, run on a bus the test gives it
// (a PrivateBus), with a backlight device and a state file of its own.
class ReferenceDaemon
{
public:
    // The backlight starts at full brightness, `maxBrightness`.
    ReferenceDaemon(const QString &program, const QString &busAddress, int maxBrightness = 90);
    ~ReferenceDaemon();
    ReferenceDaemon(const ReferenceDaemon &) = delete;
    ReferenceDaemon &operator=(const ReferenceDaemon &) = delete;

    // Started; the caller waits for its bus name.
    bool isValid() const { return m_valid; }
    QString errorString() const { return m_error; }

    qint64 processId() const { return m_daemon.processId(); }
    // The daemon's state file as it stands, empty when unreadable.
    QJsonObject state() const;

    QString backlightFile() const { return m_dir.path() + "/backlight/panel/brightness"; }
    QString stateFile() const { return m_dir.path() + "/state.json"; }
    // The raw brightness the daemon last wrote, trimmed.
    QByteArray backlight() const;

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    bool m_valid = false;
    QString m_error;
};
