#include "untPlatformLog.h"

Q_LOGGING_CATEGORY(lcPlatform, "velmar.platform")
