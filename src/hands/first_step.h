// SPDX-License-Identifier: GPL-3.0-or-later
// How to begin: with no task, an empty floor, no plate and no tool chosen, a
// short line in the verdict banner's place says what to press first. It goes
// as soon as the pupil does anything, and a screen reader hears it.
#pragma once

#include "game/seam.h"

#include <QWidget>

class TfmBraet;

class TFirstStep : public QWidget {
    Q_OBJECT
public:
    explicit TFirstStep(TfmBraet& window);
    static QString Text();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Update();
    TBraetSeam FSeam;
};
