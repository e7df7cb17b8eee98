#include "UpdaterLogging.h"

Q_LOGGING_CATEGORY(lcUpdater, "vh.updater")
