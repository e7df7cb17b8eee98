#pragma once

#include <QDeadlineTimer>

#include <functional>
#include <sys/types.h>

// Ctrl-C, SIGTERM or SIGHUP in the middle of a run: the frozen service is let
// go and the window's process group killed at once, from the handler; the
// next wait then throws Interrupted, so that every fixture's destructor
// stops its own processes on the way out.
namespace StopSignals {

struct Interrupted
{ };

void install();

// What the handler must undo; 0 for none.
void setFrozen(pid_t pid);
void setWindowGroup(pid_t group);

// Runs the event loop until `ready` holds (true) or the deadline passes
// (false); throws Interrupted after a stop signal.
bool waitUntil(const std::function<bool()> &ready, QDeadlineTimer deadline);
void pause(int msecs);

} // namespace StopSignals
