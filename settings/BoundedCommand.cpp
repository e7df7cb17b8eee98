#include "BoundedCommand.h"

#include <QProcess>
#include <QTimer>

#include <memory>

namespace BoundedCommand {

void start(QObject *owner, const QString &program, const QStringList &arguments,
           std::function<void(QByteArray output)> done, int msecs)
{
    auto *process = new QProcess(owner);
    process->setStandardErrorFile(QProcess::nullDevice());

    const auto delivered = std::make_shared<bool>(false);
    const auto deliver = [process, delivered, done = std::move(done)] {
        if (*delivered)
            return;
        *delivered = true;
        const QByteArray output = process->readAllStandardOutput();
        // Bounds what a tool left running can make us keep.
        process->closeReadChannel(QProcess::StandardOutput);
        if (process->state() == QProcess::NotRunning)
            process->deleteLater();
        else
            QObject::connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), process,
                             &QObject::deleteLater);
        done(output);
    };
    QObject::connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), process, deliver);
    QObject::connect(process, &QProcess::errorOccurred, process, [deliver](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            deliver();
    });
    QTimer::singleShot(msecs, process, deliver);
    // An owner going away hears nothing more; a tool still running then is
    // ended rather than left to a process object about to be destroyed.
    QObject::connect(owner, &QObject::destroyed, process, [process, delivered] {
        *delivered = true;
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(1000);
        }
    });
    process->start(program, arguments, QIODevice::ReadOnly);
}

} // namespace BoundedCommand
