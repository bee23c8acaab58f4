// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/draw_gdi.h"

#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

// Blending at span borders would show as seams on a scaled painter.
class TAliasingOff {
public:
    explicit TAliasingOff(QPainter& painter)
        : FPainter(painter), FWasOn(painter.testRenderHint(QPainter::Antialiasing))
    {
        if (FWasOn)
            FPainter.setRenderHint(QPainter::Antialiasing, false);
    }
    ~TAliasingOff()
    {
        if (FWasOn)
            FPainter.setRenderHint(QPainter::Antialiasing, true);
    }
    TAliasingOff(const TAliasingOff&) = delete;
    TAliasingOff& operator=(const TAliasingOff&) = delete;

private:
    QPainter& FPainter;
    bool FWasOn;
};

constexpr std::uint8_t pxNone = 0, pxBrush = 1, pxPen = 2;

// Pixels of a rectangular area, each none, brush or pen; painted in one go so
// that no pixel is painted twice.
class TPixelMask {
public:
    TPixelMask(int left, int top, int width, int height)
        : FLeft(left), FTop(top), FWidth(width), FHeight(height),
          FPixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), pxNone)
    {
    }

    bool Contains(int x, int y) const
    {
        return x >= FLeft && y >= FTop && x < FLeft + FWidth && y < FTop + FHeight;
    }
    std::uint8_t At(int x, int y) const { return Contains(x, y) ? FPixels[Index(x, y)] : pxNone; }
    void Set(int x, int y, std::uint8_t value)
    {
        if (Contains(x, y))
            FPixels[Index(x, y)] = value;
    }

    void Paint(QPainter& painter, const TGdiStyle& style) const
    {
        for (int y = FTop; y < FTop + FHeight; ++y) {
            int x = FLeft;
            while (x < FLeft + FWidth) {
                const std::uint8_t value = At(x, y);
                int end = x + 1;
                while (end < FLeft + FWidth && At(end, y) == value)
                    ++end;
                if (value == pxPen)
                    painter.fillRect(QRect(x, y, end - x, 1), style.Pen);
                else if (value == pxBrush && style.Brush)
                    painter.fillRect(QRect(x, y, end - x, 1), *style.Brush);
                x = end;
            }
        }
    }

private:
    std::size_t Index(int x, int y) const
    {
        return static_cast<std::size_t>(y - FTop) * static_cast<std::size_t>(FWidth)
            + static_cast<std::size_t>(x - FLeft);
    }

    int FLeft, FTop, FWidth, FHeight;
    std::vector<std::uint8_t> FPixels;
};

