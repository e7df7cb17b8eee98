#include "NetworkInterfaces.h"

#include "NetworkLogging.h"

NetworkInterfaces::NetworkInterfaces(QObject *parent)
    : QObject(parent)
{
}

void NetworkInterfaces::changeInterfaceStatus(const QString &interface, bool up)
{
    qCWarning(lcNetwork) << "cannot switch" << interface << (up ? "on" : "off")
                         << ": no network service";
}
