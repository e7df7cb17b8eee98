#include "WifiClientIPC.h"

#include "NetworkLogging.h"

WifiClientIPC::WifiClientIPC(QObject *parent)
    : QObject(parent)
{
}

void WifiClientIPC::setNetworkStatus(int status)
{
    if (m_networkStatus == status)
        return;
    m_networkStatus = status;
    emit networkStatusChanged();
}

void WifiClientIPC::setScanning(bool scanning)
{
    qCDebug(lcNetwork) << "no network service; scanning" << scanning << "not applied";
}

void WifiClientIPC::clearConnectedAccessPoint()
{
}

void WifiClientIPC::connectRequest(const QString &ssid, const QString &)
{
    // The password is never logged.
    qCWarning(lcNetwork) << "cannot connect to" << ssid << ": no network service";
}

void WifiClientIPC::removeNetworkRequest(const QString &ssid, bool)
{
    qCWarning(lcNetwork) << "cannot forget" << ssid << ": no network service";
}
