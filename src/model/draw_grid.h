// SPDX-License-Identifier: GPL-3.0-or-later
// The device grid: how many device pixels per logical pixel the pictures and
// plates are drawn with. Only whole grids are drawn (1, 2 or 3); a screen of
// a fractional ratio gets the next larger grid, scaled down when shown.
#pragma once

#include <QImage>
#include <QRect>

#include <functional>

class QPainter;

constexpr int kMaxDeviceGrid = 3;

// The grid for a device pixel ratio: 1.0 -> 1, 1.25 / 1.5 / 2.0 -> 2, 3.0 -> 3.
int DeviceGrid(qreal devicePixelRatio);
// The grid an image is drawn on (its device pixel ratio, whole).
int GridOf(const QImage& image);
// `r` in device pixels of grid `grid`.
QRect OnGrid(const QRect& r, int grid);
// Runs `draw` on a grid that fits the painter's device over `area`: directly
// when the device's ratio is whole, otherwise on a picture of the next
// larger grid that is then drawn over `area` smoothly scaled down.
void PaintOnDeviceGrid(QPainter& painter, const QRect& area, const std::function<void(QPainter&, int grid)>& draw);
