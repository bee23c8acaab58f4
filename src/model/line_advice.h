// SPDX-License-Identifier: GPL-3.0-or-later
// Advice from the shortest line, in words a pupil reads at a glance: how a
// right line compares with the shortest one, and tips towards a task. The
// banner and the screen reader both say these words, so they live here once.
#pragma once

#include "model/opgave.h"

#include <QString>
#include <QStringList>

#include <vector>

// "1 maskine", "3 maskiner"; "ingen maskiner" for none.
QString MachineCount(int count);

struct TLineRating {
    int Used = 0;    // machines in the pupil's line
    int Fewest = -1; // of a shortest line; -1 when no line of the floor makes the task
    int Stars = 0;   // 3 for a shortest line, 2 for one more machine, else 1; 0 unknown
    QString Sentence; // empty when Fewest is unknown
};

// The machines of `line`: its slots that are not empty.
int UsedMachines(const TMachineLine& line);

// A right answer: `line` is the floor's slots in order (empty ones count as
// nothing), `task` the plate it made.
TLineRating RateRightLine(const TMachineLine& line, const TOpgave& task);

// The line of the last run and, for a right answer, how it compares with a
// shortest line; worked out once for everyone who asks.
struct TRunLine {
    TMachineLine Line{};
    bool Right = false;
    TLineRating Rating; // Used always; the rest only for a right answer
};

// The tips towards `task`, one per press: the length of a shortest line, the
// kinds of machine in it, then its machines one by one with their settings.
// Empty when no line of the floor makes the task.
QStringList TaskTips(const TOpgave& task);
