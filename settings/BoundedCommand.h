#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QProcess;

// Runs an outside tool on a process object the caller owns and returns what
// it printed on standard output within `msecs`. A tool still running then is
// left to finish on its own; later output is not read.
namespace BoundedCommand {

constexpr int defaultWaitMsecs = 500;

QByteArray run(QProcess *process, const QString &program, const QStringList &arguments,
               int msecs = defaultWaitMsecs);

} // namespace BoundedCommand
