// SPDX-License-Identifier: GPL-3.0-or-later
// The drawings. Everything is painted with QPainter in ARGB and reduced to
// the stated palettes afterwards.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QVector>

namespace art {

// The shared colours: one outline, flat fills with a light and a dark shade.
extern const QColor kOutline;
struct TShade {
    QColor light, base, dark;
};
extern const TShade kPurple, kGreen, kRed, kSilver, kSteel, kConcrete, kYellow, kBlue, kBrick;

// Canvases are `Scale()` device pixels per drawing unit (1, 2 or 3), so the
// same painting gives the high-resolution versions.
void SetScale(int scale);
int Scale();
QImage NewCanvas(int w, int h, QColor fill = Qt::transparent);
void Prepare(QPainter& p);
QPen OutlinePen(qreal width = 1.0);

// Machines in their 80/98/74 x 48 frame coordinates.
void PaintDrejer(QPainter& p, double phaseDeg, int litLamp);
void PaintHuller(QPainter& p, double punchDown, bool flash);
void PaintMaler(QPainter& p, double nozzleX, bool spraying);
QVector<QImage> DrejerFrames(int frames);
QVector<QImage> HullerFrames();
QVector<QImage> MalerFrames(int passes, int frames);
// Where a MALER frame changes after the first.
constexpr int kMalerStripLeft = 3, kMalerStripTop = 17, kMalerStripWidth = 68, kMalerStripHeight = 6;

// The factory: 792 x 533, opaque. The lamps are drawn unlit.
QImage Factory();
// A lamp picture cut out of the factory, lit or not.
QImage Lamp(const QImage& factory, bool green, bool lit);
constexpr int kRedLampX = 648, kGreenLampX = 685, kLampY = 98;
// The four lamp pictures: name, colour, lit.
struct TLampPicture {
    const char* name;
    bool green, lit;
};
constexpr TLampPicture kLampPictures[] = {{"imGroenSluk", true, false},
                                          {"imGroenTaend", true, true},
                                          {"imRoedSluk", false, false},
                                          {"imRoedTaend", false, true}};

QImage Splash();
void PaintIcon(QPainter& p, int size);
QImage Icon(int size);

// Glyphs; the key colour fills the background.
QImage Glyph(const QString& name, QColor key);
QImage Loudspeaker(bool crossed, QColor key);
QImage HareGlyph(QColor key);
QImage HentOpgaveGlyph();
QImage TrinGlyph();
QImage TipGlyph();
// `redo`: the mirror image, for "Gentag".
QImage FortrydGlyph(bool redo);

// The message dialog's icons ("dlgQuestion", "dlgInformation", "dlgWarning",
// "dlgError"), 32 x 32, transparent background.
QImage DialogIcon(const QString& kind);

} // namespace art
