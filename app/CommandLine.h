#pragma once

#include <QCommandLineParser>
#include <QStringList>

class VHSettingsMain;

// The program's options, the choice between window and command-line mode,
// and the command-line mode itself (list, get and set keys of the settings
// file without a window).
class CommandLine
{
public:
    explicit CommandLine(const QStringList &arguments);

    // True when the arguments ask for the settings window.
    bool wantsGui() const;
    // The tab the window should open on; 0 when none or not a number.
    uint startTab() const;

    // Runs the command-line mode and returns the process's exit status.
    int runConsole(int &argc, char **argv);

private:
    int runCommands(VHSettingsMain &settings) const;
    int list() const;
    int get(VHSettingsMain &settings) const;
    int set(VHSettingsMain &settings) const;

    QStringList m_arguments;
    QCommandLineParser m_parser;
};
