#include "Measurement.h"

#include "FakeTool.h"
#include "Freeze.h"
#include "Scene.h"
#include "StopSignals.h"
#include "WindowRun.h"

namespace {

constexpr int kReadyMs = 30000;
constexpr int kTabMs = 15000;
// The tab's fade-in and its first reads of the services.
constexpr int kSettleMs = 1000;
// Longer than this, a wait of the GUI thread is a stall.
constexpr double kStallMs = 50;
// Still this stuck when the action is given up: the window never came back in time.
constexpr double kStuckMs = 1000;

QString windowProblem(WindowRun &window, const QString &what)
{
    return what + QStringLiteral("; the window printed:\n")
           + QString::fromLocal8Bit(window.output().right(4000));
}

void openTab(WindowRun &window, int tab)
{
    if (window.ask(QStringLiteral("tap sideBarButton_%1").arg(tab), kTabMs) != QLatin1String("ok"))
        throw SetupFailed{windowProblem(window, QStringLiteral("cannot open tab %1").arg(tab))};
    const bool shown = StopSignals::waitUntil(
        [&] { return window.ask(QStringLiteral("get window shownTab")) == QString::number(tab); },
        QDeadlineTimer(kTabMs));
    if (!shown)
        throw SetupFailed{windowProblem(window, QStringLiteral("tab %1 did not show").arg(tab))};
    StopSignals::pause(kSettleMs);
}

// Sends steps from `next` on, each once the one before is over. Returns the
// id of a step whose answer had not come by the deadline.
std::optional<int> runSteps(WindowRun &window, const QStringList &steps, int &next, QDeadlineTimer deadline,
                            QString &problem)
{
    for (; next < steps.size() && problem.isEmpty(); ++next) {
        const int id = window.send(steps.at(next));
        const std::optional<QString> answer = window.answer(id, deadline);
        if (!answer) {
            ++next;
            return id;
        }
        if (answer->startsWith(QLatin1String("error")))
            problem = steps.at(next) + QStringLiteral(": ") + *answer;
    }
    return std::nullopt;
}

double longest(const WindowRun::Stall &stall)
{
    return qMax(stall.longest, stall.ongoing);
}

} // namespace

Outcome measureTouch(Scene &scene, const TouchAction &action, bool freeze, const Bounds &bounds)
{
    Services services(scene);
    if (!services.isValid())
        throw SetupFailed{services.errorString()};
    const std::unique_ptr<FakeTools> slow = freeze ? slowTool(scene, action.frozen) : nullptr;
    WindowRun window(scene.folder());
    if (!window.waitUntilReady(kReadyMs))
        throw SetupFailed{windowProblem(window, QStringLiteral("the window did not get ready"))};
    if (action.tab >= 0)
        openTab(window, action.tab);
    const Plan plan = action.plan(window, services, scene);

    Outcome outcome;
    window.ask(QStringLiteral("stall-reset"));
    Freeze frozen(services, freeze ? action.frozen : Service::None);
    const QDeadlineTimer giveUp(bounds.giveUpMs);
    int next = 0;
    std::optional<int> pending = runSteps(window, plan.steps, next, giveUp, outcome.problem);
    bool stuck = pending.has_value();
    if (!stuck) {
        // Frozen a while longer, and for as long as the window waits, within the bound.
        const QDeadlineTimer hold(bounds.holdMs);
        StopSignals::waitUntil(
            [&] {
                StopSignals::pause(20);
                const std::optional<WindowRun::Stall> stall = window.stall();
                return hold.hasExpired() && stall && stall->ongoing < kStallMs;
            },
            giveUp);
        const std::optional<WindowRun::Stall> stall = window.stall();
        stuck = !stall || stall->ongoing >= kStuckMs;
    }
    frozen.thaw();

    // The user goes on once the window answers again.
    const QDeadlineTimer carryOn(bounds.giveUpMs);
    if (pending && !window.answer(*pending, carryOn))
        outcome.problem = QStringLiteral("the window never came back");
    else if (outcome.problem.isEmpty())
        runSteps(window, plan.steps, next, carryOn, outcome.problem);
    if (plan.landed) {
        outcome.landed = StopSignals::waitUntil(
            [&] {
                if (plan.landed())
                    return true;
                StopSignals::pause(50);
                return false;
            },
            QDeadlineTimer(bounds.landMs));
    }
    const std::optional<WindowRun::Stall> stall = window.stall();
    if (stuck || !stall)
        outcome.givenUp = true;
    else
        outcome.ms = longest(*stall);
    return outcome;
}

StartOutcome measureStart(Scene &scene, Service frozen, const Bounds &bounds)
{
    Services services(scene);
    if (!services.isValid())
        throw SetupFailed{services.errorString()};
    const std::unique_ptr<FakeTools> slow = slowTool(scene, frozen);
    Freeze freeze(services, frozen);
    WindowRun window(scene.folder());
    StartOutcome outcome;
    const bool shown = StopSignals::waitUntil([&] { return window.printed("first frame"); },
                                              QDeadlineTimer(bounds.startGiveUpMs));
    if (!shown) {
        outcome.untilGeneral.givenUp = true;
        outcome.afterFirstFrame.problem = QStringLiteral("no first frame");
        return outcome;
    }
    const QDeadlineTimer afterFrame(bounds.afterFirstFrameMs);
    window.ask(QStringLiteral("stall-reset"));
    // The page is built after the first frame, once the printer model is known.
    const bool general = StopSignals::waitUntil(
        [&] { return window.ask(QStringLiteral("get pageGeneral display")) == QLatin1String("true"); },
        QDeadlineTimer(bounds.startGiveUpMs));
    if (general)
        outcome.untilGeneral.ms = window.startedMs();
    else
        outcome.untilGeneral.givenUp = true;
    StopSignals::pause(int(qMax<qint64>(afterFrame.remainingTime(), 0)));
    if (const std::optional<WindowRun::Stall> stall = window.stall())
        outcome.afterFirstFrame.ms = longest(*stall);
    return outcome;
}
