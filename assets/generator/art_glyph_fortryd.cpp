// SPDX-License-Identifier: GPL-3.0-or-later
// The glyphs of "Fortryd" and "Gentag": a blue arrow turning back round a
// circle (against the clock) and its mirror image, unlike the red arrow that
// deletes the task.
#include "art.h"

#include <QPainterPath>

#include <cmath>

namespace art {

QImage FortrydGlyph(bool redo)
{
    QImage img = NewCanvas(26, 26);
    QPainter p(&img);
    Prepare(p);
    if (redo) {
        p.translate(26, 0);
        p.scale(-1, 1);
    }
    const QPointF centre(13, 14);
    const qreal radius = 7.5;
    // Three quarters of a circle, from the right round the bottom and up to
    // the top, where the head points back to the left.
    QPainterPath arc;
    arc.arcMoveTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 90);
    arc.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 90, -270);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 5.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(arc);
    p.setPen(QPen(kBlue.base, 3.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(arc);
    const qreal top = centre.y() - radius;
    QPolygonF head;
    head << QPointF(centre.x() - 7.5, top) << QPointF(centre.x() + 0.5, top - 6.0) << QPointF(centre.x() + 0.5, top + 6.0);
    p.setPen(OutlinePen(1.0));
    p.setBrush(kBlue.light);
    p.drawPolygon(head);
    return img;
}

} // namespace art
