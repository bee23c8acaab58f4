// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers for looking at rendered pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <functional>

// A colour that no drawing routine uses, to tell untouched pixels apart.
inline QRgb BackgroundRgb()
{
    return qRgb(10, 200, 30);
}

inline QImage FreshImage(int w, int h, QRgb fill = BackgroundRgb())
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

inline QRgb Px(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xffffffu;
}

inline QRgb RgbOnly(QRgb rgb)
{
    return rgb & 0xffffffu;
}

// Bounding box of the pixels for which `match` holds; null when none.
inline QRect BoundsWhere(const QImage& image, const std::function<bool(QRgb)>& match)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (match(Px(image, x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

inline QRect ChangedBounds(const QImage& image, QRgb background = BackgroundRgb())
{
    return BoundsWhere(image, [background](QRgb c) { return c != RgbOnly(background); });
}

inline QRect BoundsOf(const QImage& image, QRgb colour)
{
    return BoundsWhere(image, [colour](QRgb c) { return c == RgbOnly(colour); });
}

inline int CountOf(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += Px(image, x, y) == RgbOnly(colour);
    return n;
}

// Box (x1, y1)-(x2, y2) in the exclusive sense of the drawing routines.
inline QRect Box(int x1, int y1, int x2, int y2)
{
    return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
}
