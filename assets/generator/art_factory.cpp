// SPDX-License-Identifier: GPL-3.0-or-later
// The factory cross-section behind the main window's controls. Coordinates
// are picture pixels (window y minus 40); the places the window's controls
// need are named constants below.
#include "art.h"

#include <QFont>
#include <QPainterPath>
#include <QtMath>

namespace art {

namespace {

constexpr int kW = 792, kH = 533;
constexpr int kBayX[4] = {208, 304, 400, 496};
constexpr int kBayTop[2] = {124, 274};     // bays are 80 x 80
constexpr int kFloorY[2] = {204, 354};     // machines stand here
constexpr int kBeltY[2] = {179, 329};      // the lying plate's top row
constexpr int kBeltFrom[2] = {128, 48};
constexpr int kBeltTo[2] = {592, 706};
constexpr int kRoomLeft = 606, kRoomRight = 728;
constexpr int kPillarLeft = 728, kPillarRight = 770;
constexpr int kPlaceLeft = 626, kTaskPlaceTop = 124, kProducedPlaceTop = 290; // plate boxes, 80 x 81
constexpr int kHouseLeft = 16, kHouseRight = 776, kHouseTop = 88, kGroundY = 380;

const QColor kSky(0x9c, 0xd8, 0xfa);
const QColor kSkyLow(0xc4, 0xe9, 0xfc);
const QColor kHall(0xf1, 0xe4, 0xc8);      // inside walls
const QColor kHallShade(0xdc, 0xcb, 0xa8);
const QColor kBayBack(0x8a, 0x7f, 0x9c);   // the back of a bay
const QColor kBayShade(0x6e, 0x63, 0x82);
const QColor kMortar(0xa9, 0x4e, 0x34);
const QColor kPlace(0x8e, 0x9c, 0xae);     // a mid-tone under the task and produced plate
const QColor kPlaceEdge(0x5c, 0x68, 0x7a);
const QColor kGrass(0x74, 0xc8, 0x4e);
const QColor kGrassDark(0x54, 0xa4, 0x38);

void Bricks(QPainter& p, const QRect& r)
{
    p.save();
    p.setClipRect(r);
    p.fillRect(r, kMortar);
    const int bh = 8, bw = 24;
    for (int y = r.top() - (r.top() % bh); y < r.bottom() + 1; y += bh) {
        const int row = y / bh;
        const int shift = (row % 2) ? bw / 2 : 0;
        for (int x = -shift; x < kW; x += bw) {
            // a few shades, chosen by position so the wall is not noisy
            const int v = ((x / bw) * 7 + row * 3) % 9;
            const QColor c = v == 0 ? kBrick.light : v == 4 ? QColor(0xb0, 0x55, 0x38) : kBrick.base;
            p.fillRect(QRect(x + 1, y + 1, bw - 2, bh - 2), c);
        }
    }
    p.restore();
}

void Outline(QPainter& p, const QRectF& r, qreal w = 1.0)
{
    p.setPen(OutlinePen(w));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

// A concrete slab: light top lip, flat front, dark lower edge, outlined.
void Slab(QPainter& p, const QRect& r)
{
    p.fillRect(r, kConcrete.base);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 3), kConcrete.light);
    p.fillRect(QRect(r.left(), r.bottom() - 2, r.width(), 3), kConcrete.dark);
    p.setPen(QPen(kConcrete.dark, 1));
    for (int x = r.left() + 37; x < r.right() - 4; x += 48)
        p.drawLine(x, r.top() + 5, x, r.bottom() - 4);
    p.setPen(QPen(kOutline, 1));
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
}

void Bay(QPainter& p, int x, int y, int number)
{
    const QRect r(x, y, 80, 80);
    p.fillRect(r, kBayBack);
    // shadow of the opening's top and left edge (light from the top left)
    p.fillRect(QRect(x, y, 80, 6), kBayShade);
    p.fillRect(QRect(x, y, 5, 80), kBayShade);
    // back-wall panels
    p.setPen(QPen(kBayShade, 1));
    p.drawLine(x + 27, y + 8, x + 27, y + 79);
    p.drawLine(x + 54, y + 8, x + 54, y + 79);
    // a lamp hanging in the bay
    p.setPen(QPen(kOutline, 1));
    p.drawLine(x + 40, y + 6, x + 40, y + 10);
    p.setBrush(kYellow.light);
    p.setPen(OutlinePen(1));
    p.drawChord(QRectF(x + 34.5, y + 9.5, 11, 8), 0, 180 * 16);
    // frame
    p.setPen(QPen(kOutline, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(x - 0.0, y - 0.0, 80, 80));
    // number plate above the bay
    const QPointF c(x + 40, y - 9);
    p.setPen(OutlinePen(1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 7.5, 7.5);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kBlue.dark);
    p.drawText(QRectF(c.x() - 8, c.y() - 8, 16, 16), Qt::AlignCenter, QString::number(number));
}

void Belt(QPainter& p, int row)
{
    const int y = kBeltY[row] + 2; // the plate lies on the belt
    const int x0 = kBeltFrom[row], x1 = kBeltTo[row];
    // supports between the bays
    p.setPen(OutlinePen(1));
    p.setBrush(kSteel.base);
    for (int x = x0 + 20; x < x1; x += 24) {
        bool inBay = false;
        for (int bx : kBayX)
            if (x + 4 > bx && x < bx + 80)
                inBay = true;
        if (x > kRoomLeft && row == 1)
            inBay = true;
        if (!inBay)
            p.drawRect(QRectF(x + 0.5, y + 4.5, 4, kFloorY[row] - y - 4));
    }
    p.setPen(QPen(kOutline, 1));
    p.fillRect(QRect(x0, y, x1 - x0, 5), kSteel.dark);
    p.fillRect(QRect(x0, y, x1 - x0, 1), kSteel.light);
    p.setBrush(kSilver.base);
    for (int x = x0 + 4; x < x1 - 2; x += 8)
        p.fillRect(QRect(x, y + 2, 3, 2), kSteel.base);
    p.drawLine(x0, y + 5, x1 - 1, y + 5);
}

void Lamp(QPainter& p, QPointF c, bool green, bool lit)
{
    const TShade on = green ? TShade{QColor(0xc8, 0xff, 0xb0), QColor(0x5c, 0xf0, 0x4a), QColor(0x2a, 0xb0, 0x20)}
                            : TShade{QColor(0xff, 0xd0, 0xc0), QColor(0xff, 0x46, 0x2e), QColor(0xc0, 0x18, 0x10)};
    const TShade off = green ? TShade{QColor(0x6f, 0x94, 0x6a), QColor(0x3c, 0x66, 0x3a), QColor(0x27, 0x45, 0x26)}
                             : TShade{QColor(0x9a, 0x62, 0x5c), QColor(0x6e, 0x34, 0x30), QColor(0x4a, 0x22, 0x20)};
    const TShade& s = lit ? on : off;
    if (lit) {
        for (int k = 3; k >= 1; --k) {
            QColor g = s.base;
            g.setAlpha(50 + 30 * (3 - k));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(c, 7.0 + 1.6 * k, 6.0 + 1.3 * k);
        }
    }
    p.setPen(OutlinePen(1.2));
    p.setBrush(kSteel.dark);
    p.drawEllipse(c, 7.5, 7.5);
    p.setBrush(s.base);
    p.drawEllipse(c, 6.0, 6.0);
    p.setPen(Qt::NoPen);
    p.setBrush(s.dark);
    p.drawChord(QRectF(c.x() - 5.5, c.y() - 5.5, 11, 11), 200 * 16, 140 * 16);
    p.setBrush(s.light);
    p.drawEllipse(QPointF(c.x() - 2.2, c.y() - 2.2), 2.0, 1.6);
}

QPointF LampCentre(bool green)
{
    return QPointF((green ? kGreenLampX : kRedLampX) + 13.5, kLampY + 10.5);
}

void Cloud(QPainter& p, QPointF c, qreal s)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addEllipse(c + QPointF(-18 * s, 2 * s), 14 * s, 10 * s);
    path.addEllipse(c + QPointF(0, -6 * s), 17 * s, 14 * s);
    path.addEllipse(c + QPointF(18 * s, 1 * s), 14 * s, 11 * s);
    path.addRect(QRectF(c.x() - 18 * s, c.y(), 36 * s, 12 * s));
    path = path.simplified();
    p.setPen(QPen(QColor(0x6a, 0x9c, 0xc4), 1.5));
    p.setBrush(Qt::white);
    p.drawPath(path);
}

void Tree(QPainter& p, QPointF base, qreal s)
{
    p.setPen(OutlinePen(1.3));
    p.setBrush(QColor(0x8a, 0x5a, 0x32));
    p.drawRect(QRectF(base.x() - 4 * s, base.y() - 26 * s, 8 * s, 26 * s));
    QPainterPath crown;
    crown.setFillRule(Qt::WindingFill);
    crown.addEllipse(base + QPointF(0, -44 * s), 22 * s, 20 * s);
    crown.addEllipse(base + QPointF(-14 * s, -32 * s), 14 * s, 12 * s);
    crown.addEllipse(base + QPointF(14 * s, -32 * s), 14 * s, 12 * s);
    crown = crown.simplified();
    p.setBrush(QColor(0x4f, 0xae, 0x3c));
    p.drawPath(crown);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x78, 0xcc, 0x55));
    p.drawEllipse(base + QPointF(-7 * s, -50 * s), 9 * s, 6 * s);
}

