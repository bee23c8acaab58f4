// SPDX-License-Identifier: GPL-3.0-or-later
// Reduces drawn pictures to small palettes without dithering.
#pragma once

#include "encoders.h"

#include <QImage>
#include <QVector>

struct TQuantiseOptions {
    int tableSize = 256;         // entries of the colour table
    int keyIndex = -1;           // index kept for transparent pixels (-1: none)
    QRgb keyColour = qRgb(255, 0, 255);
    QRgb matte = qRgb(236, 236, 236); // what half-transparent edges are blended on
};

// A palette shared by all `images` (ARGB; alpha below 128 counts as
// transparent) and each image mapped onto it.
QVector<TIndexed> Quantise(const QVector<QImage>& images, const TQuantiseOptions& opt);
TIndexed Quantise(const QImage& image, const TQuantiseOptions& opt);
// Maps an image onto a given palette (nearest colour; key index for
// transparent pixels, never for opaque ones).
TIndexed MapToPalette(const QImage& image, const QVector<QRgb>& palette, int keyIndex);
// Straight ARGB of any image, the same on every processor.
QImage StraightArgb(const QImage& image);
