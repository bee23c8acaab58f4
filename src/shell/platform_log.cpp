// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/platform_log.h"

Q_LOGGING_CATEGORY(lcPlatform, "vorlen.platform", QtInfoMsg)
