// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet: pages of tasks for a class, each with its number and room to
// write the line of machines, and a last page "Facitliste" for the teacher.
#pragma once

#include "model/task_number.h"

#include <vector>

class QDate;
class QPrinter;

// Tasks on one page of the worksheet.
inline constexpr int WorksheetTasksPerPage = 6;

// Prints the sheet on `printer` (A4 or Letter, see SetPage). Returns false when printing
// failed.
bool PrintWorksheet(QPrinter& printer, const std::vector<TTaskNumber>& tasks, const QDate& date);
