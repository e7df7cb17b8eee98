#include "CupsSupportLogging.h"

Q_LOGGING_CATEGORY(lcCupsSupport, "vh.cupssupport")
