#include "SystemBusWarmUp.h"

#include <QDBusConnection>
#include <QThread>

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
    // Qt takes the first thread that uses it as its main thread: the caller,
    // not the connector.
    QThread::currentThread();
    connector() = std::thread([] { QDBusConnection::systemBus(); });
}

void finish()
{
    if (connector().joinable())
        connector().join();
}

} // namespace SystemBusWarmUp
