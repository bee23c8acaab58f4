// SPDX-License-Identifier: GPL-3.0-or-later
// Button glyphs, the splash tile and the program icon.
#include "art.h"

#include <QFont>
#include <QPainterPath>
#include <QtMath>

namespace art {

namespace {

QFont Sans(qreal pixels, bool bold = true)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(qMax(1, qRound(pixels)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Text as an outlined shape, centred on `centre`.
void OutlinedText(QPainter& p, const QString& text, const QFont& font, QPointF centre, QColor fill,
                  qreal outline)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF b = path.boundingRect();
    path.translate(centre - b.center());
    p.setPen(QPen(kOutline, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.drawPath(path);
}

void QuestionMarks(QPainter& p, int count, int size)
{
    const qreal h = count == 1 ? 30 : count == 2 ? 24 : 19;
    const QFont f = Sans(h * 1.25);
    for (int i = 0; i < count; ++i) {
        QPointF c;
        if (count == 1)
            c = QPointF(size / 2.0, size / 2.0);
        else if (count == 2)
            c = QPointF(size * (i ? 0.68 : 0.32), size * (i ? 0.56 : 0.44));
        else
            c = QPointF(size * (0.2 + 0.3 * i), size * (i == 1 ? 0.4 : 0.6));
        OutlinedText(p, QStringLiteral("?"), f, c, kBlue.base, count == 1 ? 2.2 : 1.8);
    }
}

void Printer(QPainter& p, QRectF r, bool grey)
{
    // r: the glyph's drawing box; the printer fills most of it
    const qreal w = r.width(), h = r.height();
    const QColor body = grey ? QColor(0xa0, 0xa0, 0xa0) : kSteel.light;
    const QColor paper = grey ? QColor(0xd8, 0xd8, 0xd8) : QColor(Qt::white);
    const QColor line = grey ? QColor(0x80, 0x80, 0x80) : kOutline;
    p.setPen(QPen(line, 1));
    p.setBrush(paper);
    p.drawRect(QRectF(r.left() + w * 0.28 + 0.5, r.top() + 0.5, w * 0.44, h * 0.4));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(r.left() + 0.5, r.top() + h * 0.36 + 0.5, w - 1, h * 0.38), 1.5, 1.5);
    p.setBrush(paper);
    p.drawRect(QRectF(r.left() + w * 0.22 + 0.5, r.top() + h * 0.62 + 0.5, w * 0.56, h * 0.36));
    p.setPen(QPen(grey ? QColor(0xb0, 0xb0, 0xb0) : kSteel.base, 1));
    p.drawLine(QPointF(r.left() + w * 0.3, r.top() + h * 0.76), QPointF(r.left() + w * 0.7, r.top() + h * 0.76));
    p.drawLine(QPointF(r.left() + w * 0.3, r.top() + h * 0.87), QPointF(r.left() + w * 0.62, r.top() + h * 0.87));
    if (!grey) {
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen.base);
        p.drawEllipse(QPointF(r.right() - w * 0.14, r.top() + h * 0.48), 1.2, 1.2);
    }
}

void Arrow(QPainter& p, int size, double angleDeg, const TShade& s)
{
    p.save();
    p.translate(size / 2.0, size / 2.0);
    p.rotate(angleDeg);
    const qreal u = size / 25.0;
    QPolygonF a;
    a << QPointF(-10 * u, -4 * u) << QPointF(1 * u, -4 * u) << QPointF(1 * u, -9.5 * u) << QPointF(11 * u, 0)
      << QPointF(1 * u, 9.5 * u) << QPointF(1 * u, 4 * u) << QPointF(-10 * u, 4 * u);
    p.setPen(OutlinePen(1.2));
    p.setBrush(s.base);
    p.drawPolygon(a);
    p.setPen(Qt::NoPen);
    p.setBrush(s.light);
    p.drawPolygon(QPolygonF() << QPointF(-9 * u, -3 * u) << QPointF(2 * u, -3 * u) << QPointF(2 * u, -7 * u)
                              << QPointF(4.5 * u, -4.6 * u) << QPointF(3.2 * u, -1 * u) << QPointF(-9 * u, -1 * u));
    p.restore();
}

void UndoArrow(QPainter& p, int size)
{
    const qreal u = size / 25.0;
    QPainterPath arc;
    arc.moveTo(7 * u, 9 * u);
    arc.lineTo(15 * u, 9 * u);
    arc.cubicTo(24 * u, 9 * u, 24 * u, 21 * u, 15 * u, 21 * u);
    arc.lineTo(8 * u, 21 * u);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 6 * u, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(arc);
    p.setPen(QPen(kRed.base, 3.6 * u, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(arc);
    QPolygonF head;
    head << QPointF(1.5 * u, 9 * u) << QPointF(9.5 * u, 2.5 * u) << QPointF(9.5 * u, 15.5 * u);
    p.setPen(OutlinePen(1.2));
    p.setBrush(kRed.base);
    p.drawPolygon(head);
}

void Door(QPainter& p, int w, int h)
{
    // frame with the daylight outside showing through the opening
    p.setPen(OutlinePen(1));
    p.setBrush(QColor(0x8a, 0x4a, 0x1c));
    p.drawRect(QRectF(9.5, 1.5, 16, h - 3));
    p.setBrush(QColor(0xff, 0xe9, 0x9a));
    p.drawRect(QRectF(11.5, 3.5, 12, h - 6));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen.base);
    p.drawRect(QRectF(12, h - 9.0, 11, 5.5));
    // the door leaf swung open towards us, hinged on the left
    QPolygonF leaf;
    leaf << QPointF(11.5, 3.5) << QPointF(2.5, 0.5) << QPointF(2.5, h - 1.5) << QPointF(11.5, h - 2.5);
    p.setPen(OutlinePen(1));
    p.setBrush(QColor(0xc0, 0x74, 0x34));
    p.drawPolygon(leaf);
    p.setBrush(kYellow.base);
    p.drawEllipse(QPointF(4.8, h / 2.0), 1.3, 1.6);
    Q_UNUSED(w);
}

void Pages(QPainter& p, qreal ox, bool grey)
{
    const QColor line = grey ? QColor(0x90, 0x90, 0x90) : kOutline;
    const QColor paper = grey ? QColor(0xe0, 0xe0, 0xe0) : QColor(Qt::white);
    const QColor text = grey ? QColor(0xb0, 0xb0, 0xb0) : kBlue.base;
    for (int k = 0; k < 2; ++k) {
        const QRectF r(ox + 3.5 + k * 8, 1.5 + k * 6, 13, 16);
        QPolygonF page;
        page << r.topLeft() << QPointF(r.right() - 4, r.top()) << QPointF(r.right(), r.top() + 4) << r.bottomRight()
             << r.bottomLeft();
        p.setPen(QPen(line, 1));
        p.setBrush(paper);
        p.drawPolygon(page);
        p.setPen(QPen(text, 1));
        for (int l = 0; l < 3; ++l)
            p.drawLine(QPointF(r.left() + 3, r.top() + 6.5 + 3 * l), QPointF(r.right() - 3, r.top() + 6.5 + 3 * l));
    }
}

void Spanner(QPainter& p, QPointF at, qreal scale, bool grey)
{
    p.save();
    p.translate(at);
    p.rotate(-45);
    p.scale(scale, scale);
    QPainterPath path;
    path.addRoundedRect(QRectF(-1.6, -2, 3.2, 10), 1.2, 1.2);
    path.addEllipse(QPointF(0, -3.5), 3.3, 3.3);
    QPainterPath jaw;
    jaw.addRect(QRectF(-1.2, -7.5, 2.4, 4));
    path = path.subtracted(jaw);
    p.setPen(QPen(grey ? QColor(0x88, 0x88, 0x88) : kOutline, 1.0 / scale));
    p.setBrush(grey ? QColor(0xc4, 0xc4, 0xc4) : kYellow.dark);
    p.drawPath(path);
    p.restore();
}

// A little worker: head, body, arms and legs around a box he moves.
// A worker in a blue shirt and a yellow helmet: a limb is a dark stroke with
// a coloured stroke inside it.
void Limb(QPainter& p, QPointF from, QPointF to, qreal width, QColor colour)
{
    p.setPen(QPen(kOutline, width + 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}

const QColor kSkin(0xf6, 0xc9, 0x9b);
const QColor kTrousers(0x3f, 0x51, 0x8c);
const QColor kCardboard(0xd9, 0xa2, 0x5b);
const QColor kCardboardDark(0xa8, 0x73, 0x35);

void Head(QPainter& p, QPointF centre, bool facingRight)
{
    p.setPen(OutlinePen(1.3));
    p.setBrush(kSkin);
    p.drawEllipse(centre, 8, 8);
    p.setBrush(kYellow.base); // helmet
    p.drawChord(QRectF(centre.x() - 8.5, centre.y() - 9, 17, 15), 0, 180 * 16);
    p.setBrush(kOutline);
    p.drawEllipse(centre + QPointF(facingRight ? 4.5 : -4.5, 0.5), 1, 1.3);
}

void Ground(QPainter& p)
{
    p.setPen(OutlinePen(1.5));
    p.setBrush(kConcrete.base);
    p.drawRoundedRect(QRectF(4.5, 68.5, 71, 7), 3, 3);
}

// "Fjern maskine": a worker walks off to the right with a hole machine in
// his arms; the machine already leaves the picture.
void CarryAway(QPainter& p)
{
    Ground(p);
    // speed lines behind him
    p.setPen(QPen(kOutline, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 3; ++k)
        p.drawLine(QPointF(3.0 + 2 * (k % 2), 30.0 + 8 * k), QPointF(11.0 + 2 * (k % 2), 30.0 + 8 * k));
    // legs in a long stride
    Limb(p, QPointF(27, 47), QPointF(16, 66), 4.5, kTrousers);
    Limb(p, QPointF(27, 47), QPointF(39, 65), 4.5, kTrousers);
    p.setPen(OutlinePen(1.2));
    p.setBrush(kOutline);
    p.drawRoundedRect(QRectF(11.5, 63.5, 7, 4), 1.5, 1.5);
    p.drawRoundedRect(QRectF(37.5, 62.5, 7, 4), 1.5, 1.5);
    // body, leaning a little back under the load
    Limb(p, QPointF(26, 30), QPointF(27, 46), 9, kBlue.base);
    Head(p, QPointF(25.5, 19.5), true);
    // the machine, held in front of him and half out of the picture
    p.save();
    p.translate(37, 26);
    p.scale(0.62, 0.62);
    PaintHuller(p, 0, false);
    p.restore();
    // arms under the machine's side, carrying it
    Limb(p, QPointF(27, 33), QPointF(41, 49), 3.5, kBlue.base);
    p.setPen(OutlinePen(1.3));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(42.5, 49.5), 3, 3);
}

// "Skub maskiner": a worker leans into a row of three boxes and pushes them
// along the floor; an arrow shows the way they go.
void PushRow(QPainter& p)
{
    Ground(p);
    const QColor tops[] = {kBlue.base, kPurple.base, kRed.base};
    for (int i = 0; i < 3; ++i) {
        const QRectF box(31.5 + 15 * i, 52.5, 14, 16);
        p.setPen(OutlinePen(1.4));
        p.setBrush(kCardboard);
        p.drawRect(box);
        p.setBrush(tops[i]); // a machine colour on each box
        p.drawRect(QRectF(box.left(), box.top(), box.width(), 5));
        p.setPen(QPen(kCardboardDark, 1.2));
        p.drawLine(QPointF(box.left() + 3, box.top() + 10.5), QPointF(box.right() - 3, box.top() + 10.5));
    }
    // the arrow over the row
    QPolygonF arrow;
    arrow << QPointF(36, 39) << QPointF(62, 39) << QPointF(62, 33.5) << QPointF(75, 43) << QPointF(62, 52.5)
          << QPointF(62, 47) << QPointF(36, 47);
    p.translate(0, -7);
    p.setPen(OutlinePen(1.4));
    p.setBrush(kGreen.base);
    p.drawPolygon(arrow);
    p.translate(0, 7);
    // the worker, low and leaning forward, both hands on the first box
    Limb(p, QPointF(17, 50), QPointF(5, 66), 4.5, kTrousers);
    Limb(p, QPointF(17, 50), QPointF(20, 66), 4.5, kTrousers);
    Limb(p, QPointF(26, 35), QPointF(17, 49), 9, kBlue.base);
    Limb(p, QPointF(25, 38), QPointF(30, 54), 3.5, kBlue.base);
    Limb(p, QPointF(25, 38), QPointF(30, 60), 3.5, kBlue.base);
    p.setPen(OutlinePen(1.3));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(30.5, 55), 2.6, 2.6);
    p.drawEllipse(QPointF(30.5, 61.5), 2.6, 2.6);
    Head(p, QPointF(31, 26), true);
}

} // namespace

QImage Loudspeaker(bool crossed, QColor key)
{
    QImage img = NewCanvas(25, 25, key);
    QPainter p(&img);
    Prepare(p);
    QPolygonF cone;
    cone << QPointF(3.5, 9.5) << QPointF(7.5, 9.5) << QPointF(13.5, 3.5) << QPointF(13.5, 21.5) << QPointF(7.5, 15.5)
         << QPointF(3.5, 15.5);
    p.setPen(OutlinePen(1));
    p.setBrush(kYellow.base);
    p.drawPolygon(cone);
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow.light);
    p.drawRect(QRectF(4.5, 10.5, 3, 2));
    p.setBrush(kYellow.dark);
    p.drawPolygon(QPolygonF() << QPointF(9, 15) << QPointF(12.5, 12) << QPointF(12.5, 19.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(11, 8, 7, 9), -50 * 16, 100 * 16);
    p.drawArc(QRectF(11, 5, 11, 15), -50 * 16, 100 * 16);
    if (crossed) {
        p.setPen(QPen(QColor(0x8a, 0x10, 0x10), 4.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(21.5, 21.5));
        p.drawLine(QPointF(21.5, 3.5), QPointF(3.5, 21.5));
        p.setPen(QPen(QColor(0xf0, 0x20, 0x20), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(21.5, 21.5));
        p.drawLine(QPointF(21.5, 3.5), QPointF(3.5, 21.5));
    }
    return img;
}

QImage Glyph(const QString& name, QColor key)
{
    auto canvas = [&](int w, int h) { return NewCanvas(w, h, key); };
    if (name == u"sbHuller" || name == u"sbDrejer" || name == u"sbStriber") {
        QImage img = canvas(78, 78);
        QPainter p(&img);
        Prepare(p);
        // floor under the machine
        p.setPen(OutlinePen(1.2));
        p.setBrush(kConcrete.base);
        p.drawRoundedRect(QRectF(3.5, 62.5, 71, 10), 3, 3);
        p.translate(0, 6);
        if (name == u"sbHuller") {
            p.translate(-5.5, 4);
            p.scale(0.9, 1.2);
            PaintHuller(p, 0, false);
        } else if (name == u"sbDrejer") {
            p.translate(-1, 2);
            p.scale(1.0, 1.2);
            PaintDrejer(p, 0, 9);
        } else {
            p.translate(2, 2);
            p.scale(1.0, 1.2);
            PaintMaler(p, 20, false);
        }
        return img;
    }
    if (name == u"sbTraek" || name == u"sbSkub") {
        QImage img = canvas(80, 80);
        QPainter p(&img);
        Prepare(p);
        if (name == u"sbTraek")
            CarryAway(p);
        else
            PushRow(p);
        return img;
    }
    if (name == u"bbLet" || name == u"bbMiddel" || name == u"bbSvaer") {
        QImage img = canvas(32, 32);
        QPainter p(&img);
        Prepare(p);
        QuestionMarks(p, name == u"bbLet" ? 1 : name == u"bbMiddel" ? 2 : 3, 32);
        return img;
    }
    if (name == u"bbCopy") {
        QImage img = canvas(54, 24);
        QPainter p(&img);
        Prepare(p);
        Pages(p, 0, false);
        Pages(p, 27, true);
        return img;
    }
    if (name == u"bbPrint") {
        QImage img = canvas(25, 25);
        QPainter p(&img);
        Prepare(p);
        Printer(p, QRectF(2, 3, 21, 20), false);
        return img;
    }
    if (name == u"bbPrinterSetup") {
        QImage img = canvas(40, 20);
        QPainter p(&img);
        Prepare(p);
        for (int k = 0; k < 2; ++k) {
            Printer(p, QRectF(20 * k + 1, 2, 15, 15), k == 1);
            Spanner(p, QPointF(20 * k + 14, 13), 1.0, k == 1);
        }
        return img;
    }
    if (name == u"bbHelp") {
        QImage img = canvas(27, 28);
        QPainter p(&img);
        Prepare(p);
        OutlinedText(p, QStringLiteral("?"), Sans(30), QPointF(13.5, 14), QColor(0x20, 0x20, 0x20), 0.01);
        return img;
    }
    if (name == u"bbAfslut") {
        QImage img = canvas(28, 29);
        QPainter p(&img);
        Prepare(p);
        Door(p, 28, 29);
        return img;
    }
    if (name == u"bbKoerPlade" || name == u"bbOverfoerPlade") {
        QImage img = canvas(25, 25);
        QPainter p(&img);
        Prepare(p);
        Arrow(p, 25, name == u"bbKoerPlade" ? 0 : -90, kGreen);
        return img;
    }
    if (name == u"bbNulstilOpgave") {
        QImage img = canvas(25, 25);
        QPainter p(&img);
        Prepare(p);
        UndoArrow(p, 25);
        return img;
    }
    if (name == u"bbSound")
        return Loudspeaker(true, key);
    if (name == u"bbHurtig")
        return HareGlyph(key);
    if (name == u"bbHentOpgave")
        return HentOpgaveGlyph();
    if (name == u"bbTrin")
        return TrinGlyph();
    if (name == u"bbTip")
        return TipGlyph();
    if (name == u"bbFortryd" || name == u"bbGentag")
        return FortrydGlyph(name == u"bbGentag");
    return QImage();
}

QImage Splash()
{
    QImage img = NewCanvas(270, 220, QColor(0x6d, 0x73, 0x80));
    QPainter p(&img);
    Prepare(p);
    // bevelled silver-grey tile
    const int bevel = 7;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf6, 0xfa));
    p.drawPolygon(QPolygonF() << QPointF(0, 0) << QPointF(270, 0) << QPointF(270 - bevel, bevel)
                              << QPointF(bevel, bevel) << QPointF(bevel, 220 - bevel) << QPointF(0, 220));
    p.setBrush(QColor(0x8a, 0x90, 0x9c));
    p.drawPolygon(QPolygonF() << QPointF(270, 220) << QPointF(0, 220) << QPointF(bevel, 220 - bevel)
                              << QPointF(270 - bevel, 220 - bevel) << QPointF(270 - bevel, bevel)
                              << QPointF(270, 0));
    p.setBrush(QColor(0xc9, 0xce, 0xd6));
    p.drawRect(QRect(bevel, bevel, 270 - 2 * bevel, 220 - 2 * bevel));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 269, 219));

    // the three machines in a row on a floor
    p.setPen(OutlinePen(1.2));
    p.setBrush(kConcrete.base);
    p.drawRoundedRect(QRectF(14.5, 170.5, 241, 8), 3, 3);
    p.save();
    p.translate(12, 123);
    PaintHuller(p, 0, false);
    p.restore();
    p.save();
    p.translate(98, 123);
    PaintDrejer(p, 0, 9);
    p.restore();
    p.save();
    p.translate(183, 123);
    PaintMaler(p, 30, false);
    p.restore();

    // the name, large and blue, with a soft shadow
    QFont big = QFont(QStringLiteral("Liberation Sans"));
    big.setPixelSize(70);
    big.setBold(true);
    big.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath name;
    name.addText(0, 0, big, QStringLiteral("Vorlen"));
    name.translate(QPointF(135, 56) - name.boundingRect().center());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7a, 0x80, 0x8c));
    p.drawPath(name.translated(3, 3));
    p.setPen(QPen(kOutline, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kBlue.base);
    p.drawPath(name);
    p.setPen(Qt::NoPen);
    p.drawPath(name);
    // a light stripe through the upper half of the letters
    p.save();
    p.setClipPath(name);
    p.setBrush(kBlue.light);
    p.drawRect(QRectF(0, name.boundingRect().top(), 270, name.boundingRect().height() * 0.32));
    p.restore();

    p.setPen(kOutline);
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(12);
    p.setFont(small);
    p.drawText(QRect(bevel, 100, 270 - 2 * bevel, 16), Qt::AlignCenter, QStringLiteral("Byg maskinerne, lav pladen!"));
    p.drawText(QRect(bevel, 186, 270 - 2 * bevel, 22), Qt::AlignCenter, QStringLiteral("Vorlen-holdet 2026"));
    return img;
}

void PaintIcon(QPainter& p, int size)
{
    Prepare(p);
    p.save();
    p.scale(size / 32.0, size / 32.0);
    // grey bevelled tile
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0xf0, 0xf0));
    p.drawRect(QRectF(0, 0, 32, 32));
    p.setBrush(QColor(0x70, 0x70, 0x70));
    p.drawPolygon(QPolygonF() << QPointF(32, 0) << QPointF(32, 32) << QPointF(0, 32) << QPointF(2, 30)
                              << QPointF(30, 30) << QPointF(30, 2));
    p.setBrush(QColor(0xc0, 0xc0, 0xc0));
    p.drawRect(QRectF(2, 2, 28, 28));
    // the press: head, columns, punch, die
    const QColor dark(0x40, 0x40, 0x40), mid(0x80, 0x80, 0x80), light(0xe0, 0xe0, 0xe0);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(mid);
    p.drawRect(QRectF(8.5, 8.5, 3, 16));
    p.drawRect(QRectF(20.5, 8.5, 3, 16));
    p.setBrush(light);
    p.drawRect(QRectF(14.5, 11.5, 3, 6));
    p.setBrush(mid);
    p.drawRect(QRectF(5.5, 4.5, 21, 6));
    p.drawRect(QRectF(5.5, 20.5, 21, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawRect(QRectF(6, 5, 20, 1.5));
    p.drawRect(QRectF(6, 21, 20, 1.5));
    p.setBrush(dark);
    p.drawRect(QRectF(6, 24.5, 20, 1.5));
    p.restore();
}

QImage Icon(int size)
{
    QImage img = NewCanvas(size, size);
    QPainter p(&img);
    PaintIcon(p, size);
    return img;
}

} // namespace art
