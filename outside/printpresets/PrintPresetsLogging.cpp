#include "PrintPresetsLogging.h"

Q_LOGGING_CATEGORY(lcPresets, "vh.printpresets")
