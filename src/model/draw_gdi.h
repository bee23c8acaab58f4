// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel-exact drawing primitives with box semantics: a box (x1, y1)-(x2, y2)
// covers the pixels x1..x2-1 and y1..y2-1, outlines are one pixel wide and lie
// inside the box, and a line leaves out its last pixel. QPainter's own
// rectangle, ellipse and polygon strokes miss these pixels by one or more
// here and there, so everything is rasterised here and painted as 1-pixel-high
// spans with fillRect; that also stays exact on a scaled painter (printer).
//
// `grid` is the number of device pixels per logical pixel. Coordinates stay
// logical; with a grid above 1 the shape is rasterised by the same rules on
// the finer grid (coordinates times grid, edges one device pixel wide), so a
// circle is round on a 2x screen instead of a staircase of 2 x 2 blocks. The
// painter must map one logical unit to `grid` device pixels (an image with
// that device pixel ratio, or a painter scaled by it). Grid 1 is the plain
// pixel rule.
#pragma once

#include <QColor>
#include <QPoint>

#include <optional>
#include <span>

class QPainter;

struct TGdiStyle {
    QColor Pen;                   // the 1-pixel edge
    std::optional<QColor> Brush;  // the inside; none: left as it was

    static TGdiStyle Solid(const QColor& pen, const QColor& brush) { return {pen, brush}; }
    static TGdiStyle Hollow(const QColor& pen) { return {pen, std::nullopt}; }
};

// Rectangle filling the box; edge pixels in the pen colour.
void GdiRectangle(QPainter& painter, const TGdiStyle& style, int x1, int y1, int x2, int y2, int grid = 1);

// Ellipse inscribed in the box, touching all four of its sides, symmetric
// about both middle lines of the box.
void GdiEllipse(QPainter& painter, const TGdiStyle& style, int x1, int y1, int x2, int y2, int grid = 1);

// Closed polygon (even-odd filling): inside in the brush colour, every edge
// drawn with the pen from its start vertex up to, not including, its end.
void GdiPolygon(QPainter& painter, const TGdiStyle& style, std::span<const QPoint> points, int grid = 1);

// Line from (x1, y1) towards (x2, y2), the end pixel left out.
void GdiLine(QPainter& painter, const QColor& pen, int x1, int y1, int x2, int y2, int grid = 1);
