// SPDX-License-Identifier: GPL-3.0-or-later
// The generated pictures, animations and sounds, read back from the program's
// resources the way the game reads them.
#include "shell/resources.h"

#include <gif_lib.h>

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cstring>
#include <memory>

namespace {

struct TMemoryStream {
    const QByteArray* data;
    qsizetype pos = 0;
};

int ReadMemory(GifFileType* gif, GifByteType* buf, int len)
{
    auto* s = static_cast<TMemoryStream*>(gif->UserData);
    const int n = int(qMin<qsizetype>(len, s->data->size() - s->pos));
    std::memcpy(buf, s->data->constData() + s->pos, size_t(n));
    s->pos += n;
    return n;
}

struct TGifCloser {
    void operator()(GifFileType* gif) const
    {
        int err = 0;
        DGifCloseFile(gif, &err);
    }
};
using TGifPtr = std::unique_ptr<GifFileType, TGifCloser>;

TGifPtr Slurp(const QByteArray& bytes, TMemoryStream& stream)
{
    stream.data = &bytes;
    int err = 0;
    TGifPtr gif(DGifOpen(&stream, ReadMemory, &err));
    if (gif && DGifSlurp(gif.get()) != GIF_OK)
        gif.reset();
    return gif;
}

quint32 Le32(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 Le16(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

struct TChunk {
    QByteArray id;
    qsizetype offset; // of the body
    quint32 size;
};

// The chunks inside a RIFF WAVE file; fails the walk (empty list) when a size
// or pad byte does not line up with the end of the file.
QList<TChunk> RiffChunks(const QByteArray& file)
{
    QList<TChunk> out;
    if (file.size() < 12 || file.left(4) != "RIFF" || file.mid(8, 4) != "WAVE" ||
        Le32(file, 4) != quint32(file.size() - 8))
        return out;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        TChunk c{file.mid(at, 4), at + 8, Le32(file, at + 4)};
        out.append(c);
        at += 8 + c.size + (c.size % 2);
    }
    if (at != file.size())
        out.clear();
    return out;
}

// Colour type and bit depth from a PNG's header.
QPair<int, int> PngDepth(const QByteArray& png)
{
    if (png.size() < 33 || !png.startsWith("\x89PNG") || png.mid(12, 4) != "IHDR")
        return {-1, -1};
    return {int(uchar(png[25])), int(uchar(png[24]))};
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The disabled look as a player knows it, pixel by pixel: where the glyph
// is opaque and darker than light grey, grey; else white where that holds
// `offset` pixels up and left; else transparent.
QImage Relief(const QImage& glyph, int offset)
{
    const QImage normal = glyph.convertToFormat(QImage::Format_ARGB32);
    auto dark = [&](int x, int y) {
        if (!normal.rect().contains(x, y))
            return false;
        const QRgb c = normal.pixel(x, y);
        return qAlpha(c) >= 128 && qGray(c) < 208;
    };
    QImage out(normal.size(), QImage::Format_ARGB32);
    out.setDevicePixelRatio(glyph.devicePixelRatio());
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, dark(x, y)                     ? qRgb(128, 128, 128)
                               : dark(x - offset, y - offset) ? qRgb(255, 255, 255)
                                                              : qRgba(0, 0, 0, 0));
    return out;
}

} // namespace

class TAssetsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void namedResources_data();
    void namedResources();
    void unknownNames();
    void animations_data();
    void animations();
    void waves_data();
    void waves();
    void buttonGlyphFiles_data();
    void buttonGlyphFiles();
    void pictures_data();
    void pictures();
    void floorStripIsTheFactorysSlab();
    void lampsFitTheirBox();
    void platePlaces();
    void glyphIcons_data();
    void glyphIcons();
    void generatorIsDeterministic();
};

