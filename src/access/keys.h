// SPDX-License-Identifier: GPL-3.0-or-later
// The game from the keyboard: the Tab order and the focus mark, the slots as
// focusable elements (Space/Enter works the chosen tool on the slot, arrows
// move between slots and change the setting), and the window's shortcut keys.
// Every key does what a click on the matching control does, so the busy rules
// of the run and the slide hold for the keys as well.
#pragma once

#include "game/seam.h"

#include <QKeyCombination>
#include <QObject>

#include <functional>
#include <utility>
#include <vector>

class TfmBraet;
class TFocusMark;
class QKeyEvent;
class QKeySequence;

class TKeys : public QObject {
    Q_OBJECT
public:
    explicit TKeys(TfmBraet& window);

    TFocusMark* Mark() const { return FMark; }

    // Chooses palette tool `number` (1..5) as a click on it does, then takes
    // the focus to the slots: the slot that had it last, else slot 1.
    void ChooseTool(int number);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddShortcut(const QKeySequence& key, const std::function<void()>& action);
    void NameKeysInToolTips();
    void Refresh();
    bool WindowKey(QObject* receiver, QKeyEvent& key);
    bool SlotKey(int index, QKeyEvent& key);
    TfmBraet& FWindow;
    TBraetSeam FSeam;
    TFocusMark* FMark = nullptr;
    int FLastSlot = 0;
    std::vector<std::pair<QKeyCombination, std::function<void()>>> FShortcuts;
};
