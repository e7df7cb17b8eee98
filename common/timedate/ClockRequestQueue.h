#pragma once

#include <QObject>
#include <QProcess>
#include <QQueue>
#include <QStringList>

#include <memory>

// Runs timedatectl requests one after another on one process object. A
// request made while an earlier run is still going waits for it instead of
// being refused, so setting the date and then the time at once changes both.
//
// Everything in a program that changes the clock or the time zone goes
// through the one queue that shared() hands out, so a zone change and a time
// change made right after it reach the tool in that order. Nobody waits for
// the tool: idle() says when every request so far has run.
class ClockRequestQueue : public QObject
{
    Q_OBJECT
public:
    // The program's queue; it lives as long as someone holds it.
    static std::shared_ptr<ClockRequestQueue> shared();

    ~ClockRequestQueue() override;

    void run(const QStringList &arguments);
    bool isIdle() const;

signals:
    void idle();

private:
    ClockRequestQueue();
    void startNext();
    void runEnded();

    QProcess m_process;
    QQueue<QStringList> m_pending;
};
