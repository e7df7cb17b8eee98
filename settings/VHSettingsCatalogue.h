#pragma once

// The fixed catalogue of system-level settings keys: for every key its group
// in the settings file and a one-line description. Shared by the settings
// library and the executable's command line.
//
// Both tables are ordered by plain byte comparison of the key, which is the
// order the command line prints them in. Looking up a key that is not here
// with at() throws std::out_of_range; callers turn that into an orderly error.

#include "SettingsKeys.h"

#include <map>
#include <string>

namespace VHSettingsCatalogue {

struct Entry
{
    const char *key;
    const char *group; // empty: the key stands at the top of the file
    const char *description;
};

inline constexpr Entry entries[] = {
    {SettingsKeys::language, SettingsGroups::locale, "The language code combined with region (EX: en_us)."},
    {SettingsKeys::units, SettingsGroups::locale, "0 for Imperial, 1 for metric."},
    {SettingsKeys::keyboardLayout, SettingsGroups::locale, "The language code (EX: en)."},
    {SettingsKeys::brightnessLevel, SettingsGroups::display, "The brightness level of the display (1 to 9)."},
    {SettingsKeys::dimmingInactive, SettingsGroups::display,
     "When to dim the display after a period of inactivity (ENUM of ComboBox index)."},
    {SettingsKeys::powerInactive, SettingsGroups::display,
     "When to turn the display backlight off after inactivity (ENUM of ComboBox index)."},
    {SettingsKeys::sendAnalytics, "", "Whether or not to enable analytics (true or false)."},
    {SettingsKeys::mountSharedFolder, "", "Option to enable shared folder via USB."},
    {SettingsKeys::twentyFourHour, SettingsGroups::dateTime,
     "True to enable 24hour clock, false to leave as AM/PM"},
    {SettingsKeys::timezone, SettingsGroups::dateTime, "The timezone selection string"},
    {SettingsKeys::automaticDateTime, SettingsGroups::dateTime,
     "True to always sync date and time via internet, false to manually set."},
    {SettingsKeys::dateFormat, SettingsGroups::dateTime,
     "The string the represents what format the date will be in"},
    {SettingsKeys::automaticUpdateCheck, SettingsGroups::updates,
     "True to always check for updates, false to never check."},
    {SettingsKeys::lastUpdateCheck, SettingsGroups::updates,
     "Timestamp of last successful check for updates"},
    {SettingsKeys::firstBootApplication, SettingsGroups::initialization,
     "Whether or not to display the first boot application after restart."},
    {SettingsKeys::firstBootDefaultPage, SettingsGroups::initialization,
     "The page/step we want our first boot application to start in."},
    {SettingsKeys::lockscreenAuto, SettingsGroups::lockscreen,
     "Option for auto showing the lockscreen after a restart."},
    {SettingsKeys::zoomLevel, SettingsGroups::home,
     "Option for determining how big file previews and icons are on VHHome's file browser."},
    {SettingsKeys::appListCollapsed, SettingsGroups::home,
     "Option collapsing the application list view on VHHome."},
    {SettingsKeys::doubleClickOpen, SettingsGroups::home,
     "Option to re-enable double click to open on VHHome."},
    {SettingsKeys::appFirstLaunchList, SettingsGroups::home,
     "Option to get a list of applications that have been launched by the user."},
};

namespace detail {
template<typename Field>
std::map<std::string, std::string> tableOf(Field field)
{
    std::map<std::string, std::string> table;
    for (const Entry &entry : entries)
        table.emplace(entry.key, entry.*field);
    return table;
}
} // namespace detail

inline const std::map<std::string, std::string> keyDescriptions = detail::tableOf(&Entry::description);
inline const std::map<std::string, std::string> keyGroups = detail::tableOf(&Entry::group);

} // namespace VHSettingsCatalogue
