#include "ClockRequestQueue.h"

std::shared_ptr<ClockRequestQueue> ClockRequestQueue::shared()
{
    // Weak, so the queue and its process go with the last user (the settings
    // core or the QML engine) and never outlive the application object.
    static std::weak_ptr<ClockRequestQueue> current;
    std::shared_ptr<ClockRequestQueue> queue = current.lock();
    if (!queue) {
        queue.reset(new ClockRequestQueue);
        current = queue;
    }
    return queue;
}

ClockRequestQueue::ClockRequestQueue()
{
    m_process.setProgram(QStringLiteral("timedatectl"));
    // The tool's output is never used.
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setStandardErrorFile(QProcess::nullDevice());
    connect(&m_process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            &ClockRequestQueue::runEnded);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            runEnded();
    });
}

ClockRequestQueue::~ClockRequestQueue()
{
    // A run still going is the system's business now; do not kill it.
    m_pending.clear();
    m_process.disconnect(this);
    if (m_process.state() != QProcess::NotRunning)
        m_process.waitForFinished(500);
}

void ClockRequestQueue::run(const QStringList &arguments)
{
    m_pending.enqueue(arguments);
    startNext();
}

void ClockRequestQueue::startNext()
{
    if (m_pending.isEmpty() || m_process.state() != QProcess::NotRunning)
        return;
    m_process.setArguments(m_pending.dequeue());
    // Read-only closes the tool's input: it reads none.
    m_process.start(QIODevice::ReadOnly);
}

bool ClockRequestQueue::isIdle() const
{
    return m_pending.isEmpty() && m_process.state() == QProcess::NotRunning;
}

void ClockRequestQueue::runEnded()
{
    startNext();
    if (isIdle())
        emit idle();
}
