#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class ClockRequestQueue;

// The time zones a user can choose, the zone the system is in, and the
// change of zone through timedatectl. The change goes through the program's
// one clock request queue, so a clock change made right after it follows it;
// the zone is read again once the queue has run it.
class VHTimezoneHelper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList availableTimezones READ availableTimezones CONSTANT)
    Q_PROPERTY(QString currentTimezone READ currentTimezone NOTIFY currentTimezoneChanged)

public:
    explicit VHTimezoneHelper(QObject *parent = nullptr);
    ~VHTimezoneHelper() override;

    QStringList availableTimezones() const { return m_zones; }
    QString currentTimezone() const { return m_current; }

public slots:
    // Refuses (and logs) a name that is not in availableTimezones.
    void setTimezone(const QString &zone);

signals:
    void currentTimezoneChanged();
    // Every clock or zone change asked for so far has been carried out.
    void clockRequestsDone();

private:
    QString systemTimezone() const;
    void requestsRan();

    QStringList m_zones;
    QString m_current;
    std::shared_ptr<ClockRequestQueue> m_clockRequests;
};
