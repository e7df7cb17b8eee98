#include "IpcLogging.h"

Q_LOGGING_CATEGORY(lcIpc, "vh.ipc")
