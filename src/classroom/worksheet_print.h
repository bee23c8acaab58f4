// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet: pages of tasks for a class, each with its number and room to
// write the line of machines, and the answer key "Facitliste" for the
// teacher: on the sheet's last pages, as a print of its own, or not at all.
#pragma once

#include "model/task_number.h"

#include <QString>

#include <vector>

class QDate;
class QPrinter;

// Tasks on one page of the worksheet.
inline constexpr int WorksheetTasksPerPage = 6;

// Where the answer key goes.
enum TAnswerKeyPlace { akLastPage, akSeparate, akNone };

// "Vorlen – opgaveark, Middelsvær" for tasks of one difficulty, else
// "Vorlen – opgaveark".
QString SheetTitle(const std::vector<TTaskNumber>& tasks);

// Prints `copies` sheets on `printer` (A4 or Letter, see SetPage), with the
// answer key once at the end for akLastPage only; the printer's own copy
// count is left to the caller (1, or the key would come again with every
// copy). `title` heads the pages; empty: SheetTitle. Returns false when
// printing failed.
bool PrintWorksheet(QPrinter& printer, const std::vector<TTaskNumber>& tasks, const QDate& date,
                    TAnswerKeyPlace key = akLastPage, int copies = 1, const QString& title = {});
// The answer key alone, as a document of its own.
bool PrintAnswerKey(QPrinter& printer, const std::vector<TTaskNumber>& tasks, const QDate& date,
                    const QString& title = {});
