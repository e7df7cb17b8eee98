#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

// The Wi-Fi client as the settings window sees it: scanned access points,
// the connected network, the connection status and the requests to connect
// to or forget a network.
//
// This build is not yet connected to a network service: it lists no access
// point and no connected network, and the requests are only logged.
class WifiClientIPC : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantList accessPoints READ accessPoints NOTIFY accessPointsChanged)
    Q_PROPERTY(QVariantMap accessPointConnected READ accessPointConnected NOTIFY accessPointConnectedChanged)
    Q_PROPERTY(int networkStatus READ networkStatus WRITE setNetworkStatus NOTIFY networkStatusChanged)
    Q_PROPERTY(QString statusDescription READ statusDescription NOTIFY statusDescriptionChanged)
    Q_PROPERTY(bool wifiScanning READ wifiScanning NOTIFY wifiScanningChanged)

public:
    explicit WifiClientIPC(QObject *parent = nullptr);

    QVariantList accessPoints() const { return QVariantList(); }
    QVariantMap accessPointConnected() const { return QVariantMap(); }
    int networkStatus() const { return m_networkStatus; }
    void setNetworkStatus(int status);
    QString statusDescription() const { return QString(); }
    bool wifiScanning() const { return false; }

public slots:
    void setScanning(bool scanning);
    void clearConnectedAccessPoint();
    void connectRequest(const QString &ssid, const QString &password);
    void removeNetworkRequest(const QString &ssid, bool connected);

signals:
    void accessPointsChanged();
    void accessPointConnectedChanged();
    void networkStatusChanged();
    void statusDescriptionChanged();
    void wifiScanningChanged();

private:
    int m_networkStatus = 0;
};
