#include "AnalyticsLogging.h"

Q_LOGGING_CATEGORY(lcAnalytics, "vh.analytics")
