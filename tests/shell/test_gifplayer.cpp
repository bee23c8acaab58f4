// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/gifplayer.h"
#include "shell/resources.h"
#include "support/testclock.h"

#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QResource>
#include <QScopeGuard>
#include <QtTest>

#include <gif_lib.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// One frame of a GIF written for a test: indices row by row.
struct TTestFrame {
    QRect Area;
    std::vector<int> Pixels;
    int Disposal = DISPOSE_DO_NOT;
    int Transparent = NO_TRANSPARENT_COLOR;
    int DelayCs = 10;
};

int WriteToByteArray(GifFileType* gif, const GifByteType* data, int count)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), count);
    return count;
}

// Encodes a GIF89a with giflib's encoder, the way the real animations are
// made: global palette (a power of two), one control block per frame and the
// looping block in the first frame's extensions.
QByteArray MakeGif(int width, int height, const std::vector<QRgb>& palette,
                   const std::vector<TTestFrame>& frames)
{
    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, WriteToByteArray, &error);
    if (!gif)
        return {};
    std::vector<GifColorType> colours;
    for (QRgb c : palette)
        colours.push_back(GifColorType{GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))});
    gif->SWidth = width;
    gif->SHeight = height;
    gif->SColorResolution = 8;
    gif->SBackGroundColor = 0;
    gif->SColorMap = GifMakeMapObject(int(colours.size()), colours.data());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const TTestFrame& f = frames[i];
        SavedImage* saved = GifMakeSavedImage(gif, nullptr);
        saved->ImageDesc.Left = f.Area.left();
        saved->ImageDesc.Top = f.Area.top();
        saved->ImageDesc.Width = f.Area.width();
        saved->ImageDesc.Height = f.Area.height();
        saved->RasterBits = static_cast<GifByteType*>(std::malloc(f.Pixels.size()));
        for (std::size_t p = 0; p < f.Pixels.size(); ++p)
            saved->RasterBits[p] = GifByteType(f.Pixels[p]);
        if (i == 0) {
            const GifByteType loop[3] = {1, 0, 0};
            GifAddExtensionBlock(&saved->ExtensionBlockCount, &saved->ExtensionBlocks,
                                 APPLICATION_EXT_FUNC_CODE, 11,
                                 reinterpret_cast<unsigned char*>(const_cast<char*>("NETSCAPE2.0")));
            GifAddExtensionBlock(&saved->ExtensionBlockCount, &saved->ExtensionBlocks,
                                 CONTINUE_EXT_FUNC_CODE, 3, const_cast<GifByteType*>(loop));
        }
        const GraphicsControlBlock gcb{f.Disposal, false, f.DelayCs, f.Transparent};
        EGifGCBToSavedExtension(&gcb, gif, int(i));
    }
    // EGifSpew frees the handle but not the images and palette it was given.
    ColorMapObject* map = gif->SColorMap;
    SavedImage* images = gif->SavedImages;
    const int imageCount = gif->ImageCount;
    const bool ok = EGifSpew(gif) == GIF_OK;
    for (int i = 0; i < imageCount; ++i) {
        std::free(images[i].RasterBits);
        GifFreeExtensions(&images[i].ExtensionBlockCount, &images[i].ExtensionBlocks);
    }
    std::free(images);
    GifFreeMapObject(map);
    return ok ? out : QByteArray();
}

TTestFrame Solid(const QRect& area, int index, int disposal = DISPOSE_DO_NOT)
{
    TTestFrame f;
    f.Area = area;
    f.Pixels.assign(std::size_t(area.width() * area.height()), index);
    f.Disposal = disposal;
    return f;
}

const QRgb Floor = qRgb(10, 200, 30);
const std::vector<QRgb> Palette = {qRgb(255, 0, 255), qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};

QImage FloorCanvas(int w, int h)
{
    QImage canvas(w, h, QImage::Format_RGB32);
    canvas.fill(Floor);
    return canvas;
}

