// SPDX-License-Identifier: GPL-3.0-or-later
// vorlen-assets OUTDIR [--sheets SHEETDIR]
// Draws every picture, animation and sound of the game and writes them under
// OUTDIR (GIF/, WAVE/, BUTTONGLYPH/, pictures/, icons/). The output is the
// same, byte for byte, on every run. With --sheets it also writes contact
// sheets of the animations as the floor will show them.
#include "art.h"
#include "encoders.h"
#include "hires.h"
#include "quantise.h"
#include "sounds.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>
#include <QBuffer>

#include <cstdio>
#include <functional>

namespace {

bool gFailed = false;

void Fail(const QString& what)
{
    std::fprintf(stderr, "vorlen-assets: %s\n", qPrintable(what));
    gFailed = true;
}

const hires::TFail kFail = [](const QString& what) { Fail(what); };

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        Fail(QStringLiteral("cannot write ") + path);
}

QByteArray PngOfImage(const QImage& img)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "png");
    w.write(img);
    return bytes;
}

struct TAnimation {
    const char* name;
    int tableSize;
    int transparent;
    std::function<QVector<QImage>()> draw;
    bool strips; // frames after the first hold only the MALER strip
};

// The slot as the floor shows it: the factory's floor under slot 1, the
// frame drawn over it centred, honouring transparency and disposal.
QVector<QImage> Replay(const QImage& factory, const QVector<TGifFrame>& frames, int screenWidth, int transparent,
                       const QVector<QRgb>& palette)
{
    const QImage floor = factory.copy(208, 204 - 48, 80, 48).convertToFormat(QImage::Format_RGB32);
    const int d = (screenWidth - 80) / 2;
    QImage canvas = floor;
    QVector<QImage> out;
    for (const TGifFrame& f : frames) {
        for (int y = 0; y < f.image.height; ++y)
            for (int x = 0; x < f.image.width; ++x) {
                const int cx = f.left + x - d, cy = f.top + y;
                if (cx < 0 || cx >= 80 || cy < 0 || cy >= 48)
                    continue;
                const int idx = f.image.at(x, y);
                if (idx != transparent)
                    canvas.setPixel(cx, cy, palette[idx]);
            }
        out.append(canvas);
        if (f.disposal == 2)
            canvas = floor;
    }
    return out;
}

