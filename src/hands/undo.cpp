// SPDX-License-Identifier: GPL-3.0-or-later
#include "hands/undo.h"

#include "game/braet.h"
#include "model/machdefs.h"

#include <QAction>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {

// In the tool bar's left-hand group, after the ladder's button.
constexpr int FortrydLeft = 344;
constexpr int GentagLeft = 384;

bool SameMachine(const TMachineRec& a, const TMachineRec& b)
{
    return a.Kind == b.Kind && (a.Kind == mcNone || SelectorIndexOf(a) == SelectorIndexOf(b));
}

bool SamePlate(const TOpgave& a, const TOpgave& b)
{
    return a.FLying == b.FLying && a.FAngle == b.FAngle && a.FCentreHoles == b.FCentreHoles &&
           a.FCircleHoles == b.FCircleHoles && a.FSquareHoles == b.FSquareHoles && a.FStripes == b.FStripes;
}

bool SameLine(const THandsState& a, const THandsState& b)
{
    return std::equal(a.Line.begin(), a.Line.end(), b.Line.begin(), SameMachine);
}

bool SameTask(const THandsState& a, const THandsState& b)
{
    if (a.Task.has_value() != b.Task.has_value() || a.Number != b.Number)
        return false;
    return !a.Task || SamePlate(*a.Task, *b.Task);
}

} // namespace

bool SameState(const THandsState& a, const THandsState& b)
{
    return SameLine(a, b) && SameTask(a, b);
}

TUndo::TUndo(TfmBraet& window) : QObject(&window), FSeam(window)
{
    setObjectName(QStringLiteral("Undo"));
    bbFortryd = FSeam.AddToolButton(QStringLiteral("bbFortryd"), QStringLiteral("Fortryd"), FortrydLeft);
    bbFortryd->setToolTip(QStringLiteral("Fortryd (Ctrl+Z)"));
    bbGentag = FSeam.AddToolButton(QStringLiteral("bbGentag"), QStringLiteral("Gentag"), GentagLeft);
    bbGentag->setToolTip(QStringLiteral("Gentag (Ctrl+Y)"));
    connect(bbFortryd, &QToolButton::clicked, this, [this] { Undo(); });
    connect(bbGentag, &QToolButton::clicked, this, [this] { Redo(); });

    // Actions of the window, so that the keys also arrive when the window is
    // not the active one (the keyboard play looks them up there).
    Fortryd1 = new QAction(QStringLiteral("Fortryd"), &window);
    Fortryd1->setObjectName(QStringLiteral("Fortryd1"));
    Fortryd1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    window.addAction(Fortryd1);
    connect(Fortryd1, &QAction::triggered, this, [this] { Undo(); });
    Gentag1 = new QAction(QStringLiteral("Gentag"), &window);
    Gentag1->setObjectName(QStringLiteral("Gentag1"));
    Gentag1->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    window.addAction(Gentag1);
    connect(Gentag1, &QAction::triggered, this, [this] { Redo(); });

    connect(&window, &TBraetFloor::FloorChanged, this, &TUndo::Changed);
    connect(&window, &TfmBraet::TaskChanged, this, &TUndo::Changed);
    // A change heard during the slide settles when the plate has arrived.
    connect(&window, &TfmBraet::RunFinished, this, &TUndo::Changed);
    FSettled = Now();
    UpdateButtons();
}

THandsState TUndo::Now() const
{
    THandsState state;
    state.Line = FSeam.Line();
    if (const TOpgave* task = FSeam.Task()) {
        state.Task = *task;
        state.Number = FSeam.TaskNumber();
    }
    return state;
}

void TUndo::Changed()
{
    if (FApplying || FPending)
        return;
    FPending = true;
    QTimer::singleShot(0, this, [this] { Settle(); });
}

void TUndo::Settle()
{
    FPending = false;
    // Half a gesture (the task gone, the plate still sliding) is no step.
    if (FApplying || FSeam.Busy())
        return;
    const THandsState now = Now();
    if (SameState(now, FSettled))
        return;
    FUndo.push_back(std::move(FSettled));
    if (int(FUndo.size()) > MaxSteps)
        FUndo.pop_front();
    FRedo.clear();
    FSettled = now;
    UpdateButtons();
}

void TUndo::Apply(const THandsState& state)
{
    FApplying = true;
    const THandsState now = Now();
    // The task first: a new task empties the floor after it.
    if (!SameTask(now, state))
        FSeam.RestoreTask(state.Task ? &*state.Task : nullptr, state.Number);
    if (!SameLine(now, state))
        FSeam.SetLine(state.Line);
    FApplying = false;
    FSettled = Now();
}

bool TUndo::Undo()
{
    return Step(FUndo, FRedo);
}

bool TUndo::Redo()
{
    return Step(FRedo, FUndo);
}

bool TUndo::Step(std::deque<THandsState>& from, std::deque<THandsState>& to)
{
    if (FSeam.Busy())
        return false;
    // The gesture just made is a step of its own.
    Settle();
    if (from.empty())
        return false;
    to.push_back(FSettled);
    const THandsState state = std::move(from.back());
    from.pop_back();
    Apply(state);
    UpdateButtons();
    return true;
}

void TUndo::UpdateButtons()
{
    bbFortryd->setEnabled(!FUndo.empty());
    bbGentag->setEnabled(!FRedo.empty());
}
