// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a plate face-on or edge-on into its 80 x 81 area.
#include "model/draw_gdi.h"
#include "model/draw_plate.h"
#include "model/opgave.h"

#include <QPainter>

#include <algorithm>

namespace {

const QColor PlateWhite(255, 255, 255);
const QColor BorderBlack(0, 0, 0);
const QColor HolePen(0, 0, 0);
const QColor HoleSilver(192, 192, 192);
const QColor StripeBlue(0, 0, 255);

// Index 0: straight plate, 1: diagonal plate.
int OrientationOf(const TOpgave& plate)
{
    return plate.IsDiagonal() ? 1 : 0;
}

// Stripe half-widths by orientation, screen direction and thickness.
constexpr int StripeWidths[2][4][3] = {
    {{1, 3, 6}, {1, 4, 9}, {1, 3, 6}, {1, 4, 9}},
    {{1, 3, 6}, {1, 2, 4}, {1, 3, 6}, {1, 2, 4}},
};

// A stripe point: a base point plus a multiple of the half-width in x and y.
struct TStripePoint {
    int X, Y, Wx, Wy;
};

// Six points per orientation and screen direction, from edge to edge of the plate.
constexpr TStripePoint StripeTemplates[2][4][6] = {
    {
        {{36, 7, -1, 0}, {36, 7, 0, 0}, {36, 7, 1, 0}, {36, 67, 1, 0}, {36, 67, 0, 0}, {36, 67, -1, 0}},
        {{67, 7, -1, 0}, {67, 7, 0, 0}, {67, 7, 0, 1}, {7, 67, 1, 0}, {7, 67, 0, 0}, {7, 67, 0, -1}},
        {{7, 36, 0, -1}, {7, 36, 0, 0}, {7, 36, 0, 1}, {67, 36, 0, 1}, {67, 36, 0, 0}, {67, 36, 0, -1}},
        {{7, 7, 1, 0}, {7, 7, 0, 0}, {7, 7, 0, 1}, {67, 67, -1, 0}, {67, 67, 0, 0}, {67, 67, 0, -1}},
    },
    {
        {{40, 0, 1, 1}, {40, 0, 0, 0}, {40, 0, -1, 1}, {40, 80, -1, -1}, {40, 80, 0, 0}, {40, 80, 1, -1}},
        {{60, 20, -1, -1}, {60, 20, 0, 0}, {60, 20, 1, 1}, {20, 60, 1, 1}, {20, 60, 0, 0}, {20, 60, -1, -1}},
        {{0, 40, 1, -1}, {0, 40, 0, 0}, {0, 40, 1, 1}, {80, 40, -1, 1}, {80, 40, 0, 0}, {80, 40, -1, -1}},
        {{20, 20, 1, -1}, {20, 20, 0, 0}, {20, 20, -1, 1}, {60, 60, -1, 1}, {60, 60, 0, 0}, {60, 60, 1, -1}},
    },
};

// Reference points of the holes: the centre, then the two ends of each
// screen direction's grid line.
constexpr QPoint CentreHoleCell[2] = {QPoint(29, 29), QPoint(31, 31)};
constexpr QPoint AxisHoleCells[2][4][2] = {
    {{QPoint(29, 10), QPoint(29, 49)}, {QPoint(49, 10), QPoint(10, 49)},
     {QPoint(10, 29), QPoint(49, 29)}, {QPoint(10, 10), QPoint(49, 49)}},
    {{QPoint(31, 5), QPoint(31, 58)}, {QPoint(44, 18), QPoint(18, 44)},
     {QPoint(5, 31), QPoint(58, 31)}, {QPoint(18, 18), QPoint(44, 44)}},
};

// Circle box offsets (top-left; the box is 15 x 15) by orientation.
constexpr int CircleOffset[2] = {0, 2};

// Square holes by orientation, upright (0) or as a diamond (1), as offsets
// from the reference point.
constexpr QPoint SquareHoleTemplates[2][2][4] = {
    {{QPoint(1, 1), QPoint(13, 1), QPoint(13, 13), QPoint(1, 13)},
     {QPoint(7, -2), QPoint(16, 7), QPoint(7, 16), QPoint(-2, 7)}},
    {{QPoint(3, 3), QPoint(15, 3), QPoint(15, 15), QPoint(3, 15)},
     {QPoint(9, 0), QPoint(18, 9), QPoint(9, 18), QPoint(0, 9)}},
};

// Plate axis a of the axis that the centre holes are drawn as.
constexpr std::uint8_t SquareDiagonalAxis = 3;
constexpr std::uint8_t SquareStraightAxis = 2;

void DrawHole(QPainter& canvas, int orientation, std::uint8_t shape, bool diamond, QPoint at, int grid)
{
    const TGdiStyle style = TGdiStyle::Solid(HolePen, HoleSilver);
    if (shape == 0) {
        const int x = at.x() + CircleOffset[orientation];
        const int y = at.y() + CircleOffset[orientation];
        GdiEllipse(canvas, style, x, y, x + 15, y + 15, grid);
        return;
    }
    std::array<QPoint, 4> polygon;
    for (std::size_t k = 0; k < polygon.size(); ++k)
        polygon[k] = at + SquareHoleTemplates[orientation][diamond ? 1 : 0][k];
    GdiPolygon(canvas, style, polygon, grid);
}

} // namespace

