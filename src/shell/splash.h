// SPDX-License-Identifier: GPL-3.0-or-later
// The splash picture that covers the start of the program.
#pragma once

#include "base/clock_timer.h"

#include <QImage>
#include <QWidget>

class QLabel;

class TfmSplash : public QWidget {
    Q_OBJECT
public:
    TfmSplash();

    QLabel* Image1 = nullptr; // the picture, stretched over the whole client area
    TClockTimer* Timer1 = nullptr; // 3000 ms from creation

    // Any of the three closes the splash for good.
    void Image1Click();
    void FormKeyPress();
    void Timer1Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CloseForGood();
    bool FPressedOnImage = false;
};

// The one splash of the program, or nullptr before ShowSplash.
extern TfmSplash* fmSplash;

// Creates the splash (it has no owner window), sized to `picture`, centred on
// the screen and in front of every other window, and shows it without
// waiting. A null picture gives a splash that never shows.
void ShowSplash(const QImage& picture);
// Keeps the splash in front of a window that has just been shown, also where
// no window manager honours "stay on top".
void RaiseSplash();
// Destroys the splash; the application shell calls it on the way out.
void FreeSplash();
