// SPDX-License-Identifier: GPL-3.0-or-later
// File writers for the generated assets. Every writer is byte-for-byte
// deterministic: no timestamps, no text chunks that depend on the machine.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QVector>

#include <cstdint>

// An indexed picture: `pixels` holds one palette index per pixel, row by row.
struct TIndexed {
    int width = 0;
    int height = 0;
    QVector<QRgb> palette;
    QByteArray pixels;

    uint8_t at(int x, int y) const { return uint8_t(pixels[y * width + x]); }
    QImage toImage() const;
};

// PNG with a palette of `bitDepth` (4 or 8) bits per pixel.
QByteArray EncodePngIndexed(const TIndexed& img, int bitDepth);
// PNG, 24-bit true colour.
QByteArray EncodePngRgb(const QImage& img);
// Windows bitmap file, 4 bits per pixel (16 colours).
QByteArray EncodeBmp4(const TIndexed& img);

struct TGifFrame {
    int left = 0;
    int top = 0;
    TIndexed image;   // palette ignored; indices into the global table
    int disposal = 2; // 1 keep, 2 restore to background
};

// GIF89a with a global colour table, 100 ms per frame, endless loop block in
// the first frame's extensions. Returns false when giflib refuses.
bool WriteGif(const QString& path, int width, int height, const QVector<QRgb>& palette,
              int transparentIndex, const QVector<TGifFrame>& frames);

// RIFF WAVE, PCM mono 8 bits; extra chunks (already complete, with their
// ids and sizes) follow the sample data.
QByteArray EncodeWave(const QByteArray& samples, int rate, const QByteArray& trailingChunks);
// One RIFF chunk with its id, size and pad byte.
QByteArray RiffChunk(const char id[4], const QByteArray& body);
