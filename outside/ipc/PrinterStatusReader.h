#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>

// Reads the printer service's status file in VHIPCThread's worker thread,
// so the window never waits on it. The file is taken only when it is a
// regular file, opened without blocking and read up to maxStatusSize;
// anything else gives an empty status, with a warning.
class PrinterStatusReader : public QObject
{
    Q_OBJECT
public:
    // Far more than any status; what lies beyond is ignored.
    static constexpr qint64 maxStatusSize = 1024 * 1024;

    using QObject::QObject;

    void read(const QString &path);

signals:
    // The status object, empty when there is none or it is unusable.
    void statusRead(const QJsonObject &status);
};
