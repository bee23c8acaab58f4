// SPDX-License-Identifier: GPL-3.0-or-later
// Worksheets: which tasks go on a sheet, and the answer key in the words of
// the machines' settings.
#pragma once

#include "model/opgave.h"
#include "model/task_number.h"

#include <QStringList>

#include <vector>

// One machine in words: "Drejer: 90º", "Hulmaskine: 2 runde", "Stribe: Tyk".
// An empty or unknown record gives an empty text.
QString MachineWords(const TMachineRec& rec);

// The line of machines the generator drew for `number`, in words.
QStringList AnswerLine(const TTaskNumber& number);

// `count` tasks of `difficulty` for one sheet, numbered from `firstSeed` on.
// Tasks whose plate is already on the sheet are passed over while the
// difficulty has other plates to offer (easy tasks have only ten).
std::vector<TTaskNumber> WorksheetTasks(int difficulty, int count, std::uint32_t firstSeed);
