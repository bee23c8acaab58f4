// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoders.h"

#include <gif_lib.h>

#include <QtEndian>

#include <array>
#include <cstdlib>
#include <cstring>

QImage TIndexed::toImage() const
{
    QImage out(width, height, QImage::Format_Indexed8);
    out.setColorTable(palette);
    for (int y = 0; y < height; ++y)
        std::memcpy(out.scanLine(y), pixels.constData() + y * width, size_t(width));
    return out;
}

namespace {

uint32_t Crc32(const QByteArray& data)
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t c = 0xFFFFFFFFu;
    for (char ch : data)
        c = table[(c ^ uint8_t(ch)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void PutBe32(QByteArray& out, uint32_t v)
{
    char b[4];
    qToBigEndian(v, b);
    out.append(b, 4);
}

void PutLe32(QByteArray& out, uint32_t v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void PutLe16(QByteArray& out, uint16_t v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void PngChunk(QByteArray& out, const char* id, const QByteArray& body)
{
    PutBe32(out, uint32_t(body.size()));
    QByteArray typed(id, 4);
    typed += body;
    out += typed;
    PutBe32(out, Crc32(typed));
}

QByteArray PngFile(int width, int height, int bitDepth, int colourType, const QByteArray& plte,
                   const QByteArray& raw)
{
    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    QByteArray ihdr;
    PutBe32(ihdr, uint32_t(width));
    PutBe32(ihdr, uint32_t(height));
    ihdr.append(char(bitDepth));
    ihdr.append(char(colourType));
    ihdr.append(char(0)); // deflate
    ihdr.append(char(0)); // adaptive filtering
    ihdr.append(char(0)); // not interlaced
    PngChunk(out, "IHDR", ihdr);
    if (!plte.isEmpty())
        PngChunk(out, "PLTE", plte);
    // qCompress gives a 4-byte length followed by a zlib stream.
    PngChunk(out, "IDAT", qCompress(raw, 9).mid(4));
    PngChunk(out, "IEND", QByteArray());
    return out;
}

} // namespace

QByteArray EncodePngIndexed(const TIndexed& img, int bitDepth)
{
    Q_ASSERT(bitDepth == 4 || bitDepth == 8);
    Q_ASSERT(img.palette.size() <= (1 << bitDepth));
    QByteArray plte;
    for (QRgb c : img.palette) {
        plte.append(char(qRed(c)));
        plte.append(char(qGreen(c)));
        plte.append(char(qBlue(c)));
    }
    QByteArray raw;
    const int rowBytes = (img.width * bitDepth + 7) / 8;
    for (int y = 0; y < img.height; ++y) {
        raw.append(char(0)); // filter: none
        QByteArray row(rowBytes, 0);
        for (int x = 0; x < img.width; ++x) {
            const uint8_t v = img.at(x, y);
            if (bitDepth == 8)
                row[x] = char(v);
            else
                row[x / 2] = char(uint8_t(row[x / 2]) | (x % 2 ? v : v << 4));
        }
        raw += row;
    }
    return PngFile(img.width, img.height, bitDepth, 3, plte, raw);
}

QByteArray EncodePngRgb(const QImage& src)
{
    const QImage img = src.convertToFormat(QImage::Format_RGB32);
    QByteArray raw;
    for (int y = 0; y < img.height(); ++y) {
        raw.append(char(0));
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            raw.append(char(qRed(line[x])));
            raw.append(char(qGreen(line[x])));
            raw.append(char(qBlue(line[x])));
        }
    }
    return PngFile(img.width(), img.height(), 8, 2, QByteArray(), raw);
}

QByteArray EncodeBmp4(const TIndexed& img)
{
    Q_ASSERT(img.palette.size() <= 16);
    const int rowBytes = ((img.width * 4 + 31) / 32) * 4;
    const int paletteBytes = 16 * 4;
    const int offset = 14 + 40 + paletteBytes;
    const int fileSize = offset + rowBytes * img.height;
    QByteArray out;
    out.append("BM", 2);
    PutLe32(out, uint32_t(fileSize));
    PutLe32(out, 0);
    PutLe32(out, uint32_t(offset));
    PutLe32(out, 40);
    PutLe32(out, uint32_t(img.width));
    PutLe32(out, uint32_t(img.height)); // bottom-up
    PutLe16(out, 1);
    PutLe16(out, 4);
    PutLe32(out, 0); // BI_RGB
    PutLe32(out, uint32_t(rowBytes * img.height));
    PutLe32(out, 3780); // 96 dpi
    PutLe32(out, 3780);
    PutLe32(out, 16);
    PutLe32(out, 0);
    for (int i = 0; i < 16; ++i) {
        const QRgb c = i < img.palette.size() ? img.palette[i] : qRgb(0, 0, 0);
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
    for (int y = img.height - 1; y >= 0; --y) {
        QByteArray row(rowBytes, 0);
        for (int x = 0; x < img.width; ++x) {
            const uint8_t v = img.at(x, y);
            row[x / 2] = char(uint8_t(row[x / 2]) | (x % 2 ? v : v << 4));
        }
        out += row;
    }
    return out;
}

bool WriteGif(const QString& path, int width, int height, const QVector<QRgb>& palette,
              int transparentIndex, const QVector<TGifFrame>& frames)
{
    QVector<GifColorType> colours(palette.size());
    for (int i = 0; i < palette.size(); ++i)
        colours[i] = GifColorType{GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                                  GifByteType(qBlue(palette[i]))};
    ColorMapObject* map = GifMakeMapObject(int(palette.size()), colours.data());
    if (!map)
        return false;

    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &error);
    if (!gif) {
        GifFreeMapObject(map);
        return false;
    }
    EGifSetGifVersion(gif, true);
    gif->SWidth = width;
    gif->SHeight = height;
    gif->SColorResolution = 8;
    gif->SBackGroundColor = transparentIndex;
    gif->SColorMap = map;

    for (int i = 0; i < frames.size(); ++i) {
        const TGifFrame& f = frames[i];
        SavedImage* si = GifMakeSavedImage(gif, nullptr);
        si->ImageDesc.Left = f.left;
        si->ImageDesc.Top = f.top;
        si->ImageDesc.Width = f.image.width;
        si->ImageDesc.Height = f.image.height;
        si->ImageDesc.Interlace = false;
        si->ImageDesc.ColorMap = nullptr;
        const size_t n = size_t(f.image.width) * size_t(f.image.height);
        si->RasterBits = static_cast<GifByteType*>(std::malloc(n));
        std::memcpy(si->RasterBits, f.image.pixels.constData(), n);
        if (i == 0) {
            // The loop block belongs to the first image: giflib writes
            // extensions of the file itself after the images.
            static const char appId[] = "NETSCAPE2.0";
            unsigned char loop[3] = {1, 0, 0};
            GifAddExtensionBlock(&si->ExtensionBlockCount, &si->ExtensionBlocks,
                                 APPLICATION_EXT_FUNC_CODE, 11,
                                 reinterpret_cast<unsigned char*>(const_cast<char*>(appId)));
            GifAddExtensionBlock(&si->ExtensionBlockCount, &si->ExtensionBlocks,
                                 CONTINUE_EXT_FUNC_CODE, 3, loop);
        }
        GraphicsControlBlock gcb;
        gcb.DisposalMode = f.disposal;
        gcb.UserInputFlag = false;
        gcb.DelayTime = 10;
        gcb.TransparentColor = transparentIndex;
        EGifGCBToSavedExtension(&gcb, gif, i);
    }

    SavedImage* images = gif->SavedImages;
    const int imageCount = gif->ImageCount;
    const bool ok = EGifSpew(gif) == GIF_OK; // closes and frees `gif`
    for (int i = 0; i < imageCount; ++i) {
        std::free(images[i].RasterBits);
        GifFreeExtensions(&images[i].ExtensionBlockCount, &images[i].ExtensionBlocks);
    }
    std::free(images);
    GifFreeMapObject(map);
    return ok;
}

QByteArray RiffChunk(const char id[4], const QByteArray& body)
{
    QByteArray out(id, 4);
    PutLe32(out, uint32_t(body.size()));
    out += body;
    if (body.size() % 2)
        out.append(char(0));
    return out;
}

QByteArray EncodeWave(const QByteArray& samples, int rate, const QByteArray& trailingChunks)
{
    QByteArray fmt;
    PutLe16(fmt, 1); // PCM
    PutLe16(fmt, 1); // mono
    PutLe32(fmt, uint32_t(rate));
    PutLe32(fmt, uint32_t(rate)); // bytes per second
    PutLe16(fmt, 1);              // block align
    PutLe16(fmt, 8);              // bits per sample
    QByteArray body("WAVE", 4);
    body += RiffChunk("fmt ", fmt);
    body += RiffChunk("data", samples);
    body += trailingChunks;
    return RiffChunk("RIFF", body);
}
