#pragma once

#include "DBusMock.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

class PrivateBus;

// NetworkManager's stand-in for tests: python3-dbusmock's "networkmanager"
// template on a private system bus. It speaks NetworkManager's real
// interface; the template's helpers on org.freedesktop.NetworkManager.Mock
// set the scene, and every object records the calls it gets.
class NetworkManagerMock
{
public:
    // NMDeviceState values the scenes use.
    enum DeviceState {
        Unavailable = 20,
        Disconnected = 30,
        Activated = 100
    };
    // NM80211ApSecurityFlags: the template only knows this one.
    static constexpr uint KeyMgmtPsk = 0x100;

    static constexpr const char *Service = "org.freedesktop.NetworkManager";
    static constexpr const char *ManagerPath = "/org/freedesktop/NetworkManager";
    static constexpr const char *SettingsPath = "/org/freedesktop/NetworkManager/Settings";

    explicit NetworkManagerMock(PrivateBus &bus);

    bool isValid() const { return m_mock.isValid(); }
    QString errorString() const { return m_mock.errorString(); }
    qint64 processId() const { return m_mock.processId(); }

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
    // Names of the methods called on the object at `path`, oldest first.
    QStringList calledMethods(const QString &path) const { return m_mock.methods(path); }

    // A connection profile (a{sa{sv}}) as it arrived, setting by setting.
    static QMap<QString, QVariantMap> profile(const QVariant &argument);
    QMap<QString, QVariantMap> savedProfile(const QString &path);

private:
    QDBusMessage mock(const QString &method, const QVariantList &arguments);

    DBusMock m_mock;
    QDBusConnection m_connection;
};
