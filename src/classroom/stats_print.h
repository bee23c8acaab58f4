// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics on one page (A4 or Letter), with the player's name and the date.
#pragma once

#include <cstdint>

class QDate;
class QPrinter;
class QString;
class TStatsLog;

// Returns false when printing failed.
bool PrintStatistics(QPrinter& printer, const TStatsLog& log, const QString& name, const QDate& date,
                     std::uint32_t playedMs);
