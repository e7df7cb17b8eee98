#pragma once

#include "Backlight.h"
#include "InterfaceDescription.h"
#include "StateFile.h"

#include <QDBusVirtualObject>

// The object at "/" of the utility daemon. It handles the raw messages itself
// so that a call with the right name but the wrong argument types gets a
// clean InvalidArgs error instead of QtDBus' generic "no such method".
class UtilityDaemon : public QDBusVirtualObject
{
    Q_OBJECT
public:
    UtilityDaemon(const QString &backlightClassDir, const QString &stateFilePath, QObject *parent = nullptr);

    // Reads the state file and puts the stored brightness back on the panel,
    // which the kernel resets at every boot.
    void restore();

    QString introspect(const QString &path) const override;
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override;

private:
    QDBusMessage dispatch(const QDBusMessage &call);
    QDBusMessage setBrightness(const QDBusMessage &call, quint32 level);
    // Refuses a value the state does not take, with InvalidArgs.
    QDBusMessage storeValue(const QDBusMessage &call, const QString &key, const QVariant &value);
    static qint32 readShipVariant();

    InterfaceDescription m_interface;
    Backlight m_backlight;
    StateFile m_state;
    // A factory setting of the device: read once, when the daemon starts, so
    // that the settings window's query at its start answers at once.
    const qint32 m_shipVariant;
};
