#pragma once

#include "AnalyticsLibrary.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

// The setting-change hits the window has sent so far, oldest first, as
// "settingName=newValue".
inline QStringList settingHits()
{
    QStringList found;
    QFile spool(AnalyticsLibrary::spoolFilePath());
    if (!spool.open(QIODevice::ReadOnly))
        return found;
    for (const QByteArray &line : spool.readAll().split('\n')) {
        const QJsonObject hit = QJsonDocument::fromJson(line).object().value("hit").toObject();
        if (hit.contains("settingName"))
            found.append(hit.value("settingName").toString() + "=" + hit.value("newValue").toString());
    }
    return found;
}

// The newest of them, or an empty text when there is none.
inline QString lastSettingHit()
{
    const QStringList hits = settingHits();
    return hits.isEmpty() ? QString() : hits.last();
}
