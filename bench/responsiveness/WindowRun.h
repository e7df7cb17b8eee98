#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QHash>
#include <QLocalSocket>
#include <QProcess>
#include <QString>

#include <optional>

// The real VHSettings executable of the build tree, offscreen, with the
// probe preloaded, in a process group of its own (killed whole at the end,
// with any tool it started). Talks to the probe on its socket; see
// bench/probe/ProbeServer.h for the requests.
class WindowRun
{
public:
    // Starts the window at once; the clock of startedMs() starts with it.
    explicit WindowRun(const QString &folder);
    ~WindowRun();
    WindowRun(const WindowRun &) = delete;
    WindowRun &operator=(const WindowRun &) = delete;

    qint64 startedMs() const { return m_clock.elapsed(); }
    // Everything the window printed so far.
    QByteArray output();
    bool printed(const QByteArray &text);

    // Sends a request and returns its id.
    int send(const QString &request);
    // The answer to request `id`, if it came before the deadline.
    std::optional<QString> answer(int id, QDeadlineTimer deadline);
    // Both in one, with an answer that is expected soon.
    std::optional<QString> ask(const QString &request, int msecs = 5000);

    struct Stall
    {
        double longest = 0; // ms, of the waits that ended since the reset
        double ongoing = 0; // ms, of the wait under way
    };
    std::optional<Stall> stall();

    // Waits until every page and dialog is built, as a user finds the window.
    bool waitUntilReady(int msecs);

private:
    bool connectProbe(QDeadlineTimer deadline);
    void readAnswers();

    QString m_socketPath;
    QProcess m_process;
    QElapsedTimer m_clock;
    QByteArray m_output;
    QLocalSocket m_probe;
    QByteArray m_pending;
    QHash<int, QString> m_answers;
    int m_nextId = 0;
};