void WriteSheet(const QString& dir, const QString& name, const QVector<QImage>& shots)
{
    const int cols = 10, w = 80, h = 48, gap = 4;
    const int rows = (int(shots.size()) + cols - 1) / cols;
    QImage sheet(cols * (w + gap) + gap, rows * (h + gap) + gap, QImage::Format_RGB32);
    sheet.fill(qRgb(40, 40, 48));
    QPainter p(&sheet);
    for (int i = 0; i < shots.size(); ++i)
        p.drawImage(gap + (i % cols) * (w + gap), gap + (i / cols) * (h + gap), shots[i]);
    p.end();
    WriteFile(dir + u'/' + name + u".png", PngOfImage(sheet));
    WriteFile(dir + u'/' + name + u"_4x.png", PngOfImage(sheet.scaled(sheet.size() * 4)));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: vorlen-assets OUTDIR [--sheets SHEETDIR]\n");
        return 2;
    }
    const QString out = args[1];
    QString sheets;
    const qsizetype s = args.indexOf(QStringLiteral("--sheets"));
    if (s > 0 && s + 1 < args.size())
        sheets = args[s + 1];

    // --- the factory and the pictures cut from it
    const TIndexed factory = Quantise(art::Factory(), TQuantiseOptions{256, -1});
    WriteFile(out + u"/pictures/ImageVorlen.png", EncodePngIndexed(factory, 8));
    const QImage factoryRgb = factory.toImage().convertToFormat(QImage::Format_RGB32);
    {
        // The floor strip is the factory's own pixels, palette and all, so the
        // rising plate passes behind it without a seam.
        TIndexed strip;
        strip.width = 114;
        strip.height = 16;
        strip.palette = factory.palette;
        for (int y = 0; y < 16; ++y)
            strip.pixels += factory.pixels.mid((222 + y) * factory.width + 616, 114);
        WriteFile(out + u"/pictures/imSnydeGulv.png", EncodePngIndexed(strip, 8));
    }
    for (const auto& l : art::kLampPictures)
        WriteFile(out + u"/pictures/" + QLatin1String(l.name) + u".png",
                  EncodePngIndexed(Quantise(art::Lamp(factoryRgb, l.green, l.lit), TQuantiseOptions{256, -1}), 8));

    WriteFile(out + u"/pictures/Image2.png", EncodePngIndexed(Quantise(art::Splash(), TQuantiseOptions{256, -1}), 8));
    WriteFile(out + u"/pictures/MAINICON.png", EncodePngIndexed(Quantise(art::Icon(32), TQuantiseOptions{16, -1}), 4));
    for (int scale : hires::kScales)
        hires::WritePictures(out, scale, kFail);
    for (int size : {16, 32, 48, 64, 128, 256})
        WriteFile(out + u"/icons/vorlen-" + QString::number(size) + u".png", PngOfImage(art::Icon(size)));
    {
        QByteArray svg;
        QBuffer buf(&svg);
        QSvgGenerator gen;
        gen.setOutputDevice(&buf);
        gen.setSize(QSize(32, 32));
        gen.setViewBox(QRect(0, 0, 32, 32));
        gen.setTitle(QStringLiteral("Vorlen"));
        gen.setDescription(QStringLiteral("A press on a bevelled tile"));
        QPainter p(&gen);
        art::PaintIcon(p, 32);
        p.end();
        WriteFile(out + u"/icons/vorlen.svg", svg);
    }

    // --- glyphs: background (transparent while drawing) becomes the key colour
    const QRgb key = qRgb(192, 192, 192);
    struct {
        const char* name;
        int colours; // 16, 256, or 0 for 24-bit
    } glyphs[] = {{"sbHuller", 256}, {"sbDrejer", 256}, {"sbStriber", 256}, {"sbTraek", 256},
                  {"sbSkub", 256},   {"bbLet", 256},    {"bbMiddel", 256},  {"bbSvaer", 256},
                  {"bbCopy", 0},     {"bbPrint", 16},   {"bbSound", 16},    {"bbPrinterSetup", 16},
                  {"bbHelp", 16},    {"bbAfslut", 16},  {"bbKoerPlade", 16}, {"bbNulstilOpgave", 16},
                  {"bbOverfoerPlade", 16},
                  {"bbHurtig", 16}, {"bbHentOpgave", 16}, {"bbTrin", 16}, {"bbTip", 16},
                  {"bbFortryd", 16}, {"bbGentag", 16}};
    for (const auto& g : glyphs) {
        const QString name = QLatin1String(g.name);
        const QImage drawn = art::Glyph(name, Qt::transparent);
        if (drawn.isNull()) {
            Fail(QStringLiteral("no drawing for ") + name);
            continue;
        }
        const QString path = out + u"/pictures/" + name + u".png";
        if (g.colours == 0) {
            const TIndexed flat = Quantise(drawn, TQuantiseOptions{256, 0, key});
            QImage rgb = flat.toImage().convertToFormat(QImage::Format_RGB32);
            WriteFile(path, EncodePngRgb(rgb));
        } else {
            WriteFile(path, EncodePngIndexed(Quantise(drawn, TQuantiseOptions{g.colours, 0, key}),
                                             g.colours == 16 ? 4 : 8));
        }
        for (int scale : hires::kScales)
            hires::WriteGlyph(out, name, scale, kFail);
    }
    WriteFile(out + u"/BUTTONGLYPH/LOUDSPEAKER.bmp",
              EncodeBmp4(Quantise(art::Loudspeaker(false, Qt::transparent), TQuantiseOptions{16, 0, key})));
    WriteFile(out + u"/BUTTONGLYPH/NOLOUDSPEAKER.bmp",
              EncodeBmp4(Quantise(art::Loudspeaker(true, Qt::transparent), TQuantiseOptions{16, 0, key})));

    // --- animations
    TAnimation anims[] = {
        {"DREJER45", 256, 0, [] { return art::DrejerFrames(5); }, false},
        {"DREJER90", 256, 0, [] { return art::DrejerFrames(9); }, false},
        {"DREJER135", 256, 0, [] { return art::DrejerFrames(14); }, false},
        {"DREJER180", 64, 33, [] { return art::DrejerFrames(18); }, false},
        {"HULLER1", 32, 30, [] { return art::HullerFrames(); }, false},
        {"MALER1", 32, 30, [] { return art::MalerFrames(1, 16); }, false},
        {"MALER2", 32, 30, [] { return art::MalerFrames(2, 31); }, true},
        {"MALER3", 32, 0, [] { return art::MalerFrames(3, 48); }, true},
    };
    for (TAnimation& a : anims) {
        const QString name = QLatin1String(a.name);
        const QVector<QImage> drawn = a.draw();
        const QVector<TIndexed> mapped =
            Quantise(drawn, TQuantiseOptions{a.tableSize, a.transparent, qRgb(255, 0, 255)});
        const QVector<QRgb> palette = mapped.first().palette;
        QVector<TGifFrame> frames;
        const QRect strip(art::kMalerStripLeft, art::kMalerStripTop, art::kMalerStripWidth, art::kMalerStripHeight);
        for (int i = 0; i < mapped.size(); ++i) {
            TGifFrame f;
            f.image = mapped[i];
            f.disposal = a.strips ? 1 : 2;
            if (a.strips && i > 0) {
                // Everything outside the strip must equal the first frame.
                for (int y = 0; y < f.image.height; ++y)
                    for (int x = 0; x < f.image.width; ++x)
                        if (!strip.contains(x, y) && f.image.at(x, y) != mapped[0].at(x, y))
                            Fail(name + QStringLiteral(": frame %1 changes outside the strip").arg(i));
                TIndexed part;
                part.width = strip.width();
                part.height = strip.height();
                for (int y = strip.top(); y <= strip.bottom(); ++y)
                    part.pixels += f.image.pixels.mid(y * f.image.width + strip.left(), strip.width());
                for (char c : part.pixels)
                    if (uint8_t(c) == a.transparent)
                        Fail(name + QStringLiteral(": transparent pixel in a strip"));
                f.image = part;
                f.left = strip.left();
                f.top = strip.top();
            }
            frames.append(f);
        }
        QDir().mkpath(out + u"/GIF");
        if (!WriteGif(out + u"/GIF/" + name + u".gif", drawn.first().width(), drawn.first().height(), palette,
                      a.transparent, frames))
            Fail(QStringLiteral("giflib refused ") + name);
        if (!sheets.isEmpty())
            WriteSheet(sheets, name, Replay(factoryRgb, frames, drawn.first().width(), a.transparent, palette));
        for (int scale : hires::kScales)
            hires::WriteAnimation(out, name, a.transparent, a.strips, a.draw, scale, kFail);
    }

    // --- sounds
    WriteFile(out + u"/WAVE/OKLYD.wav", sounds::OkWave());
    WriteFile(out + u"/WAVE/FEJLLYD.wav", sounds::WrongWave());

    if (!sheets.isEmpty()) {
        WriteFile(sheets + u"/factory_4x_part.png", PngOfImage(factoryRgb.copy(560, 80, 232, 180).scaled(928, 720)));
    }
    return gFailed ? 1 : 0;
}
