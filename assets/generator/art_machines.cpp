// SPDX-License-Identifier: GPL-3.0-or-later
// The three machines, drawn in their animation frame coordinates.
#include "art.h"

#include <QPainterPath>
#include <QtMath>

namespace art {

const QColor kOutline(0x2a, 0x21, 0x35);
const TShade kPurple{QColor(0xc3, 0x8b, 0xf0), QColor(0x9a, 0x5c, 0xd6), QColor(0x6c, 0x3a, 0xa6)};
const TShade kGreen{QColor(0x8c, 0xe0, 0x7a), QColor(0x4c, 0xb8, 0x4a), QColor(0x2f, 0x85, 0x34)};
const TShade kRed{QColor(0xff, 0x85, 0x70), QColor(0xe4, 0x3d, 0x30), QColor(0xa8, 0x22, 0x1c)};
const TShade kSilver{QColor(0xf2, 0xf4, 0xf8), QColor(0xc9, 0xcf, 0xd9), QColor(0x93, 0x9b, 0xab)};
const TShade kSteel{QColor(0x8d, 0x95, 0xa3), QColor(0x60, 0x68, 0x78), QColor(0x3e, 0x44, 0x52)};
const TShade kConcrete{QColor(0xdc, 0xdb, 0xd3), QColor(0xb8, 0xb6, 0xab), QColor(0x8e, 0x8b, 0x80)};
const TShade kYellow{QColor(0xff, 0xf3, 0x8a), QColor(0xff, 0xd2, 0x3a), QColor(0xd9, 0x9a, 0x10)};
const TShade kBlue{QColor(0x7c, 0xc4, 0xff), QColor(0x2f, 0x80, 0xe0), QColor(0x1b, 0x4f, 0xa8)};
const TShade kBrick{QColor(0xd9, 0x7a, 0x55), QColor(0xc0, 0x5e, 0x3e), QColor(0x93, 0x42, 0x2c)};

namespace {
int gScale = 1;
}

void SetScale(int scale)
{
    gScale = scale;
}

int Scale()
{
    return gScale;
}

QImage NewCanvas(int w, int h, QColor fill)
{
    QImage img(w * gScale, h * gScale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(gScale);
    img.fill(fill);
    return img;
}

void Prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

QPen OutlinePen(qreal width)
{
    QPen pen(kOutline, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

namespace {

void Box(QPainter& p, const QRectF& r, const TShade& s, qreal radius = 1.5, qreal pen = 1.0)
{
    p.setPen(OutlinePen(pen));
    p.setBrush(s.base);
    p.drawRoundedRect(r, radius, radius);
    // light top edge, dark bottom edge inside the outline
    p.setPen(Qt::NoPen);
    p.setBrush(s.light);
    p.drawRect(QRectF(r.left() + pen, r.top() + pen / 2 + 0.5, r.width() - 2 * pen, 2));
    p.setBrush(s.dark);
    p.drawRect(QRectF(r.left() + pen, r.bottom() - pen / 2 - 2.5, r.width() - 2 * pen, 2));
    p.setPen(OutlinePen(pen));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, radius, radius);
}

QColor Mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

} // namespace

// Rotating machine: a purple double cone on a short column; the silver band
// round its waist carries twelve lamps that turn with it.
void PaintDrejer(QPainter& p, double phaseDeg, int litLamp)
{
    Prepare(p);
    const double cx = 40, r = 36;
    const double bandTop = 19.5, bandBottom = 27.5;
    // foot and column
    Box(p, QRectF(22.5, 41.5, 35, 6), kSteel, 1.5);
    Box(p, QRectF(34.5, 36.5, 11, 6), kSilver, 1);

    // Facets of both cones: twelve around, lit from the left.
    const int facets = 12;
    auto facetPolys = [&](double apexY, double baseY) {
        for (int k = 0; k < facets; ++k) {
            const double a1 = qDegreesToRadians(phaseDeg + k * 360.0 / facets);
            const double a2 = qDegreesToRadians(phaseDeg + (k + 1) * 360.0 / facets);
            const double mid = (a1 + a2) / 2;
            if (std::cos(mid) <= -0.05)
                continue; // back side
            const double x1 = cx + r * std::sin(std::clamp(a1, mid - M_PI / 2, mid + M_PI / 2));
            const double x2 = cx + r * std::sin(std::clamp(a2, mid - M_PI / 2, mid + M_PI / 2));
            // brightness: facing left = light
            double t = (std::sin(mid) + 1) / 2; // 0 left .. 1 right
            t = std::clamp(t + (k % 2 ? 0.12 : -0.05), 0.0, 1.0);
            const QColor c = t < 0.5 ? Mix(kPurple.light, kPurple.base, t * 2)
                                     : Mix(kPurple.base, kPurple.dark, (t - 0.5) * 2);
            QPolygonF poly;
            poly << QPointF(cx, apexY) << QPointF(std::min(x1, x2), baseY) << QPointF(std::max(x1, x2), baseY);
            p.setPen(QPen(c, 0.6));
            p.setBrush(c);
            p.drawPolygon(poly);
        }
    };
    facetPolys(3.5, bandTop);
    facetPolys(40.0, bandBottom);
    // outlines of the two cones
    p.setBrush(Qt::NoBrush);
    p.setPen(OutlinePen(1.2));
    p.drawPolygon(QPolygonF() << QPointF(cx, 3.5) << QPointF(cx + r, bandTop) << QPointF(cx - r, bandTop));
    p.drawPolygon(QPolygonF() << QPointF(cx, 40.0) << QPointF(cx + r, bandBottom) << QPointF(cx - r, bandBottom));
    // top knob
    p.setBrush(kSilver.base);
    p.drawEllipse(QPointF(cx, 4.0), 3.0, 2.5);

    // the silver band
    const QRectF band(cx - r - 1.5, bandTop, 2 * r + 3, bandBottom - bandTop);
    p.setPen(OutlinePen(1.2));
    p.setBrush(kSilver.base);
    p.drawRoundedRect(band, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kSilver.light);
    p.drawRect(QRectF(band.left() + 1.5, bandTop + 1.2, band.width() - 3, 1.6));
    p.setBrush(kSilver.dark);
    p.drawRect(QRectF(band.left() + 1.5, bandBottom - 2.4, band.width() - 3, 1.4));

    // lamps on the band, turning with the cone
    for (int k = 0; k < facets; ++k) {
        const double a = qDegreesToRadians(phaseDeg + (k + 0.5) * 360.0 / facets);
        if (std::cos(a) < 0.25)
            continue;
        const double x = cx + (r - 2) * std::sin(a);
        const double w = 1.2 + 1.3 * std::cos(a);
        const bool lit = k == litLamp;
        if (lit) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xff, 0xc8, 0x30));
            p.drawEllipse(QPointF(x, 23.5), w + 3.0, 3.6);
            p.setPen(QPen(kOutline, 0.8));
            p.setBrush(QColor(0xff, 0xfb, 0xd0));
            p.drawEllipse(QPointF(x, 23.5), w + 0.8, 2.6);
            continue;
        }
        p.setPen(QPen(kOutline, 0.8));
        p.setBrush(QColor(0x5a, 0x6f, 0x8c));
        p.drawEllipse(QPointF(x, 23.5), w, 2.2);
    }
}

