#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

// The Ethernet interface's address settings: DHCP or a static address.
//
// This build is not yet connected to a network service: it reports no
// settings and a new configuration is only logged.
class EthernetClientIPC : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantMap ethernetSettings READ ethernetSettings NOTIFY ethernetSettingsChanged)

public:
    explicit EthernetClientIPC(QObject *parent = nullptr);

    QVariantMap ethernetSettings() const { return QVariantMap(); }

public slots:
    void setEthernetConfig(bool dhcp, const QString &ipAddress, const QString &gatewayAddress,
                           const QString &netmask);

signals:
    void ethernetSettingsChanged();
};
