// SPDX-License-Identifier: GPL-3.0-or-later
// The glyph of "Trin for trin": three steps of rising height, the lowest
// two done (green), and an arrow up to the next.
#include "art.h"

#include <QPainterPath>

namespace art {

QImage TrinGlyph()
{
    QImage img = NewCanvas(32, 32);
    QPainter p(&img);
    Prepare(p);

    // The steps, each a block from the floor line up.
    const qreal floor = 28.5;
    const qreal left = 2.5, width = 8;
    const qreal heights[] = {7, 14, 21};
    for (int i = 0; i < 3; ++i) {
        const QRectF block(left + i * width, floor - heights[i], width, heights[i]);
        p.setPen(OutlinePen(1.0));
        p.setBrush(i < 2 ? kGreen.base : kSilver.light);
        p.drawRect(block);
        p.setPen(QPen(i < 2 ? kGreen.light : Qt::white, 1.0));
        p.drawLine(QPointF(block.left() + 1, block.top() + 1), QPointF(block.right() - 1, block.top() + 1));
    }

    // The arrow, from the second step's top up to the third.
    QPainterPath arrow;
    arrow.moveTo(8.5, 12.5);
    arrow.lineTo(8.5, 9.5);
    arrow.lineTo(14.5, 3.5);
    arrow.lineTo(12, 1);
    arrow.lineTo(20.5, 1);
    arrow.lineTo(20.5, 9.5);
    arrow.lineTo(18, 7);
    arrow.lineTo(11.5, 13.5);
    arrow.closeSubpath();
    p.setPen(OutlinePen(1.0));
    p.setBrush(kBlue.base);
    p.drawPath(arrow);
    return img;
}

} // namespace art