// A floor with a pattern, so that a restore from the wrong place shows.
QImage PatternCanvas(int w, int h)
{
    QImage canvas(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            canvas.setPixel(x, y, qRgb(x * 10, y * 10, 77));
    return canvas;
}

const QStringList AnimationNames = {
    QStringLiteral("DREJER45"), QStringLiteral("DREJER90"), QStringLiteral("DREJER135"),
    QStringLiteral("DREJER180"), QStringLiteral("HULLER1"), QStringLiteral("MALER1"),
    QStringLiteral("MALER2"), QStringLiteral("MALER3")};

// The slot's play rectangle for an animation of `width` in an 80 x 48 picture.
QRect SlotRect(int width)
{
    const int d = (width - 80) / 2; // C++ division truncates toward zero, as the floor wants
    return QRect(QPoint(-d, 0), QPoint(80 + d - 1, 47));
}

// Loads `data` and, if it is accepted, uses it as the floor and the run would.
void Exercise(const QByteArray& data)
{
    TGifAnimation gif;
    if (!gif.LoadFromData(data)) {
        QVERIFY(gif.IsEmpty());
        QCOMPARE(gif.FrameCount(), 0);
        return;
    }
    QVERIFY(gif.Width() >= 1 && gif.Width() <= 4096);
    QVERIFY(gif.Height() >= 1 && gif.Height() <= 4096);
    QVERIFY(gif.FrameCount() >= 1 && gif.FrameCount() <= 1000);
    QImage canvas = FloorCanvas(80, 48);
    gif.DrawFirstFrame(canvas, SlotRect(gif.Width()));
    TTestClock clock;
    gif.Play(canvas, SlotRect(gif.Width()));
    QCOMPARE(clock.Waits().size(), std::size_t(gif.FrameCount()));
}

} // namespace

class TestGifPlayer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstFrameLeavesTransparentPixelsOut();
    void firstFrameIsClippedAndCentred_data();
    void firstFrameIsClippedAndCentred();
    void framesAreDrawnAtTheirOffsets();
    void disposal_data();
    void disposal();
    void lastFrameStaysOnTheCanvas();
    void playWaitsEachFrameDelay();
    void playSurvivesReloadDuringAWait();
    void switchesSurviveLoading();
    void rejectsBrokenStreams_data();
    void rejectsBrokenStreams();
    void truncatedStreamsNeverCrash_data();
    void truncatedStreamsNeverCrash();
    void mutatedStreamsNeverCrash_data();
    void mutatedStreamsNeverCrash();

    void realAnimations_data();
    void realAnimations();
    void realFirstFrameInSlot_data();
    void realFirstFrameInSlot();
    void realPlayMatchesIndependentDecoder_data();
    void realPlayMatchesIndependentDecoder();
    void enlargedWhenTheFinerFileIsMissing();
};

void TestGifPlayer::firstFrameLeavesTransparentPixelsOut()
{
    TTestFrame first;
    first.Area = QRect(0, 0, 3, 2);
    first.Pixels = {0, 1, 0, 2, 0, 3};
    first.Transparent = 0;
    const QByteArray data = MakeGif(3, 2, Palette, {first, Solid(QRect(0, 0, 3, 2), 1)});
    TGifAnimation gif;
    QVERIFY(gif.LoadFromData(data));
    QCOMPARE(gif.Width(), 3);
    QCOMPARE(gif.Height(), 2);
    QCOMPARE(gif.FrameCount(), 2);

    QImage canvas = FloorCanvas(5, 4);
    gif.DrawFirstFrame(canvas, QRect(1, 1, 3, 2));
    const QRgb f = Floor, r = Palette[1], b = Palette[2], y = Palette[3];
    const QRgb expected[4][5] = {{f, f, f, f, f}, {f, f, r, f, f}, {f, b, f, y, f}, {f, f, f, f, f}};
    for (int py = 0; py < 4; ++py)
        for (int px = 0; px < 5; ++px)
            QCOMPARE(canvas.pixel(px, py), expected[py][px]);
}

void TestGifPlayer::firstFrameIsClippedAndCentred_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("wider by 4: loses 2 columns each side") << 14;
    QTest::newRow("as wide as the picture") << 10;
    QTest::newRow("narrower by 4: 2 columns of floor each side") << 6;
    QTest::newRow("narrower by 3: d truncates toward zero") << 7;
    QTest::newRow("wider by 3") << 13;
}

