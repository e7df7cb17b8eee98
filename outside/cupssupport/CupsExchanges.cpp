#include "CupsExchanges.h"

#include "CupsSupportLogging.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;

// After the first failure in a row 1 s, after the second 2 s, then every 4 s:
// a scheduler that comes back is found soon, one that stays away costs little.
std::chrono::milliseconds retryDelay(int failures)
{
    return std::chrono::milliseconds(1000 << std::min(failures - 1, 2));
}

QByteArray described(const CupsQueue::Changes &changes)
{
    QByteArrayList pairs;
    for (const auto &change : changes)
        pairs.append(change.first + '=' + change.second.toUtf8());
    return pairs.join(' ');
}

} // namespace

struct CupsExchanges::Line
{
    Line(const QByteArray &queueName, Reports lineReports)
        : queue(queueName)
        , reports(std::move(lineReports))
    {
    }

    const QByteArray queue;
    const Reports reports;
    // The rest is guarded by the thread's mutex.
    bool closed = false;
    CupsQueue::Changes waiting; // merged, not yet started
    CupsQueue::Changes writing; // the write under way
    bool writeQueued = false;
    int writeFailures = 0;
    int readFailures = 0;
};

class CupsExchanges::Thread
{
public:
    enum Kind {
        Read,
        ReadAndWait,
        Write
    };

    struct Request
    {
        std::shared_ptr<Line> line;
        Kind kind;
        Clock::time_point due;
        std::shared_ptr<std::promise<CupsQueue::Defaults>> answer; // ReadAndWait only
    };

    // Never destroyed: the thread may still be in an exchange when main() ends.
    static Thread &instance()
    {
        static Thread *const thread = new Thread;
        return *thread;
    }

    // The caller holds `mutex`.
    void add(Request request)
    {
        requests.push_back(std::move(request));
        wake.notify_one();
    }

    void drop(const Line *line)
    {
        requests.erase(std::remove_if(requests.begin(), requests.end(),
                                      [line](const Request &request) { return request.line.get() == line; }),
                       requests.end());
    }

    // Lets the thread start background exchanges again, or not.
    // The caller holds `mutex`.
    void setHeld(bool hold)
    {
        held = hold;
        wake.notify_one();
    }

    std::mutex mutex;
    std::condition_variable settled; // an exchange has ended

private:
    Thread()
    {
        std::thread([this] { run(); }).detach();
    }

    void run()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            const auto next = waitForDue(lock);
            Request request = std::move(*next);
            requests.erase(next);
            exchange(request, lock);
            settled.notify_all();
        }
    }

    // The first request that is due; requests waiting to be tried again do
    // not hold up those behind them.
    std::deque<Request>::iterator waitForDue(std::unique_lock<std::mutex> &lock)
    {
        for (;;) {
            if (held && std::none_of(requests.begin(), requests.end(), [](const Request &request) {
                    return request.kind == ReadAndWait;
                })) {
                wake.wait(lock);
                continue;
            }
            held = false;
            const Clock::time_point now = Clock::now();
            Clock::time_point earliest = Clock::time_point::max();
            for (auto request = requests.begin(); request != requests.end(); ++request) {
                if (request->due <= now)
                    return request;
                earliest = std::min(earliest, request->due);
            }
            if (earliest == Clock::time_point::max())
                wake.wait(lock);
            else
                wake.wait_until(lock, earliest);
        }
    }

    void exchange(Request &request, std::unique_lock<std::mutex> &lock)
    {
        Line &line = *request.line;
        if (request.kind == ReadAndWait) {
            lock.unlock();
            request.answer->set_value(CupsQueue::read(line.queue));
            lock.lock();
        } else if (request.kind == Read) {
            lock.unlock();
            const CupsQueue::Defaults defaults = CupsQueue::read(line.queue);
            lock.lock();
            if (line.closed)
                return;
            if (defaults.available) {
                line.readFailures = 0;
                line.reports.read(defaults);
                return;
            }
            const std::chrono::milliseconds delay = retryDelay(++line.readFailures);
            qCWarning(lcCupsSupport) << "reading queue" << line.queue << "again in" << delay.count() << "ms";
            add({request.line, Read, Clock::now() + delay, {}});
        } else {
            write(request, lock);
        }
    }

    void write(Request &request, std::unique_lock<std::mutex> &lock)
    {
        Line &line = *request.line;
        line.writeQueued = false;
        line.writing = std::exchange(line.waiting, {});
        const CupsQueue::Changes changes = line.writing;
        CupsQueue::Options stored;
        lock.unlock();
        const bool written = CupsQueue::write(line.queue, changes, stored);
        lock.lock();
        line.writing.clear();
        if (line.closed)
            return;
        if (written) {
            if (line.writeFailures > 0)
                qCInfo(lcCupsSupport) << "options" << described(changes) << "stored for queue" << line.queue;
            line.writeFailures = 0;
            line.reports.written(changes, stored);
            return;
        }
        // Kept under what was set since, so the last value still wins.
        CupsQueue::Changes kept = changes;
        merge(kept, line.waiting);
        line.waiting = kept;
        const std::chrono::milliseconds delay = retryDelay(++line.writeFailures);
        qCWarning(lcCupsSupport) << "options" << described(changes) << "kept for queue" << line.queue
                                 << "; trying again in" << delay.count() << "ms";
        if (!line.writeQueued) {
            line.writeQueued = true;
            add({request.line, Write, Clock::now() + delay, {}});
        }
    }

    std::condition_variable wake;
    std::deque<Request> requests;
    bool held = false;
};

