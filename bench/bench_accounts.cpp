// Times the account operations of the Users page: the work itself
// (AccountStore: read, yescrypt, write), which the window's thread once did
// inside the call, and what the window's thread sees of it now through
// VHUsersConfigHelper: how long the call holds it, and the longest time
// its event loop could not turn until the result came (beside the same
// for an idle loop, the machine's own share). Prints the medians of RUNS
// runs in milliseconds.
#include "AccountStore.h"
#include "VHUsersConfigHelper.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double timed(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

struct LoopTimes
{
    double call;
    double longestGap;
};

// Calls `start`, then turns the event loop until `done` holds, noting the
// longest wait between two turns.
LoopTimes throughLoop(const std::function<void()> &start, const std::function<bool()> &done)
{
    QElapsedTimer sinceTurn;
    double longestGap = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTurn.nsecsElapsed() / 1e6);
        sinceTurn.restart();
    });
    ticker.start();
    sinceTurn.start();
    const double call = timed(start);
    longestGap = std::max(longestGap, sinceTurn.nsecsElapsed() / 1e6);
    sinceTurn.restart();
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return {call, longestGap};
}

template<typename Signal>
LoopTimes throughHelper(VHUsersConfigHelper &helper, Signal finished, const std::function<void()> &start)
{
    QSignalSpy spy(&helper, finished);
    return throughLoop(start, [&] { return !spy.isEmpty(); });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("accounts"));
    const QString password1 = QStringLiteral("first secret");
    const QString password2 = QStringLiteral("second secret");

    std::map<std::string, std::vector<double>> times;
    AccountStore store(file);
    for (int i = 0; i < runs; ++i) {
        const QString name = QStringLiteral("user%1").arg(i);
        times["work: addUser"].push_back(timed([&] { store.addUser(name, password1, password1); }));
        times["work: changePassword"].push_back(
            timed([&] { store.changePassword(name, password1, password2, password2); }));
        times["work: deleteUser"].push_back(timed([&] { store.deleteUser(name); }));
    }

    VHUsersConfigHelper helper(file, QDBusConnection(QStringLiteral("none")));
    while (helper.busy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    for (int i = 0; i < runs; ++i) {
        const QString name = QStringLiteral("user%1").arg(i);
        const LoopTimes add = throughHelper(helper, &VHUsersConfigHelper::addUserFinished,
                                            [&] { helper.addUser(name, password1, password1); });
        const LoopTimes change = throughHelper(helper, &VHUsersConfigHelper::changePasswordFinished, [&] {
            helper.changePassword(name, password1, password2, password2);
        });
        times["window: addUser call"].push_back(add.call);
        times["window: addUser longest loop gap"].push_back(add.longestGap);
        times["window: changePassword call"].push_back(change.call);
        times["window: changePassword longest loop gap"].push_back(change.longestGap);
        throughHelper(helper, &VHUsersConfigHelper::deleteUserFinished, [&] { helper.deleteUser(name); });
        // The same loop with nothing to do for as long: what the machine
        // itself costs.
        bool waited = false;
        const LoopTimes idle
            = throughLoop([&] { QTimer::singleShot(300, [&] { waited = true; }); }, [&] { return waited; });
        times["window: idle 300 ms, longest loop gap"].push_back(idle.longestGap);
    }

    for (const auto &[name, values] : times)
        std::printf("%-42s %8.2f ms\n", name.c_str(), median(values));
    return 0;
}
