#include "VHTimezoneHelper.h"

#include "ClockRequestQueue.h"
#include "TimezoneLogging.h"

#include <QFile>
#include <QTimeZone>

namespace {

const QString kUtc = QStringLiteral("UTC");

// zone.tab has one line per country and zone, so every country's own city
// names are there (zone1970.tab folds countries together since 1970).
const QString kZoneTable = QStringLiteral("/usr/share/zoneinfo/zone.tab");

// The zone names of a tzdata zone table, sorted, with "UTC" added.
QStringList readZoneTable(const QString &path)
{
    QStringList zones{kUtc};
    QFile table(path);
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCWarning(lcTimezone) << "cannot read the time-zone table" << path << table.errorString();
        return zones;
    }
    while (!table.atEnd()) {
        const QString line = QString::fromUtf8(table.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        // country code, coordinates, zone name, optional comment
        const QString zone = line.section(QLatin1Char('\t'), 2, 2);
        if (!zone.isEmpty() && !zones.contains(zone))
            zones.append(zone);
    }
    zones.sort();
    return zones;
}

} // namespace

VHTimezoneHelper::VHTimezoneHelper(QObject *parent)
    : QObject(parent)
    , m_zones(readZoneTable(kZoneTable))
    , m_clockRequests(ClockRequestQueue::shared())
{
    m_current = systemTimezone();
    connect(m_clockRequests.get(), &ClockRequestQueue::idle, this, &VHTimezoneHelper::requestsRan);
}

VHTimezoneHelper::~VHTimezoneHelper() = default;

QString VHTimezoneHelper::systemTimezone() const
{
    // The system may name UTC in any of tzdata's ways; the list has one.
    static const QStringList utcAliases{
        QStringLiteral("Etc/UTC"),   QStringLiteral("Etc/UCT"),   QStringLiteral("Etc/Universal"),
        QStringLiteral("Etc/Zulu"),  QStringLiteral("Etc/GMT"),   QStringLiteral("Etc/GMT0"),
        QStringLiteral("Etc/GMT+0"), QStringLiteral("Etc/GMT-0"), QStringLiteral("Etc/Greenwich"),
        QStringLiteral("UCT"),       QStringLiteral("Universal"), QStringLiteral("Zulu"),
        QStringLiteral("GMT"),       QStringLiteral("Greenwich")};
    const QString id = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    return utcAliases.contains(id) ? kUtc : id;
}

void VHTimezoneHelper::setTimezone(const QString &zone)
{
    if (!m_zones.contains(zone)) {
        qCWarning(lcTimezone) << "refusing unknown time zone" << zone;
        return;
    }
    m_clockRequests->run({QStringLiteral("set-timezone"), zone});
}

void VHTimezoneHelper::requestsRan()
{
    const QString current = systemTimezone();
    if (current != m_current) {
        m_current = current;
        emit currentTimezoneChanged();
    }
    emit clockRequestsDone();
}
