#pragma once

#include <QObject>

// Tab numbers of the settings window. The values are fixed: the command line,
// the local socket and the sidebar all pass them as plain numbers.
class VHSettingsTabNames : public QObject
{
    Q_OBJECT
public:
    enum TabNames {
        GENERAL = 0,
        DATE_TIME = 1,
        NETWORKING = 2,
        SYSTEM_UPDATES = 3,
        LANGUAGES = 4,
        USERS_PASSWORDS = 5,
        PRINTER = 6,
        PRINTER_ALIGNMENT = 7,
        PRINTER_PRESETS = 8,
        ABOUT = 9,
        PRINTER_ADVANCED = 10,
        TABNAME_MAX = 11
    };
    Q_ENUM(TabNames)

    VHSettingsTabNames() = delete;
};
