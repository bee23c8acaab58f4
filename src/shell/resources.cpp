// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/resources.h"

#include "model/draw_grid.h"
#include "shell/picture_prefetch.h"
#include "shell/platform_log.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QResource>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <vector>

namespace {

// Buttons whose glyph holds a normal and a disabled picture side by side.
int GlyphCount(const QString& name)
{
    return name == u"bbCopy" || name == u"bbPrinterSetup" ? 2 : 1;
}

// The classic disabled look: the glyph's dark parts as a grey relief with a
// white highlight one pixel down and right.
QImage Disabled(const QImage& normal, int offset = 1)
{
    // Line by line on 32-bit pixels, each judged once: made for every tool
    // button at start-up, where pixel() and setPixel() per pixel cost more
    // than the rest of the button together.
    const bool premultiplied = normal.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage source =
        premultiplied || normal.format() == QImage::Format_ARGB32 ? normal : normal.convertToFormat(QImage::Format_ARGB32);
    const int w = source.width();
    const int h = source.height();
    std::vector<uchar> shape(std::size_t(w) * std::size_t(h));
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            QRgb c = line[x];
            if (qAlpha(c) < 128)
                continue;
            // Straight colours, in integers: the same on every processor.
            if (premultiplied && qAlpha(c) != 255)
                c = qUnpremultiply(c);
            shape[std::size_t(y) * std::size_t(w) + std::size_t(x)] = qGray(c) < 208;
        }
    }
    // Every pixel is opaque or clear, so it is premultiplied as it stands,
    // the format a pixmap takes without converting.
    QImage out(source.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    const QRgb highlight = qRgb(255, 255, 255);
    const QRgb shadow = qRgb(128, 128, 128);
    for (int y = 0; y < h; ++y) {
        const uchar* line = shape.data() + std::size_t(y) * std::size_t(w);
        const uchar* above = y - offset >= 0 && y - offset < h ? line - std::size_t(offset) * std::size_t(w) : nullptr;
        QRgb* target = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (line[x])
                target[x] = shadow;
            else if (above && x - offset >= 0 && x - offset < w && above[x - offset])
                target[x] = highlight;
        }
    }
    return out;
}

// A BMP file in memory, read without asking the image plug-ins (see
// LoadPicture).
QImage ReadBitmap(QByteArray data)
{
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "BMP");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// The high-resolution versions (names with "@2x", "@3x") are in a resource
// file of their own, mapped the first time one is asked for: in the
// installed data folder, or beside a program in the build tree.
void UseHiResResources()
{
    static const bool registered = [] {
        const QDir programDir(QCoreApplication::applicationDirPath());
        const QStringList candidates{
            QDir::cleanPath(programDir.filePath(QStringLiteral(VORLEN_DATA_RELDIR "/vorlen-hires.rcc"))),
            programDir.filePath(QStringLiteral("vorlen-hires.rcc"))};
        for (const QString& candidate : std::as_const(candidates)) {
            if (!QFileInfo(candidate).isFile())
                continue;
            if (QResource::registerResource(candidate))
                return true;
            qCWarning(lcPlatform) << "cannot read the finer pictures in" << candidate;
        }
        qCWarning(lcPlatform) << "no vorlen-hires.rcc found (looked for" << candidates
                              << "): the finer screen gets the pictures enlarged from 1x";
        return false;
    }();
    Q_UNUSED(registered);
}

} // namespace

