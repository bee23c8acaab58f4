// SPDX-License-Identifier: GPL-3.0-or-later
// The selectors' items: degrees for a rotating machine, hole symbols for a
// hole machine, blue bars for a stripe machine.
#include "floor/braet_floor.h"

#include "floor/settingselector.h"
#include "model/draw_gdi.h"
#include "model/draw_grid.h"

#include <QPainter>

namespace {

void DrawRotateItem(int index, const QRect& rect, QPainter& canvas)
{
    static const QString texts[] = {QStringLiteral("45\u00BA"), QStringLiteral("90\u00BA"),
                                    QStringLiteral("135\u00BA"), QStringLiteral("180\u00BA")};
    // The background comes first, so the selected item shows in the selection colours.
    canvas.fillRect(rect, canvas.brush());
    if (index < 0 || index >= 4)
        return;
    canvas.save();
    canvas.setClipRect(rect, Qt::IntersectClip);
    const QFontMetrics metrics(canvas.font());
    canvas.drawText(QPoint(rect.left() + 4, rect.top() - 1 + metrics.ascent()), texts[index]);
    canvas.restore();
}

void DrawHolesItem(int index, const QRect& rect, QPainter& canvas, int grid)
{
    if (index < 0 || index >= 6)
        return;
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.left() + rect.width();  // exclusive edges
    const int b = rect.top() + rect.height();
    const int u = (r - l) / 7 + 1;
    const int y = t + (b - t - 10) / 2;
    const bool square = index >= 3;
    const int count = index % 3 + 1;

    // The symbols stand at fixed places of the drawing surface, whatever the
    // item's left edge.
    int xs[3] = {3 * u, 0, 0};
    if (count == 2) {
        xs[0] = u;
        xs[1] = 5 * u;
    } else if (count == 3) {
        xs[0] = u;
        xs[1] = 3 * u;
        xs[2] = 5 * u;
    }
    const TGdiStyle outline = TGdiStyle::Hollow(Qt::black);
    for (int k = 0; k < count; ++k) {
        if (square)
            GdiRectangle(canvas, outline, xs[k], y, xs[k] + 10, y + 10, grid);
        else
            GdiEllipse(canvas, outline, xs[k], y, xs[k] + 10, y + 10, grid);
    }
}

void DrawStripeItem(int index, const QRect& rect, QPainter& canvas, int grid)
{
    static const int halfThickness[] = {1, 2, 4};
    if (index < 0 || index >= 3)
        return;
    const int h = halfThickness[index];
    const int t = rect.top();
    const int b = rect.top() + rect.height();
    const int m = t + (b - t) / 2;
    const QColor blue(0, 0, 255);
    GdiRectangle(canvas, TGdiStyle::Solid(blue, blue), rect.left() + 2, m - h, rect.left() + rect.width() - 2, m + h,
                 grid);
}

} // namespace

void TBraetFloor::cbSetting1DrawItem(TSettingSelector* control, int index, const QRect& rect, QPainter& canvas)
{
    if (!control || !control->FSlot)
        return;
    switch (control->FSlot->FMachine.Kind) {
    case mcRotate:
        DrawRotateItem(index, rect, canvas);
        break;
    case mcHoles:
        // The symbols stand from the surface's left edge on.
        PaintOnDeviceGrid(canvas, QRect(0, rect.top(), rect.left() + rect.width(), rect.height()),
                          [&](QPainter& onGrid, int grid) { DrawHolesItem(index, rect, onGrid, grid); });
        break;
    case mcStripe:
        PaintOnDeviceGrid(canvas, rect,
                          [&](QPainter& onGrid, int grid) { DrawStripeItem(index, rect, onGrid, grid); });
        break;
    default:
        break;
    }
}