void TestGifPlayer::firstFrameIsClippedAndCentred()
{
    // Each column has its own colour, so the test sees which column lands where.
    QFETCH(int, width);
    std::vector<QRgb> palette;
    for (int i = 0; i < 16; ++i)
        palette.push_back(qRgb(i * 15, 255 - i * 15, 128));
    TTestFrame f;
    f.Area = QRect(0, 0, width, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < width; ++x)
            f.Pixels.push_back(x);
    TGifAnimation gif;
    QVERIFY(gif.LoadFromData(MakeGif(width, 2, palette, {f})));

    // The picture is columns 3..12 of a wider canvas: nothing may spill
    // beyond the rectangle into its neighbours.
    const int pictureWidth = 10;
    const int margin = 3;
    const int d = (width - pictureWidth) / 2;
    QImage canvas = FloorCanvas(pictureWidth + 2 * margin, 3);
    gif.DrawFirstFrame(canvas, QRect(QPoint(margin - d, 0), QPoint(margin + pictureWidth + d - 1, 1)));
    for (int x = 0; x < canvas.width(); ++x) {
        const int source = x - margin + d;
        const bool inRect = x >= margin - d && x < margin + pictureWidth + d;
        const QRgb want = inRect && source >= 0 && source < width ? palette[std::size_t(source)] : Floor;
        QCOMPARE(canvas.pixel(x, 0), want);
        QCOMPARE(canvas.pixel(x, 1), want);
        QCOMPARE(canvas.pixel(x, 2), Floor);
    }
}

void TestGifPlayer::framesAreDrawnAtTheirOffsets()
{
    // The second frame reaches past the logical screen: only its part inside shows.
    const QByteArray data = MakeGif(4, 3, Palette,
                                    {Solid(QRect(1, 1, 1, 1), 1), Solid(QRect(2, 1, 4, 3), 2)});
    TGifAnimation gif;
    QVERIFY(gif.LoadFromData(data));
    QImage canvas = FloorCanvas(8, 5);
    const QRect r(2, 1, 6, 4); // wider than the screen: the clip comes from the screen
    gif.DrawFirstFrame(canvas, r);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 8; ++x)
            QCOMPARE(canvas.pixel(x, y), x == 3 && y == 2 ? Palette[1] : Floor);

    TTestClock clock;
    canvas = FloorCanvas(8, 5);
    gif.Play(canvas, r);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 8; ++x) {
            QRgb want = Floor;
            if (x == 3 && y == 2)
                want = Palette[1];
            else if (x >= 4 && x <= 5 && y >= 2 && y <= 3)
                want = Palette[2];
            QCOMPARE(canvas.pixel(x, y), want);
        }
}

void TestGifPlayer::disposal_data()
{
    QTest::addColumn<int>("disposal");
    QTest::addColumn<bool>("firstFrameRemains");
    QTest::newRow("1 leaves the frame") << DISPOSE_DO_NOT << true;
    QTest::newRow("unspecified leaves the frame") << DISPOSAL_UNSPECIFIED << true;
    QTest::newRow("2 shows what was there before the animation") << DISPOSE_BACKGROUND << false;
    QTest::newRow("3 restores what the frame covered") << DISPOSE_PREVIOUS << false;
}

void TestGifPlayer::disposal()
{
    QFETCH(int, disposal);
    QFETCH(bool, firstFrameRemains);
    // Frame 1 covers the screen except a transparent hole; frame 2 is one pixel.
    TTestFrame first = Solid(QRect(0, 0, 4, 3), 1, disposal);
    first.Transparent = 0;
    first.Pixels[5] = 0; // (1, 1)
    TTestFrame second = Solid(QRect(3, 2, 1, 1), 2);
    const QByteArray data = MakeGif(4, 3, Palette, {first, second});
    TGifAnimation gif;
    QVERIFY(gif.LoadFromData(data));

    const QImage original = PatternCanvas(7, 5);
    QImage canvas = original;
    const QRect r(2, 1, 4, 3);
    std::vector<QImage> shown;
    TTestClock clock;
    gif.Play(canvas, r, [&] { shown.push_back(canvas.copy()); });
    QCOMPARE(shown.size(), std::size_t(2));

    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) {
            const bool inFrame = r.contains(x, y) && !(x == 3 && y == 2);
            const QRgb under = original.pixel(x, y);
            QCOMPARE(shown[0].pixel(x, y), inFrame ? Palette[1] : under);
            QRgb want = inFrame && firstFrameRemains ? Palette[1] : under;
            if (x == 5 && y == 3)
                want = Palette[2];
            QCOMPARE(shown[1].pixel(x, y), want);
            QCOMPARE(canvas.pixel(x, y), want);
        }
}