std::array<QPoint, 4> LyingOutline(bool diagonal)
{
    if (diagonal)
        return {QPoint(40, 38), QPoint(80, 40), QPoint(40, 42), QPoint(0, 40)};
    return {QPoint(8, 35), QPoint(66, 35), QPoint(68, 39), QPoint(6, 39)};
}

namespace {
std::array<QPoint, 6> StripePolygon(bool diagonal, std::uint8_t direction, std::uint8_t thickness)
{
    const int orientation = diagonal ? 1 : 0;
    const int w = StripeWidths[orientation][direction % 4][thickness % 3];
    std::array<QPoint, 6> polygon;
    for (std::size_t k = 0; k < polygon.size(); ++k) {
        const TStripePoint& p = StripeTemplates[orientation][direction % 4][k];
        polygon[k] = QPoint(p.X + p.Wx * w, p.Y + p.Wy * w);
    }
    return polygon;
}
} // namespace

void TOpgave::Draw(QPainter& canvas, bool withBorder, int grid)
{
    const TGdiStyle face = TGdiStyle::Solid(withBorder ? BorderBlack : PlateWhite, PlateWhite);
    SetOutline();
    if (FLying) {
        // Edge-on the plate is a bar of the edge colour, two pixels high:
        // solid, so that it stays one bar on a finer grid too.
        const TGdiStyle bar = TGdiStyle::Solid(face.Pen, face.Pen);
        if (IsDiagonal())
            GdiRectangle(canvas, bar, 0, 39, 80, 41, grid);
        else
            GdiRectangle(canvas, bar, 7, 36, 67, 38, grid);
        return;
    }
    GdiPolygon(canvas, face, FOutline, grid);
    for (std::uint8_t a = 0; a < 4; ++a)
        if (FStripes[a] != 3)
            DrawStripe(canvas, a, FStripes[a], grid);
    for (std::uint8_t a = 0; a < 4; ++a)
        if (FSquareHoles[a] == 1)
            DrawHoleGroup(canvas, a, 1, false, grid);
    for (std::uint8_t a = 0; a < 4; ++a)
        if (FCircleHoles[a] == 1)
            DrawHoleGroup(canvas, a, 0, false, grid);
    if (FCentreHoles & chSquareDiagonal)
        DrawHoleGroup(canvas, SquareDiagonalAxis, 1, true, grid);
    if (FCentreHoles & chSquareStraight)
        DrawHoleGroup(canvas, SquareStraightAxis, 1, true, grid);
    if (FCentreHoles & chCircle)
        DrawHoleGroup(canvas, 0, 0, true, grid);
}

QImage PlateImage(const TOpgave& plate, bool withBorder, int grid, const QColor& background)
{
    grid = std::max(grid, 1);
    QImage image(80 * grid, 81 * grid, QImage::Format_RGB32);
    image.setDevicePixelRatio(grid);
    image.fill(background);
    QPainter painter(&image);
    TOpgave copy;
    copy.Assign(plate);
    copy.Draw(painter, withBorder, grid);
    return image;
}

void TOpgave::DrawStripe(QPainter& canvas, std::uint8_t axis, std::uint8_t thickness, int grid)
{
    if (thickness > 2)
        return; // 3 is "no stripe"
    const auto polygon = StripePolygon(IsDiagonal(), DirectionOf(axis), thickness);
    GdiPolygon(canvas, TGdiStyle::Solid(StripeBlue, StripeBlue), polygon, grid);
}

void TOpgave::DrawHoleGroup(QPainter& canvas, std::uint8_t axis, std::uint8_t shape, bool centre, int grid)
{
    const int orientation = OrientationOf(*this);
    // A square looks like a diamond when its axis and the plate disagree
    // about being diagonal.
    const bool diamond = ((axis % 2) != 0) != IsDiagonal();
    if (centre) {
        DrawHole(canvas, orientation, shape, diamond, CentreHoleCell[orientation], grid);
        return;
    }
    const std::uint8_t d = DirectionOf(axis);
    for (const QPoint& at : AxisHoleCells[orientation][d])
        DrawHole(canvas, orientation, shape, diamond, at, grid);
}
