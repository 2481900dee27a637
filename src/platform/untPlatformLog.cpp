// SPDX-License-Identifier: GPL-3.0-or-later
#include "untPlatformLog.h"

Q_LOGGING_CATEGORY(lcPlatform, "velmar.platform")
