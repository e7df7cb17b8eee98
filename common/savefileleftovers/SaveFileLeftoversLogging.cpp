#include "SaveFileLeftoversLogging.h"

Q_LOGGING_CATEGORY(lcSaveFile, "vh.savefile")
