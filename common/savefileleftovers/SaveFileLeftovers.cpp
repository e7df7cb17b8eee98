#include "SaveFileLeftovers.h"

#include "SaveFileLeftoversLogging.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace SaveFileLeftovers {

namespace {

constexpr qint64 kOwnerlessAfterSecs = 60;

} // namespace

void remove(const QString &filePath)
{
    // QSaveFile writes beside the file that a symlink leads to.
    QFileInfo file(filePath);
    if (!file.canonicalFilePath().isEmpty())
        file.setFile(file.canonicalFilePath());
    const QRegularExpression leftover(
        QStringLiteral("^%1\\.[A-Za-z]{6}$").arg(QRegularExpression::escape(file.fileName())));
    const QDateTime ownerless = QDateTime::currentDateTimeUtc().addSecs(-kOwnerlessAfterSecs);

    for (const QFileInfo &entry : file.dir().entryInfoList(QDir::Files | QDir::NoSymLinks)) {
        if (!leftover.match(entry.fileName()).hasMatch() || entry.lastModified() > ownerless)
            continue;
        if (QFile::remove(entry.filePath()))
            qCInfo(lcSaveFile) << "removed" << entry.filePath() << "left by a writer that died";
    }
}

} // namespace SaveFileLeftovers
