// SPDX-License-Identifier: GPL-3.0-or-later
// The glyph of "Tip": a glowing light bulb, a friendly sign of a good idea.
#include "art.h"

#include <QPainterPath>

#include <cmath>

namespace art {

QImage TipGlyph()
{
    QImage img = NewCanvas(26, 28);
    QPainter p(&img);
    Prepare(p);
    const QPointF centre(13, 11);

    // Short rays round the top half of the glass.
    p.setPen(QPen(kYellow.dark, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (const double deg : {-150.0, -120.0, -90.0, -60.0, -30.0}) {
        const double a = deg * M_PI / 180;
        const QPointF dir(std::cos(a), std::sin(a));
        p.drawLine(centre + dir * 9.6, centre + dir * 12.2);
    }

    // The glass: a ball narrowing into the neck.
    QPainterPath glass;
    glass.moveTo(9.5, 19.5);
    glass.cubicTo(9.5, 16.5, 5.5, 15.0, 5.5, 11.0);
    glass.cubicTo(5.5, 6.8, 8.8, 3.5, 13.0, 3.5);
    glass.cubicTo(17.2, 3.5, 20.5, 6.8, 20.5, 11.0);
    glass.cubicTo(20.5, 15.0, 16.5, 16.5, 16.5, 19.5);
    glass.closeSubpath();
    p.setPen(OutlinePen(1.0));
    p.setBrush(kYellow.base);
    p.drawPath(glass);

    // A shine on the glass and the glowing wire inside.
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow.light);
    p.drawEllipse(QPointF(10.6, 8.4), 2.2, 2.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kYellow.dark, 1.0, Qt::SolidLine, Qt::RoundCap));
    QPainterPath wire;
    wire.moveTo(11.2, 18.5);
    wire.lineTo(11.2, 14.0);
    wire.cubicTo(11.2, 11.8, 14.8, 11.8, 14.8, 14.0);
    wire.lineTo(14.8, 18.5);
    p.drawPath(wire);

    // The screw base in three bands and its tip.
    p.setPen(OutlinePen(1.0));
    p.setBrush(kSilver.base);
    p.drawRoundedRect(QRectF(9.0, 19.5, 8, 2.6), 1, 1);
    p.drawRoundedRect(QRectF(9.0, 22.1, 8, 2.6), 1, 1);
    p.setBrush(kSteel.base);
    p.drawRoundedRect(QRectF(10.8, 24.7, 4.4, 2.2), 1, 1);
    return img;
}

} // namespace art
