#include "NetworkLogging.h"

Q_LOGGING_CATEGORY(lcNetwork, "vh.network")
