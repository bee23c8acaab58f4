// SPDX-License-Identifier: GPL-3.0-or-later
// The task on a page of its own, as a teacher hands it out: its number large,
// lines for the name and the date, the plate large in the middle of the page
// and lines to write the machines on.
#pragma once

#include <QString>

class QPrinter;
class TOpgave;

// "Vorlen – opgave S-77": the print job's name.
QString TaskJobName(const QString& taskName);

// Prints one page on `printer` (A4 or Letter, see SetPage); `playerName`,
// when given, stands on the name line. False when printing failed.
bool PrintTaskPage(QPrinter& printer, const TOpgave& task, const QString& taskName, const QString& playerName);
