// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/gifplayer.h"

#include "base/delay.h"
#include "shell/resources.h"
#include "model/draw_grid.h"

#include <QPainter>

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Limits for what a machine animation may ask of memory. The real files are
// below 100 x 50 pixels and 50 frames; a damaged stream must never make the
// decoder allocate without bound.
constexpr int MaxSide = 4096;
constexpr int MaxFrames = 1000;
constexpr qint64 MaxTotalPixels = qint64(1) << 24;

struct TFrame {
    QImage Image;     // Indexed8, clipped to the logical screen; null if nothing of it shows
    QPoint Offset;    // top-left within the logical screen
    int DelayMs = 0;
    int Disposal = DISPOSAL_UNSPECIFIED;
};

struct TFrames {
    int Width = 0;
    int Height = 0;
    std::vector<TFrame> Frames;
};

struct TReader {
    const unsigned char* Data;
    std::size_t Size;
    std::size_t Pos;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int count)
{
    auto* reader = static_cast<TReader*>(gif->UserData);
    if (count <= 0)
        return 0;
    const std::size_t n = std::min<std::size_t>(std::size_t(count), reader->Size - reader->Pos);
    std::memcpy(buffer, reader->Data + reader->Pos, n);
    reader->Pos += n;
    return int(n);
}

quint16 Word(const unsigned char* p)
{
    return quint16(p[0] | (p[1] << 8));
}

// Walks the block structure of the stream without decoding it, so that sizes
// and counts are checked before giflib allocates anything for them.
bool StructureWithinLimits(const QByteArray& data)
{
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData());
    const std::size_t size = std::size_t(data.size());
    std::size_t pos = 0;
    auto have = [&](std::size_t n) { return size - pos >= n; };
    auto skipColourTable = [&](unsigned char packed) {
        if (!(packed & 0x80))
            return true;
        const std::size_t bytes = 3u * (2u << (packed & 7));
        if (!have(bytes))
            return false;
        pos += bytes;
        return true;
    };
    auto skipSubBlocks = [&]() {
        for (;;) {
            if (!have(1))
                return false;
            const std::size_t n = p[pos++];
            if (n == 0)
                return true;
            if (!have(n))
                return false;
            pos += n;
        }
    };

    if (!have(13) || std::memcmp(p, "GIF", 3) != 0)
        return false;
    const int width = Word(p + 6);
    const int height = Word(p + 8);
    if (width < 1 || height < 1 || width > MaxSide || height > MaxSide)
        return false;
    const unsigned char screenPacked = p[10];
    pos = 13;
    if (!skipColourTable(screenPacked))
        return false;

    int frames = 0;
    qint64 pixels = 0;
    for (;;) {
        if (!have(1))
            return false;
        switch (p[pos++]) {
        case 0x2C: {
            if (!have(9))
                return false;
            const int w = Word(p + pos + 4);
            const int h = Word(p + pos + 6);
            const unsigned char packed = p[pos + 8];
            pos += 9;
            if (w < 1 || h < 1 || w > MaxSide || h > MaxSide || ++frames > MaxFrames)
                return false;
            pixels += qint64(w) * h;
            if (pixels > MaxTotalPixels)
                return false;
            if (!(packed & 0x80) && !(screenPacked & 0x80))
                return false; // no colour table at all
            if (!skipColourTable(packed) || !have(1))
                return false;
            ++pos; // minimum LZW code size
            if (!skipSubBlocks())
                return false;
            break;
        }
        case 0x21:
            if (!have(1))
                return false;
            ++pos; // extension label
            if (!skipSubBlocks())
                return false;
            break;
        case 0x3B:
            return frames > 0;
        default:
            return false;
        }
    }
}

