#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs a tool found on PATH and collects its standard output, waiting for it
// at most `msecs`; a tool still running then is killed. Standard input and
// error are /dev/null. Blocks the calling thread, so call it on a worker.
//
// The tool is started with posix_spawn, which shares the address space
// until the tool execs: fork, as QProcess does it, copies the page tables
// of the whole window and holds the address space meanwhile, stalling
// every thread of the window that touches memory.
namespace BoundedTool {

struct Result
{
    QByteArray output;
    // It ran and ended by itself within the time.
    bool answered = false;
};

// Output past this many bytes is not kept: the tool is stopped there.
constexpr qsizetype outputLimit = 1024 * 1024;

Result run(const QString &program, const QStringList &arguments, int msecs);

} // namespace BoundedTool
