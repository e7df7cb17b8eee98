#include "VHIPCThread.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcIpc, "vh.ipc")

VHIPCThread::VHIPCThread(QObject *parent)
    : QObject(parent)
{
}

void VHIPCThread::initializeVHIPCMembers(bool subscribe)
{
    qCDebug(lcIpc) << "no printer service connected; subscribe" << subscribe << "ignored";
}

void VHIPCThread::updateSupplyDetails()
{
    qCDebug(lcIpc) << "no printer service connected; no supply details";
}

void VHIPCThread::calibrateSupply()
{
    qCWarning(lcIpc) << "supply calibration not sent: no printer service connected";
}

void VHIPCThread::calibrateTach()
{
    qCWarning(lcIpc) << "ribbon tach calibration not sent: no printer service connected";
}