void TestGifPlayer::lastFrameStaysOnTheCanvas()
{
    const QByteArray data = MakeGif(2, 2, Palette,
                                    {Solid(QRect(0, 0, 2, 2), 1, DISPOSE_BACKGROUND),
                                     Solid(QRect(0, 0, 2, 2), 3, DISPOSE_BACKGROUND)});
    TGifAnimation gif;
    QVERIFY(gif.LoadFromData(data));
    QImage canvas = FloorCanvas(2, 2);
    TTestClock clock;
    gif.Play(canvas, canvas.rect());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            QCOMPARE(canvas.pixel(x, y), Palette[3]);
}

void TestGifPlayer::playWaitsEachFrameDelay()
{
    std::vector<TTestFrame> frames;
    for (int i = 0; i < 5; ++i)
        frames.push_back(Solid(QRect(0, 0, 2, 2), i % 4));
    frames[2].DelayCs = 25;
    TGifAnimation gif;
    QVERIFY(gif.LoadFromData(MakeGif(2, 2, Palette, frames)));
    QCOMPARE(gif.FrameDelay(0), 100);
    QCOMPARE(gif.FrameDelay(2), 250);

    QImage canvas = FloorCanvas(2, 2);
    TTestClock clock;
    int shownBeforeWait = 0;
    std::vector<int> shownAtWait;
    clock.OnWait = [&](std::size_t) { shownAtWait.push_back(shownBeforeWait); };
    gif.Play(canvas, canvas.rect(), [&] { ++shownBeforeWait; });
    QCOMPARE(clock.Waits(), (std::vector<std::uint32_t>{100, 100, 250, 100, 100}));
    // Every frame is shown before its wait begins.
    QCOMPARE(shownAtWait, (std::vector<int>{1, 2, 3, 4, 5}));
}

void TestGifPlayer::playSurvivesReloadDuringAWait()
{
    // An event handled during a frame's wait may load another picture into
    // the same animation; the pass in progress must go on safely.
    const QByteArray three = MakeGif(2, 2, Palette, {Solid(QRect(0, 0, 2, 2), 1), Solid(QRect(0, 0, 2, 2), 2),
                                                     Solid(QRect(0, 0, 2, 2), 3)});
    const QByteArray one = MakeGif(5, 5, Palette, {Solid(QRect(0, 0, 5, 5), 2)});
    TGifAnimation gif;
    QVERIFY(gif.LoadFromData(three));
    QImage canvas = FloorCanvas(2, 2);
    TTestClock clock;
    clock.OnWait = [&](std::size_t index) {
        if (index == 0)
            QVERIFY(gif.LoadFromData(one));
        if (index == 1)
            gif.Clear();
    };
    gif.Play(canvas, canvas.rect());
    QCOMPARE(clock.Waits().size(), std::size_t(3));
    QCOMPARE(canvas.pixel(0, 0), Palette[3]);
    QVERIFY(gif.IsEmpty());
}

void TestGifPlayer::switchesSurviveLoading()
{
    TGifAnimation gif;
    gif.SetLoop(false);
    gif.SetAnimate(false);
    QVERIFY(gif.LoadFromData(MakeGif(2, 2, Palette, {Solid(QRect(0, 0, 2, 2), 1)})));
    gif.Clear();
    QVERIFY(!gif.Loop());
    QVERIFY(!gif.Animate());
}

