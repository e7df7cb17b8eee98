#pragma once

#include <QElapsedTimer>
#include <QMutex>
#include <QObject>
#include <QTimer>

// Measures how long the GUI thread keeps its event queue waiting: every few
// milliseconds it posts a timestamped call to the application, one at a
// time, and notes how late each one runs. Lives on a thread of its own, so
// it can say how long the GUI thread has been stuck while it still is.
class StallClock : public QObject
{
    Q_OBJECT
public:
    explicit StallClock(QObject *parent = nullptr);

    void start();

    // Both in milliseconds since the last reset: the longest wait of a call
    // that ran, and how long the call on its way now has waited.
    struct Reading
    {
        double longest = 0;
        double ongoing = 0;
    };
    Reading read() const;
    void reset();

private:
    void post();
    void answered(qint64 postedAt);

    QTimer m_timer;
    QElapsedTimer m_clock;
    mutable QMutex m_mutex;
    bool m_outstanding = false;
    qint64 m_postedAt = 0;
    qint64 m_resetAt = 0;
    qint64 m_longest = 0;
};
