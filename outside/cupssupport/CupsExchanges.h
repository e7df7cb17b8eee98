#pragma once

#include "CupsQueue.h"

#include <chrono>
#include <functional>
#include <memory>

// The exchanges of one CupsSupport with the scheduler, done on a thread that
// every CupsSupport of the process shares, in the order they were asked for:
// no caller waits for a slow or frozen scheduler, and the writes to a queue
// land in order. Writes that wait for their turn are merged (the last value
// of an option wins); a write or background read that fails is kept and
// tried again, less and less often, until the scheduler takes it.
//
// A plain thread rather than a QThread: it is never stopped, so an exchange
// still stuck in libcups when the program ends cannot hold up its exit.
class CupsExchanges
{
public:
    // Called on the exchange thread, never once the destructor has started.
    struct Reports
    {
        // A background read succeeded.
        std::function<void(const CupsQueue::Defaults &defaults)> read;
        // These changes are stored; `stored` holds the queue's defaults now.
        std::function<void(const CupsQueue::Changes &written, const CupsQueue::Options &stored)> written;
    };

    CupsExchanges(const QByteArray &queue, Reports reports);
    ~CupsExchanges();

    CupsExchanges(const CupsExchanges &) = delete;
    CupsExchanges &operator=(const CupsExchanges &) = delete;

    // Reads the queue's defaults after the exchanges asked for before, and
    // waits for them: for tools and tests, never for a GUI thread.
    CupsQueue::Defaults readAndWait();
    // Reads until a read succeeds, then reports it.
    void readInBackground();
    void write(const CupsQueue::Changes &changes);

    // Waits up to `timeout` for the writes asked for so far, then gives up
    // on the rest and returns them (empty when all are stored).
    CupsQueue::Changes finishWrites(std::chrono::milliseconds timeout);

    // Adds `newer` to `changes`: an option set again keeps only its last value.
    static void merge(CupsQueue::Changes &changes, const CupsQueue::Changes &newer);

    // While held, no exchange that nobody waits for (background reads,
    // writes) starts, for every CupsExchanges of the process: a program that
    // starts holds them, so that loading libcups and asking the scheduler do
    // not compete with it. A read that is waited for ends the hold, since
    // the exchanges keep their order.
    static void holdBackground();
    static void releaseBackground();

private:
    struct Line;
    class Thread;

    std::shared_ptr<Line> m_line;
};