void TAssetsTest::namedResources_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    for (const char* n : {"DREJER45", "DREJER90", "DREJER135", "DREJER180", "HULLER1", "MALER1", "MALER2", "MALER3"})
        QTest::newRow(n) << QStringLiteral("GIF") << QString::fromLatin1(n);
    QTest::newRow("OKLYD") << QStringLiteral("WAVE") << QStringLiteral("OKLYD");
    QTest::newRow("FEJLLYD") << QStringLiteral("WAVE") << QStringLiteral("FEJLLYD");
    QTest::newRow("LOUDSPEAKER") << QStringLiteral("BUTTONGLYPH") << QStringLiteral("LOUDSPEAKER");
    QTest::newRow("NOLOUDSPEAKER") << QStringLiteral("BUTTONGLYPH") << QStringLiteral("NOLOUDSPEAKER");
}

void TAssetsTest::namedResources()
{
    QFETCH(QString, type);
    QFETCH(QString, name);
    const QByteArray bytes = LoadResource(type, name);
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(ReadAll(ResourcePath(type, name)), bytes);
    QCOMPARE(ResourcePath(type, name), u":/res/" + type + u'/' + name);
    // Resource names are not case-sensitive, as on the system they come from.
    QCOMPARE(LoadResource(type.toLower(), name.toLower()), bytes);
}

void TAssetsTest::unknownNames()
{
    QVERIFY(LoadResource(QStringLiteral("GIF"), QStringLiteral("HULLER2")).isEmpty());
    QVERIFY(LoadResource(QStringLiteral("WAVE"), QStringLiteral("DREJER45")).isEmpty());
    QVERIFY(LoadResource(QString(), QString()).isEmpty());
    QVERIFY(LoadPicture(QStringLiteral("imIngen")).isNull());
    QVERIFY(LoadPicture(QString()).isNull());
    QVERIFY(LoadGlyph(QStringLiteral("bbIngen")).isNull());
    QVERIFY(GlyphIcon(QImage(), 1).isNull());
    QVERIFY(GlyphIcon(QImage(4, 4, QImage::Format_RGB32), 0).isNull());
}

void TAssetsTest::animations_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("tableSize");
    QTest::addColumn<int>("transparent");
    QTest::addColumn<bool>("strips");
    QTest::newRow("DREJER45") << "DREJER45" << 80 << 5 << 256 << 0 << false;
    QTest::newRow("DREJER90") << "DREJER90" << 80 << 9 << 256 << 0 << false;
    QTest::newRow("DREJER135") << "DREJER135" << 80 << 14 << 256 << 0 << false;
    QTest::newRow("DREJER180") << "DREJER180" << 80 << 18 << 64 << 33 << false;
    QTest::newRow("HULLER1") << "HULLER1" << 98 << 9 << 32 << 30 << false;
    QTest::newRow("MALER1") << "MALER1" << 74 << 16 << 32 << 30 << false;
    QTest::newRow("MALER2") << "MALER2" << 74 << 31 << 32 << 30 << true;
    QTest::newRow("MALER3") << "MALER3" << 74 << 48 << 32 << 0 << true;
}

