#include "LogCapture.h"

#include <QLoggingCategory>
#include <QMutex>

namespace {

QMutex capturedMutex;
QStringList captured;
QtMessageHandler previousHandler = nullptr;

void keep(QtMsgType, const QMessageLogContext &, const QString &message)
{
    QMutexLocker lock(&capturedMutex);
    captured.append(message);
}

} // namespace

LogCapture::LogCapture(const QString &filterRules)
{
    {
        QMutexLocker lock(&capturedMutex);
        captured.clear();
    }
    QLoggingCategory::setFilterRules(filterRules);
    previousHandler = qInstallMessageHandler(keep);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(previousHandler);
    QLoggingCategory::setFilterRules(QString());
}

QStringList LogCapture::messages() const
{
    QMutexLocker lock(&capturedMutex);
    return captured;
}