void Sign(QPainter& p, const QRectF& r, const QString& text, int px)
{
    p.setPen(OutlinePen(1.2));
    p.setBrush(kYellow.base);
    p.drawRoundedRect(r, 3, 3);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(px);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kOutline);
    p.drawText(r, Qt::AlignCenter, text);
}

// A metal control panel with rivets, for a button to sit on.
void Panel(QPainter& p, const QRectF& r)
{
    p.setPen(OutlinePen(1.2));
    p.setBrush(kSteel.light);
    p.drawRoundedRect(r, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(kSteel.base);
    p.drawRect(QRectF(r.left() + 3, r.bottom() - 4, r.width() - 6, 2));
    p.setBrush(kSteel.dark);
    for (QPointF c : {r.topLeft() + QPointF(3.5, 3.5), r.topRight() + QPointF(-3.5, 3.5),
                      r.bottomLeft() + QPointF(3.5, -3.5), r.bottomRight() + QPointF(-3.5, -3.5)})
        p.drawEllipse(c, 1.2, 1.2);
}

// Where a plate box stands; the plate may fill all of `box` (a diamond's
// tips reach its edges).
void PlatePlace(QPainter& p, const QRect& box)
{
    p.setPen(QPen(kPlaceEdge, 1.5, Qt::DashLine));
    p.setBrush(kPlace);
    p.drawRoundedRect(QRectF(box).adjusted(0.75, 0.75, -0.75, -0.75), 6, 6);
}

void Arrow(QPainter& p, QPointF tip, double angleDeg)
{
    p.save();
    p.translate(tip);
    p.rotate(angleDeg);
    p.setPen(OutlinePen(1));
    p.setBrush(kYellow.base);
    p.drawPolygon(QPolygonF() << QPointF(0, 0) << QPointF(-6, -5) << QPointF(-6, -2) << QPointF(-12, -2)
                              << QPointF(-12, 2) << QPointF(-6, 2) << QPointF(-6, 5));
    p.restore();
}

} // namespace

