#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcComponents)
Q_DECLARE_LOGGING_CATEGORY(lcDeviceModel)
Q_DECLARE_LOGGING_CATEGORY(lcLauncher)
Q_DECLARE_LOGGING_CATEGORY(lcTimezone)
