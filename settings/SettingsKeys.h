#pragma once

// The names of the settings keys and of their groups in the settings file,
// as the catalogue, the settings core and the daemon calls spell them.
namespace SettingsKeys {
inline constexpr char language[] = "language";
inline constexpr char units[] = "units";
inline constexpr char keyboardLayout[] = "keyboardLayout";
inline constexpr char brightnessLevel[] = "brightnessLevel";
inline constexpr char dimmingInactive[] = "dimmingInactive";
inline constexpr char powerInactive[] = "powerInactive";
inline constexpr char sendAnalytics[] = "sendAnalytics";
inline constexpr char mountSharedFolder[] = "mountSharedFolder";
inline constexpr char twentyFourHour[] = "24Hour";
inline constexpr char timezone[] = "timezone";
inline constexpr char automaticDateTime[] = "automaticDateTime";
inline constexpr char dateFormat[] = "dateFormat";
inline constexpr char automaticUpdateCheck[] = "automaticUpdateCheck";
inline constexpr char lastUpdateCheck[] = "lastUpdateCheck";
inline constexpr char firstBootApplication[] = "firstBootApplication";
inline constexpr char firstBootDefaultPage[] = "firstBootDefaultPage";
inline constexpr char lockscreenAuto[] = "lockscreenAuto";
inline constexpr char zoomLevel[] = "zoomLevel";
inline constexpr char appListCollapsed[] = "appListCollapsed";
inline constexpr char doubleClickOpen[] = "doubleClickOpen";
inline constexpr char appFirstLaunchList[] = "appFirstLaunchList";
} // namespace SettingsKeys

namespace SettingsGroups {
inline constexpr char locale[] = "locale";
inline constexpr char display[] = "display";
inline constexpr char privacy[] = "privacy";
inline constexpr char dateTime[] = "dateTime";
inline constexpr char updates[] = "updates";
inline constexpr char initialization[] = "initialization";
inline constexpr char lockscreen[] = "lockscreen";
inline constexpr char home[] = "home";
} // namespace SettingsGroups