void TAssetsTest::animations()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, frames);
    QFETCH(int, tableSize);
    QFETCH(int, transparent);
    QFETCH(bool, strips);

    const QByteArray bytes = LoadResource(QStringLiteral("GIF"), name);
    QVERIFY(bytes.startsWith("GIF89a"));
    TMemoryStream stream;
    TGifPtr gif = Slurp(bytes, stream);
    QVERIFY(gif);
    QCOMPARE(gif->SWidth, width);
    QCOMPARE(gif->SHeight, 48);
    QCOMPARE(gif->ImageCount, frames);
    QVERIFY(gif->SColorMap);
    QCOMPARE(gif->SColorMap->ColorCount, tableSize);
    QCOMPARE(gif->SBackGroundColor, transparent);

    // The transparent entry's colour may not be shown by any other entry.
    const GifColorType key = gif->SColorMap->Colors[transparent];
    for (int i = 0; i < tableSize; ++i) {
        const GifColorType c = gif->SColorMap->Colors[i];
        if (i != transparent)
            QVERIFY2(c.Red != key.Red || c.Green != key.Green || c.Blue != key.Blue, qPrintable(QString::number(i)));
    }

    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& im = gif->SavedImages[i];
        const QString at = QStringLiteral("frame %1").arg(i);
        QVERIFY2(!im.ImageDesc.ColorMap, qPrintable(at));
        QVERIFY2(!im.ImageDesc.Interlace, qPrintable(at));
        GraphicsControlBlock gcb;
        QCOMPARE(DGifSavedExtensionToGCB(gif.get(), i, &gcb), GIF_OK);
        QCOMPARE(gcb.DelayTime, 10);
        QCOMPARE(gcb.TransparentColor, transparent);
        QVERIFY2(gcb.DisposalMode == DISPOSE_DO_NOT || gcb.DisposalMode == DISPOSE_BACKGROUND, qPrintable(at));
        const QRect r(im.ImageDesc.Left, im.ImageDesc.Top, im.ImageDesc.Width, im.ImageDesc.Height);
        if (i == 0 || !strips) {
            QCOMPARE(r, QRect(0, 0, width, 48));
        } else {
            // only the strip that changes, inside the screen and kept
            QVERIFY2(r.width() < width && r.height() < 48, qPrintable(at));
            QVERIFY(QRect(0, 0, width, 48).contains(r));
            QCOMPARE(gcb.DisposalMode, DISPOSE_DO_NOT);
        }
    }

    // The endless loop block sits in the first image's extensions.
    const SavedImage& first = gif->SavedImages[0];
    bool loop = false;
    for (int k = 0; k + 1 < first.ExtensionBlockCount; ++k) {
        const ExtensionBlock& app = first.ExtensionBlocks[k];
        const ExtensionBlock& sub = first.ExtensionBlocks[k + 1];
        if (app.Function == APPLICATION_EXT_FUNC_CODE && app.ByteCount == 11 &&
            std::memcmp(app.Bytes, "NETSCAPE2.0", 11) == 0) {
            QCOMPARE(sub.Function, CONTINUE_EXT_FUNC_CODE);
            QCOMPARE(sub.ByteCount, 3);
            QCOMPARE(int(sub.Bytes[0]), 1);
            QCOMPARE(int(sub.Bytes[1]) | int(sub.Bytes[2]) << 8, 0);
            loop = true;
        }
    }
    QVERIFY(loop);

    // The machine at rest stands on the floor: its first frame's bottom row
    // is mostly machine, and it covers a good part of the slot.
    int opaque = 0, bottom = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < width; ++x)
            if (first.RasterBits[y * width + x] != transparent) {
                ++opaque;
                if (y == 47)
                    ++bottom;
            }
    QVERIFY2(bottom >= 10, qPrintable(QString::number(bottom)));
    QVERIFY2(opaque > width * 48 / 2, qPrintable(QString::number(opaque)));
}

void TAssetsTest::waves_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("dataBytes");
    QTest::addColumn<QList<QByteArray>>("trailing");
    QTest::newRow("OKLYD") << "OKLYD" << 41057 << QList<QByteArray>{"LIST", "DISP"};
    QTest::newRow("FEJLLYD") << "FEJLLYD" << 21763 << QList<QByteArray>{};
}

