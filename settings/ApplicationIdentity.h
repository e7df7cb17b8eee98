#pragma once

#include "VHSettingsVersion.h"

#include <QString>

// The program's name and version: set on the application object at entry
// and reported on the About page.
namespace ApplicationIdentity {
inline const QString name = QStringLiteral("VHSettings");
inline const QString version = QStringLiteral(VHSETTINGS_VERSION);
} // namespace ApplicationIdentity
