// SPDX-License-Identifier: GPL-3.0-or-later
// Worksheets: which tasks go on a sheet, and the answer key in the words of
// the machines' settings.
#pragma once

#include "model/opgave.h"
#include "model/task_number.h"

#include <QStringList>

#include <vector>

// One machine in words, named as the palette names it: "Drejemaskine: 90º",
// "Hullemaskine: 2 runde huller", "Stregemaskine: Tyk". An empty or unknown
// record gives an empty text.
QString MachineWords(const TMachineRec& rec);

// One shortest line of machines that makes the task of `number`, in words
// (other lines of the same length or longer make the same plate too).
QStringList AnswerLine(const TTaskNumber& number);

// `count` tasks of `difficulty` for one sheet, numbered from `firstSeed` on.
// Tasks whose plate is already on the sheet are passed over while the
// difficulty has other plates to offer (easy tasks have only ten).
std::vector<TTaskNumber> WorksheetTasks(int difficulty, int count, std::uint32_t firstSeed);
