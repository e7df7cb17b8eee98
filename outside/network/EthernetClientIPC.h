#pragma once

#include "NetworkManagerBus.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

// The Ethernet interface's address settings through its NetworkManager
// profile: DHCP or a static address. ethernetSettings holds dhcp, ipAddress,
// netmask and gatewayAddress (with DHCP, the address the device has now).
// A static address that is not a usable one is refused before anything is
// sent. New settings show at once; NetworkManager's answer has the last word.
class EthernetClientIPC : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantMap ethernetSettings READ ethernetSettings NOTIFY ethernetSettingsChanged)

public:
    explicit EthernetClientIPC(QObject *parent = nullptr);
    explicit EthernetClientIPC(const QDBusConnection &bus, QObject *parent = nullptr);

    QVariantMap ethernetSettings() const { return m_settings; }

public slots:
    void setEthernetConfig(bool dhcp, const QString &ipAddress, const QString &gatewayAddress,
                           const QString &netmask);

signals:
    void ethernetSettingsChanged();

private slots:
    void scheduleRefresh();
    void refresh();

private:
    void apply(bool dhcp, const QString &ipAddress, const QString &gatewayAddress, const QString &netmask);
    void save(const QString &profile, const QVariantMap &ipv4);
    void readSettings(const NMConnectionSettings &profile);
    void publish(const QVariantMap &settings);
    void watchDevice(const QString &device);

    NetworkManagerBus m_nm;
    QString m_device;
    QVariantMap m_settings;
};
