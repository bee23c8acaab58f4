// SPDX-License-Identifier: GPL-3.0-or-later
// What each machine did: after a run, a slot's tool tip (and its focus) shows
// the plate as it left that machine, so a pupil can follow the line step by
// step. The pictures are the model's results of the line's prefixes; a change
// of the floor drops them with the run's result.
#pragma once

#include "game/seam.h"
#include "model/opgave.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <optional>

class QLabel;
class QWidget;
class TfmBraet;

class TStepPictures : public QObject {
    Q_OBJECT
public:
    explicit TStepPictures(TfmBraet& window);

    // The tool tip of slot `index` (0..7) after the run; empty when none.
    QString StepTip(int index) const { return FTips[std::size_t(index)]; }

    bool eventFilter(QObject* watched, QEvent* event) override;

    // The panel that shows slot `index`'s plate while the slot has the
    // keyboard focus and the player works with the keys; nullptr before the
    // first one.
    QWidget* FocusPanel() const { return FPanel; }

private:
    void Make();
    void Drop();
    void ShowPanel(int index);
    TfmBraet& FWindow;
    TBraetSeam FSeam;
    std::array<std::optional<TOpgave>, 8> FPlates;
    // A child of the window rather than a tool tip: a tool tip goes with the
    // next key, focus change or window activation, which keyboard play makes.
    QPointer<QWidget> FPanel;
    QLabel* FPanelCaption = nullptr;
    QLabel* FPanelPicture = nullptr;
    std::array<QString, 8> FTips;
    std::array<QString, 8> FOwnTips; // what the slots showed before
    bool FShown = false;
};
