#include "VHDeviceModel.h"

#include "DeviceModelLogging.h"
#include "ReadAhead.h"

#include <QProcess>

namespace {

// Like every boot-loader read of the window, bounded: a hanging tool must
// not hold up the first frame.
constexpr int kPrintenvWaitMsecs = 500;

QString readModel()
{
    QProcess printenv;
    printenv.setStandardErrorFile(QProcess::nullDevice());
    printenv.start(QStringLiteral("fw_printenv"), {QStringLiteral("-n"), QStringLiteral("vhModel")},
                   QIODevice::ReadOnly);
    if (!printenv.waitForFinished(kPrintenvWaitMsecs)) {
        qCWarning(lcDeviceModel) << "fw_printenv did not answer:" << printenv.errorString();
        printenv.kill();
        printenv.waitForFinished(kPrintenvWaitMsecs);
        return QString();
    }
    return QString::fromUtf8(printenv.readAllStandardOutput()).trimmed();
}

ReadAhead<QString> &readAhead()
{
    static ReadAhead<QString> model([](const QByteArray &) { return readModel(); });
    return model;
}

} // namespace

void VHDeviceModel::prefetch()
{
    readAhead().start(QByteArray());
}

VHDeviceModel::VHDeviceModel(QObject *parent)
    : QObject(parent)
    , m_model(readAhead().take(QByteArray()))
{
    qCDebug(lcDeviceModel) << "device model" << m_model;
}

bool VHDeviceModel::isTundrel() const
{
    return m_model == QLatin1String("Tundrel");
}

bool VHDeviceModel::isVeskMax() const
{
    return m_model == QLatin1String("VeskMax");
}
