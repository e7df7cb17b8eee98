#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

class PrivateBus;

// NetworkManager's stand-in for tests: python3-dbusmock's "networkmanager"
// template on a private system bus. It speaks NetworkManager's real
// interface; the template's helpers on org.freedesktop.NetworkManager.Mock
// set the scene, and every method call it receives is written to a log.
class NetworkManagerMock
{
public:
    // NMDeviceState values the scenes use.
    enum DeviceState { Unavailable = 20, Disconnected = 30, Activated = 100 };
    // NM80211ApSecurityFlags: the template only knows this one.
    static constexpr uint KeyMgmtPsk = 0x100;

    static constexpr const char *Service = "org.freedesktop.NetworkManager";
    static constexpr const char *ManagerPath = "/org/freedesktop/NetworkManager";
    static constexpr const char *SettingsPath = "/org/freedesktop/NetworkManager/Settings";

    explicit NetworkManagerMock(PrivateBus &bus);
    ~NetworkManagerMock();
    NetworkManagerMock(const NetworkManagerMock &) = delete;
    NetworkManagerMock &operator=(const NetworkManagerMock &) = delete;

    bool isValid() const { return m_valid; }
    QString errorString() const { return m_error; }

    // Template helpers; each returns the new object's path.
    QString addWifiDevice(const QString &interface, DeviceState state);
    QString addEthernetDevice(const QString &interface, DeviceState state);
    QString addAccessPoint(const QString &device, const QString &name, const QString &ssid,
                           const QString &bssid, uchar strength, uint security);
    // A saved profile for a network the device can see; connectTo also makes
    // it active on the device.
    QString saveProfile(const QString &device, const QString &accessPoint, const QString &ssid);
    QString connectTo(const QString &device, const QString &accessPoint, const QString &ssid);
    // Gives the object at `path` a method the template lacks; `code` is
    // Python run by the stand-in, with `self` the object and `args` the arguments.
    void addMethod(const QString &path, const QString &interface, const QString &name,
                   const QString &inSignature, const QString &code);
    // Changes a property and emits PropertiesChanged, as NetworkManager does.
    void setProperty(const QString &path, const QString &interface, const QString &name,
                     const QVariant &value);
    QVariant property(const QString &path, const QString &interface, const QString &name);

    // Arguments of each call of `method` on the object at `path`.
    QList<QVariantList> methodCalls(const QString &path, const QString &method);
    // Names of all methods called on any object, in order ("Update", ...).
    QStringList calledMethods() const;

    // A connection profile (a{sa{sv}}) as it arrived, setting by setting.
    static QMap<QString, QVariantMap> profile(const QVariant &argument);
    QMap<QString, QVariantMap> savedProfile(const QString &path);

    QDBusConnection connection() const { return m_connection; }

private:
    QDBusMessage mock(const QString &method, const QVariantList &arguments);

    QTemporaryDir m_dir;
    QProcess m_process;
    QDBusConnection m_connection;
    bool m_valid = false;
    QString m_error;
};
