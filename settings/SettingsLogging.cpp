#include "SettingsLogging.h"

Q_LOGGING_CATEGORY(lcSettings, "vh.settings")
Q_LOGGING_CATEGORY(lcPrinter, "vh.settings.printer")
