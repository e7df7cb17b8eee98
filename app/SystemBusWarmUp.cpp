#include "SystemBusWarmUp.h"

#include <QDBusConnection>

#include <thread>

namespace SystemBusWarmUp {

namespace {

std::thread &connector()
{
    static std::thread thread;
    return thread;
}

} // namespace

void start()
{
    if (connector().joinable())
        return;
    connector() = std::thread([] { QDBusConnection::systemBus(); });
}

void finish()
{
    if (connector().joinable())
        connector().join();
}

} // namespace SystemBusWarmUp
