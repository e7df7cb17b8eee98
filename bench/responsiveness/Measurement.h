#pragma once

#include "Actions.h"

#include <QString>

#include <optional>

class Scene;

// How long each phase of a measurement may last.
struct Bounds
{
    // An action is given up when the window is still stuck this long after
    // the service was frozen.
    int giveUpMs = 35000;
    // The service stays frozen at least this long after the action.
    int holdMs = 5000;
    // A window that has not shown General this long after its start is given up.
    int startGiveUpMs = 60000;
    // Stalls are watched this long after the first frame.
    int afterFirstFrameMs = 5000;
    // Once the service runs again the change may take this long to arrive.
    int landMs = 10000;
};

struct Outcome
{
    std::optional<double> ms;   // none: given up, or nothing to measure
    bool givenUp = false;       // the window was still stuck at the bound
    std::optional<bool> landed; // none: the action changes nothing
    QString problem;            // why a step failed or nothing was measured
};

// The setup failed, not the window: the benchmark cannot go on.
struct SetupFailed
{
    QString why;
};

// The longest stall of the window while the action is done, with the
// action's service frozen or, with `freeze` false, nothing frozen.
Outcome measureTouch(Scene &scene, const TouchAction &action, bool freeze, const Bounds &bounds);

struct StartOutcome
{
    Outcome untilGeneral;    // from the start until General shows
    Outcome afterFirstFrame; // the longest stall in the time after the first frame
};

StartOutcome measureStart(Scene &scene, Service frozen, const Bounds &bounds);
