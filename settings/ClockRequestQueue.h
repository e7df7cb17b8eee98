#pragma once

#include <QObject>
#include <QQueue>
#include <QStringList>

class QProcess;

// Runs clock requests one after another on the single timedatectl process
// object. A request made while an earlier run is still going waits for it
// instead of being refused, so setting the date and then the time at once
// changes both.
class ClockRequestQueue : public QObject
{
    Q_OBJECT
public:
    ClockRequestQueue(QProcess *process, QObject *parent);

    void run(const QStringList &arguments);
    // Waits until every request so far has run, at most `msecs`.
    bool waitForIdle(int msecs);
    bool isIdle() const;

private:
    void startNext();

    QProcess *m_process;
    QQueue<QStringList> m_pending;
};
