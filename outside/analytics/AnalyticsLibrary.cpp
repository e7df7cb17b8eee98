#include "AnalyticsLibrary.h"

#include "AnalyticsLogging.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSettings>
#include <QStandardPaths>

namespace {

bool userOptedIn()
{
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Varnholt"),
                             QStringLiteral("Corvantis"));
    return settings.value(QStringLiteral("sendAnalytics"), true).toBool();
}

} // namespace

QString AnalyticsLibrary::spoolFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Varnholt/analytics/hits.jsonl");
}

void AnalyticsLibrary::sendAnalyticHit(AnalyticHitType type, QJsonObject hit)
{
    if (!userOptedIn()) {
        qCDebug(lcAnalytics) << "user opted out, hit not recorded:" << hit;
        return;
    }

    QJsonObject record;
    record.insert(QStringLiteral("hitType"), int(type));
    record.insert(QStringLiteral("hit"), hit);
    record.insert(QStringLiteral("timestamp"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));

    const QString path = spoolFilePath();
    QDir().mkpath(QFileInfo(path).path());
    QFile spool(path);
    // One append of one whole line, so concurrent writers never interleave.
    if (!spool.open(QIODevice::WriteOnly | QIODevice::Append)) {
        qCWarning(lcAnalytics) << "cannot open" << path << spool.errorString();
        return;
    }
    spool.write(QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n');
}
