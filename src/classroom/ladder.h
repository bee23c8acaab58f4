// SPDX-License-Identifier: GPL-3.0-or-later
// "Trin for trin": tasks by the fewest machines they need, one step at a
// time. Three right answers in a row move the pupil one step up; a wrong one
// starts the three again. The step is kept only while the program runs.
#pragma once

#include "base/clock_timer.h"
#include "game/seam.h"
#include "model/task_number.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QToolButton;
class TfmBraet;
class TAlertStatus;

class TLadder : public QObject {
    Q_OBJECT
public:
    // Adds the button, its menu of steps and the keys to `form`.
    explicit TLadder(TfmBraet& form, QObject* parent);

    // The button: into the ladder at the step reached, or out of it.
    void bbTrinClick();
    // A new task of `step` (1..7), entering the ladder if need be.
    void ChooseStep(int step);
    // The menu of steps under the button, the current one active.
    void ShowStepMenu();

    bool Active() const { return FActive; }
    int Step() const { return FStep; }
    int RightInRow() const { return FRightInRow; }
    // "Trin 2" (the step of the task shown) while the ladder is on, else
    // empty.
    QString StepText() const;
    // The step of the task shown while the ladder is on, else 0.
    int TaskStep() const { return FActive ? FTaskStep : 0; }

    // The window's task changed: a task the ladder did not give ends it.
    void TaskChanged();

    // What a right answer did ("2 af 3 rigtige på Trin 1", "Du er nu på
    // Trin 2!"), shown while the ladder goes on and said to a screen reader.
    QString News() const;

    QToolButton* bbTrin = nullptr;
    QMenu* pmTrin = nullptr;
    QAction* Rule1 = nullptr; // the menu's line on how to climb
    std::array<QAction*, 7> StepActions{};

Q_SIGNALS:
    // On, off, or another step.
    void Changed();

private:
    bool MayReplaceTask();
    void GiveTask();
    void Leave();
    void Verdict(bool right);
    void NextTask();
    void UpdateButton();
    void Tell(const QString& news);
    TBraetSeam FSeam;
    QLabel* lbTrinNyt = nullptr;
    TAlertStatus* FStatus = nullptr;
    bool FActive = false;
    bool FGiving = false;
    int FStep = 1;
    int FTaskStep = 1; // the step of the task shown
    int FRightInRow = 0;
    std::optional<TTaskNumber> FGiven;
    bool FGivenSolved = false;
    TClockTimer FNext;
};
