#include "UbootEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {
constexpr const char *kEnvSize = "0x4000";

bool writeExecutable(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(content);
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                               | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
}
} // namespace

UbootEnvironment::UbootEnvironment(const QMap<QString, QString> &variables)
    : m_savedPath(qgetenv("PATH"))
{
    const QString mkenvimage = QStandardPaths::findExecutable("mkenvimage");
    const QString printenv = QStandardPaths::findExecutable("fw_printenv");
    const QString setenv = QStandardPaths::findExecutable("fw_setenv");
    if (mkenvimage.isEmpty() || printenv.isEmpty() || setenv.isEmpty()) {
        m_error = "mkenvimage, fw_printenv or fw_setenv not found";
        return;
    }

    QFile text(m_dir.path() + "/env.txt");
    text.open(QIODevice::WriteOnly);
    for (auto it = variables.cbegin(); it != variables.cend(); ++it)
        text.write((it.key() + "=" + it.value() + "\n").toUtf8());
    text.close();

    const QString image = m_dir.path() + "/env.img";
    QProcess make;
    make.start(mkenvimage, {"-s", kEnvSize, "-o", image, text.fileName()});
    if (!make.waitForFinished(10000) || make.exitCode() != 0) {
        m_error = "mkenvimage failed: " + QString::fromLocal8Bit(make.readAllStandardError());
        return;
    }

    QFile config(configFile());
    config.open(QIODevice::WriteOnly);
    config.write((image + " 0x0 " + kEnvSize + "\n").toUtf8());
    config.close();

    QDir().mkpath(binDir());
    const QByteArray cfg = configFile().toLocal8Bit();
    const bool wrappersOk
        = writeExecutable(binDir() + "/fw_printenv",
                          "#!/bin/sh\nexec '" + printenv.toLocal8Bit() + "' -c '" + cfg + "' \"$@\"\n")
          && writeExecutable(binDir() + "/fw_setenv",
                             "#!/bin/sh\nexec '" + setenv.toLocal8Bit() + "' -c '" + cfg + "' \"$@\"\n");
    if (!wrappersOk) {
        m_error = "cannot write the tool wrappers";
        return;
    }
    qputenv("PATH", binDir().toLocal8Bit() + ':' + m_savedPath);
    m_valid = true;
}

UbootEnvironment::~UbootEnvironment()
{
    qputenv("PATH", m_savedPath);
}

QMap<QString, QString> UbootEnvironment::variables() const
{
    QMap<QString, QString> result;
    QProcess print;
    print.start(binDir() + "/fw_printenv", QStringList());
    print.waitForFinished(10000);
    const QList<QByteArray> lines = print.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            result.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
    }
    return result;
}
