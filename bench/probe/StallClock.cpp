#include "StallClock.h"

#include <QCoreApplication>

namespace {
// Short against the 50 ms a touch may wait: a stall reads at most this much short.
constexpr int kPostIntervalMs = 5;
} // namespace

StallClock::StallClock(QObject *parent)
    : QObject(parent)
    , m_timer(this)
{
    m_clock.start();
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kPostIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &StallClock::post);
}

void StallClock::start()
{
    m_timer.start();
}

StallClock::Reading StallClock::read() const
{
    QMutexLocker lock(&m_mutex);
    const qint64 now = m_clock.nsecsElapsed();
    Reading reading;
    reading.longest = m_longest / 1e6;
    if (m_outstanding)
        reading.ongoing = (now - qMax(m_postedAt, m_resetAt)) / 1e6;
    return reading;
}

void StallClock::reset()
{
    QMutexLocker lock(&m_mutex);
    m_resetAt = m_clock.nsecsElapsed();
    m_longest = 0;
}

void StallClock::post()
{
    qint64 postedAt = 0;
    {
        QMutexLocker lock(&m_mutex);
        if (m_outstanding)
            return;
        m_outstanding = true;
        postedAt = m_postedAt = m_clock.nsecsElapsed();
    }
    // Runs on the GUI thread, behind whatever that thread is busy with.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [this, postedAt] { answered(postedAt); }, Qt::QueuedConnection);
}

void StallClock::answered(qint64 postedAt)
{
    QMutexLocker lock(&m_mutex);
    const qint64 late = m_clock.nsecsElapsed() - qMax(postedAt, m_resetAt);
    m_longest = qMax(m_longest, late);
    m_outstanding = false;
}
