// SPDX-License-Identifier: GPL-3.0-or-later
// The plate lying down and standing up: frames, their pacing on the clock,
// the background wiped back between frames, and the final picture.
#include "model/draw_gdi.h"
#include "model/opgave.h"
#include "base/delay.h"
#include "support/testclock.h"

#include "pixel_checks.h"

#include <QPainter>
#include <QTest>

#include <vector>

namespace {

const QRect PlateRect(0, 0, 80, 81);
using TOutline = std::array<QPoint, 4>;

// A background where every pixel differs, so a missed restore shows.
QImage PatternBackground()
{
    QImage image(80, 81, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 3, y * 3, (x * y) % 200));
    return image;
}

QImage WithPlate(const QImage& background, TOpgave plate)
{
    QImage image = background.copy();
    QPainter painter(&image);
    plate.Draw(painter, false);
    return image;
}

QImage WithFrame(const QImage& background, const TOutline& outline)
{
    QImage image = background.copy();
    QPainter painter(&image);
    const QColor white(255, 255, 255);
    GdiPolygon(painter, TGdiStyle::Solid(white, white), outline);
    return image;
}

struct TFrame {
    TOutline Outline;
    QImage Canvas;
    std::size_t WaitsBefore;
};

// Runs Tilt and records what was on the canvas at every frame.
std::vector<TFrame> RunTilt(TOpgave& plate, QImage& canvas, const QImage& background, TTestClock& clock)
{
    std::vector<TFrame> frames;
    plate.Tilt(canvas, background, PlateRect, [&] {
        frames.push_back({plate.FOutline, canvas.copy(), clock.Waits().size()});
    });
    return frames;
}

TOpgave Plate(int angle, bool lying)
{
    TOpgave plate;
    plate.Reset();
    plate.FAngle = angle;
    plate.FLying = lying;
    plate.FStripes[2] = 1;
    plate.FCircleHoles[0] = 1;
    plate.FCentreHoles = chSquareStraight;
    return plate;
}

} // namespace

class TestTilt : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lieDown();
    void lieDownWithoutEarlierDraw();
    void standUp_data();
    void standUp();
    void standingDiagonalPlateStaysAsItIs();
    void quitRequestRunsItThroughWithoutPauses();
    void frameStaysOnCanvasDuringTheWait();
};

void TestTilt::lieDown()
{
    TTestClock clock;
    const QImage background = PatternBackground();
    TOpgave plate = Plate(0, false);
    QImage canvas = WithPlate(background, plate); // shown standing first
    const auto frames = RunTilt(plate, canvas, background, clock);

    QCOMPARE(frames.size(), std::size_t(29));
    QCOMPARE(clock.Waits(), std::vector<std::uint32_t>(29, 30));
    QCOMPARE(clock.TotalWaited(), std::uint64_t(870));
    const TOutline last{QPoint(8, 36), QPoint(66, 36), QPoint(68, 38), QPoint(6, 38)};
    QCOMPARE(frames.back().Outline, last);
    // The edges lean inwards once, at frame 15.
    QCOMPARE(frames[13].Outline[0], QPoint(7, 21));
    QCOMPARE(frames[14].Outline[0], QPoint(8, 22));
    for (std::size_t i = 0; i < frames.size(); ++i) {
        QCOMPARE(frames[i].WaitsBefore, i); // shown before its wait
        // From the second frame on, only the frame is on the background: the
        // one before was wiped out.
        if (i > 0)
            QVERIFY2(frames[i].Canvas == WithFrame(background, frames[i].Outline), qPrintable(QString::number(i)));
    }
    QVERIFY(plate.FLying);
    QCOMPARE(canvas, WithPlate(background, plate));
    QCOMPARE(BoundsWhere(canvas, [](QRgb c) { return c == RgbOnly(qRgb(255, 255, 255)); }), Box(7, 36, 67, 38));
}

