#include "FakeTool.h"

#include <QFile>

FakeTools::FakeTools()
    : m_savedPath(qgetenv("PATH"))
{
    qputenv("PATH", m_dir.path().toLocal8Bit() + ':' + m_savedPath);
}

FakeTools::~FakeTools()
{
    qputenv("PATH", m_savedPath);
}

QString FakeTools::logFile(const QString &name) const
{
    return m_dir.path() + "/" + name + ".log";
}

void FakeTools::add(const QString &name, const QByteArray &body)
{
    QByteArray script = "#!/bin/sh\n"
                        "sep=$(printf '\\037')\n"
                        "line=\"\"\n"
                        "for a in \"$@\"; do line=\"$line$a$sep\"; done\n"
                        "printf 'run:%s\\n' \"$line\" >> '"
                        + logFile(name).toLocal8Bit() + "'\n" + body + "\n";
    addScript(name, script);
}

void FakeTools::addScript(const QString &name, const QByteArray &script)
{
    QFile file(m_dir.path() + "/" + name);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(script);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                        | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
}

QList<QStringList> FakeTools::runs(const QString &name) const
{
    QList<QStringList> result;
    QFile file(logFile(name));
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (!line.startsWith("run:"))
            continue;
        QStringList args = QString::fromUtf8(line.mid(4)).split(QChar(0x1f));
        args.removeLast(); // every argument is followed by a separator
        result.append(args);
    }
    return result;
}
