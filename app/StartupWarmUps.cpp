#include "StartupWarmUps.h"

#include <QDBusConnection>

#include <fontconfig/fontconfig.h>

void WarmUp::start()
{
    if (!m_thread.joinable())
        m_thread = std::thread(m_work);
}

void WarmUp::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}

namespace StartupWarmUps {

WarmUp &fontConfig()
{
    static WarmUp reading([] { FcInit(); });
    return reading;
}

WarmUp &systemBus()
{
    static WarmUp connecting([] { QDBusConnection::systemBus(); });
    return connecting;
}

} // namespace StartupWarmUps
