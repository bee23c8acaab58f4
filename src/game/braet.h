// SPDX-License-Identifier: GPL-3.0-or-later
// The main window fmBraet: the factory floor plus the game flow (the run, the
// verdict, tasks, printing and copying, help, closing).
#pragma once

#include "floor/braet_floor.h"
#include "model/line_advice.h"
#include "model/task_number.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QToolButton;
class TSoundInterface;

class TfmBraet : public TBraetFloor {
    Q_OBJECT
public:
    // `sound` is not owned; nullptr: the window plays through Qt Multimedia.
    explicit TfmBraet(TSoundInterface* sound = nullptr, QWidget* parent = nullptr);
    ~TfmBraet() override;

    // The run.
    void bbKoerPladeClick();
    void RunPlate();
    void AnimateMachine(TMachineComp& slot);
    void MoveAndAnimate(TMachineComp& slot, int offset);
    void ChangeRow(const TMachineComp& slot5, int stopOffset);

    // Verdict, lamps and sound.
    void ShowVerdict();
    void LampsOff();
    void LightTimerTimer();
    void bbSoundClick();
    // The line of the last run with its rating, worked out at the first
    // question after the verdict.
    const TRunLine& LastRun() const;

    // Tasks.
    void bbStartClick(QToolButton* sender);
    // Without a seed, the time of day gives one.
    void StartTask(int difficulty, std::optional<std::uint32_t> seed = std::nullopt);
    std::unique_ptr<TOpgave> LavUdfordring(int difficulty, std::optional<std::uint32_t> seed = std::nullopt);
    // A task of a given plate, e.g. one fetched by its own number.
    void StartPlateTask(const TOpgave& plate, const std::optional<TTaskNumber>& number);
    // The number of the task shown; none for a task from the produced plate.
    std::optional<TTaskNumber> FTaskNumber;
    // Printed with the task; set by the statistics.
    QString FPlayerName;
    void ClearTask();
    void ShowTaskBox();
    // A task as it was (a copy of `plate` with its number; nullptr: none),
    // the floor left as it is. Refused during a run or the slide.
    bool RestoreTask(const TOpgave* plate, const std::optional<TTaskNumber>& number);
    void bbNulstilOpgaveClick();
    void bbOverfoerPladeClick();
    void bbAfslutClick();

    // Printing and copying the task. An addition may print the task its own
    // way (SetTaskPrint); without one the task prints as below.
    void Udskriv1Click();
    void SetTaskPrint(std::function<void()> print);
    void Kopiertilklippebordet1Click();
    void bbPrinterSetupClick();
    QPrinter& Printer();

    // Help menu.
    void bbHelpClick();
    void Vejledning1Click();
    void OmVorlen1Click();
    // The about box shown by "Om Vorlen" (owned by the application shell).
    QWidget* fmAbout = nullptr;

    // Close request: asks "Luk?"; true lets the window close.
    bool FormCloseQuery();
    void FormDestroy();

    TSoundInterface& Sound() { return *FSound; }

Q_SIGNALS:
    // Hooks for the features around the game (statistics, feedback, ...).
    // A task was shown or removed.
    void TaskChanged();
    // A run ended with its plate standing in the produced-plate box.
    void RunFinished();
    // The lamp of a verdict lit.
    void VerdictShown(TVerdict verdict);
    // An addition gave the player a tip towards the task shown (emitted by
    // the addition that gives it, heard by those that count it).
    void TipGiven();
    // The task's picture was put on the clipboard.
    void TaskCopied();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectGame();
    void ShowSoundHint();
    std::unique_ptr<TSoundInterface> FOwnSound;
    TSoundInterface* FSound = nullptr;
    std::unique_ptr<QPrinter> FPrinter;
    bool FClosing = false;
    TMachineLine FRunLine{};
    mutable std::optional<TRunLine> FRunRating;
    std::function<void()> FTaskPrint;
};