QVector<QImage> DrejerFrames(int frames)
{
    // The cone turns a whole number of facet widths, so the last frame is the
    // machine at rest again; the lit lamp travels further the longer the run.
    const int steps = frames - 1;
    const int facetTurns = qMax(1, qRound(steps / 4.25));
    QVector<QImage> out;
    for (int i = 0; i < frames; ++i) {
        QImage img = NewCanvas(80, 48);
        QPainter p(&img);
        const double phase = 30.0 * facetTurns * i / steps;
        const bool resting = i == 0 || i == frames - 1;
        // lamp 9 sits at the left edge at rest; it is lit while turning
        PaintDrejer(p, resting ? 0 : phase, resting ? -1 : 9);
        out.append(img);
    }
    return out;
}

// Hole machine: a green press of two parts, a head and a die, held by two
// columns; the punch comes down between them.
void PaintHuller(QPainter& p, double punchDown, bool flash)
{
    Prepare(p);
    // hose and lever outside the middle 80 columns
    p.setPen(OutlinePen(1));
    p.setBrush(kSteel.base);
    p.drawRect(QRectF(1.5, 30.5, 8, 4));
    p.setBrush(kRed.base);
    p.drawEllipse(QPointF(4.5, 28), 3, 3);
    p.setBrush(kSteel.dark);
    p.drawRect(QRectF(88.5, 8.5, 8, 3));

    // columns
    Box(p, QRectF(12.5, 6.5, 9, 36), kGreen, 1);
    Box(p, QRectF(76.5, 6.5, 9, 36), kGreen, 1);
    // the punch (behind the head)
    const double tip = 19.0 + punchDown;
    p.setPen(OutlinePen(1));
    p.setBrush(kSilver.base);
    p.drawRect(QRectF(44.5, 12.0, 9, tip - 12.0));
    p.setPen(Qt::NoPen);
    p.setBrush(kSilver.light);
    p.drawRect(QRectF(46, 13, 2, tip - 14.0));
    p.setPen(OutlinePen(1));
    p.setBrush(kSteel.base);
    p.drawRect(QRectF(46.5, tip - 1, 5, 2.5));
    // head
    Box(p, QRectF(8.5, 1.5, 81, 16), kGreen, 3, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen.dark);
    for (double x : {16.0, 82.0})
        p.drawEllipse(QPointF(x, 9.5), 1.5, 1.5);
    // a gauge on the head
    p.setPen(OutlinePen(1));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(30, 9.5), 4.5, 4.5);
    p.drawLine(QPointF(30, 9.5), QPointF(30 + 3 * std::sin(punchDown / 4), 9.5 - 3 * std::cos(punchDown / 4)));
    p.setBrush(kYellow.base);
    p.drawRoundedRect(QRectF(58.5, 6.5, 20, 6), 1.5, 1.5);
    // die
    Box(p, QRectF(8.5, 27.5, 81, 15), kGreen, 2, 1.2);
    // hazard stripes on the die front
    p.save();
    const QRectF stripes(12.5, 31.5, 73, 5);
    p.setClipRect(stripes);
    p.fillRect(stripes, kYellow.base);
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    for (int x = 8; x < 92; x += 8)
        p.drawPolygon(QPolygonF() << QPointF(x, 37) << QPointF(x + 4, 37) << QPointF(x + 9, 31) << QPointF(x + 5, 31));
    p.restore();
    p.setPen(OutlinePen(1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(stripes);
    // hole in the die where the punch goes
    p.setBrush(kOutline);
    p.drawRect(QRectF(45.5, 27.5, 7, 2));
    // feet
    Box(p, QRectF(12.5, 42.5, 14, 5), kSteel, 1);
    Box(p, QRectF(71.5, 42.5, 14, 5), kSteel, 1);
    if (flash) {
        p.setPen(QPen(kYellow.base, 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 4; ++k) {
            const double a = qDegreesToRadians(200.0 + k * 47.0);
            p.drawLine(QPointF(49 + 7 * std::cos(a), 23.5 + 4 * std::sin(a)),
                       QPointF(49 + 12 * std::cos(a), 23.5 + 6 * std::sin(a)));
        }
    }
}

QVector<QImage> HullerFrames()
{
    static const double down[9] = {0, 1.5, 3.5, 6, 8, 5.5, 3, 1, 0};
    QVector<QImage> out;
    for (int i = 0; i < 9; ++i) {
        QImage img = NewCanvas(98, 48);
        QPainter p(&img);
        PaintHuller(p, down[i], i == 4);
        out.append(img);
    }
    return out;
}

// Stripe machine: red housing with a paint tank; a nozzle carriage runs on a
// rail in the strip above the plate's slit.
void PaintMaler(QPainter& p, double nozzleX, bool spraying)
{
    Prepare(p);
    // legs
    Box(p, QRectF(6.5, 40.5, 10, 7), kSteel, 1);
    Box(p, QRectF(57.5, 40.5, 10, 7), kSteel, 1);
    // lower body
    Box(p, QRectF(0.5, 25.5, 73, 16), kRed, 2, 1.2);
    // a paint roller badge on the lower body
    p.setPen(OutlinePen(1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(27.5, 29.5, 19, 8), 2, 2);
    p.setBrush(kBlue.base);
    p.drawRect(QRectF(30.5, 31.5, 10, 4));
    p.drawLine(QPointF(40.5, 33.5), QPointF(44, 33.5));
    p.setBrush(kYellow.base);
    p.drawEllipse(QPointF(10.5, 33.5), 2.5, 2.5);
    p.drawEllipse(QPointF(63.5, 33.5), 2.5, 2.5);
    // upper housing with the paint tank
    p.setPen(OutlinePen(1));
    p.setBrush(kSilver.base);
    p.drawRoundedRect(QRectF(26.5, 0.5, 21, 6), 2, 2);
    p.setBrush(kRed.dark);
    p.drawRoundedRect(QRectF(30.5, 0.5, 5, 3), 1, 1);
    Box(p, QRectF(0.5, 4.5, 73, 13), kRed, 2, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed.dark);
    p.drawRect(QRectF(2, 14.5, 70, 2.5));
    // paint level window
    p.setPen(OutlinePen(1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(55.5, 8.5, 12, 5), 1.5, 1.5);
    p.setBrush(kBlue.base);
    p.drawRect(QRectF(56.5, 10.5, 10, 3));
    p.setBrush(kYellow.base);
    p.drawEllipse(QPointF(8.5, 11), 2.2, 2.2);
    p.drawEllipse(QPointF(15.5, 11), 2.2, 2.2);

    // the strip: dark recess, rail, carriage
    const QRectF strip(kMalerStripLeft, kMalerStripTop, kMalerStripWidth, kMalerStripHeight);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x2a, 0x33));
    p.drawRect(strip);
    p.setBrush(kSteel.light);
    p.drawRect(QRectF(strip.left(), strip.top(), strip.width(), 1.5));
    // walls beside the strip
    p.setBrush(kRed.base);
    p.drawRect(QRectF(0.5, 17, 2.5, 9));
    p.drawRect(QRectF(71, 17, 2.5, 9));
    p.setPen(OutlinePen(1));
    p.drawLine(QPointF(0.5, 17), QPointF(0.5, 26));
    p.drawLine(QPointF(73.5, 17), QPointF(73.5, 26));

    // carriage with nozzle; nozzleX is the carriage's left edge in the strip
    const double x = strip.left() + nozzleX;
    p.setPen(OutlinePen(1));
    p.setBrush(kYellow.base);
    p.drawRoundedRect(QRectF(x + 0.5, 17.5, 9, 3.5), 1, 1);
    p.setBrush(kSteel.dark);
    p.drawRect(QRectF(x + 3.5, 20.5, 3, 1.5));
    // slit where the plate runs: left open so the plate shows
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(1, 23, 72, 2.5));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setPen(OutlinePen(1));
    p.drawLine(QPointF(1, 22.5), QPointF(73, 22.5));
    p.drawLine(QPointF(1, 25.5), QPointF(73, 25.5));
    if (spraying) {
        // paint falling onto the plate
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue.base);
        p.drawRect(QRectF(x + 3, 21, 4, 2));
    }
}

QVector<QImage> MalerFrames(int passes, int frames)
{
    // One pass runs out to the right end and back home; the last frame is
    // the machine at rest again.
    const double travel = kMalerStripWidth - 10;
    QVector<QImage> out;
    for (int i = 0; i < frames; ++i) {
        const double t = double(i) * passes / (frames - 1);
        const double f = t - std::floor(t);
        const double pos = travel * (1 - std::abs(2 * f - 1));
        const bool resting = i == 0 || i == frames - 1;
        QImage img = NewCanvas(74, 48);
        QPainter p(&img);
        PaintMaler(p, resting ? 0 : pos, !resting);
        out.append(img);
    }
    return out;
}

} // namespace art
