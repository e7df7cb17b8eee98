#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QObject;

// Runs an outside tool without waiting for it. `done` gets what the tool
// printed on standard output within `msecs`, or all of it when it ends
// sooner. A tool still running then is left to finish on its own; its later
// output is dropped. The process object is a child of `owner` until it ends.
namespace BoundedCommand {

constexpr int defaultWaitMsecs = 500;

void start(QObject *owner, const QString &program, const QStringList &arguments,
           std::function<void(QByteArray output)> done, int msecs = defaultWaitMsecs);

} // namespace BoundedCommand