std::shared_ptr<const TFrames> Decode(const QByteArray& data)
{
    if (!StructureWithinLimits(data))
        return {};

    TReader reader{reinterpret_cast<const unsigned char*>(data.constData()),
                   std::size_t(data.size()), 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, ReadFromMemory, &error);
    if (!gif)
        return {};
    struct TCloser {
        GifFileType* Gif;
        ~TCloser()
        {
            int err = 0;
            DGifCloseFile(Gif, &err);
        }
    } closer{gif};

    if (DGifSlurp(gif) != GIF_OK)
        return {};
    if (gif->SWidth < 1 || gif->SHeight < 1 || gif->SWidth > MaxSide || gif->SHeight > MaxSide
        || gif->ImageCount < 1 || gif->ImageCount > MaxFrames)
        return {};

    auto result = std::make_shared<TFrames>();
    result->Width = gif->SWidth;
    result->Height = gif->SHeight;
    const QRect screen(0, 0, gif->SWidth, gif->SHeight);
    result->Frames.reserve(std::size_t(gif->ImageCount));

    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& saved = gif->SavedImages[i];
        const GifImageDesc& desc = saved.ImageDesc;
        const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
        if (!map || !map->Colors || map->ColorCount < 1 || map->ColorCount > 256 || !saved.RasterBits
            || desc.Width < 1 || desc.Height < 1 || desc.Width > MaxSide || desc.Height > MaxSide)
            return {};

        GraphicsControlBlock gcb{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
        DGifSavedExtensionToGCB(gif, i, &gcb);

        QList<QRgb> colours(256, qRgb(0, 0, 0));
        for (int c = 0; c < map->ColorCount; ++c)
            colours[c] = qRgb(map->Colors[c].Red, map->Colors[c].Green, map->Colors[c].Blue);
        if (gcb.TransparentColor >= 0 && gcb.TransparentColor < 256)
            colours[gcb.TransparentColor] = qRgba(0, 0, 0, 0);

        const QRect area(desc.Left, desc.Top, desc.Width, desc.Height);
        const QRect shown = area & screen;
        TFrame frame;
        frame.DelayMs = gcb.DelayTime * 10;
        frame.Disposal = gcb.DisposalMode;
        frame.Offset = shown.isEmpty() ? QPoint() : shown.topLeft();
        if (!shown.isEmpty()) {
            frame.Image = QImage(shown.width(), shown.height(), QImage::Format_Indexed8);
            if (frame.Image.isNull())
                return {};
            frame.Image.setColorTable(colours);
        }
        // Every index is checked, also outside the visible part: a pixel
        // beyond the colour table means a damaged stream.
        for (int y = 0; y < desc.Height; ++y) {
            const GifByteType* row = saved.RasterBits + std::size_t(y) * std::size_t(desc.Width);
            for (int x = 0; x < desc.Width; ++x)
                if (row[x] >= map->ColorCount)
                    return {};
            const int sy = desc.Top + y - shown.top();
            if (shown.isEmpty() || sy < 0 || sy >= shown.height())
                continue;
            std::memcpy(frame.Image.scanLine(sy), row + (shown.left() - desc.Left),
                        std::size_t(shown.width()));
        }
        result->Frames.push_back(std::move(frame));
    }
    return result;
}

// The 1x frames with every pixel a grid x grid block, offsets and screen to
// match: what a screen of that grid shows when the finer versions are
// missing, like the pictures (LoadPicture) enlarged from 1x.
std::shared_ptr<const TFrames> Enlarged(const TFrames& coarse, int grid)
{
    auto fine = std::make_shared<TFrames>();
    fine->Width = coarse.Width * grid;
    fine->Height = coarse.Height * grid;
    fine->Frames.reserve(coarse.Frames.size());
    for (const TFrame& frame : coarse.Frames) {
        TFrame big = frame;
        big.Offset = frame.Offset * grid;
        if (!frame.Image.isNull()) {
            big.Image = QImage(frame.Image.size() * grid, QImage::Format_Indexed8);
            if (big.Image.isNull())
                return {};
            big.Image.setColorTable(frame.Image.colorTable());
            for (int y = 0; y < big.Image.height(); ++y) {
                const uchar* from = frame.Image.constScanLine(y / grid);
                uchar* to = big.Image.scanLine(y);
                for (int x = 0; x < big.Image.width(); ++x)
                    to[x] = from[x / grid];
            }
        }
        fine->Frames.push_back(std::move(big));
    }
    return fine;
}

// Frames, clips and origins are in the canvas's device pixels: the painter
// draws on the canvas pixel for pixel, whatever its device pixel ratio.
struct TDevicePixels {
    explicit TDevicePixels(QImage& canvas) : Canvas(canvas), Ratio(canvas.devicePixelRatio())
    {
        Canvas.setDevicePixelRatio(1);
    }
    ~TDevicePixels() { Canvas.setDevicePixelRatio(Ratio); }
    QImage& Canvas;
    qreal Ratio;
};

void DrawFrame(QImage& canvas, const QRect& clip, const QPoint& origin, const TFrame& frame)
{
    if (frame.Image.isNull())
        return;
    const TDevicePixels devicePixels(canvas);
    QPainter painter(&canvas);
    painter.setClipRect(clip);
    painter.drawImage(origin + frame.Offset, frame.Image);
}

// Copies `area` of `source` (whose top-left lies at `sourceOrigin` on the
// canvas) back onto the canvas, replacing what is there.
void Restore(QImage& canvas, const QRect& area, const QImage& source, const QPoint& sourceOrigin)
{
    if (area.isEmpty() || source.isNull())
        return;
    QImage pixels = source; // copied from the canvas, with its ratio
    pixels.setDevicePixelRatio(1);
    const TDevicePixels devicePixels(canvas);
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(area.topLeft(), pixels, area.translated(-sourceOrigin));
}

} // namespace

