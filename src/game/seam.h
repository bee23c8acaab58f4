// SPDX-License-Identifier: GPL-3.0-or-later
// What the features around the game may read of the main window and do with
// it. The game state stays in the window; the features hear its hooks (the
// window's signals) and go through this view for everything else, so that the
// window's fields can change without them.
#pragma once

#include "model/line_advice.h"
#include "model/opgave.h"
#include "model/task_number.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QAction;
class QMenu;
class QToolButton;
class QWidget;
class TfmBraet;
class THitArea;
class TPlateBox;
class TSettingSelector;

// The window's buttons that the features name (keys, tool tips, the Tab
// order, a screen reader's descriptions).
enum TBraetButton : std::uint8_t {
    btLet, btMiddel, btSvaer, btCopy, btPrint, btSound, btPrinterSetup, btHelp, btAfslut,
    btKoerPlade, btNulstilOpgave, btOverfoerPlade,
    btHuller, btDrejer, btStriber, btTraek, btSkub, // the palette, in its order
};

// The window's menu items.
enum TBraetAction : std::uint8_t { acVejledning, acOmVorlen, acUdskriv, acKopier };

class TBraetSeam {
public:
    explicit TBraetSeam(TfmBraet& window) : FWindow(window) {}

    // For the hooks and as the parent of the features' own widgets.
    TfmBraet& Window() const { return FWindow; }

    // The floor.
    TMachineLine Line() const;
    // One edit; false, and nothing changes, during a run or the slide.
    bool SetLine(const TMachineLine& line) const;
    // A run or the slide is in progress: the floor, the task and the
    // produced plate must not change.
    bool Busy() const;
    bool Running() const;
    THitArea* SlotArea(int index) const;       // 0..7
    TSettingSelector* Selector(int index) const; // 0..7
    // A slot's machine picture (shown only while the slot holds a machine).
    QWidget* SlotPicture(int index) const;       // 0..7

    // The task and the produced plate, read-only.
    const TOpgave* Task() const;
    // None for a task without a number, or without a task.
    std::optional<TTaskNumber> TaskNumber() const;
    // A task was given since the start (a new one asks "Ny opgave?" first).
    bool TaskGiven() const;
    TPlateBox* TaskBox() const;
    // The produced plate as it stands, also while it is still being made.
    const TOpgave* ProducedPlate() const;
    // Only a plate that has stood up in its box; none during a run.
    const TOpgave* FinishedPlate() const;
    TPlateBox* PlateBox() const;
    // The line of the last run with its rating (see TRunLine).
    const TRunLine& LastRun() const;
    // Starts the task of a number as the difficulty buttons would; an own
    // number gives its plate.
    void StartTask(const TTaskNumber& number) const;
    // Gives the task shown a number (an own task's); emits TaskChanged
    // when that changes it.
    void SetTaskNumber(const std::optional<TTaskNumber>& number) const;
    // Ctrl+P and the print button print the task through `print`.
    void SetTaskPrint(std::function<void()> print) const;
    // Puts back a task as it was (a copy of `plate` with its number, or no
    // task for nullptr) without touching the floor; false, and nothing
    // changes, during a run or the slide.
    bool RestoreTask(const TOpgave* plate, const std::optional<TTaskNumber>& number) const;

    // The player's name, printed with the task.
    QString PlayerName() const;
    void SetPlayerName(const QString& name) const;
    // Emits the window's TipGiven hook.
    void TipGiven() const;

    // The window's controls.
    QToolButton* Button(TBraetButton button) const;
    QAction* Action(TBraetAction action) const;
    QMenu* HelpMenu() const; // the help button's menu
    QMenu* TaskMenu() const; // the task box's menu
    // The tool bar's buttons from left to right.
    QList<QToolButton*> ToolBarButtons() const;
    // A button in the tool bar's left-hand group, laid out by the window.
    QToolButton* AddToolButton(const QString& name, const QString& hint, int left, int width = 36) const;

private:
    TfmBraet& FWindow;
};
