// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of what a pupil does to the floor and the task: every change
// of the floor, a deleted task, a new task and the produced plate made the
// task. One gesture is one step, however many hooks it fires: a step is
// recorded when the event loop is back (or at the next undo). The verdict,
// the run and the statistics are not part of a step. Nothing is stored.
#pragma once

#include "game/seam.h"
#include "model/opgave.h"
#include "model/task_number.h"

#include <QObject>

#include <deque>
#include <optional>

class QAction;
class QToolButton;
class TfmBraet;

// The floor and the task as the pupil sees them.
struct THandsState {
    TMachineLine Line{};
    std::optional<TOpgave> Task;
    std::optional<TTaskNumber> Number;
};
bool SameState(const THandsState& a, const THandsState& b);

class TUndo : public QObject {
    Q_OBJECT
public:
    explicit TUndo(TfmBraet& window);

    // False, and nothing changes, with nothing to undo (redo) or during a
    // run or the slide.
    bool Undo();
    bool Redo();
    int UndoSteps() const { return int(FUndo.size()); }
    int RedoSteps() const { return int(FRedo.size()); }

    static constexpr int MaxSteps = 100;

    QToolButton* bbFortryd = nullptr;
    QToolButton* bbGentag = nullptr;
    QAction* Fortryd1 = nullptr;
    QAction* Gentag1 = nullptr;

private:
    // Moves the state shown to `to` and shows the last of `from`.
    bool Step(std::deque<THandsState>& from, std::deque<THandsState>& to);
    void Changed();
    void Settle();
    THandsState Now() const;
    void Apply(const THandsState& state);
    void UpdateButtons();
    TBraetSeam FSeam;
    THandsState FSettled;
    std::deque<THandsState> FUndo;
    std::deque<THandsState> FRedo;
    bool FPending = false;
    bool FApplying = false;
};