void TestGifPlayer::rejectsBrokenStreams_data()
{
    QTest::addColumn<QByteArray>("data");
    const QByteArray good = MakeGif(4, 3, Palette, {Solid(QRect(0, 0, 4, 3), 3), Solid(QRect(0, 0, 4, 3), 2)});
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("signature only") << QByteArray("GIF89a");
    QTest::newRow("not a GIF") << QByteArray("\x89PNG\r\n\x1a\n and then some more bytes");
    QTest::newRow("no trailer") << good.left(good.size() - 1);

    QByteArray zero = good;
    zero[6] = 0;
    zero[7] = 0;
    QTest::newRow("logical screen 0 wide") << zero;
    QByteArray huge = good;
    huge[6] = char(0xff);
    huge[7] = char(0xff);
    QTest::newRow("logical screen 65535 wide") << huge;

    // Drop the upper half of the 4-entry palette and say so in the header:
    // the pixels of index 2 and 3 now lie beyond the colour table.
    QByteArray shortPalette = good;
    shortPalette[10] = char((shortPalette[10] & ~7) | 0);
    shortPalette.remove(13 + 6, 6);
    QTest::newRow("pixel index beyond the palette") << shortPalette;

    std::vector<TTestFrame> many(1001, Solid(QRect(0, 0, 1, 1), 1));
    QTest::newRow("1001 frames") << MakeGif(1, 1, Palette, many);

    // A frame of 20000 x 20000 claimed in a few bytes must not be allocated.
    QByteArray bigFrame = good;
    const int desc = bigFrame.indexOf(char(0x2C), 13 + 12);
    QVERIFY(desc > 0);
    bigFrame[desc + 5] = char(20000 & 0xff);
    bigFrame[desc + 6] = char(20000 >> 8);
    bigFrame[desc + 7] = char(20000 & 0xff);
    bigFrame[desc + 8] = char(20000 >> 8);
    QTest::newRow("frame of 20000 x 20000") << bigFrame;
}

void TestGifPlayer::rejectsBrokenStreams()
{
    QFETCH(QByteArray, data);
    TGifAnimation gif;
    QVERIFY(gif.LoadFromData(MakeGif(2, 2, Palette, {Solid(QRect(0, 0, 2, 2), 1)})));
    QVERIFY(!gif.LoadFromData(data));
    QVERIFY(gif.IsEmpty());
    QCOMPARE(gif.Width(), 0);
    QCOMPARE(gif.FrameCount(), 0);
    QImage canvas = FloorCanvas(4, 4);
    TTestClock clock;
    gif.DrawFirstFrame(canvas, canvas.rect());
    gif.Play(canvas, canvas.rect());
    QVERIFY(clock.Waits().empty());
    QCOMPARE(canvas, FloorCanvas(4, 4));
}

namespace {
// The streams the robustness checks damage: the real animations once they
// are built in, and a synthetic one with offsets, transparency and disposal.
void AddStreamsToDamage()
{
    QTest::addColumn<QByteArray>("data");
    TTestFrame first = Solid(QRect(0, 0, 6, 4), 1, DISPOSE_BACKGROUND);
    first.Transparent = 0;
    first.Pixels[3] = 0;
    QTest::newRow("synthetic")
        << MakeGif(6, 4, Palette, {first, Solid(QRect(1, 1, 3, 2), 2), Solid(QRect(4, 2, 2, 2), 3)});
    for (const QString& name : AnimationNames) {
        const QByteArray data = LoadResource(QStringLiteral("GIF"), name);
        if (!data.isEmpty())
            QTest::newRow(qPrintable(name)) << data;
    }
}
} // namespace

void TestGifPlayer::truncatedStreamsNeverCrash_data()
{
    AddStreamsToDamage();
}

void TestGifPlayer::truncatedStreamsNeverCrash()
{
    QFETCH(QByteArray, data);
    TGifAnimation whole;
    QVERIFY(whole.LoadFromData(data));
    const qsizetype step = std::max<qsizetype>(1, data.size() / 1500);
    for (qsizetype length = 0; length < data.size(); length += step) {
        Exercise(data.left(length));
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("at length %1").arg(length)));
    }
    // Without its trailer or anything after it, a stream is incomplete.
    QVERIFY(!whole.LoadFromData(data.left(data.size() - 1)));
}

void TestGifPlayer::mutatedStreamsNeverCrash_data()
{
    AddStreamsToDamage();
}

