// SPDX-License-Identifier: GPL-3.0-or-later
#include "quantise.h"

#include <QHash>

#include <algorithm>
#include <map>

namespace {

struct TEntry {
    QRgb colour;
    qint64 count;
};

QRgb Flatten(QRgb c, QRgb matte)
{
    const int a = qAlpha(c);
    if (a == 255)
        return qRgb(qRed(c), qGreen(c), qBlue(c));
    auto mix = [a](int fg, int bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
    return qRgb(mix(qRed(c), qRed(matte)), mix(qGreen(c), qGreen(matte)), mix(qBlue(c), qBlue(matte)));
}

int Channel(QRgb c, int ch)
{
    return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c);
}

// Median cut over a weighted histogram; each box is represented by its most
// frequent colour, so flat drawn colours survive exactly.
QVector<QRgb> MedianCut(std::vector<TEntry> entries, int wanted)
{
    std::vector<std::vector<TEntry>> boxes;
    boxes.push_back(std::move(entries));
    auto rangeOf = [](const std::vector<TEntry>& box, int& channel) {
        int best = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (const TEntry& e : box) {
                lo = std::min(lo, Channel(e.colour, ch));
                hi = std::max(hi, Channel(e.colour, ch));
            }
            if (hi - lo > best) {
                best = hi - lo;
                channel = ch;
            }
        }
        return best;
    };
    while (int(boxes.size()) < wanted) {
        // Split the box with the largest weighted spread.
        int pick = -1;
        qint64 bestScore = 0;
        int pickChannel = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].size() < 2)
                continue;
            int ch = 0;
            const int range = rangeOf(boxes[i], ch);
            qint64 weight = 0;
            for (const TEntry& e : boxes[i])
                weight += e.count;
            // Count the weight only weakly: a wide range matters more than
            // many pixels of nearly one colour.
            qint64 w = 1;
            while (w * w < weight)
                ++w;
            const qint64 score = qint64(range) * w;
            if (score > bestScore) {
                bestScore = score;
                pick = i;
                pickChannel = ch;
            }
        }
        if (pick < 0)
            break;
        std::vector<TEntry>& box = boxes[size_t(pick)];
        std::sort(box.begin(), box.end(), [pickChannel](const TEntry& a, const TEntry& b) {
            const int ca = Channel(a.colour, pickChannel), cb = Channel(b.colour, pickChannel);
            return ca != cb ? ca < cb : a.colour < b.colour;
        });
        qint64 total = 0;
        for (const TEntry& e : box)
            total += e.count;
        qint64 run = 0;
        size_t cut = 1;
        for (size_t k = 0; k + 1 < box.size(); ++k) {
            run += box[k].count;
            cut = k + 1;
            if (run * 2 >= total)
                break;
        }
        std::vector<TEntry> upper(box.begin() + qsizetype(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }
    QVector<QRgb> out;
    for (const auto& box : boxes) {
        TEntry best = box.front();
        for (const TEntry& e : box)
            if (e.count > best.count || (e.count == best.count && e.colour < best.colour))
                best = e;
        out.append(best.colour);
    }
    std::sort(out.begin(), out.end());
    return out;
}

int Nearest(QRgb c, const QVector<QRgb>& palette, int keyIndex)
{
    int best = -1;
    int bestDist = 1 << 30;
    for (int i = 0; i < palette.size(); ++i) {
        if (i == keyIndex)
            continue;
        const int dr = qRed(c) - qRed(palette[i]);
        const int dg = qGreen(c) - qGreen(palette[i]);
        const int db = qBlue(c) - qBlue(palette[i]);
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDist) {
            bestDist = d;
            best = i;
        }
    }
    return best;
}

} // namespace

QImage StraightArgb(const QImage& src)
{
    // Qt's own conversion from premultiplied divides with the processor's
    // reciprocal estimate, which rounds differently on Intel and AMD; one
    // edge colour off by one then shifts the whole palette. Integers round
    // the same everywhere.
    if (src.format() != QImage::Format_ARGB32_Premultiplied)
        return src.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_ARGB32);
    out.setDevicePixelRatio(src.devicePixelRatio());
    for (int y = 0; y < out.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = qUnpremultiply(in[x]);
    }
    return out;
}

TIndexed MapToPalette(const QImage& src, const QVector<QRgb>& palette, int keyIndex)
{
    const QImage image = StraightArgb(src);
    TIndexed out;
    out.width = image.width();
    out.height = image.height();
    out.palette = palette;
    out.pixels.resize(qsizetype(out.width) * out.height);
    QHash<QRgb, int> cache;
    for (int y = 0; y < out.height; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < out.width; ++x) {
            int index;
            if (keyIndex >= 0 && qAlpha(line[x]) < 128) {
                index = keyIndex;
            } else {
                const QRgb c = qRgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
                auto it = cache.constFind(c);
                if (it == cache.constEnd())
                    it = cache.insert(c, Nearest(c, palette, keyIndex));
                index = it.value();
            }
            out.pixels[y * out.width + x] = char(index);
        }
    }
    return out;
}

QVector<TIndexed> Quantise(const QVector<QImage>& images, const TQuantiseOptions& opt)
{
    QVector<QImage> flat;
    std::map<QRgb, qint64> histogram;
    for (const QImage& src : images) {
        QImage img = StraightArgb(src);
        for (int y = 0; y < img.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                if (opt.keyIndex >= 0 && qAlpha(line[x]) < 128) {
                    line[x] = 0;
                    continue;
                }
                line[x] = Flatten(line[x], opt.matte);
                ++histogram[line[x]];
            }
        }
        flat.append(img);
    }
    std::vector<TEntry> entries;
    for (const auto& [c, n] : histogram)
        entries.push_back({c, n});
    const int wanted = opt.tableSize - (opt.keyIndex >= 0 ? 1 : 0);
    QVector<QRgb> colours = entries.size() <= size_t(wanted)
                                ? [&] {
                                      QVector<QRgb> all;
                                      for (const TEntry& e : entries)
                                          all.append(e.colour);
                                      return all;
                                  }()
                                : MedianCut(entries, wanted);
    // Fill the table: the key colour at its index, the rest in order, unused
    // entries black.
    QVector<QRgb> palette(opt.tableSize, qRgb(0, 0, 0));
    int next = 0;
    for (int i = 0; i < opt.tableSize; ++i) {
        if (i == opt.keyIndex)
            palette[i] = opt.keyColour;
        else if (next < colours.size())
            palette[i] = colours[next++];
    }
    // Unused entries must not attract opaque pixels: repeat a used colour.
    for (int i = 0; i < opt.tableSize; ++i)
        if (i != opt.keyIndex && i - (opt.keyIndex >= 0 && i > opt.keyIndex ? 1 : 0) >= colours.size())
            palette[i] = colours.isEmpty() ? qRgb(0, 0, 0) : colours.first();
    // The key colour must mean "transparent" only.
    if (opt.keyIndex >= 0)
        for (int i = 0; i < opt.tableSize; ++i)
            if (i != opt.keyIndex && (palette[i] & 0xFFFFFF) == (opt.keyColour & 0xFFFFFF))
                palette[i] = qRgb(qRed(palette[i]), qGreen(palette[i]), qBlue(palette[i]) ^ 1);
    QVector<TIndexed> out;
    for (const QImage& img : flat)
        out.append(MapToPalette(img, palette, opt.keyIndex));
    return out;
}

TIndexed Quantise(const QImage& image, const TQuantiseOptions& opt)
{
    return Quantise(QVector<QImage>{image}, opt).first();
}
