#pragma once

#include "Services.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class Scene;
class WindowRun;

// What a finger does while a service is frozen, and how to tell afterwards
// that the change reached the service.
struct Plan
{
    QStringList steps;            // probe requests, in order
    std::function<bool()> landed; // empty: the action changes nothing
};

struct TouchAction
{
    QString name;  // for --only
    QString label; // for the table
    Service frozen;
    int tab; // opened before the service is frozen; -1: the start page
    // Looks at the window (with every service running) and decides the steps.
    std::function<Plan(WindowRun &, Services &, Scene &)> plan;
};

// The actions of the table, in its order.
QList<TouchAction> touchActions();

// Starting the window with one service frozen.
struct StartCase
{
    QString name;
    Service frozen;
};

QList<StartCase> startCases();
