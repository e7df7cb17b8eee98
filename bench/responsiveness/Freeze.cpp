#include "Freeze.h"

#include "StopSignals.h"

#include <signal.h>

Freeze::Freeze(Services &services, Service service)
    : m_services(services)
    , m_service(service)
{
    if (service == Service::Timedatectl) {
        m_services.holdTimedatectl(true);
        return;
    }
    m_pid = services.process(service);
    if (m_pid <= 0)
        return;
    // Known to the stop-signal handler before it is stopped.
    StopSignals::setFrozen(m_pid);
    ::kill(m_pid, SIGSTOP);
}

Freeze::~Freeze()
{
    thaw();
}

void Freeze::thaw()
{
    if (m_service == Service::Timedatectl)
        m_services.holdTimedatectl(false);
    m_service = Service::None;
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGCONT);
    StopSignals::setFrozen(0);
    m_pid = 0;
}
