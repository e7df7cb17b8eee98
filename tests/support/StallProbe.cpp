#include "StallProbe.h"

#include <algorithm>

StallProbe::StallProbe()
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &StallProbe::tick);
    restart();
    m_timer.start();
}

void StallProbe::restart()
{
    m_clock.start();
    m_last = 0;
    m_longest = 0;
}

qint64 StallProbe::longestMs() const
{
    // A stall still going on counts too.
    return std::max(m_longest, m_clock.elapsed() - m_last);
}

void StallProbe::tick()
{
    const qint64 now = m_clock.elapsed();
    m_longest = std::max(m_longest, now - m_last);
    m_last = now;
}
