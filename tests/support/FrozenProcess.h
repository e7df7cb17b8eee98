#pragma once

#include <QtGlobal>

// A process stopped with SIGSTOP, as a hung service is: it keeps its bus
// name and its socket, and answers nothing until it is let go (SIGCONT),
// at the latest when this object goes.
class FrozenProcess
{
public:
    explicit FrozenProcess(qint64 processId);
    ~FrozenProcess();
    FrozenProcess(const FrozenProcess &) = delete;
    FrozenProcess &operator=(const FrozenProcess &) = delete;

    bool isFrozen() const { return m_frozen; }
    void thaw();

private:
    qint64 m_processId;
    bool m_frozen = false;
};