void TestGifPlayer::mutatedStreamsNeverCrash()
{
    QFETCH(QByteArray, data);
    QRandomGenerator random(20240611);
    int accepted = 0;
    for (int round = 0; round < 1000; ++round) {
        QByteArray damaged = data;
        const int changes = 1 + int(random.bounded(4));
        for (int c = 0; c < changes; ++c) {
            const qsizetype at = random.bounded(int(damaged.size()));
            // Mostly single bit flips, sometimes a whole random byte.
            if (random.bounded(3) == 0)
                damaged[at] = char(random.bounded(256));
            else
                damaged[at] = char(damaged[at] ^ (1 << random.bounded(8)));
        }
        Exercise(damaged);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("in round %1").arg(round)));
        TGifAnimation gif;
        accepted += gif.LoadFromData(damaged) ? 1 : 0;
    }
    qInfo("%d of 1000 damaged copies were still accepted", accepted);
}

void TestGifPlayer::realAnimations_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("frames");
    QTest::newRow("DREJER45") << QStringLiteral("DREJER45") << 80 << 5;
    QTest::newRow("DREJER90") << QStringLiteral("DREJER90") << 80 << 9;
    QTest::newRow("DREJER135") << QStringLiteral("DREJER135") << 80 << 14;
    QTest::newRow("DREJER180") << QStringLiteral("DREJER180") << 80 << 18;
    QTest::newRow("HULLER1") << QStringLiteral("HULLER1") << 98 << 9;
    QTest::newRow("MALER1") << QStringLiteral("MALER1") << 74 << 16;
    QTest::newRow("MALER2") << QStringLiteral("MALER2") << 74 << 31;
    QTest::newRow("MALER3") << QStringLiteral("MALER3") << 74 << 48;
}

void TestGifPlayer::realAnimations()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, frames);
    TGifAnimation gif;
    QVERIFY(gif.LoadFromResource(name));
    QCOMPARE(gif.Width(), width);
    QCOMPARE(gif.Height(), 48);
    QCOMPARE(gif.FrameCount(), frames);

    QImage canvas = FloorCanvas(80, 48);
    TTestClock clock;
    int shown = 0;
    gif.Play(canvas, SlotRect(width), [&] { ++shown; });
    QCOMPARE(shown, frames);
    QCOMPARE(clock.Waits(), std::vector<std::uint32_t>(std::size_t(frames), 100));
    QCOMPARE(clock.TotalWaited(), std::uint64_t(frames) * 100);
}

void TestGifPlayer::realFirstFrameInSlot_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : AnimationNames)
        QTest::newRow(qPrintable(name)) << name;
}

void TestGifPlayer::realFirstFrameInSlot()
{
    // Qt's own GIF reader is the independent judge of what the first frame
    // shows; its transparent pixels must show the floor, all others the machine.
    QFETCH(QString, name);
    const QByteArray data = LoadResource(QStringLiteral("GIF"), name);
    QVERIFY2(!data.isEmpty(), "animation missing from the resources");
    const QImage reference = QImage::fromData(data, "GIF").convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!reference.isNull());

    TGifAnimation gif;
    QVERIFY(gif.LoadFromData(data));
    const int d = (gif.Width() - 80) / 2;
    QImage canvas = PatternCanvas(80, 48);
    const QImage floor = canvas;
    gif.DrawFirstFrame(canvas, SlotRect(gif.Width()));

    int machine = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 80; ++x) {
            const int sx = x + d;
            QRgb want = floor.pixel(x, y);
            if (sx >= 0 && sx < reference.width() && qAlpha(reference.pixel(sx, y)) == 255) {
                want = reference.pixel(sx, y) | 0xff000000u;
                ++machine;
            }
            QCOMPARE(canvas.pixel(x, y), want);
        }
    // The machine is there, and the floor shows through somewhere.
    QVERIFY(machine > 80 * 48 / 4);
    QVERIFY(machine < 80 * 48);

    if (name.startsWith(u"MALER")) {
        for (int y = 0; y < 48; ++y)
            for (int x : {0, 1, 2, 77, 78, 79})
                QCOMPARE(canvas.pixel(x, y), floor.pixel(x, y));
    }
    if (name == u"HULLER1") {
        // Columns 9..88 of the 98 show; the first 9 and last 9 are cut off.
        QCOMPARE(d, 9);
        QCOMPARE(SlotRect(gif.Width()), QRect(QPoint(-9, 0), QPoint(88, 47)));
    }
}

