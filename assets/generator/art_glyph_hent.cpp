// SPDX-License-Identifier: GPL-3.0-or-later
// The glyph of "Hent opgave": a task card with a number sign, and an arrow
// that fetches it.
#include "art.h"

#include <QPainterPath>

namespace art {

QImage HentOpgaveGlyph()
{
    QImage img = NewCanvas(32, 32);
    QPainter p(&img);
    Prepare(p);

    // The card, with a folded corner.
    const QRectF card(10.5, 3.5, 18, 25);
    QPolygonF page;
    page << card.topLeft() << QPointF(card.right() - 5, card.top()) << QPointF(card.right(), card.top() + 5)
         << card.bottomRight() << card.bottomLeft();
    p.setPen(OutlinePen(1.0));
    p.setBrush(Qt::white);
    p.drawPolygon(page);
    p.drawPolyline(QPolygonF{QPointF(card.right() - 5, card.top()), QPointF(card.right() - 5, card.top() + 5),
                             QPointF(card.right(), card.top() + 5)});

    // The number sign.
    p.setPen(QPen(kBlue.base, 1.8, Qt::SolidLine, Qt::RoundCap));
    const qreal cx = card.center().x(), cy = card.center().y() + 2;
    p.drawLine(QPointF(cx - 2.2, cy - 5), QPointF(cx - 3.4, cy + 5));
    p.drawLine(QPointF(cx + 2.8, cy - 5), QPointF(cx + 1.6, cy + 5));
    p.drawLine(QPointF(cx - 5, cy - 1.8), QPointF(cx + 5, cy - 1.8));
    p.drawLine(QPointF(cx - 5.6, cy + 2), QPointF(cx + 4.4, cy + 2));

    // The arrow, down into the card's corner.
    QPainterPath arrow;
    arrow.moveTo(1.5, 12.5);
    arrow.lineTo(4.5, 12.5);
    arrow.lineTo(4.5, 18.5);
    arrow.lineTo(7.5, 18.5);
    arrow.lineTo(3, 24.5);
    arrow.lineTo(-1.5, 18.5);
    arrow.lineTo(1.5, 18.5);
    arrow.closeSubpath();
    p.translate(4, 2);
    p.setPen(OutlinePen(1.0));
    p.setBrush(kGreen.base);
    p.drawPath(arrow);
    return img;
}

} // namespace art
