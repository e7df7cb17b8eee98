#include "UpdateHelper.h"

#include <QFile>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcUpdater, "vh.updater")

namespace {

// VERSION_ID of os-release, without its quotes; empty when there is none.
QString osReleaseVersion()
{
    for (const char *path : {"/etc/os-release", "/usr/lib/os-release"}) {
        QFile file(QString::fromLatin1(path));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().trimmed();
            if (line.startsWith("VERSION_ID="))
                return QString::fromUtf8(line.mid(11)).remove(QLatin1Char('"'));
        }
        return QString();
    }
    return QString();
}

} // namespace

UpdateHelper::UpdateHelper(QObject *parent)
    : QObject(parent)
    , m_systemVersion(osReleaseVersion())
{
}

void UpdateHelper::checkForNetworkUpdate()
{
    qCInfo(lcUpdater) << "no update source is configured";
    setError(tr("No update source is configured."));
}

void UpdateHelper::installLatestUpdate()
{
    qCInfo(lcUpdater) << "nothing to install: no update source is configured";
}

void UpdateHelper::setError(const QString &error)
{
    if (m_error == error)
        return;
    m_error = error;
    emit errorChanged();
}
