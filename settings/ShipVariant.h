#pragma once

#include <QObject>

#include <optional>

class QDBusMessage;
class UtilityDaemonCalls;

// Whether the device is the military shipping variant, asked of the utility
// daemon and, when the daemon cannot say, of the boot-loader environment.
// Nothing waits for the answer: it arrives as a change of `known`, so the
// window can keep what a military device must never show hidden until then.
class ShipVariant : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool known READ isKnown NOTIFY knownChanged)
    Q_PROPERTY(bool military READ isMilitary NOTIFY militaryChanged)

public:
    explicit ShipVariant(UtilityDaemonCalls &daemon, QObject *parent = nullptr);

    // Asks the daemon (again); the answer replaces the one known.
    void ask();
    // Someone reads the answer: only then is the boot-loader environment
    // asked when the daemon could not say (the command line never reads it).
    void want();

    bool isKnown() const { return m_military.has_value(); }
    // False until known.
    bool isMilitary() const { return m_military.value_or(false); }

signals:
    void knownChanged();
    void militaryChanged(bool military);

private:
    void daemonAnswered(const QDBusMessage &reply);
    void askBootloader();
    void setMilitary(bool military);

    UtilityDaemonCalls &m_daemon;
    std::optional<bool> m_military;
    bool m_wanted = false;
    bool m_daemonFailed = false;
    bool m_askingBootloader = false;
};