void TAssetsTest::waves()
{
    QFETCH(QString, name);
    QFETCH(int, dataBytes);
    QFETCH(QList<QByteArray>, trailing);
    const QByteArray file = LoadResource(QStringLiteral("WAVE"), name);
    const QList<TChunk> chunks = RiffChunks(file);
    QVERIFY(chunks.size() >= 2);
    QCOMPARE(chunks[0].id, QByteArray("fmt "));
    QVERIFY(chunks[0].size >= 16);
    const qsizetype f = chunks[0].offset;
    QCOMPARE(Le16(file, f), quint16(1));     // PCM
    QCOMPARE(Le16(file, f + 2), quint16(1)); // mono
    QCOMPARE(Le32(file, f + 4), quint32(22050));
    QCOMPARE(Le32(file, f + 8), quint32(22050));
    QCOMPARE(Le16(file, f + 12), quint16(1));
    QCOMPARE(Le16(file, f + 14), quint16(8));
    QCOMPARE(chunks[1].id, QByteArray("data"));
    QCOMPARE(chunks[1].size, quint32(dataBytes));
    QList<QByteArray> after;
    for (qsizetype i = 2; i < chunks.size(); ++i)
        after.append(chunks[i].id);
    QCOMPARE(after, trailing);
    if (!trailing.isEmpty())
        QCOMPARE(file.mid(chunks[2].offset, 4), QByteArray("INFO"));

    // Heard, not clipped, and no click at either end.
    const QByteArray pcm = file.mid(chunks[1].offset, dataBytes);
    int lo = 255, hi = 0;
    for (char c : pcm) {
        lo = qMin(lo, int(uchar(c)));
        hi = qMax(hi, int(uchar(c)));
    }
    QVERIFY2(lo > 0 && hi < 255, qPrintable(QStringLiteral("%1..%2").arg(lo).arg(hi)));
    QVERIFY2(hi - lo > 120, qPrintable(QStringLiteral("%1..%2").arg(lo).arg(hi)));
    for (int i : {0, 1, dataBytes - 2, dataBytes - 1})
        QVERIFY(qAbs(int(uchar(pcm[i])) - 128) <= 2);
}

void TAssetsTest::buttonGlyphFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("LOUDSPEAKER") << "LOUDSPEAKER";
    QTest::newRow("NOLOUDSPEAKER") << "NOLOUDSPEAKER";
}

void TAssetsTest::buttonGlyphFiles()
{
    QFETCH(QString, name);
    const QByteArray bmp = LoadResource(QStringLiteral("BUTTONGLYPH"), name);
    QVERIFY(bmp.startsWith("BM"));
    QCOMPARE(Le32(bmp, 2), quint32(bmp.size()));
    QCOMPARE(Le16(bmp, 28), quint16(4)); // 16 colours
    const QImage img = QImage::fromData(bmp, "BMP");
    QCOMPARE(img.size(), QSize(25, 25));
    // the sound button's glyph while sound is off is this picture
    if (name == u"NOLOUDSPEAKER")
        QCOMPARE(img.convertToFormat(QImage::Format_RGB32),
                 LoadPicture(QStringLiteral("bbSound")).convertToFormat(QImage::Format_RGB32));
}

void TAssetsTest::pictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("colours"); // 16, 256, or 0 for true colour
    QTest::newRow("ImageVorlen") << "ImageVorlen" << QSize(792, 533) << 256;
    for (const char* n : {"imGroenSluk", "imGroenTaend", "imRoedSluk", "imRoedTaend"})
        QTest::newRow(n) << n << QSize(27, 21) << 256;
    QTest::newRow("imSnydeGulv") << "imSnydeGulv" << QSize(114, 16) << 256;
    QTest::newRow("Image2") << "Image2" << QSize(270, 220) << 256;
    QTest::newRow("MAINICON") << "MAINICON" << QSize(32, 32) << 16;
    for (const char* n : {"sbHuller", "sbDrejer", "sbStriber"})
        QTest::newRow(n) << n << QSize(78, 78) << 256;
    for (const char* n : {"sbTraek", "sbSkub"})
        QTest::newRow(n) << n << QSize(80, 80) << 256;
    for (const char* n : {"bbLet", "bbMiddel", "bbSvaer"})
        QTest::newRow(n) << n << QSize(32, 32) << 256;
    QTest::newRow("bbCopy") << "bbCopy" << QSize(54, 24) << 0;
    for (const char* n : {"bbPrint", "bbSound", "bbKoerPlade", "bbNulstilOpgave", "bbOverfoerPlade"})
        QTest::newRow(n) << n << QSize(25, 25) << 16;
    QTest::newRow("bbPrinterSetup") << "bbPrinterSetup" << QSize(40, 20) << 16;
    QTest::newRow("bbHelp") << "bbHelp" << QSize(27, 28) << 16;
    QTest::newRow("bbAfslut") << "bbAfslut" << QSize(28, 29) << 16;
}

