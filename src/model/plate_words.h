// SPDX-License-Identifier: GPL-3.0-or-later
// A plate and a machine told in Danish words, for a pupil who hears the game
// through a screen reader rather than seeing it.
#pragma once

#include "model/opgave.h"

#include <QString>

// What a plate looks like on the screen: whether it stands straight or on a
// corner, the holes in its middle, and the holes and stripe along each of the
// four lines through its middle. Two plates that count as the same (SameAs)
// get the same words, and plates that differ get different words.
QString PlateWords(const TOpgave& plate);

// A machine with its setting ("Hullemaskine, 2 runde huller"), or "tom".
QString SlotMachineWords(const TMachineRec& machine);
