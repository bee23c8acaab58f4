// SPDX-License-Identifier: GPL-3.0-or-later
// The log of what the platform did not give the game and what it did
// instead: a missing file of finer pictures, a sound module that does not
// load or has no sound to play, a print that did not come out. Off with
// QT_LOGGING_RULES="vorlen.platform=false".
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
