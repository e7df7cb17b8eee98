#include "UtilitydLogging.h"

Q_LOGGING_CATEGORY(lcUtilityd, "vh.utilityd")
