// SPDX-License-Identifier: GPL-3.0-or-later
// Drag and drop on the floor with the mouse (and a finger, through the mouse
// events Qt makes of touches): a machine tool from the palette onto a slot
// places that machine as a click would; a placed machine dragged onto
// another slot moves there or the two swap; dragged out of the factory (the
// grass, the palette) it is removed and nothing else moves. The palette's
// and the slots' clicks stay as they are: a drag begins only once the
// pointer has moved the start distance, and a press on a slot with a tool
// chosen is that tool's gesture. Nothing starts or lands during a run or
// the slide.
#pragma once

#include "game/seam.h"
#include "model/opgave.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class TfmBraet;

// What follows the pointer: the machine's still picture, crossed out where
// the drop removes it.
class TDragPicture : public QWidget {
    Q_OBJECT
public:
    explicit TDragPicture(QWidget* parent);
    void SetPicture(const QPixmap& picture);
    void SetRemoves(bool removes);
    bool Removes() const { return FRemoves; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap FPicture;
    bool FRemoves = false;
};

// A coloured frame around a slot: where the machine lands.
class TSlotFrame : public QWidget {
    Q_OBJECT
public:
    TSlotFrame(QWidget* parent, const QString& name, const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor FColour;
};

class TDragDrop : public QObject {
    Q_OBJECT
public:
    explicit TDragDrop(TfmBraet& window);

    bool Dragging() const { return FDragging; }
    // The slot (0..7) under a point of the window, with its selector; -1.
    int SlotAt(const QPoint& at) const;
    // On the grass or the palette, below the factory.
    static bool OutOfFactory(const QPoint& at);
    TDragPicture* Picture() const { return FPicture; }
    TSlotFrame* Target() const { return FTarget; }

    // The top of the grass in the window.
    static constexpr int GroundTop = 424;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Press(QWidget* source, const QPoint& global);
    void Start();
    void Follow(const QPoint& global);
    void Drop(const QPoint& global);
    void End();
    TBraetSeam FSeam;
    QPointer<QWidget> FSource;
    int FFromSlot = -1;                 // a slot's machine, or
    TMachineKind FFromTool = mcNone;    // a palette tool's
    TMachineRec FHeld{};                // what the slot held at the press
    QPoint FPressAt;
    bool FDragging = false;
    TDragPicture* FPicture = nullptr;
    TSlotFrame* FTarget = nullptr;
};
