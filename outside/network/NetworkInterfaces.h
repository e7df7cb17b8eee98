#pragma once

#include <QObject>
#include <QString>

// The device's Ethernet and Wi-Fi interfaces and whether each is up.
//
// This build is not yet connected to a network service: both interfaces
// read as down and a change of state is only logged.
class NetworkInterfaces : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isWifiUp READ isWifiUp NOTIFY isWifiUpChanged)
    Q_PROPERTY(bool isEthernetUp READ isEthernetUp NOTIFY isEthernetUpChanged)
    Q_PROPERTY(QString wifiInterface READ wifiInterface CONSTANT)
    Q_PROPERTY(QString ethernetInterface READ ethernetInterface CONSTANT)

public:
    explicit NetworkInterfaces(QObject *parent = nullptr);

    bool isWifiUp() const { return false; }
    bool isEthernetUp() const { return false; }
    QString wifiInterface() const { return QStringLiteral("wlan0"); }
    QString ethernetInterface() const { return QStringLiteral("eth0"); }

public slots:
    void changeInterfaceStatus(const QString &interface, bool up);

signals:
    void isWifiUpChanged();
    void isEthernetUpChanged();
};
