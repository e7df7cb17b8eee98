#pragma once

// The fixed catalogue of system-level settings keys: for every key its group
// in the settings file and a one-line description. Shared by the settings
// library and the executable's command line.
//
// Both tables are ordered by plain byte comparison of the key, which is the
// order the command line prints them in. Looking up a key that is not here
// with at() throws std::out_of_range; callers turn that into an orderly error.

#include <map>
#include <string>

namespace VHSettingsCatalogue {

inline const std::map<std::string, std::string> keyDescriptions = {
    {"language", "The language code combined with region (EX: en_us)."},
    {"units", "0 for Imperial, 1 for metric."},
    {"keyboardLayout", "The language code (EX: en)."},
    {"brightnessLevel", "The brightness level of the display (1 to 9)."},
    {"dimmingInactive", "When to dim the display after a period of inactivity (ENUM of ComboBox index)."},
    {"powerInactive", "When to turn the display backlight off after inactivity (ENUM of ComboBox index)."},
    {"sendAnalytics", "Whether or not to enable analytics (true or false)."},
    {"mountSharedFolder", "Option to enable shared folder via USB."},
    {"24Hour", "True to enable 24hour clock, false to leave as AM/PM"},
    {"timezone", "The timezone selection string"},
    {"automaticDateTime", "True to always sync date and time via internet, false to manually set."},
    {"dateFormat", "The string the represents what format the date will be in"},
    {"automaticUpdateCheck", "True to always check for updates, false to never check."},
    {"lastUpdateCheck", "Timestamp of last successful check for updates"},
    {"firstBootApplication", "Whether or not to display the first boot application after restart."},
    {"firstBootDefaultPage", "The page/step we want our first boot application to start in."},
    {"lockscreenAuto", "Option for auto showing the lockscreen after a restart."},
    {"zoomLevel", "Option for determining how big file previews and icons are on VHHome's file browser."},
    {"appListCollapsed", "Option collapsing the application list view on VHHome."},
    {"doubleClickOpen", "Option to re-enable double click to open on VHHome."},
    {"appFirstLaunchList", "Option to get a list of applications that have been launched by the user."},
};

inline const std::map<std::string, std::string> keyGroups = {
    {"language", "locale"},
    {"units", "locale"},
    {"keyboardLayout", "locale"},
    {"brightnessLevel", "display"},
    {"dimmingInactive", "display"},
    {"powerInactive", "display"},
    {"sendAnalytics", ""},
    {"mountSharedFolder", ""},
    {"24Hour", "dateTime"},
    {"timezone", "dateTime"},
    {"automaticDateTime", "dateTime"},
    {"dateFormat", "dateTime"},
    {"automaticUpdateCheck", "updates"},
    {"lastUpdateCheck", "updates"},
    {"firstBootApplication", "initialization"},
    {"firstBootDefaultPage", "initialization"},
    {"lockscreenAuto", "lockscreen"},
    {"zoomLevel", "home"},
    {"appListCollapsed", "home"},
    {"doubleClickOpen", "home"},
    {"appFirstLaunchList", "home"},
};

} // namespace VHSettingsCatalogue
