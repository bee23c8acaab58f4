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
    // what is shown is converted band by band into a small 32-bit strip: the
    // same pixels, without keeping a 32-bit copy of the whole picture.
    constexpr int BandRows = 16;
    const QRect shown = QRect(event->rect().topLeft() * ratio, event->rect().size() * ratio) & FPicture.rect();
    if (shown.isEmpty())
        return;
    const QImage::Format format = CanvasFormat(FPicture);
    const bool indexed = FPicture.format() == QImage::Format_Indexed8;
    if (indexed && (FBand.format() != format || FBand.width() < shown.width()))
        FBand = QImage(shown.width(), BandRows, format);
    FBand.setDevicePixelRatio(ratio);
    QRgb table[256] = {};
    if (indexed) {
        // As Qt converts: entries past the table are 0.
        const QList<QRgb> colours = FPicture.colorTable();
        for (qsizetype i = 0; i < std::min<qsizetype>(colours.size(), 256); ++i)
            table[i] = format == QImage::Format_RGB32 ? 0xff000000 | colours[i] : qPremultiply(colours[i]);
        if (format == QImage::Format_RGB32)
            for (qsizetype i = colours.size(); i < 256; ++i)
                table[i] = 0xff000000;
    }
    for (int y = shown.top(); y <= shown.bottom(); y += BandRows) {
        const QRect band(shown.left(), y, shown.width(), std::min(BandRows, shown.bottom() + 1 - y));
        const QPointF at(band.left() / ratio, band.top() / ratio);
        if (!indexed) {
            QImage part = FPicture.copy(band).convertToFormat(format);
            part.setDevicePixelRatio(ratio);
            painter.drawImage(at, part);
            continue;
        }
        // Bounds in locals: the pixels written could alias a QRect's ints.
        const int width = band.width();
        const int rows = band.height();
        for (int row = 0; row < rows; ++row) {
            const uchar* from = FPicture.constScanLine(y + row) + band.left();
            auto* to = reinterpret_cast<QRgb*>(FBand.scanLine(row));
            for (int x = 0; x < width; ++x)
                to[x] = table[from[x]];
        }
        painter.drawImage(at, FBand, QRect(0, 0, band.width(), band.height()));
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