void TestGifPlayer::realPlayMatchesIndependentDecoder_data()
{
    realFirstFrameInSlot_data();
}

void TestGifPlayer::realPlayMatchesIndependentDecoder()
{
    // Each frame as Qt's reader composes it (disposal to a transparent
    // background), laid over the floor, must equal what Play shows.
    QFETCH(QString, name);
    const QByteArray data = LoadResource(QStringLiteral("GIF"), name);
    QVERIFY2(!data.isEmpty(), "animation missing from the resources");
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer, "GIF");
    std::vector<QImage> reference;
    QImage frame;
    while (reader.read(&frame))
        reference.push_back(frame.convertToFormat(QImage::Format_ARGB32));

    TGifAnimation gif;
    QVERIFY(gif.LoadFromData(data));
    QCOMPARE(int(reference.size()), gif.FrameCount());
    const int d = (gif.Width() - 80) / 2;
    QImage canvas = PatternCanvas(80, 48);
    const QImage floor = canvas;
    TTestClock clock;
    std::size_t index = 0;
    gif.Play(canvas, SlotRect(gif.Width()), [&] {
        const QImage& ref = reference[index];
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 80; ++x) {
                const int sx = x + d;
                QRgb want = floor.pixel(x, y);
                if (sx >= 0 && sx < ref.width() && qAlpha(ref.pixel(sx, y)) == 255)
                    want = ref.pixel(sx, y) | 0xff000000u;
                if (canvas.pixel(x, y) != want)
                    QFAIL(qPrintable(QStringLiteral("frame %1 differs at (%2, %3)").arg(index).arg(x).arg(y)));
            }
        ++index;
    });
    QCOMPARE(index, reference.size());
}

void TestGifPlayer::enlargedWhenTheFinerFileIsMissing()
{
    // A screen of grid 2 without vorlen-hires.rcc: the slot's canvas is of
    // grid 2, so the machine must cover it as the 1x one covers a 1x canvas,
    // every pixel a 2 x 2 block, first frame and last.
    const QString rcc = QCoreApplication::applicationDirPath() + u"/vorlen-hires.rcc";
    QVERIFY(!LoadResource(QStringLiteral("GIF"), QStringLiteral("HULLER1@2x")).isEmpty());
    QVERIFY(QResource::unregisterResource(rcc));
    const auto registerAgain = qScopeGuard([&] { QResource::registerResource(rcc); });
    QVERIFY(LoadResource(QStringLiteral("GIF"), QStringLiteral("HULLER1@2x")).isEmpty());

    const auto enlarged = [](const QImage& coarse) {
        QImage fine = coarse.scaled(coarse.size() * 2);
        fine.setDevicePixelRatio(2);
        return fine;
    };
    TGifAnimation coarse;
    QVERIFY(coarse.LoadFromResource(QStringLiteral("HULLER1")));
    TGifAnimation fine;
    QVERIFY(fine.LoadFromResource(QStringLiteral("HULLER1"), 2));
    QCOMPARE(fine.Grid(), 2);
    QCOMPARE(fine.Width(), coarse.Width());
    QCOMPARE(fine.Height(), coarse.Height());
    QCOMPARE(fine.FrameCount(), coarse.FrameCount());

    QImage coarseCanvas = PatternCanvas(80, 48);
    QImage fineCanvas = enlarged(coarseCanvas);
    coarse.DrawFirstFrame(coarseCanvas, SlotRect(coarse.Width()));
    fine.DrawFirstFrame(fineCanvas, SlotRect(fine.Width()));
    QCOMPARE(fineCanvas.devicePixelRatio(), 2.0);
    QCOMPARE(fineCanvas, enlarged(coarseCanvas));

    TTestClock clock;
    coarse.Play(coarseCanvas, SlotRect(coarse.Width()));
    fine.Play(fineCanvas, SlotRect(fine.Width()));
    QCOMPARE(fineCanvas, enlarged(coarseCanvas));
}

QTEST_MAIN(TestGifPlayer)
#include "test_gifplayer.moc"