struct TGifAnimation::TImpl {
    // Shared so that a Play in progress keeps its frames even if the
    // animation is reloaded by an event handled during one of its waits.
    std::shared_ptr<const TFrames> Frames;
    bool Animate = true;
    bool Loop = true;
    int Grid = 1;
    QString Name;
};

TGifAnimation::TGifAnimation() : FImpl(std::make_unique<TImpl>()) {}

TGifAnimation::~TGifAnimation() = default;

bool TGifAnimation::LoadFromResource(const QString& name)
{
    const bool loaded = LoadFromData(LoadResource(QStringLiteral("GIF"), name));
    FImpl->Name = name;
    return loaded;
}

bool TGifAnimation::LoadFromResource(const QString& name, int grid)
{
    if (grid > 1 && LoadFromData(LoadResource(QStringLiteral("GIF"), name + u'@' + QString::number(grid) + u'x'))) {
        FImpl->Grid = grid;
        FImpl->Name = name;
        return true;
    }
    if (!LoadFromResource(name))
        return false;
    if (grid > 1) {
        // Without the finer version the canvases are still of `grid`.
        if (std::shared_ptr<const TFrames> fine = Enlarged(*FImpl->Frames, grid)) {
            FImpl->Frames = std::move(fine);
            FImpl->Grid = grid;
        }
    }
    return true;
}

int TGifAnimation::Grid() const
{
    return FImpl->Grid;
}

QString TGifAnimation::ResourceName() const
{
    return FImpl->Name;
}

bool TGifAnimation::LoadFromData(const QByteArray& data)
{
    FImpl->Grid = 1;
    FImpl->Name.clear();
    FImpl->Frames = Decode(data);
    return FImpl->Frames != nullptr;
}

void TGifAnimation::Clear()
{
    FImpl->Grid = 1;
    FImpl->Name.clear();
    FImpl->Frames.reset();
}

bool TGifAnimation::IsEmpty() const
{
    return !FImpl->Frames;
}

int TGifAnimation::Width() const
{
    return FImpl->Frames ? FImpl->Frames->Width / FImpl->Grid : 0;
}

int TGifAnimation::Height() const
{
    return FImpl->Frames ? FImpl->Frames->Height / FImpl->Grid : 0;
}

int TGifAnimation::FrameCount() const
{
    return FImpl->Frames ? int(FImpl->Frames->Frames.size()) : 0;
}

void TGifAnimation::SetAnimate(bool on)
{
    FImpl->Animate = on;
}

bool TGifAnimation::Animate() const
{
    return FImpl->Animate;
}

void TGifAnimation::SetLoop(bool on)
{
    FImpl->Loop = on;
}

bool TGifAnimation::Loop() const
{
    return FImpl->Loop;
}

int TGifAnimation::FrameDelay(int index) const
{
    if (!FImpl->Frames || index < 0 || index >= FrameCount())
        return 0;
    return FImpl->Frames->Frames[std::size_t(index)].DelayMs;
}

void TGifAnimation::DrawFirstFrame(QImage& canvas, const QRect& r) const
{
    if (!FImpl->Frames || canvas.isNull())
        return;
    const QRect area = OnGrid(r, FImpl->Grid);
    DrawFrame(canvas, area, area.topLeft(), FImpl->Frames->Frames.front());
}

void TGifAnimation::Play(QImage& canvas, const QRect& logical, const std::function<void()>& frameShown)
{
    const std::shared_ptr<const TFrames> frames = FImpl->Frames;
    if (!frames || canvas.isNull())
        return;
    const QRect r = OnGrid(logical, FImpl->Grid);
    const QRect visible = r & canvas.rect();
    // Disposal to background shows what lay under the animation: the floor.
    const QImage before = canvas.copy(visible);

    const std::size_t count = frames->Frames.size();
    for (std::size_t i = 0; i < count; ++i) {
        const TFrame& frame = frames->Frames[i];
        const QRect area = frame.Image.isNull()
                               ? QRect()
                               : QRect(r.topLeft() + frame.Offset, frame.Image.size()) & visible;
        QImage previous;
        if (frame.Disposal == DISPOSE_PREVIOUS && !area.isEmpty())
            previous = canvas.copy(area);

        DrawFrame(canvas, r, r.topLeft(), frame);
        if (frameShown)
            frameShown();
        Delay(std::uint32_t(frame.DelayMs));

        if (i + 1 == count)
            break; // the last frame stays
        if (frame.Disposal == DISPOSE_BACKGROUND)
            Restore(canvas, area, before, visible.topLeft());
        else if (frame.Disposal == DISPOSE_PREVIOUS)
            Restore(canvas, area, previous, area.topLeft());
    }
}
