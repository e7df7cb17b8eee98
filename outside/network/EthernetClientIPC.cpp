#include "EthernetClientIPC.h"

#include "NetworkLogging.h"

EthernetClientIPC::EthernetClientIPC(QObject *parent)
    : QObject(parent)
{
}

void EthernetClientIPC::setEthernetConfig(bool dhcp, const QString &ipAddress,
                                          const QString &gatewayAddress, const QString &netmask)
{
    qCWarning(lcNetwork) << "cannot apply Ethernet settings: no network service; dhcp" << dhcp
                         << ipAddress << gatewayAddress << netmask;
}
