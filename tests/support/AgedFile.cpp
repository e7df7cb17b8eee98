#include "AgedFile.h"

#include <QDateTime>
#include <QFile>

bool writeAgedFile(const QString &path, int ageSecs)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSecs),
                               QFileDevice::FileModificationTime);
}
