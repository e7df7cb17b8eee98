#include "BoundedCommand.h"

#include <QProcess>

namespace BoundedCommand {

QByteArray run(QProcess *process, const QString &program, const QStringList &arguments, int msecs)
{
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->start(program, arguments, QIODevice::ReadWrite);
    process->waitForFinished(msecs);
    return process->readAllStandardOutput();
}

} // namespace BoundedCommand