QByteArray LoadResource(const QString& type, const QString& name)
{
    if (type.isEmpty() || name.isEmpty())
        return QByteArray();
    if (name.contains(u'@'))
        UseHiResResources();
    QFile f(ResourcePath(type, name));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

QImage LoadPicture(const QString& name)
{
    if (name.isEmpty())
        return QImage();
    if (name.contains(u'@'))
        UseHiResResources();
    const QString path = u":/pictures/" + name;
    if (std::optional<QImage> early = TakePrefetchedPicture(path))
        return *early;
    if (!QFile::exists(path))
        return QImage(); // not a picture; a reader would complain
    return ReadPngPicture(path);
}

void PrefetchPictures(int grid)
{
    if (grid > 1)
        UseHiResResources();
    // The window shows every picture of the normal grid (each tool button
    // keeps its 1x glyph too), and the finer version of each at 2x or 3x.
    // The largest first: the main thread decodes what the thread has not
    // begun when it needs it, so the factory is the one worth having ahead.
    QFileInfoList pictures;
    const QString suffix = u'@' + QString::number(grid) + u'x';
    for (const QFileInfo& picture : QDir(QStringLiteral(":/pictures")).entryInfoList(QDir::Files)) {
        if (picture.fileName().contains(u'@'))
            continue;
        pictures.append(picture);
        if (grid > 1) {
            const QFileInfo fine(picture.filePath() + suffix);
            if (fine.isFile())
                pictures.append(fine);
        }
    }
    std::stable_sort(pictures.begin(), pictures.end(),
                     [](const QFileInfo& a, const QFileInfo& b) { return a.size() > b.size(); });
    QStringList paths;
    for (const QFileInfo& picture : std::as_const(pictures))
        paths.append(picture.filePath());
    StartPicturePrefetch(paths);
}

QImage LoadPicture(const QString& name, int grid)
{
    if (grid <= 1)
        return LoadPicture(name);
    QImage picture = LoadPicture(name + u'@' + QString::number(grid) + u'x');
    if (picture.isNull()) {
        picture = LoadPicture(name);
        if (picture.isNull())
            return picture;
        picture = picture.scaled(picture.size() * grid);
    }
    picture.setDevicePixelRatio(grid);
    return picture;
}

QIcon LoadGlyph(const QString& name, int grid)
{
    QIcon icon = LoadGlyph(name);
    if (grid <= 1 || icon.isNull())
        return icon;
    // Drawn with a transparent background: no key colour to take out.
    QImage fine = LoadPicture(name + u'@' + QString::number(grid) + u'x')
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (fine.isNull())
        return icon;
    fine.setDevicePixelRatio(grid);
    // Handed over to the pixmaps without copies: at 2x and 3x the glyphs
    // are among the largest pictures of the start.
    const int count = GlyphCount(name);
    const int w = fine.width() / count;
    QImage normal = count >= 2 ? fine.copy(0, 0, w, fine.height()) : fine;
    QImage disabled = count >= 2 ? fine.copy(w, 0, w, fine.height()) : Disabled(normal, grid);
    disabled.setDevicePixelRatio(grid);
    fine = QImage();
    icon.addPixmap(QPixmap::fromImage(std::move(normal)), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(std::move(disabled)), QIcon::Disabled);
    return icon;
}

QIcon LoadGlyph(const QString& name)
{
    QImage glyph = LoadPicture(name);
    if (glyph.isNull())
        glyph = ReadBitmap(LoadResource(QStringLiteral("BUTTONGLYPH"), name));
    if (glyph.isNull())
        return QIcon();
    return GlyphIcon(glyph, GlyphCount(name));
}

QIcon GlyphIcon(const QImage& glyph, int numGlyphs)
{
    if (glyph.isNull() || numGlyphs < 1 || glyph.width() < numGlyphs)
        return QIcon();
    QImage img = glyph.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = img.pixel(0, img.height() - 1);
    for (int y = 0; y < img.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
    }
    const int w = img.width() / numGlyphs;
    const QImage normal = img.copy(0, 0, w, img.height());
    const QImage disabled = numGlyphs >= 2 ? img.copy(w, 0, w, img.height()) : Disabled(normal);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(normal), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(disabled), QIcon::Disabled);
    return icon;
}

void SetGlyph(QAbstractButton* button, const QString& name)
{
    const QIcon icon = LoadGlyph(name, DeviceGrid(button->devicePixelRatioF()));
    button->setIcon(icon);
    const QList<QSize> sizes = icon.availableSizes();
    if (!sizes.isEmpty())
        button->setIconSize(sizes.first());
}
