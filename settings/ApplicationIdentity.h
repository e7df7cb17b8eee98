#pragma once

#include <QString>

// The program's name and version: set on the application object at entry
// and reported on the About page.
namespace ApplicationIdentity {
inline const QString name = QStringLiteral("VHSettings");
inline const QString version = QStringLiteral("3.0.5.5");
} // namespace ApplicationIdentity
