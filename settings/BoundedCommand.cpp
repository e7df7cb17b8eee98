#include "BoundedCommand.h"

#include <QProcess>

namespace BoundedCommand {

QByteArray run(QProcess *process, const QString &program, const QStringList &arguments, int msecs)
{
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(program, arguments, QIODevice::ReadOnly);
    process->waitForFinished(msecs);
    return process->readAllStandardOutput();
}

} // namespace BoundedCommand