void TAssetsTest::pictures()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(int, colours);
    const QImage img = LoadPicture(name);
    QCOMPARE(img.size(), size);
    const QPair<int, int> depth = PngDepth(ReadAll(u":/pictures/" + name));
    if (colours == 0) {
        QCOMPARE(depth, qMakePair(2, 8)); // RGB, 8 bits a channel
    } else {
        QCOMPARE(depth, qMakePair(3, colours == 16 ? 4 : 8)); // palette
        QVERIFY(img.colorCount() <= colours);
    }
}

void TAssetsTest::floorStripIsTheFactorysSlab()
{
    const QImage factory = LoadPicture(QStringLiteral("ImageVorlen")).convertToFormat(QImage::Format_RGB32);
    const QImage strip = LoadPicture(QStringLiteral("imSnydeGulv")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(strip, factory.copy(616, 222, 114, 16));
}

void TAssetsTest::lampsFitTheirBox()
{
    // A lamp's corners are the control box it sits in, lit or not, so
    // switching lamps changes nothing but the lamp.
    const QImage factory = LoadPicture(QStringLiteral("ImageVorlen")).convertToFormat(QImage::Format_RGB32);
    struct {
        const char* name;
        int x;
    } lamps[] = {{"imRoedSluk", 648}, {"imRoedTaend", 648}, {"imGroenSluk", 685}, {"imGroenTaend", 685}};
    for (const auto& l : lamps) {
        const QImage lamp = LoadPicture(QString::fromLatin1(l.name)).convertToFormat(QImage::Format_RGB32);
        const QImage under = factory.copy(l.x, 98, 27, 21);
        for (QPoint c : {QPoint(0, 0), QPoint(26, 0), QPoint(0, 20), QPoint(26, 20)})
            QVERIFY2(lamp.pixel(c) == under.pixel(c), l.name);
        if (QByteArray(l.name).endsWith("Sluk"))
            QCOMPARE(lamp, under); // the factory shows the unlit lamps
        else
            QVERIFY(lamp != under);
    }
}

// The task and produced-plate places (picture y = window y - 40): a white
// plate must stand out on them, and the task's plate area keeps 2 px clear of
// the lamp box above and the sign below. Nothing lies on the grass by the wall.
void TAssetsTest::platePlaces()
{
    const QImage factory = LoadPicture(QStringLiteral("ImageVorlen")).convertToFormat(QImage::Format_RGB32);
    for (const int top : {124, 290}) {
        const int gray = qGray(factory.pixel(666, top + 40));
        QVERIFY2(gray > 80 && gray < 190, qPrintable(QString::number(gray)));
    }
    const QRgb wall = factory.pixel(626, 122);
    for (const int y : {122, 123, 205, 206})
        for (int x = 626; x < 706; ++x)
            QVERIFY2(factory.pixel(x, y) == wall, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
    const QRgb grass = factory.pixel(600, 388);
    for (int x = 530; x < 600; ++x)
        QVERIFY2(factory.pixel(x, 388) == grass, qPrintable(QString::number(x)));
}

void TAssetsTest::glyphIcons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<bool>("twoPictures");
    QTest::newRow("bbCopy") << "bbCopy" << QSize(27, 24) << true;
    QTest::newRow("bbPrinterSetup") << "bbPrinterSetup" << QSize(20, 20) << true;
    QTest::newRow("bbLet") << "bbLet" << QSize(32, 32) << false;
    QTest::newRow("sbHuller") << "sbHuller" << QSize(78, 78) << false;
    QTest::newRow("bbKoerPlade") << "bbKoerPlade" << QSize(25, 25) << false;
    QTest::newRow("LOUDSPEAKER") << "LOUDSPEAKER" << QSize(25, 25) << false;
}

void TAssetsTest::glyphIcons()
{
    QFETCH(QString, name);
    QFETCH(QSize, pictureSize);
    QFETCH(bool, twoPictures);
    const QIcon icon = LoadGlyph(name);
    QVERIFY(!icon.isNull());
    const QImage normal = icon.pixmap(pictureSize, QIcon::Normal).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage disabled =
        icon.pixmap(pictureSize, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(normal.size(), pictureSize);
    QCOMPARE(disabled.size(), pictureSize);
    // the bottom-left colour is transparent, and so is every pixel of it
    QCOMPARE(qAlpha(normal.pixel(0, pictureSize.height() - 1)), 0);
    int opaque = 0, transparent = 0;
    for (int y = 0; y < normal.height(); ++y)
        for (int x = 0; x < normal.width(); ++x)
            (qAlpha(normal.pixel(x, y)) == 255 ? opaque : transparent)++;
    QVERIFY(opaque > 20);
    QVERIFY(transparent > 20);
    QVERIFY(normal != disabled);

    QImage source = LoadPicture(name);
    if (source.isNull())
        source = QImage::fromData(LoadResource(QStringLiteral("BUTTONGLYPH"), name));
    source = source.convertToFormat(QImage::Format_ARGB32);
    if (twoPictures) {
        // the right half is the disabled picture, as drawn
        const QRgb key = source.pixel(0, source.height() - 1);
        for (int y = 0; y < pictureSize.height(); ++y)
            for (int x = 0; x < pictureSize.width(); ++x) {
                const QRgb s = source.pixel(pictureSize.width() + x, y);
                QCOMPARE(disabled.pixel(x, y), s == key ? qRgba(0, 0, 0, 0) : s);
            }
    } else {
        // a generated relief: the glyph's dark parts grey, white one pixel
        // down and right of them where the glyph is not, at 1x and 2x
        QCOMPARE(disabled, Relief(normal, 1));
        const QIcon fine = LoadGlyph(name, 2);
        const QImage fineNormal = fine.pixmap(pictureSize, 2, QIcon::Normal).toImage();
        if (fineNormal.size() == pictureSize * 2) // a finer picture, not the 1x one
            QCOMPARE(fine.pixmap(pictureSize, 2, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32),
                     Relief(fineNormal, 2));
    }
}

void TAssetsTest::generatorIsDeterministic()
{
    // Two runs give the same bytes as each other and as the resources the
    // program carries.
    const QString generator = QStringLiteral(VORLEN_BINARY_DIR "/assets/vorlen-assets");
    if (!QFile::exists(generator))
        QSKIP("generator not built in this tree");
    QTemporaryDir a, b;
    QVERIFY(a.isValid() && b.isValid());
    for (const QString& dir : {a.path(), b.path()}) {
        QProcess p;
        p.start(generator, {dir});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
    }
    int files = 0;
    QDirIterator it(a.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString rel = path.mid(a.path().size());
        QVERIFY2(ReadAll(path) == ReadAll(b.path() + rel), qPrintable(rel));
        ++files;
    }
    QVERIFY(files >= 40);
    QCOMPARE(ReadAll(a.path() + u"/GIF/MALER3.gif"), LoadResource(QStringLiteral("GIF"), QStringLiteral("MALER3")));
    QCOMPARE(ReadAll(a.path() + u"/pictures/ImageVorlen.png"), ReadAll(QStringLiteral(":/pictures/ImageVorlen")));
    QCOMPARE(ReadAll(a.path() + u"/WAVE/OKLYD.wav"), LoadResource(QStringLiteral("WAVE"), QStringLiteral("OKLYD")));
}

QTEST_MAIN(TAssetsTest)
#include "test_assets.moc"
