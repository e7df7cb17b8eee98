#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A directory of stand-in programs put in front of PATH for one test.
// Each tool records its argument list (one line per run, arguments joined by
// a unit separator) and then runs the shell body it was given.
class FakeTools
{
public:
    FakeTools();
    ~FakeTools();

    QString binDir() const { return m_dir.path(); }

    // Adds a tool named `name`; `body` is POSIX sh run after recording.
    void add(const QString &name, const QByteArray &body = QByteArray());
    // Puts an existing script in place under `name`.
    void addScript(const QString &name, const QByteArray &script);

    // Argument lists of every run of `name` so far, oldest first.
    QList<QStringList> runs(const QString &name) const;
    QString logFile(const QString &name) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_savedPath;
};
