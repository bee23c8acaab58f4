// SPDX-License-Identifier: GPL-3.0-or-later
// Shared between plate drawing and the tilt animation.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

#include <array>

// The plate seen edge-on, where standing up starts from.
std::array<QPoint, 4> LyingOutline(bool diagonal);

class TOpgave;

// The plate alone in a picture of its 80 x 81 area on `background`, drawn on
// a grid `grid` times finer: 80 * grid x 81 * grid pixels with that device
// pixel ratio, so it shows at 80 x 81 logical pixels.
QImage PlateImage(const TOpgave& plate, bool withBorder, int grid, const QColor& background);