template <typename Plot>
void Bresenham(int x1, int y1, int x2, int y2, Plot plot)
{
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        plot(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

std::int64_t CeilDiv(std::int64_t num, std::int64_t den) // den > 0
{
    return num >= 0 ? (num + den - 1) / den : -((-num) / den);
}

// x where an edge crosses a scan line, as the fraction Num / Den (Den > 0).
struct TCrossing {
    std::int64_t Num;
    std::int64_t Den;
};

// Paints on the device grid: one unit of the painter becomes one device
// pixel while this lives (grid 1 leaves the painter alone).
class TDeviceGrid {
public:
    TDeviceGrid(QPainter& painter, int grid) : FPainter(painter), FActive(grid > 1)
    {
        if (FActive) {
            FPainter.save();
            FPainter.scale(1.0 / grid, 1.0 / grid);
        }
    }
    ~TDeviceGrid()
    {
        if (FActive)
            FPainter.restore();
    }
    TDeviceGrid(const TDeviceGrid&) = delete;
    TDeviceGrid& operator=(const TDeviceGrid&) = delete;

private:
    QPainter& FPainter;
    bool FActive;
};

void ScaleBox(int& x1, int& y1, int& x2, int& y2, int grid)
{
    x1 *= grid;
    y1 *= grid;
    x2 *= grid;
    y2 *= grid;
}

void PolygonOnGrid(QPainter& painter, const TGdiStyle& style, std::span<const QPoint> points);
void LineOnGrid(QPainter& painter, const QColor& pen, int x1, int y1, int x2, int y2);

} // namespace

void GdiRectangle(QPainter& painter, const TGdiStyle& style, int x1, int y1, int x2, int y2, int grid)
{
    grid = std::max(grid, 1);
    ScaleBox(x1, y1, x2, y2, grid);
    TDeviceGrid deviceGrid(painter, grid);
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    const int w = x2 - x1;
    const int h = y2 - y1;
    if (w <= 0 || h <= 0)
        return;
    TAliasingOff aliasingOff(painter);
    if (w <= 2 || h <= 2) {
        painter.fillRect(QRect(x1, y1, w, h), style.Pen);
        return;
    }
    painter.fillRect(QRect(x1, y1, w, 1), style.Pen);
    painter.fillRect(QRect(x1, y2 - 1, w, 1), style.Pen);
    painter.fillRect(QRect(x1, y1 + 1, 1, h - 2), style.Pen);
    painter.fillRect(QRect(x2 - 1, y1 + 1, 1, h - 2), style.Pen);
    if (style.Brush)
        painter.fillRect(QRect(x1 + 1, y1 + 1, w - 2, h - 2), *style.Brush);
}

void GdiEllipse(QPainter& painter, const TGdiStyle& style, int x1, int y1, int x2, int y2, int grid)
{
    grid = std::max(grid, 1);
    ScaleBox(x1, y1, x2, y2, grid);
    TDeviceGrid deviceGrid(painter, grid);
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    const std::int64_t w = x2 - x1;
    const std::int64_t h = y2 - y1;
    if (w <= 0 || h <= 0)
        return;
    // A pixel belongs to the ellipse when its centre lies inside the ellipse
    // inscribed in the box (integer test, so exactly symmetric). The middle
    // row(s) and column(s) always belong: that makes the shape touch all four
    // sides of the box even when it is very flat or tiny.
    TPixelMask mask(x1, y1, static_cast<int>(w), static_cast<int>(h));
    const auto inside = [w, h](std::int64_t i, std::int64_t j) {
        const std::int64_t u = 2 * i + 1 - w;
        const std::int64_t v = 2 * j + 1 - h;
        return u * u * h * h + v * v * w * w <= w * w * h * h || std::abs(u) <= 1 || std::abs(v) <= 1;
    };
    for (std::int64_t j = 0; j < h; ++j)
        for (std::int64_t i = 0; i < w; ++i)
            if (inside(i, j))
                mask.Set(x1 + static_cast<int>(i), y1 + static_cast<int>(j), pxBrush);
    // The edge: every pixel of the shape that has a side neighbour outside it.
    TPixelMask result = mask;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            if (mask.At(x, y) != pxNone
                && (mask.At(x - 1, y) == pxNone || mask.At(x + 1, y) == pxNone
                    || mask.At(x, y - 1) == pxNone || mask.At(x, y + 1) == pxNone))
                result.Set(x, y, pxPen);
    TAliasingOff aliasingOff(painter);
    result.Paint(painter, style);
}

void GdiPolygon(QPainter& painter, const TGdiStyle& style, std::span<const QPoint> points, int grid)
{
    if (grid <= 1) {
        PolygonOnGrid(painter, style, points);
        return;
    }
    std::vector<QPoint> fine(points.begin(), points.end());
    for (QPoint& p : fine)
        p *= grid;
    TDeviceGrid deviceGrid(painter, grid);
    PolygonOnGrid(painter, style, fine);
}

void GdiLine(QPainter& painter, const QColor& pen, int x1, int y1, int x2, int y2, int grid)
{
    grid = std::max(grid, 1);
    TDeviceGrid deviceGrid(painter, grid);
    LineOnGrid(painter, pen, x1 * grid, y1 * grid, x2 * grid, y2 * grid);
}

namespace {

void PolygonOnGrid(QPainter& painter, const TGdiStyle& style, std::span<const QPoint> points)
{
    if (points.empty())
        return;
    int left = points[0].x(), right = left, top = points[0].y(), bottom = top;
    for (const QPoint& p : points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    TPixelMask mask(left, top, right - left + 1, bottom - top + 1);

    // Inside: pixels whose top-left corner lies inside the polygon (even-odd),
    // edges counted half-open in y so that a vertex on the scan line counts once.
    const std::size_t n = points.size();
    std::vector<TCrossing> crossings;
    for (int y = top; y <= bottom; ++y) {
        crossings.clear();
        for (std::size_t k = 0; k < n; ++k) {
            const QPoint a = points[k];
            const QPoint b = points[(k + 1) % n];
            if (a.y() == b.y() || y < std::min(a.y(), b.y()) || y >= std::max(a.y(), b.y()))
                continue;
            std::int64_t num = std::int64_t(a.x()) * (b.y() - a.y()) + std::int64_t(y - a.y()) * (b.x() - a.x());
            std::int64_t den = b.y() - a.y();
            if (den < 0) {
                num = -num;
                den = -den;
            }
            crossings.push_back({num, den});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const TCrossing& p, const TCrossing& q) { return p.Num * q.Den < q.Num * p.Den; });
        for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
            const std::int64_t from = CeilDiv(crossings[k].Num, crossings[k].Den);
            const std::int64_t to = CeilDiv(crossings[k + 1].Num, crossings[k + 1].Den); // exclusive
            for (std::int64_t x = from; x < to; ++x)
                mask.Set(static_cast<int>(x), y, pxBrush);
        }
    }

    // The pen covers every edge, so pixels on the right and bottom edges (which
    // the corner test leaves out) are drawn too, and every vertex is in pen colour.
    bool anyEdge = false;
    for (std::size_t k = 0; k < n; ++k) {
        const QPoint a = points[k];
        const QPoint b = points[(k + 1) % n];
        anyEdge = anyEdge || a != b;
        Bresenham(a.x(), a.y(), b.x(), b.y(), [&mask](int x, int y) { mask.Set(x, y, pxPen); });
    }
    if (!anyEdge)
        mask.Set(points[0].x(), points[0].y(), pxPen);

    TAliasingOff aliasingOff(painter);
    mask.Paint(painter, style);
}

void LineOnGrid(QPainter& painter, const QColor& pen, int x1, int y1, int x2, int y2)
{
    TAliasingOff aliasingOff(painter);
    // Horizontal runs are joined into one span each.
    int runX = 0, runY = 0, runLength = 0;
    const auto flush = [&] {
        if (runLength > 0)
            painter.fillRect(QRect(runX, runY, runLength, 1), pen);
        runLength = 0;
    };
    Bresenham(x1, y1, x2, y2, [&](int x, int y) {
        if (runLength > 0 && y == runY && (x == runX + runLength || x == runX - 1)) {
            runX = std::min(runX, x);
            ++runLength;
            return;
        }
        flush();
        runX = x;
        runY = y;
        runLength = 1;
    });
    flush();
}

} // namespace
