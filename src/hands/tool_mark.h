// SPDX-License-Identifier: GPL-3.0-or-later
// The chosen tool shows: a thick coloured frame round the palette tool that
// is down, seen across a classroom, and on the slot under the pointer what a
// click with it will do (a faint picture of the machine, a cross for
// "Fjern maskine", an arrow for "Skub maskiner"). Nothing shows with no tool
// chosen, and the pointer stays the system's.
#pragma once

#include "game/seam.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <array>

class QToolButton;
class TfmBraet;

class TToolFrame : public QWidget {
    Q_OBJECT
public:
    explicit TToolFrame(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// What a click on the slot will do.
class TSlotPreview : public QWidget {
    Q_OBJECT
public:
    enum TWhat : std::uint8_t { Place, Remove, Push };
    explicit TSlotPreview(QWidget* parent);
    void Set(TWhat what, const QPixmap& machine);
    TWhat What() const { return FWhat; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TWhat FWhat = Place;
    QPixmap FMachine;
};

class TToolMark : public QObject {
    Q_OBJECT
public:
    explicit TToolMark(TfmBraet& window);

    TToolFrame* Frame() const { return FFrame; }
    TSlotPreview* Preview() const { return FPreview; }
    // The slot under the pointer, -1 for none.
    int Hovered() const { return FHovered; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Update();
    TBraetSeam FSeam;
    // The palette, held so that a pointer's leaving while the window is
    // taken down finds it gone rather than freed.
    std::array<QPointer<QToolButton>, 5> FPalette;
    TToolFrame* FFrame = nullptr;
    TSlotPreview* FPreview = nullptr;
    int FHovered = -1;
};
