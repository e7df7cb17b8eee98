#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// How long the thread's event loop kept a touch waiting: a timer that should
// fire every few milliseconds notes the longest gap between two firings
// since the probe was made or restarted.
class StallProbe : public QObject
{
public:
    StallProbe();

    void restart();
    qint64 longestMs() const;

private:
    void tick();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};
