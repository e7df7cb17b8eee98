#include "ShipVariant.h"

#include "BoundedCommand.h"
#include "UtilityDaemonCalls.h"
#include "UtilityDaemonClient.h"

#include <QDBusReply>
#include <QDebug>

ShipVariant::ShipVariant(UtilityDaemonCalls &daemon, QObject *parent)
    : QObject(parent)
    , m_daemon(daemon)
{
}

void ShipVariant::ask()
{
    m_daemon.askShip([this](const QDBusMessage &reply) { daemonAnswered(reply); });
}

void ShipVariant::want()
{
    m_wanted = true;
    if (m_daemonFailed && !m_military)
        askBootloader();
}

void ShipVariant::daemonAnswered(const QDBusMessage &message)
{
    // A reply without one int32 counts as a failed call.
    const QDBusReply<qint32> reply(message);
    if (reply.isValid()) {
        m_daemonFailed = false;
        setMilitary(reply.value() == UtilityDaemonClient::militaryShipVariant);
        return;
    }
    qDebug() << UtilityDaemonClient::getShipErrorText << reply.error();
    m_daemonFailed = true;
    if (m_wanted)
        askBootloader();
}

void ShipVariant::askBootloader()
{
    if (m_askingBootloader)
        return;
    m_askingBootloader = true;
    BoundedCommand::start(this, QStringLiteral("fw_printenv"),
                          {QStringLiteral("-n"), QStringLiteral("vhShip")}, [this](QByteArray output) {
                              m_askingBootloader = false;
                              const int nul = output.indexOf('\0');
                              if (nul >= 0)
                                  output.truncate(nul);
                              setMilitary(output.trimmed().toInt()
                                          == UtilityDaemonClient::militaryShipVariant);
                          });
}

void ShipVariant::setMilitary(bool military)
{
    const bool wasKnown = isKnown();
    const bool changed = isMilitary() != military;
    m_military = military;
    if (changed)
        emit militaryChanged(military);
    if (!wasKnown)
        emit knownChanged();
}
