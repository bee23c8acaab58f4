// SPDX-License-Identifier: GPL-3.0-or-later
// For a projector or an interactive whiteboard: board mode (F11) fills the
// screen with the whole game, enlarged by the largest scale that fits; Esc or
// F11 again gives the window back as it was. The game is the same game
// throughout: the screen's scale changes, so every control, hit area, menu
// and dialog is enlarged with it, and the window draws its pictures on the
// finer grid as it does on a finer screen. "Vis opgavenummer" (F12) shows the
// task's number over the whole screen.
#pragma once

#include "board/number_view.h"
#include "game/seam.h"

#include <QObject>
#include <QPointer>
#include <QRect>

class QAction;
class QScreen;
class TfmBraet;

class TBoard : public QObject {
    Q_OBJECT
public:
    // Adds the menu items and keys to `form`; owned by it.
    explicit TBoard(TfmBraet& form);

    bool On() const { return FOn; }
    void Toggle();
    void Enter();
    void Leave();
    // The scale board mode takes on `screen`: the whole game, 792 x 573,
    // in the screen's device pixels.
    static double BoardScale(const QScreen& screen);

    // "Vis opgavenummer"; nothing without a task.
    void ShowNumber();
    TNumberView* NumberView() const { return FNumberView; }

    QAction* Tavletilstand1 = nullptr;
    QAction* VisOpgavenummer1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TaskChanged();
    TBraetSeam FSeam;
    bool FOn = false;
    // The window as it was before board mode.
    QPointer<QScreen> FScreen;
    double FScaleBefore = 1.0;
    QRect FClientBefore;
    QPointer<TNumberView> FNumberView;
};

// Installs board mode and "Vis opgavenummer" in the window.
TBoard* AttachBoard(TfmBraet& form);
