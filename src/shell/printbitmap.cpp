// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/printbitmap.h"

#include <QImage>
#include <QPainter>

void PrintBitmap(QPainter& canvas, int left, int top, int right, int bottom, const QImage& bitmap)
{
    if (bitmap.isNull() || right <= left || bottom <= top)
        return;
    canvas.save();
    // Every source pixel becomes a solid block: no smoothing, and no lossy
    // compression on a PDF printer.
    canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
    canvas.setRenderHint(QPainter::LosslessImageRendering, true);
    canvas.drawImage(QRect(left, top, right - left, bottom - top), bitmap);
    canvas.restore();
}
