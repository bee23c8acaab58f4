// SPDX-License-Identifier: GPL-3.0-or-later
// The fast-run glyph: a hare running to the right, with speed lines.
#include "art.h"

namespace art {

namespace {

void Part(QPainter& p, QPointF centre, qreal rx, qreal ry, qreal turnDeg, const QColor& fill)
{
    p.save();
    p.translate(centre);
    p.rotate(turnDeg);
    p.setBrush(fill);
    p.drawEllipse(QPointF(0, 0), rx, ry);
    p.restore();
}

} // namespace

QImage HareGlyph(QColor key)
{
    QImage img = NewCanvas(28, 24, key);
    QPainter p(&img);
    Prepare(p);
    const QColor fur(0xc8, 0x8e, 0x52), furDark(0x93, 0x5f, 0x32), furLight(0xe8, 0xc4, 0x94);

    p.setPen(QPen(QColor(0x5a, 0x78, 0xb4), 1.3, Qt::SolidLine, Qt::RoundCap));
    for (const auto& [y, left] : {std::pair{11.5, 1.0}, {15.5, 0.5}, {19.5, 1.5}})
        p.drawLine(QPointF(left, y), QPointF(left + 3.5, y));

    p.setPen(OutlinePen(1.0));
    Part(p, QPointF(18.2, 6.0), 1.5, 5.0, -42, furDark); // far ear, laid back
    Part(p, QPointF(9.0, 20.2), 4.6, 1.6, 22, furDark);  // hind leg, stretched back
    Part(p, QPointF(14.0, 15.5), 7.0, 4.4, -10, fur);    // body
    Part(p, QPointF(23.8, 19.6), 3.4, 1.2, 38, furDark); // front leg, reaching
    Part(p, QPointF(20.6, 5.6), 1.6, 5.2, -28, fur);     // near ear
    Part(p, QPointF(22.6, 11.8), 3.8, 3.1, 12, fur);     // head
    Part(p, QPointF(7.0, 13.6), 1.9, 1.9, 0, Qt::white); // tail

    p.setPen(Qt::NoPen);
    p.setBrush(furLight);
    p.drawEllipse(QPointF(14.5, 17.6), 4.2, 1.4); // belly
    p.drawEllipse(QPointF(20.6, 5.8), 0.6, 3.2);  // inside of the ear
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(24.0, 11.0), 0.9, 0.9); // eye
    p.drawEllipse(QPointF(26.2, 12.6), 0.6, 0.6); // nose
    return img;
}

} // namespace art
