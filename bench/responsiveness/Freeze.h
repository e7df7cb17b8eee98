#pragma once

#include "Services.h"

#include <sys/types.h>

// A service stopped with SIGSTOP for as long as this lives, or until thaw();
// for timedatectl, each run of it stops itself meanwhile. Slow tools and
// Service::None freeze nothing.
class Freeze
{
public:
    Freeze(Services &services, Service service);
    ~Freeze();
    Freeze(const Freeze &) = delete;
    Freeze &operator=(const Freeze &) = delete;

    void thaw();

private:
    Services &m_services;
    Service m_service;
    pid_t m_pid = 0;
};
