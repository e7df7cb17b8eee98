#include "ComponentsLogging.h"

Q_LOGGING_CATEGORY(lcComponents, "vh.components")
Q_LOGGING_CATEGORY(lcDeviceModel, "vh.components.model")
Q_LOGGING_CATEGORY(lcLauncher, "vh.components.launcher")
Q_LOGGING_CATEGORY(lcTimezone, "vh.components.timezone")
