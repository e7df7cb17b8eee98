#include "FrozenProcess.h"

#include <signal.h>

FrozenProcess::FrozenProcess(qint64 processId)
    : m_processId(processId)
{
    m_frozen = processId > 0 && ::kill(pid_t(processId), SIGSTOP) == 0;
}

FrozenProcess::~FrozenProcess()
{
    thaw();
}

void FrozenProcess::thaw()
{
    if (m_frozen)
        ::kill(pid_t(m_processId), SIGCONT);
    m_frozen = false;
}
