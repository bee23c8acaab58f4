// SPDX-License-Identifier: GPL-3.0-or-later
// The scale of a screen (its device pixels per logical pixel) read and changed
// while the program runs, and the largest scale at which the game still fits
// a screen. Every window on a screen follows a change of its scale: controls,
// hit areas, menus, drop-down lists and dialogs alike.
#pragma once

#include <QMargins>
#include <QSize>

class QScreen;

// The largest scale, in hundredths and rounded down, at which a client area
// of `client` logical pixels plus a frame of `frame` device pixels fits
// `area` device pixels, and the outer size stays at least `minimumOuter`
// logical pixels (the window grows to that) without leaving the area.
double LargestFittingScale(const QSize& client, const QSize& minimumOuter, const QMargins& frame, const QSize& area);

// The screen's scale as the windows on it see it.
double ScreenScale(const QScreen& screen);
// Sets it; the windows on the screen get the new ratio at once.
void SetScreenScale(QScreen& screen, double scale);

// Where the scale asked for at start (QT_SCALE_FACTOR, or the screen's own)
// makes the main window larger than the screen's free area, takes the
// largest scale that fits, but not below 1. `frame` is the frame a window
// manager is expected to add, in device pixels. Returns the scale in force.
double FitScreenScale(QScreen& screen, const QMargins& frame);
