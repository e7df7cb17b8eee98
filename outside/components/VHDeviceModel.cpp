#include "VHDeviceModel.h"

#include "BoundedTool.h"
#include "DeviceModelLogging.h"
#include "ReadAhead.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

namespace {

// Like every boot-loader read of the window, bounded: a hanging tool must
// not hold up the first frame.
constexpr int kPrintenvWaitMsecs = 500;

QString readModel()
{
    const BoundedTool::Result printenv = BoundedTool::run(
        QStringLiteral("fw_printenv"), {QStringLiteral("-n"), QStringLiteral("vhModel")}, kPrintenvWaitMsecs);
    if (!printenv.answered) {
        qCWarning(lcDeviceModel) << "fw_printenv did not answer within" << kPrintenvWaitMsecs << "ms";
        return QString();
    }
    return QString::fromUtf8(printenv.output).trimmed();
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
{
    if (readAhead().isReady(QByteArray())) {
        setModel(readAhead().take(QByteArray()));
        return;
    }
    // Taken on a worker: a hanging tool must not hold up the first frame.
    QThreadPool::globalInstance()->start([model = QPointer<VHDeviceModel>(this)] {
        const QString answer = readAhead().take(QByteArray());
        if (QCoreApplication *application = QCoreApplication::instance()) {
            QMetaObject::invokeMethod(
                application,
                [model, answer] {
                    if (model)
                        model->setModel(answer);
                },
                Qt::QueuedConnection);
        }
    });
}

void VHDeviceModel::setModel(const QString &model)
{
    qCDebug(lcDeviceModel) << "device model" << model;
    const bool changed = m_model != model;
    const bool wasKnown = m_known;
    m_model = model;
    m_known = true;
    if (changed)
        emit modelChanged();
    if (!wasKnown)
        emit knownChanged();
}

bool VHDeviceModel::isTundrel() const
{
    return m_model == QLatin1String("Tundrel");
}

bool VHDeviceModel::isVeskMax() const
{
    return m_model == QLatin1String("VeskMax");
}
