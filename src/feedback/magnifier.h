// SPDX-License-Identifier: GPL-3.0-or-later
// The magnifier: a click on the produced plate, or on the task with no tool
// chosen (left button), shows both plates side by side, four times enlarged and drawn
// on the finer grid, with the places where they differ marked. Esc or a
// click closes it.
#pragma once

#include "game/seam.h"
#include "model/opgave.h"

#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <optional>

class TfmBraet;
class TPlateBox;

class TMagnifier : public QWidget {
    Q_OBJECT
public:
    // Copies of the plates; either may be missing.
    TMagnifier(QWidget* parent, const std::optional<TOpgave>& task, const std::optional<TOpgave>& produced);

    static constexpr int Grid = 4;
    // The rings around differing hole places, in the pictures' pixels, and
    // the outline drawn around a differing stripe (null when none differs).
    const QVector<QRect>& Marks() const { return FMarks; }
    const QImage& StripeMarks() const { return FStripeMarks; }
    const QStringList& Hint() const { return FHint; }
    // Where the task's (0) and the produced plate's (1) picture is drawn.
    static QPoint PictureAt(int side);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage FTask; // 4x; the marks are found on these
    QImage FProduced;
    QImage FTaskShown; // as drawn on this screen
    QImage FProducedShown;
    QVector<QRect> FMarks;
    QImage FStripeMarks;
    QStringList FHint;
    bool FSame = false;
};

// Opens the magnifier from the window's plate boxes.
class TMagnifierLink : public QObject {
    Q_OBJECT
public:
    explicit TMagnifierLink(TfmBraet& window);
    TMagnifier* Shown() const { return FShown; }
    void Open();

private:
    void Watch(TPlateBox* box);
    void Clicked(TPlateBox* box);
    TfmBraet& FWindow;
    TBraetSeam FSeam;
    QPointer<TMagnifier> FShown;
};
