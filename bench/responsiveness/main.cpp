// Measures how long the settings window keeps a touch waiting while a
// service it uses is frozen (SIGSTOP, then SIGCONT), and whether the change
// made meanwhile still reaches the service. The real executable runs
// offscreen with the real services on a private bus and a private cupsd; a
// preloaded probe (bench/probe) measures the GUI thread's stalls and drives
// the controls by touch. Prints a Markdown table; run by bench/responsiveness.sh.
#include "Actions.h"
#include "Measurement.h"
#include "ResultTable.h"
#include "Scene.h"
#include "StopSignals.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

QTextStream &log()
{
    static QTextStream err(stderr);
    err.setCodec("UTF-8");
    return err;
}

void logRun(const QString &action, Service frozen, int run, const Outcome &outcome, int giveUpMs)
{
    log() << action << " | "
          << (frozen == Service::None ? QStringLiteral("nothing frozen") : describe(frozen)) << " | run "
          << run << ": " << ResultTable::figure(outcome, giveUpMs);
    if (outcome.landed)
        log() << (*outcome.landed ? ", landed" : ", did not land");
    if (!outcome.problem.isEmpty())
        log() << " (" << outcome.problem << ")";
    log() << Qt::endl;
}

bool wanted(const QStringList &only, const QString &name)
{
    return only.isEmpty() || only.contains(name)
           || (name.startsWith(QLatin1String("start")) && only.contains(QLatin1String("start")));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The window's longest stall per action with a service frozen."));
    parser.addHelpOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs of each measurement."),
                                        QStringLiteral("N"), QStringLiteral("3"));
    const QCommandLineOption onlyOption(QStringLiteral("only"),
                                        QStringLiteral("Only these actions (comma-separated; see --list)."),
                                        QStringLiteral("ACTIONS"));
    const QCommandLineOption giveUpOption(QStringLiteral("give-up"),
                                          QStringLiteral("Seconds after which a stuck action is given up."),
                                          QStringLiteral("S"), QStringLiteral("35"));
    const QCommandLineOption holdOption(QStringLiteral("hold"),
                                        QStringLiteral("Seconds a service stays frozen after the action."),
                                        QStringLiteral("S"), QStringLiteral("5"));
    const QCommandLineOption listOption(QStringLiteral("list"), QStringLiteral("List the actions."));
    parser.addOptions({runsOption, onlyOption, giveUpOption, holdOption, listOption});
    parser.process(app);

    const QList<TouchAction> actions = touchActions();
    const QList<StartCase> starts = startCases();
    if (parser.isSet(listOption)) {
        QTextStream out(stdout);
        out.setCodec("UTF-8");
        for (const TouchAction &action : actions)
            out << action.name << "\t" << action.label << ", " << describe(action.frozen) << " frozen\n";
        for (const StartCase &start : starts)
            out << start.name << "\tstart the window, " << describe(start.frozen) << " frozen\n";
        out << "start\tall of the start cases\n";
        return 0;
    }
    const int runs = qMax(1, parser.value(runsOption).toInt());
    const QStringList only = parser.value(onlyOption).split(QLatin1Char(','), Qt::SkipEmptyParts);
    Bounds bounds;
    bounds.giveUpMs = parser.value(giveUpOption).toInt() * 1000;
    bounds.holdMs = parser.value(holdOption).toInt() * 1000;

    StopSignals::install();
    try {
        Scene scene;
        if (!scene.isValid())
            throw SetupFailed{scene.errorString()};
        ResultTable table;
        for (const TouchAction &action : actions) {
            if (!wanted(only, action.name))
                continue;
            for (int run = 1; run <= runs; ++run) {
                const Outcome normal = measureTouch(scene, action, false, bounds);
                logRun(action.label, Service::None, run, normal, bounds.giveUpMs);
                const Outcome frozen = measureTouch(scene, action, true, bounds);
                logRun(action.label, action.frozen, run, frozen, bounds.giveUpMs);
                table.add(action.label, action.frozen, bounds.giveUpMs, frozen, normal);
            }
        }
        QList<StartCase> chosen;
        for (const StartCase &start : starts) {
            if (wanted(only, start.name))
                chosen.append(start);
        }
        const QString untilGeneral = QStringLiteral("start the window, until General shows");
        const QString afterFrame
            = QStringLiteral("the %1 s after the first frame").arg(bounds.afterFirstFrameMs / 1000);
        for (int run = 1; run <= runs && !chosen.isEmpty(); ++run) {
            const StartOutcome normal = measureStart(scene, Service::None, bounds);
            logRun(untilGeneral, Service::None, run, normal.untilGeneral, bounds.startGiveUpMs);
            logRun(afterFrame, Service::None, run, normal.afterFirstFrame, bounds.startGiveUpMs);
            for (const StartCase &start : qAsConst(chosen)) {
                const StartOutcome frozen = measureStart(scene, start.frozen, bounds);
                logRun(untilGeneral, start.frozen, run, frozen.untilGeneral, bounds.startGiveUpMs);
                logRun(afterFrame, start.frozen, run, frozen.afterFirstFrame, bounds.startGiveUpMs);
                table.add(untilGeneral, start.frozen, bounds.startGiveUpMs, frozen.untilGeneral,
                          normal.untilGeneral);
                table.add(afterFrame, start.frozen, bounds.startGiveUpMs, frozen.afterFirstFrame,
                          normal.afterFirstFrame);
            }
        }
        QTextStream out(stdout);
        out.setCodec("UTF-8");
        out << "median of " << runs << " runs; a start row's figure is the time until General shows\n\n";
        table.print(out);
    } catch (const StopSignals::Interrupted &) {
        log() << "interrupted; every process of the run is stopped" << Qt::endl;
        return 130;
    } catch (const SetupFailed &failure) {
        log() << "cannot measure: " << failure.why << Qt::endl;
        return 1;
    }
    return 0;
}
