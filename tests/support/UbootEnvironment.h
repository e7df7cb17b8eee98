#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A file-backed boot-loader environment for the real fw_printenv/fw_setenv
// (libubootenv-tool). The image is made with mkenvimage; wrappers named
// fw_printenv and fw_setenv, put in front of PATH, add "-c CONFIG" so the
// code under test runs the tools exactly as it would on the device.
class UbootEnvironment
{
public:
    explicit UbootEnvironment(const QMap<QString, QString> &variables);
    ~UbootEnvironment();

    bool isValid() const { return m_valid; }
    QString errorString() const { return m_error; }
    QString binDir() const { return m_dir.path() + "/bin"; }
    QString configFile() const { return m_dir.path() + "/fw_env.config"; }

    // Reads the environment back with the real tool.
    QMap<QString, QString> variables() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_savedPath;
    bool m_valid = false;
    QString m_error;
};
