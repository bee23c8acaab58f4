// SPDX-License-Identifier: GPL-3.0-or-later
#include "floor/platebox.h"

#include "model/draw_grid.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

TPlateBox::TPlateBox(QWidget* parent, const QString& objectName)
    : QWidget(parent)
{
    setObjectName(objectName);
    setFixedSize(80, 81);
    SetGrid(DeviceGrid(devicePixelRatioF()));
}

void TPlateBox::SetGrid(int grid)
{
    FCanvas = QImage(size() * grid, QImage::Format_ARGB32_Premultiplied);
    FCanvas.setDevicePixelRatio(grid);
    FCanvas.fill(Qt::transparent);
}

void TPlateBox::Repaint()
{
    FCanvas.fill(Qt::transparent);
    if (FOnPaint)
        FOnPaint(this);
    update();
}

void TPlateBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (FCanvas.devicePixelRatio() > devicePixelRatioF() + 0.01)
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(0, 0, FCanvas);
}

void TPlateBox::contextMenuEvent(QContextMenuEvent* event)
{
    if (!FPopupMenu) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT ContextMenuRequested(this, event->globalPos());
}

void TPlateBox::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT LeftClicked(this);
}
