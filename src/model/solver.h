// SPDX-License-Identifier: GPL-3.0-or-later
// The shortest line: the fewest machines that turn a blank plate into one
// that counts as the same as a given plate, and one such line.
#pragma once

#include "model/opgave.h"

#include <cstdint>
#include <optional>
#include <vector>

// One number per class of plates that SameAs counts as the same: two plates
// have equal keys exactly when SameAs holds between them. NoPlateKey for a
// plate with a field no machine can write (no line makes such a plate).
inline constexpr std::uint32_t NoPlateKey = 0xFFFF'FFFFu;
std::uint32_t PlateKey(const TOpgave& plate);

// The machines the floor's selectors can make, each once, as the floor holds
// them: hole machines, rotating machines, stripe machines.
const std::vector<TMachineRec>& FloorMachines();

// One shortest line of floor machines that makes a plate SameAs `plate` from
// a blank one; empty for a blank plate, nullopt when no line of at most
// MaxTaskMachines machines makes it. The first question builds the table of
// all plates within reach (tens of milliseconds); later ones take well under
// a microsecond.
std::optional<std::vector<TMachineRec>> ShortestLine(const TOpgave& plate);

// The length of that line, or -1 when there is none within MaxTaskMachines.
int FewestMachines(const TOpgave& plate);

// Builds the table now, e.g. on a worker thread before the first question,
// so that no question waits for it. Safe to call from any thread, any number
// of times.
void PrepareSolver();
