#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QObject;

// Runs an outside tool without waiting for it. `done` gets what the tool
// printed on standard output within `msecs`, or all of it when it ends
// sooner; a tool still running then is stopped. The tool is waited for on a
// worker thread (BoundedTool). `done` runs on the application's thread, and
// not at all once `owner` is gone.
namespace BoundedCommand {

constexpr int defaultWaitMsecs = 500;

void start(QObject *owner, const QString &program, const QStringList &arguments,
           std::function<void(QByteArray output)> done, int msecs = defaultWaitMsecs);

} // namespace BoundedCommand