CupsExchanges::CupsExchanges(const QByteArray &queue, Reports reports)
    : m_line(std::make_shared<Line>(queue, std::move(reports)))
{
}

CupsExchanges::~CupsExchanges()
{
    Thread &thread = Thread::instance();
    const std::lock_guard<std::mutex> lock(thread.mutex);
    m_line->closed = true;
    thread.drop(m_line.get());
}

CupsQueue::Defaults CupsExchanges::readAndWait()
{
    auto answer = std::make_shared<std::promise<CupsQueue::Defaults>>();
    std::future<CupsQueue::Defaults> defaults = answer->get_future();
    {
        Thread &thread = Thread::instance();
        const std::lock_guard<std::mutex> lock(thread.mutex);
        thread.add({m_line, Thread::ReadAndWait, Clock::now(), answer});
    }
    return defaults.get();
}

void CupsExchanges::holdBackground()
{
    Thread &thread = Thread::instance();
    const std::lock_guard<std::mutex> lock(thread.mutex);
    thread.setHeld(true);
}

void CupsExchanges::releaseBackground()
{
    Thread &thread = Thread::instance();
    const std::lock_guard<std::mutex> lock(thread.mutex);
    thread.setHeld(false);
}

void CupsExchanges::readInBackground()
{
    Thread &thread = Thread::instance();
    const std::lock_guard<std::mutex> lock(thread.mutex);
    thread.add({m_line, Thread::Read, Clock::now(), {}});
}

void CupsExchanges::write(const CupsQueue::Changes &changes)
{
    Thread &thread = Thread::instance();
    const std::lock_guard<std::mutex> lock(thread.mutex);
    merge(m_line->waiting, changes);
    if (!m_line->writeQueued) {
        m_line->writeQueued = true;
        thread.add({m_line, Thread::Write, Clock::now(), {}});
    }
}

CupsQueue::Changes CupsExchanges::finishWrites(std::chrono::milliseconds timeout)
{
    Thread &thread = Thread::instance();
    std::unique_lock<std::mutex> lock(thread.mutex);
    Line &line = *m_line;
    thread.settled.wait_for(lock, timeout,
                            [&line] { return line.waiting.isEmpty() && line.writing.isEmpty(); });
    CupsQueue::Changes unwritten = line.writing;
    merge(unwritten, line.waiting);
    line.closed = true;
    thread.drop(&line);
    return unwritten;
}

void CupsExchanges::merge(CupsQueue::Changes &changes, const CupsQueue::Changes &newer)
{
    for (const auto &change : newer) {
        changes.erase(std::remove_if(changes.begin(), changes.end(),
                                     [&change](const auto &old) { return old.first == change.first; }),
                      changes.end());
        changes.append(change);
    }
}
