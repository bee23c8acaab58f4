// SPDX-License-Identifier: GPL-3.0-or-later
// Tasks by their real difficulty: the generator's own tasks, chosen by the
// fewest machines that make them.
#pragma once

#include "model/opgave.h"
#include "model/task_number.h"

#include <cstdint>
#include <vector>

// The steps of the ladder: step n gives tasks whose shortest line has n
// machines. No generated task needs more than seven.
inline constexpr int LadderTopStep = 7;

// A task whose plate needs exactly `step` machines (clamped to 1..7): the
// seeds of a difficulty that can give that count are tried from
// `firstSeed` on, in fixed steps, so the same start always gives the same
// task. A plate SameAs `avoid` is passed over while others turn up.
TTaskNumber LadderTask(int step, std::uint32_t firstSeed, const TOpgave* avoid = nullptr);

// `count` tasks of `step` for a worksheet, from `firstSeed` on; a plate
// already on the sheet is passed over while the step has others to offer.
std::vector<TTaskNumber> LadderSheetTasks(int step, int count, std::uint32_t firstSeed);
