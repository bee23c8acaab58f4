// SPDX-License-Identifier: GPL-3.0-or-later
#include "hires.h"

#include "art.h"
#include "encoders.h"
#include "quantise.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

namespace hires {

namespace {

// Sets the drawing scale for one scope; everything else draws at 1x.
struct TScaleScope {
    explicit TScaleScope(int scale) { art::SetScale(scale); }
    ~TScaleScope() { art::SetScale(1); }
};

void WriteFile(const QString& path, const QByteArray& bytes, const TFail& fail)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (bytes.isEmpty() || !f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write ") + path);
}

// Lossless PNG; Qt's writer adds nothing that depends on the machine.
QByteArray Png(const QImage& img)
{
    QImage plain = img.hasAlphaChannel() ? StraightArgb(img) : img.convertToFormat(QImage::Format_RGB32);
    plain.setDevicePixelRatio(1);
    plain.setDotsPerMeterX(0);
    plain.setDotsPerMeterY(0);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "png");
    w.setQuality(0); // the strongest compression
    w.write(plain);
    return bytes;
}

QString PicturePath(const QString& out, const QString& name, int scale)
{
    return out + u"/pictures/" + name + Suffix(scale) + u".png";
}

} // namespace

QString Suffix(int scale)
{
    return u'@' + QString::number(scale) + u'x';
}

void WritePictures(const QString& out, int scale, const TFail& fail)
{
    const TScaleScope scope(scale);
    // In 256 colours, as at 1x and as the machines at every scale: the
    // program holds it 8-bit, a quarter of the memory of 32-bit pixels, and
    // inflates a third of the bytes before the first paint. The pictures cut
    // from it are cut from these colours, so they join it without a seam.
    const TIndexed quantised = Quantise(art::Factory(), TQuantiseOptions{256, -1});
    WriteFile(PicturePath(out, QStringLiteral("ImageVorlen"), scale), EncodePngIndexed(quantised, 8), fail);
    const QImage factory = quantised.toImage().convertToFormat(QImage::Format_RGB32);
    // The floor strip in front of the room: the factory's own pixels.
    WriteFile(PicturePath(out, QStringLiteral("imSnydeGulv"), scale),
              Png(factory.copy(616 * scale, 222 * scale, 114 * scale, 16 * scale)), fail);
    for (const auto& l : art::kLampPictures)
        WriteFile(PicturePath(out, QLatin1String(l.name), scale), Png(art::Lamp(factory, l.green, l.lit)), fail);
    // The splash, too, in 256 colours as at 1x: shown once, for a few seconds.
    WriteFile(PicturePath(out, QStringLiteral("Image2"), scale),
              EncodePngIndexed(Quantise(art::Splash(), TQuantiseOptions{256, -1}), 8), fail);
    WriteFile(PicturePath(out, QStringLiteral("MAINICON"), scale), Png(art::Icon(32)), fail);
    const QImage speaker = art::Loudspeaker(false, Qt::transparent);
    WriteFile(PicturePath(out, QStringLiteral("LOUDSPEAKER"), scale), Png(speaker), fail);
    WriteFile(PicturePath(out, QStringLiteral("NOLOUDSPEAKER"), scale), Png(art::Loudspeaker(true, Qt::transparent)),
              fail);
    for (const char* icon : {"dlgQuestion", "dlgInformation", "dlgWarning", "dlgError"})
        WriteFile(PicturePath(out, QLatin1String(icon), scale), Png(art::DialogIcon(QLatin1String(icon))), fail);
}

void WriteGlyph(const QString& out, const QString& name, int scale, const TFail& fail)
{
    const TScaleScope scope(scale);
    const QImage drawn = art::Glyph(name, Qt::transparent);
    if (drawn.isNull()) {
        fail(QStringLiteral("no drawing for ") + name);
        return;
    }
    WriteFile(PicturePath(out, name, scale), Png(drawn), fail);
}

void WriteAnimation(const QString& out, const QString& name, int transparent, bool strips,
                    const std::function<QVector<QImage>()>& draw, int scale, const TFail& fail)
{
    QVector<QImage> drawn;
    {
        const TScaleScope scope(scale);
        drawn = draw();
    }
    if (drawn.isEmpty())
        return fail(name + QStringLiteral(": no frames"));
    const QVector<TIndexed> mapped = Quantise(drawn, TQuantiseOptions{256, transparent, qRgb(255, 0, 255)});
    const QRect strip(art::kMalerStripLeft * scale, art::kMalerStripTop * scale, art::kMalerStripWidth * scale,
                      art::kMalerStripHeight * scale);
    QVector<TGifFrame> frames;
    for (int i = 0; i < mapped.size(); ++i) {
        TGifFrame f;
        f.image = mapped[i];
        f.disposal = strips ? 1 : 2;
        // A frame after the first holds only the strip when nothing outside
        // it changed (smoothed edges may reach over it; then the whole frame).
        bool stripOnly = strips && i > 0;
        for (int y = 0; stripOnly && y < f.image.height; ++y)
            for (int x = 0; stripOnly && x < f.image.width; ++x)
                if (!strip.contains(x, y) && f.image.at(x, y) != mapped[0].at(x, y))
                    stripOnly = false;
        if (stripOnly) {
            TIndexed part;
            part.width = strip.width();
            part.height = strip.height();
            for (int y = strip.top(); y <= strip.bottom(); ++y)
                part.pixels += f.image.pixels.mid(y * f.image.width + strip.left(), strip.width());
            f.image = part;
            f.left = strip.left();
            f.top = strip.top();
        }
        frames.append(f);
    }
    const QString path = out + u"/GIF/" + name + Suffix(scale) + u".gif";
    QDir().mkpath(out + u"/GIF");
    if (!WriteGif(path, drawn.first().width(), drawn.first().height(), mapped.first().palette, transparent, frames))
        fail(QStringLiteral("giflib refused ") + path);
}

} // namespace hires
