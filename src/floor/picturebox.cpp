// SPDX-License-Identifier: GPL-3.0-or-later
#include "floor/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

TPictureBox::TPictureBox(QWidget* parent, const QString& objectName) : QWidget(parent)
{
    setObjectName(objectName);
}

void TPictureBox::SetPicture(const QImage& picture)
{
    FCanvas = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                : QImage::Format_RGB32);
    update();
}

void TPictureBox::paintEvent(QPaintEvent*)
{
    if (FCanvas.isNull())
        return;
    QPainter painter(this);
    // A canvas of a finer grid than the screen (a fractional ratio) is
    // scaled down smoothly.
    if (FCanvas.devicePixelRatio() > devicePixelRatioF() + 0.01)
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(0, 0, FCanvas);
}

void TPictureBox::mousePressEvent(QMouseEvent* event)
{
    FPressed = event->button() == Qt::LeftButton;
    event->accept();
}

// The second press of a double click does not start a click of its own: a
// picture counts complete clicks, and a double click is one of them.
void TPictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    FPressed = false;
    event->accept();
}

void TPictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    FPressed = false;
    event->accept();
    if (click)
        Q_EMIT Clicked(this);
}
