#pragma once

#include "NetworkManagerBus.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantList>
#include <QVariantMap>

// The Wi-Fi client as the settings window sees it, through NetworkManager:
// the scanned networks, the connected one, the state of a connection request
// (VHNetworkStatus) and the requests to connect to or forget a network.
//
// accessPoints holds one entry per network name (its strongest access point;
// a name that is not UTF-8 reads with replacement characters, and the
// client keeps its bytes to send to NetworkManager):
// ssid, bssid, signalLevel (0-100), flags (key-management text), saved, and
// psk, which for a saved network is the saved profile's identifier and never
// a key. The connected network is left out of it. accessPointConnected has
// ssid, bssid, signalLevel, keyManagement, ipAddress and wpaState
// ("COMPLETED" once connected). Passwords are never logged.
class WifiClientIPC : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantList accessPoints READ accessPoints NOTIFY accessPointsChanged)
    Q_PROPERTY(QVariantMap accessPointConnected READ accessPointConnected NOTIFY accessPointConnectedChanged)
    Q_PROPERTY(int networkStatus READ networkStatus WRITE setNetworkStatus NOTIFY networkStatusChanged)
    Q_PROPERTY(QString statusDescription READ statusDescription NOTIFY statusDescriptionChanged)
    Q_PROPERTY(bool wifiScanning READ wifiScanning NOTIFY wifiScanningChanged)

public:
    // NetworkManager keeps its results fresh between scans; one every ten
    // seconds keeps the list current without draining the radio.
    static constexpr int ScanIntervalMs = 10000;

    explicit WifiClientIPC(QObject *parent = nullptr);
    explicit WifiClientIPC(const QDBusConnection &bus, QObject *parent = nullptr);

    QVariantList accessPoints() const { return m_accessPoints; }
    QVariantMap accessPointConnected() const { return m_connected; }
    int networkStatus() const { return m_networkStatus; }
    void setNetworkStatus(int status);
    QString statusDescription() const { return m_statusDescription; }
    bool wifiScanning() const { return m_scanning; }

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

private slots:
    void scheduleRefresh();
    void requestScan();
    void onDeviceStateChanged(uint newState, uint oldState, uint reason);

private:
    struct AccessPoint
    {
        QString path;
        QByteArray ssid;
        QString bssid;
        int strength = 0;
        QString keyManagement;
    };

    void refresh();
    // The device's state, connected network and access points; no device
    // while the radio is off.
    void readDevice(const QString &device);
    void watchDevice(const QString &device);
    // Reads the access points one by one, then publishes them.
    void readAccessPoints(QStringList paths, const QList<AccessPoint> &found);
    void connectTo(const QString &ssid, const QString &password);
    // The strongest scanned access point of the network with this readable
    // name, or none; and the name's bytes, which NetworkManager knows it by.
    const AccessPoint *strongest(const QString &ssid) const;
    QByteArray ssidBytes(const QString &ssid) const;
    void saveAndActivate(const QString &ssid, const QString &connection, const QString &accessPoint,
                         const QString &keyManagement, const QString &password);
    void publish(const QList<AccessPoint> &found);
    void settleRequest(uint state);
    void fail(const QString &description);
    void setStatus(int status, const QString &description);
    void activate(const QString &connection, const QString &accessPoint);

    NetworkManagerBus m_nm;
    QString m_device;
    QList<AccessPoint> m_found;
    QVariantList m_accessPoints;
    QVariantMap m_connected;
    int m_networkStatus = 0;
    QString m_statusDescription;
    bool m_scanning = false;
    QTimer m_scanTimer;
    // The network of the request in progress, and why the device last changed state.
    QString m_requestedSsid;
    uint m_lastReason = 0;
};
