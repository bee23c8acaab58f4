// SPDX-License-Identifier: GPL-3.0-or-later
#include "floor/picturebox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

TPictureBox::TPictureBox(QWidget* parent, const QString& objectName) : QWidget(parent)
{
    setObjectName(objectName);
}

QImage::Format TPictureBox::CanvasFormat(const QImage& picture)
{
    return picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}

void TPictureBox::SetPicture(const QImage& picture)
{
    if (picture.format() == CanvasFormat(picture)) {
        FCanvas = picture; // shared until drawn on
        FPicture = QImage();
    } else {
        FCanvas = QImage();
        FPicture = picture;
    }
    update();
}

QImage& TPictureBox::MakeCanvas() const
{
    if (FCanvas.isNull() && !FPicture.isNull()) {
        FCanvas = FPicture.convertToFormat(CanvasFormat(FPicture));
        FPicture = QImage();
    }
    return FCanvas;
}

void TPictureBox::paintEvent(QPaintEvent* event)
{
    if (Shown().isNull())
        return;
    QPainter painter(this);
    // A canvas of a finer grid than the screen (a fractional ratio) is
    // scaled down smoothly.
    const qreal ratio = Shown().devicePixelRatio();
    const bool scaled = ratio > devicePixelRatioF() + 0.01;
    if (scaled)
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (!FCanvas.isNull() || scaled) {
        painter.drawImage(0, 0, Canvas());
        return;
    }
    // Qt draws an 8-bit picture several times slower than a 32-bit one, so
    // what is shown is converted band by band: the same pixels, without
    // keeping a 32-bit copy of the whole picture.
    constexpr int BandRows = 32;
    const QRect shown = QRect(event->rect().topLeft() * ratio, event->rect().size() * ratio) & FPicture.rect();
    for (int y = shown.top(); y <= shown.bottom(); y += BandRows) {
        const QRect band(shown.left(), y, shown.width(), std::min(BandRows, shown.bottom() + 1 - y));
        QImage part = FPicture.copy(band).convertToFormat(CanvasFormat(FPicture));
        part.setDevicePixelRatio(ratio);
        painter.drawImage(QPointF(band.left() / ratio, band.top() / ratio), part);
    }
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
