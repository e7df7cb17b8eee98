#pragma once

#include <QJsonObject>
#include <QString>

// Records usage hits of the appliance's programs: one JSON line per hit in a
// spool file under the user's data directory, which an uploader drains.
// Nothing is recorded while the user has opted out ("sendAnalytics" false).
class AnalyticsLibrary
{
public:
    enum AnalyticHitType {
        ApplicationStart = 0,
        ApplicationExit = 1,
        ScreenView = 2,
        ButtonPress = 3,
        ErrorReport = 4,
        PrintJob = 5,
        SettingChange = 6
    };

    // Never throws; a hit that cannot be written is dropped with a warning.
    static void sendAnalyticHit(AnalyticHitType type, QJsonObject hit);

    // <data dir>/Varnholt/analytics/hits.jsonl
    static QString spoolFilePath();
};
