#include "UsersConfigLogging.h"

Q_LOGGING_CATEGORY(lcUsersConfig, "vh.usersconfig")