QImage Factory()
{
    QImage img = NewCanvas(kW, kH, kSky);
    QPainter p(&img);
    Prepare(p);

    // sky: lighter towards the horizon, in two flat bands
    p.fillRect(QRect(0, 60, kW, 40), kSkyLow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xe0, 0x50));
    p.drawEllipse(QPointF(40, 30), 18, 18);
    p.setBrush(QColor(0xff, 0xf0, 0x9a));
    p.drawEllipse(QPointF(36, 26), 8, 8);
    Cloud(p, QPointF(150, 14), 0.55);
    Cloud(p, QPointF(520, 12), 0.5);
    Cloud(p, QPointF(300, 16), 0.45);
    Cloud(p, QPointF(720, 14), 0.5);

    // grass with a darker back edge and a few tufts
    p.fillRect(QRect(0, kGroundY - 12, kW, kH - kGroundY + 12), kGrass);
    p.fillRect(QRect(0, kGroundY - 12, kW, 4), kGrassDark);
    p.setPen(QPen(kGrassDark, 1.5, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 26; ++k) {
        const int x = (k * 137) % 780 + 6, y = 392 + (k * 53) % 130;
        if (x > 36 && x < 540 && y > 420 && y < 524)
            continue; // the yard
        p.drawLine(x, y, x - 2, y - 5);
        p.drawLine(x + 3, y, x + 3, y - 6);
        p.drawLine(x + 6, y, x + 8, y - 5);
    }
    // flowers
    for (int k = 0; k < 12; ++k) {
        const QPointF c(560 + (k * 61) % 220, 470 + (k * 37) % 56);
        p.setPen(QPen(kOutline, 0.8));
        p.setBrush(k % 3 == 0 ? kYellow.base : k % 3 == 1 ? QColor(0xff, 0xff, 0xff) : QColor(0xff, 0x8a, 0xc0));
        p.drawEllipse(c, 3, 3);
        p.setBrush(QColor(0xff, 0xa0, 0x20));
        p.drawEllipse(c, 1, 1);
    }
    Tree(p, QPointF(600, 452), 0.8);
    Tree(p, QPointF(742, 470), 1.0);

    // the yard where the tools lie: paved, with a wooden edge
    {
        const QRect yard(40, 424, 496, 96);
        p.setPen(OutlinePen(1.5));
        p.setBrush(QColor(0xb0, 0x7c, 0x4c));
        p.drawRoundedRect(QRectF(yard).adjusted(-4.5, -4.5, 4.5, 4.5), 5, 5);
        p.fillRect(yard, QColor(0xe6, 0xd6, 0xb0));
        p.setPen(QPen(QColor(0xc8, 0xb4, 0x88), 1));
        for (int y = yard.top() + 16; y < yard.bottom(); y += 16)
            p.drawLine(yard.left(), y, yard.right(), y);
        for (int y = yard.top(); y < yard.bottom(); y += 16)
            for (int x = yard.left() + ((y / 16) % 2 ? 12 : 0); x < yard.right(); x += 24)
                p.drawLine(x, y, x, y + 15);
        p.setPen(OutlinePen(1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(yard).adjusted(-0.5, -0.5, 0.5, 0.5));
        // a soft place under each tool
        for (int k = 0; k < 5; ++k) {
            const QRectF r(56 + 96 * k - 3, 432 - 3, 86, 86);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xd2, 0xbf, 0x94));
            p.drawRoundedRect(r, 6, 6);
        }
    }

    // the house: brick walls from left to right
    const QRect house(kHouseLeft, kHouseTop, kHouseRight - kHouseLeft, kGroundY - kHouseTop);
    Bricks(p, house);

    // roof over both storeys, with a chimney
    p.setPen(OutlinePen(1.5));
    p.setBrush(kSteel.base);
    p.drawRect(QRectF(640.5, 18.5, 22, 40));
    p.setBrush(kSteel.light);
    p.drawRect(QRectF(637.5, 14.5, 28, 7));
    {
        QPolygonF roof;
        roof << QPointF(4, kHouseTop + 2) << QPointF(60, 34) << QPointF(732, 34) << QPointF(788, kHouseTop + 2);
        p.setPen(OutlinePen(1.8));
        p.setBrush(kRed.base);
        p.drawPolygon(roof);
        p.save();
        p.setClipRegion(QRegion(roof.toPolygon()));
        p.setPen(QPen(kRed.dark, 1.5));
        for (int y = 44; y < kHouseTop; y += 11)
            p.drawLine(0, y, kW, y);
        for (int y = 34; y < kHouseTop; y += 11)
            for (int x = ((y / 11) % 2) * 11; x < kW; x += 22)
                p.drawLine(x, y, x, y + 11);
        p.setPen(Qt::NoPen);
        p.setBrush(kRed.light);
        p.drawRect(QRectF(0, 35, kW, 3));
        p.restore();
        p.setPen(OutlinePen(1.8));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(roof);
        // gutter
        p.setBrush(kSteel.light);
        p.drawRect(QRectF(2.5, kHouseTop - 0.5, 788, 5));
        // name sign on the roof
        Sign(p, QRectF(316.5, 44.5, 160, 30), QStringLiteral("VORLEN"), 22);
    }

    // upper hall, from the start place to the right wall
    const QRect hall1(96, 104, kBeltTo[0] - 96, kFloorY[0] - 104);
    p.fillRect(hall1, kHall);
    p.fillRect(QRect(hall1.left(), hall1.top(), hall1.width(), 5), kHallShade);
    p.fillRect(QRect(hall1.left(), hall1.top(), 5, hall1.height()), kHallShade);
    Outline(p, QRectF(hall1).adjusted(-0.5, -0.5, 0.5, 0.5), 2);
    // lower hall, from the left wall into the right room
    const QRect hall2(kBeltFrom[1], 252, kRoomLeft - kBeltFrom[1], kFloorY[1] - 252);
    p.fillRect(hall2, kHall);
    p.fillRect(QRect(hall2.left(), hall2.top(), hall2.width(), 5), kHallShade);
    // right room: task place above, produced plate below
    const QRect roomUp(kRoomLeft, 92, kRoomRight - kRoomLeft, 222 - 92);
    const QRect roomDown(kRoomLeft, 241, kRoomRight - kRoomLeft, 372 - 241);
    p.fillRect(roomUp, QColor(0xfa, 0xf0, 0xdc));
    p.fillRect(QRect(roomUp.left(), roomUp.top(), roomUp.width(), 5), kHallShade);
    p.fillRect(QRect(roomUp.left(), roomUp.top(), 4, roomUp.height()), kHallShade);
    p.fillRect(roomDown, QColor(0xfa, 0xf0, 0xdc));
    p.fillRect(QRect(roomDown.left(), roomDown.top(), roomDown.width(), 4), kHallShade);
    Outline(p, QRectF(roomUp).adjusted(-0.5, -0.5, 0.5, 0.5), 2);
    // the lower hall and lower room share one outline
    {
        QPainterPath pth;
        pth.addRect(QRectF(hall2).adjusted(-0.5, -0.5, 0.5, 0.5));
        pth.addRect(QRectF(roomDown).adjusted(-0.5, -0.5, 0.5, 0.5));
        p.setPen(OutlinePen(2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(pth.simplified());
    }

    // task place and produced-plate place: a stand of the plate box's size in
    // a mid-tone, so that a white plate (drawn without an edge) stands out on
    // it; the conveyor runs onto the lower one
    PlatePlace(p, QRect(kPlaceLeft, kTaskPlaceTop, 80, 81));
    PlatePlace(p, QRect(kPlaceLeft, kProducedPlaceTop, 80, 81));

    // the bays, numbered as the player counts the slots
    for (int row = 0; row < 2; ++row)
        for (int c = 0; c < 4; ++c)
            Bay(p, kBayX[c], kBayTop[row], row * 4 + c + 1);

    // floor slabs of both storeys (the selectors sit on their fronts)
    Slab(p, QRect(kHouseLeft, kFloorY[0], kRoomLeft - kHouseLeft, 20));
    Slab(p, QRect(kHouseLeft, kFloorY[1], kRoomLeft - kHouseLeft, 20));
    // the room's slab between the two places, and its floor
    Slab(p, QRect(kRoomLeft - 6, 222, kRoomRight - kRoomLeft + 6, 19));
    Slab(p, QRect(kRoomLeft, 372, kRoomRight - kRoomLeft, 8));

    // start places: a stand at the head of each belt
    for (int row = 0; row < 2; ++row) {
        const int top = row == 0 ? 143 : 293;
        const QRectF stand(132.5, top + 4.5, 72, 72);
        p.setPen(QPen(kHallShade, 2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(stand, 6, 6);
        Belt(p, row);
        // drum at the head of the belt
        p.setPen(OutlinePen(1.2));
        p.setBrush(kSilver.base);
        p.drawEllipse(QPointF(kBeltFrom[row] + 1, kBeltY[row] + 4.5), 4.5, 4.5);
        p.setBrush(kSteel.dark);
        p.drawEllipse(QPointF(kBeltFrom[row] + 1, kBeltY[row] + 4.5), 1.2, 1.2);
    }
    // start signs
    Sign(p, QRectF(138.5, 110.5, 60, 16), QStringLiteral("START"), 11);

    // where row 1 leaves to the right and row 2 comes in from the left
    p.setPen(OutlinePen(1.5));
    p.setBrush(QColor(0x3a, 0x30, 0x48));
    p.drawRect(QRectF(kBeltTo[0] - 0.5, kBeltY[0] - 9.5, 12, 18));
    p.drawRect(QRectF(kBeltFrom[1] - 12.5, kBeltY[1] - 9.5, 12, 18));
    Arrow(p, QPointF(kBeltTo[0] + 6, kBeltY[0] + 23), 90);
    Arrow(p, QPointF(kBeltFrom[1] - 1, kBeltY[1] - 15), 0);
    // a pipe that carries the plate down and round (on the outside walls)
    p.setPen(OutlinePen(1.5));
    p.setBrush(kSteel.light);
    p.drawRect(QRectF(20.5, 276.5, 14, 62));
    p.drawRect(QRectF(20.5, 324.5, 20, 14));

    // control box on the left of the upper storey for the run button
    Panel(p, QRectF(22.5, 206.5, 48, 48));
    Sign(p, QRectF(20.5, 186.5, 52, 16), QStringLiteral("KØR"), 11);

    // lamps' control box above the task place, unlit lamps; it ends 2 px
    // above the task's plate area (y 124)
    Panel(p, QRectF(641.5, 93.5, 78, 27));
    Lamp(p, LampCentre(false), false, false);
    Lamp(p, LampCentre(true), true, false);
    // the places' signs, 2 px clear of the task's plate area (y 124..204)
    Sign(p, QRectF(631.5, 208.5, 70, 12), QStringLiteral("OPGAVE"), 9);
    Sign(p, QRectF(631.5, 245.5, 70, 15), QStringLiteral("DIN PLADE"), 10);

    // pillar right of the room, with places for two buttons
    {
        const QRectF pillar(kPillarLeft + 0.5, 92.5, kPillarRight - kPillarLeft - 1, kGroundY - 93);
        p.setPen(OutlinePen(1.5));
        p.setBrush(kConcrete.base);
        p.drawRect(pillar);
        p.setPen(Qt::NoPen);
        p.setBrush(kConcrete.light);
        p.drawRect(QRectF(pillar.left() + 1, pillar.top() + 1, 4, pillar.height() - 2));
        p.setBrush(kConcrete.dark);
        p.drawRect(QRectF(pillar.right() - 5, pillar.top() + 1, 4, pillar.height() - 2));
        Panel(p, QRectF(728.5, 104.5, 40, 40));
        Panel(p, QRectF(728.5, 210.5, 40, 40));
    }

    // the conveyor's end in the room, under the produced plate
    p.setPen(OutlinePen(1.2));
    p.setBrush(kSilver.base);
    p.drawEllipse(QPointF(kBeltTo[1] - 2, kBeltY[1] + 4.5), 4.5, 4.5);

    // ground line in front of the house
    p.fillRect(QRect(kHouseLeft, kGroundY, kHouseRight - kHouseLeft, 6), kConcrete.dark);
    p.setPen(QPen(kOutline, 1.5));
    p.drawLine(kHouseLeft, kGroundY, kHouseRight, kGroundY);
    p.drawLine(kHouseLeft, kHouseTop, kHouseLeft, kGroundY);
    p.drawLine(kHouseRight, kHouseTop, kHouseRight, kGroundY);
    return img;
}

QImage Lamp(const QImage& factory, bool green, bool lit)
{
    const int x = green ? kGreenLampX : kRedLampX;
    const int s = Scale();
    QImage img = factory.copy(x * s, kLampY * s, 27 * s, 21 * s).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(s);
    if (!lit)
        return img; // the factory itself shows the unlit lamps
    QPainter p(&img);
    Prepare(p);
    p.translate(-x, -kLampY);
    p.setClipRect(QRect(x, kLampY, 27, 21));
    Lamp(p, LampCentre(green), green, lit);
    return img;
}

} // namespace art
