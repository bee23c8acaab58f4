// SPDX-License-Identifier: GPL-3.0-or-later
// The message dialog's icons, 32 x 32 drawing units: a speech balloon with a
// question mark or an "i", a warning triangle, a red error disc. They are
// only written at 2x and 3x; at 1x the dialog shows the style's own icons.
#include "art.h"

#include <QFont>
#include <QPainterPath>

namespace art {

namespace {

const QColor kShadow(0x80, 0x80, 0x80, 0xc0);
const QColor kSignBlue(0x00, 0x00, 0xff);

void Mark(QPainter& p, const QString& text, const QRectF& box, const QColor& colour, int pixels, bool serif)
{
    QFont f(serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(true);
    f.setHintingPreference(QFont::PreferNoHinting);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

QPainterPath Balloon()
{
    QPainterPath body;
    body.addEllipse(QPointF(15, 12.5), 14, 11);
    QPainterPath tail;
    tail.moveTo(9, 20);
    tail.lineTo(10.5, 29.5);
    tail.lineTo(17, 22);
    tail.closeSubpath();
    return body.united(tail);
}

} // namespace

QImage DialogIcon(const QString& kind)
{
    QImage img = NewCanvas(32, 32);
    QPainter p(&img);
    Prepare(p);
    QPainterPath shape;
    if (kind == u"dlgQuestion" || kind == u"dlgInformation") {
        shape = Balloon();
    } else if (kind == u"dlgWarning") {
        shape.moveTo(15, 1.5);
        shape.lineTo(29, 28.5);
        shape.lineTo(1, 28.5);
        shape.closeSubpath();
    } else if (kind == u"dlgError") {
        shape.addEllipse(QPointF(15, 15), 14, 14);
    } else {
        return QImage();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kShadow);
    p.drawPath(shape.translated(2, 2));
    const QColor fill = kind == u"dlgWarning" ? QColor(0xff, 0xff, 0x00)
                        : kind == u"dlgError" ? QColor(0xff, 0x00, 0x00)
                                              : QColor(0xff, 0xff, 0xff);
    p.setBrush(fill);
    p.setPen(kind == u"dlgError" ? Qt::NoPen : QPen(Qt::black, 1.0));
    p.drawPath(shape);
    if (kind == u"dlgQuestion") {
        Mark(p, QStringLiteral("?"), QRectF(1, 0, 28, 25), kSignBlue, 20, false);
    } else if (kind == u"dlgInformation") {
        Mark(p, QStringLiteral("i"), QRectF(1, 0, 28, 25), kSignBlue, 22, true);
    } else if (kind == u"dlgWarning") {
        Mark(p, QStringLiteral("!"), QRectF(1, 7, 28, 21), Qt::black, 20, false);
    } else {
        QPen cross(Qt::white, 3.5);
        cross.setCapStyle(Qt::FlatCap);
        p.setPen(cross);
        p.drawLine(QPointF(9.5, 9.5), QPointF(20.5, 20.5));
        p.drawLine(QPointF(20.5, 9.5), QPointF(9.5, 20.5));
    }
    return img;
}

} // namespace art
