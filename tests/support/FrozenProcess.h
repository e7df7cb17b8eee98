#pragma once

#include <QtGlobal>

#include <signal.h>

// Stops a service's process with SIGSTOP for as long as this lives, which is
// how a hung service looks to its clients, and lets it go on with SIGCONT.
class FrozenProcess
{
public:
    explicit FrozenProcess(qint64 pid)
        : m_pid(pid)
    {
        if (m_pid > 0)
            ::kill(pid_t(m_pid), SIGSTOP);
    }
    ~FrozenProcess() { thaw(); }
    FrozenProcess(const FrozenProcess &) = delete;
    FrozenProcess &operator=(const FrozenProcess &) = delete;

    void thaw()
    {
        if (m_pid > 0)
            ::kill(pid_t(m_pid), SIGCONT);
        m_pid = 0;
    }

private:
    qint64 m_pid;
};
