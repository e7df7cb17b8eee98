#pragma once

// The per-user INI file shared with the appliance's other programs:
// QSettings(IniFormat, UserScope, organization, application).
namespace SettingsFile {
inline constexpr const char organization[] = "Varnholt";
inline constexpr const char application[] = "Corvantis";
} // namespace SettingsFile
