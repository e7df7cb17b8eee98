#include "VHDeviceModel.h"

#include "ComponentsLogging.h"

#include <QProcess>

#include <future>
#include <mutex>

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

struct Prefetched
{
    std::mutex mutex;
    std::future<QString> model;
};

Prefetched &prefetched()
{
    static Prefetched state;
    return state;
}

// The prefetched answer, once; later models read again.
QString takeModel()
{
    Prefetched &state = prefetched();
    std::unique_lock<std::mutex> lock(state.mutex);
    if (!state.model.valid()) {
        lock.unlock();
        return readModel();
    }
    std::future<QString> model = std::move(state.model);
    lock.unlock();
    return model.get();
}

} // namespace

void VHDeviceModel::prefetch()
{
    Prefetched &state = prefetched();
    const std::lock_guard<std::mutex> lock(state.mutex);
    if (!state.model.valid())
        state.model = std::async(std::launch::async, readModel);
}

VHDeviceModel::VHDeviceModel(QObject *parent)
    : QObject(parent)
    , m_model(takeModel())
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
