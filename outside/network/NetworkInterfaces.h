#pragma once

#include "NetworkManagerBus.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

// The device's Ethernet and Wi-Fi interfaces and whether each is up, through
// NetworkManager: Wi-Fi is up while its radio is on and a Wi-Fi device
// exists; Ethernet is up while its device is connecting or connected.
// Switching Wi-Fi turns the radio on or off; switching Ethernet connects the
// device with its saved profile (a DHCP one when it has none) or disconnects it.
// A switch shows its new state at once; NetworkManager's answer has the
// last word.
class NetworkInterfaces : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isWifiUp READ isWifiUp NOTIFY isWifiUpChanged)
    Q_PROPERTY(bool isEthernetUp READ isEthernetUp NOTIFY isEthernetUpChanged)
    Q_PROPERTY(QString wifiInterface READ wifiInterface NOTIFY interfacesChanged)
    Q_PROPERTY(QString ethernetInterface READ ethernetInterface NOTIFY interfacesChanged)

public:
    explicit NetworkInterfaces(QObject *parent = nullptr);
    explicit NetworkInterfaces(const QDBusConnection &bus, QObject *parent = nullptr);

    bool isWifiUp() const { return m_wifiUp; }
    bool isEthernetUp() const { return m_ethernetUp; }
    QString wifiInterface() const { return m_wifiInterface; }
    QString ethernetInterface() const { return m_ethernetInterface; }

public slots:
    void changeInterfaceStatus(const QString &interface, bool up);

signals:
    void isWifiUpChanged();
    void isEthernetUpChanged();
    void interfacesChanged();

private slots:
    void scheduleRefresh();
    void refresh();

private:
    void readNames(const QString &wifi, const QString &ethernet);
    void readStates(const QString &wifi, const QString &ethernet);
    void setUp(bool wifiUp, bool ethernetUp);
    void watchEthernet(const QString &device);
    void switchEthernet(bool up);

    NetworkManagerBus m_nm;
    QString m_ethernetDevice;
    QString m_wifiInterface = QStringLiteral("wlan0");
    QString m_ethernetInterface = QStringLiteral("eth0");
    bool m_wifiUp = false;
    bool m_ethernetUp = false;
};
