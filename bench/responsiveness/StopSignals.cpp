#include "StopSignals.h"

#include <QCoreApplication>
#include <QThread>

#include <csignal>
#include <signal.h>

namespace StopSignals {

namespace {

volatile sig_atomic_t stopped = 0;
volatile sig_atomic_t frozen = 0;
volatile sig_atomic_t windowGroup = 0;

void onStopSignal(int)
{
    if (frozen > 0)
        ::kill(frozen, SIGCONT);
    if (windowGroup > 0)
        ::kill(-windowGroup, SIGKILL);
    stopped = 1;
}

} // namespace

void install()
{
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

void setFrozen(pid_t pid)
{
    frozen = pid;
}

void setWindowGroup(pid_t group)
{
    windowGroup = group;
}

bool waitUntil(const std::function<bool()> &ready, QDeadlineTimer deadline)
{
    for (;;) {
        if (stopped)
            throw Interrupted();
        QCoreApplication::processEvents();
        if (ready())
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(2);
    }
}

void pause(int msecs)
{
    waitUntil([] { return false; }, QDeadlineTimer(msecs));
}

} // namespace StopSignals
