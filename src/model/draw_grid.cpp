// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/draw_grid.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

int DeviceGrid(qreal devicePixelRatio)
{
    // A hair above a whole ratio (rounding in the platform) is still that ratio.
    const int grid = int(std::ceil(devicePixelRatio - 0.01));
    return std::clamp(grid, 1, kMaxDeviceGrid);
}

int GridOf(const QImage& image)
{
    return std::max(1, qRound(image.devicePixelRatio()));
}

QRect OnGrid(const QRect& r, int grid)
{
    return QRect(r.topLeft() * grid, r.size() * grid);
}

void PaintOnDeviceGrid(QPainter& painter, const QRect& area, const std::function<void(QPainter&, int grid)>& draw)
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const int grid = DeviceGrid(ratio);
    if (qFuzzyCompare(ratio, qreal(grid)) || area.isEmpty()) {
        draw(painter, grid);
        return;
    }
    QImage picture(area.size() * grid, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(grid);
    picture.fill(Qt::transparent);
    {
        QPainter onGrid(&picture);
        onGrid.setPen(painter.pen());
        onGrid.setBrush(painter.brush());
        onGrid.setFont(painter.font());
        onGrid.translate(-area.topLeft());
        draw(onGrid, grid);
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(area), picture);
    painter.restore();
}
