// SPDX-License-Identifier: GPL-3.0-or-later
// What differs between a produced plate and its task, in words a pupil
// knows. Judged with the same equivalences as TOpgave::SameAs, so the hint is
// empty exactly when the plates count as the same.
#pragma once

#include "model/opgave.h"

#include <QStringList>
#include <QVector>

// A square hole that one plate has under a round hole and the other has not:
// on the screen the round hole covers most of it.
struct THiddenSquare {
    bool InTask = false; // else in the produced plate
    int Direction = -1;  // screen direction of the pair (0..3) as that plate stands; -1: the centre
    bool OnCorner = false; // a centre square standing on its corner
};

struct TPlateDiff {
    bool Turn = false;    // turning the produced plate would help
    bool Holes = false;
    bool Stripes = false;
    // The holes differ only where one plate has a square under a round hole
    // and the other the round hole alone: nearly invisible on the screen.
    bool RoundOverSquare = false;
    QVector<THiddenSquare> Hidden; // where, when RoundOverSquare
    bool Any() const { return Turn || Holes || Stripes; }
};

// Compares `produced` with `task`. A turn is named when the plates do not
// even stand alike (straight or diagonal), or when turning the produced plate
// by 45-degree steps explains the differences at least as well: a changed
// hole or stripe can never be turned away, so it is named as itself.
TPlateDiff ComparePlates(const TOpgave& produced, const TOpgave& task);

// The Danish lines of the hint, one per difference (a hidden square one per
// plate that has it); empty when the plates are the same.
QStringList DifferenceHint(const TPlateDiff& diff);
QStringList DifferenceHint(const TOpgave& produced, const TOpgave& task);