void TestTilt::lieDownWithoutEarlierDraw()
{
    // A plate nobody drew yet still falls from its standing outline.
    TTestClock clock;
    const QImage background = PatternBackground();
    TOpgave plate = Plate(90, false);
    plate.FOutline = {};
    QImage canvas = background.copy();
    const auto frames = RunTilt(plate, canvas, background, clock);
    QCOMPARE(frames.size(), std::size_t(29));
    QCOMPARE(frames.front().Outline[0], QPoint(7, 8));
    QCOMPARE(frames.back().Outline[2], QPoint(68, 38));
}

void TestTilt::standUp_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("frameCount");
    QTest::addColumn<TOutline>("first");
    QTest::addColumn<TOutline>("last");
    const TOutline straightFirst{QPoint(8, 34), QPoint(66, 34), QPoint(68, 40), QPoint(6, 40)};
    const TOutline straightLast{QPoint(5, 5), QPoint(69, 5), QPoint(65, 69), QPoint(9, 69)};
    const TOutline diagonalFirst{QPoint(40, 37), QPoint(80, 40), QPoint(40, 43), QPoint(0, 40)};
    const TOutline diamond{QPoint(40, 0), QPoint(80, 40), QPoint(40, 80), QPoint(0, 40)};
    QTest::newRow("straight 0") << 0 << 30 << straightFirst << straightLast;
    QTest::newRow("straight 270") << 270 << 30 << straightFirst << straightLast;
    QTest::newRow("diagonal 45") << 45 << 38 << diagonalFirst << diamond;
    QTest::newRow("diagonal 315") << 315 << 38 << diagonalFirst << diamond;
}

void TestTilt::standUp()
{
    QFETCH(int, angle);
    QFETCH(int, frameCount);
    QFETCH(TOutline, first);
    QFETCH(TOutline, last);
    TTestClock clock;
    const QImage background = PatternBackground();
    TOpgave plate = Plate(angle, true);
    QImage canvas = WithPlate(background, plate); // the bar, as the box shows it
    const auto frames = RunTilt(plate, canvas, background, clock);

    QCOMPARE(int(frames.size()), frameCount);
    QCOMPARE(clock.Waits(), std::vector<std::uint32_t>(std::size_t(frameCount), 30));
    QCOMPARE(frames.front().Outline, first);
    QCOMPARE(frames.back().Outline, last);
    for (std::size_t i = 1; i < frames.size(); ++i)
        QVERIFY2(frames[i].Canvas == WithFrame(background, frames[i].Outline), qPrintable(QString::number(i)));
    QVERIFY(!plate.FLying);
    // Standing again, with its stripe and holes, without border.
    QCOMPARE(canvas, WithPlate(background, Plate(angle, false)));
}

void TestTilt::standingDiagonalPlateStaysAsItIs()
{
    TTestClock clock;
    const QImage background = PatternBackground();
    TOpgave plate = Plate(135, false);
    QImage canvas = FreshImage(80, 81);
    const auto frames = RunTilt(plate, canvas, background, clock);
    QVERIFY(frames.empty());
    QVERIFY(clock.Waits().empty());
    QVERIFY(!plate.FLying);
    QCOMPARE(canvas, FreshImage(80, 81));
}

void TestTilt::quitRequestRunsItThroughWithoutPauses()
{
    TTestClock clock;
    const QImage background = PatternBackground();
    TOpgave plate = Plate(0, false);
    QImage canvas = background.copy();
    RequestQuit();
    const auto frames = RunTilt(plate, canvas, background, clock);
    ClearQuitRequest();
    QCOMPARE(frames.size(), std::size_t(29));
    QVERIFY(clock.Waits().empty());
    QVERIFY(plate.FLying);
    QCOMPARE(canvas, WithPlate(background, plate));
}

void TestTilt::frameStaysOnCanvasDuringTheWait()
{
    // Whatever runs inside the wait (a repaint of the box) sees the frame.
    TTestClock clock;
    const QImage background = PatternBackground();
    TOpgave plate = Plate(45, true);
    QImage canvas = background.copy();
    int checked = 0;
    clock.OnWait = [&](std::size_t) {
        QCOMPARE(canvas, WithFrame(background, plate.FOutline));
        ++checked;
    };
    plate.Tilt(canvas, background, PlateRect);
    QCOMPARE(checked, 38);
}

QTEST_MAIN(TestTilt)
#include "test_tilt.moc"
