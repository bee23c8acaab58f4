// SPDX-License-Identifier: GPL-3.0-or-later
// How a plate looks: outlines, stripes, holes, the lying plate, and that
// drawing never touches pixels outside the plate.
#include "model/draw_plate.h"
#include "model/opgave.h"

#include "pixel_checks.h"

#include <QPainter>
#include <QTest>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Silver = qRgb(192, 192, 192);
const QRgb Blue = qRgb(0, 0, 255);

TOpgave BlankPlate(int angle = 0)
{
    TOpgave plate;
    plate.Reset();
    plate.FAngle = angle;
    return plate;
}

// Drawn on a canvas larger than the plate area so that strays would show.
QImage Render(TOpgave plate, bool withBorder = false, QSize size = QSize(90, 90))
{
    QImage image = FreshImage(size.width(), size.height());
    QPainter painter(&image);
    plate.Draw(painter, withBorder);
    return image;
}

// The plate with everything: stripes of all thicknesses, both hole pairs on
// several axes, all three centre holes.
TOpgave BusyPlate(int angle)
{
    TOpgave plate = BlankPlate(angle);
    plate.FStripes = {0, 1, 2, 3};
    plate.FCircleHoles = {1, 0, 1, 0};
    plate.FSquareHoles = {0, 1, 1, 0};
    plate.FCentreHoles = chCircle | chSquareDiagonal | chSquareStraight;
    return plate;
}

} // namespace

class TestPlateDraw : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void blankOutline_data();
    void blankOutline();
    void drawRefreshesOutline();

    void thickStripeStraight();
    void stripeWidths_data();
    void stripeWidths();
    void diagonalStripeRunsCornerToCorner();

    void circlePairTurnsWithPlate_data();
    void circlePairTurnsWithPlate();
    void squareCentreHole();
    void squarePairOrientation();
    void holesOverStripesCirclesOverSquares();

    void halfTurnDrawsSamePicture();
    void lyingPlate_data();
    void lyingPlate();
    void nothingOutsideThePlate();
    void finerGridCoversSameArea();
};

void TestPlateDraw::blankOutline_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<bool>("withBorder");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<QList<QPoint>>("corners");
    const QList<QPoint> square{{7, 7}, {67, 7}, {67, 67}, {7, 67}};
    const QList<QPoint> diamond{{40, 0}, {80, 40}, {40, 80}, {0, 40}};
    QTest::newRow("straight") << 0 << false << QRect(7, 7, 61, 61) << square;
    QTest::newRow("straight, border") << 90 << true << QRect(7, 7, 61, 61) << square;
    QTest::newRow("diagonal") << 45 << false << QRect(0, 0, 81, 81) << diamond;
    QTest::newRow("diagonal, border") << 315 << true << QRect(0, 0, 81, 81) << diamond;
}

void TestPlateDraw::blankOutline()
{
    QFETCH(int, angle);
    QFETCH(bool, withBorder);
    QFETCH(QRect, bounds);
    QFETCH(QList<QPoint>, corners);
    const QImage image = Render(BlankPlate(angle), withBorder);
    QCOMPARE(ChangedBounds(image), bounds);
    for (const QPoint& p : corners)
        QCOMPARE(Px(image, p.x(), p.y()), RgbOnly(withBorder ? Black : White));
    QCOMPARE(Px(image, 40, 40), RgbOnly(White));
    // Only the edge takes the border colour: a blank plate inside is all white.
    QCOMPARE(CountOf(image, White) + CountOf(image, Black), withBorder ? CountOf(Render(BlankPlate(angle)), White)
                                                                       : CountOf(image, White));
}

void TestPlateDraw::drawRefreshesOutline()
{
    TOpgave plate = BlankPlate(45);
    plate.FOutline = {};
    QImage image = FreshImage(90, 90);
    QPainter painter(&image);
    plate.Draw(painter, false);
    QCOMPARE(plate.FOutline[0], QPoint(40, 0));
    QCOMPARE(plate.FOutline[1], QPoint(80, 40));
}

void TestPlateDraw::thickStripeStraight()
{
    // Thick stripe on the horizontal of a straight plate: (7,30)-(67,42).
    TOpgave plate = BlankPlate();
    plate.FStripes[2] = 2;
    const QImage image = Render(plate);
    QCOMPARE(BoundsOf(image, Blue), QRect(QPoint(7, 30), QPoint(67, 42)));
    for (int y = 30; y <= 42; ++y)
        for (int x = 7; x <= 67; ++x)
            QCOMPARE(Px(image, x, y), RgbOnly(Blue));
    QCOMPARE(Px(image, 36, 29), RgbOnly(White));
    QCOMPARE(Px(image, 36, 43), RgbOnly(White));
}

void TestPlateDraw::stripeWidths_data()
{
    // A stripe across the middle, measured along the middle line at right
    // angles to it.
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("axis");
    QTest::addColumn<int>("thickness");
    QTest::addColumn<int>("across"); // blue pixels on the cross line
    QTest::newRow("straight horizontal thin") << 0 << 2 << 0 << 3;
    QTest::newRow("straight horizontal medium") << 0 << 2 << 1 << 7;
    QTest::newRow("straight vertical thick") << 0 << 0 << 2 << 13;
    QTest::newRow("turned 90: axis 2 vertical") << 90 << 2 << 1 << 7;
    QTest::newRow("diagonal horizontal thick") << 45 << 3 << 2 << 13;
    QTest::newRow("diagonal vertical thick") << 45 << 1 << 2 << 13;
    QTest::newRow("diagonal vertical thin") << 225 << 1 << 0 << 3;
    QTest::newRow("diagonal horizontal medium") << 135 << 1 << 1 << 7;
}

void TestPlateDraw::stripeWidths()
{
    QFETCH(int, angle);
    QFETCH(int, axis);
    QFETCH(int, thickness);
    QFETCH(int, across);
    TOpgave plate = BlankPlate(angle);
    plate.FStripes[axis] = std::uint8_t(thickness);
    const QImage image = Render(plate);
    const bool horizontal = plate.DirectionOf(std::uint8_t(axis)) == 2;
    QVERIFY(horizontal || plate.DirectionOf(std::uint8_t(axis)) == 0);
    const int middle = plate.IsDiagonal() ? 40 : 36;
    int blue = 0;
    for (int k = 0; k < 90; ++k)
        blue += Px(image, horizontal ? middle : k, horizontal ? k : middle) == RgbOnly(Blue);
    QCOMPARE(blue, across);
    // It runs the whole way along the plate.
    const int from = plate.IsDiagonal() ? 0 : 7;
    const int to = plate.IsDiagonal() ? 80 : 67;
    for (int k = from; k <= to; ++k)
        QCOMPARE(Px(image, horizontal ? k : middle, horizontal ? middle : k), RgbOnly(Blue));
}

void TestPlateDraw::diagonalStripeRunsCornerToCorner()
{
    // A horizontal stripe painted at 0 lies on the rising diagonal after 45.
    TOpgave plate = BlankPlate(45);
    plate.FStripes[2] = 1;
    const QImage image = Render(plate);
    QCOMPARE(plate.DirectionOf(2), std::uint8_t(1));
    for (const QPoint p : {QPoint(60, 20), QPoint(40, 40), QPoint(20, 60), QPoint(58, 18), QPoint(22, 62)})
        QCOMPARE(Px(image, p.x(), p.y()), RgbOnly(Blue));
    QCOMPARE(Px(image, 20, 20), RgbOnly(White));
    QCOMPARE(Px(image, 60, 60), RgbOnly(White));
    QCOMPARE(BoundsOf(image, Blue), QRect(QPoint(18, 18), QPoint(62, 62)));
}

void TestPlateDraw::circlePairTurnsWithPlate_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<QRect>("first");
    QTest::addColumn<QRect>("second");
    QTest::newRow("punched at 0") << 0 << Box(10, 29, 25, 44) << Box(49, 29, 64, 44);
    QTest::newRow("turned 90") << 90 << Box(29, 10, 44, 25) << Box(29, 49, 44, 64);
    QTest::newRow("turned 180") << 180 << Box(10, 29, 25, 44) << Box(49, 29, 64, 44);
    QTest::newRow("turned 45: rising diagonal") << 45 << Box(46, 20, 61, 35) << Box(20, 46, 35, 61);
    QTest::newRow("turned 135: falling diagonal") << 135 << Box(20, 20, 35, 35) << Box(46, 46, 61, 61);
}

void TestPlateDraw::circlePairTurnsWithPlate()
{
    QFETCH(int, angle);
    QFETCH(QRect, first);
    QFETCH(QRect, second);
    TOpgave plate = BlankPlate(angle);
    plate.FCircleHoles[2] = 1;
    const QImage image = Render(plate);
    const auto isHole = [](QRgb c) { return c == RgbOnly(Black) || c == RgbOnly(Silver); };
    QCOMPARE(BoundsWhere(image, isHole), first | second);
    QCOMPARE(BoundsWhere(image.copy(first), isHole), QRect(QPoint(0, 0), first.size()));
    QCOMPARE(BoundsWhere(image.copy(second), isHole), QRect(QPoint(0, 0), second.size()));
    QCOMPARE(Px(image, first.center().x(), first.center().y()), RgbOnly(Silver));
    QCOMPARE(Px(image, first.left(), first.center().y()), RgbOnly(Black));
    QCOMPARE(Px(image, first.left(), first.top()), RgbOnly(White)); // round, not square
}

void TestPlateDraw::squareCentreHole()
{
    TOpgave plate = BlankPlate();
    plate.FCentreHoles = chSquareStraight;
    QImage image = Render(plate);
    // Upright: polygon (30,30) (42,30) (42,42) (30,42).
    QCOMPARE(BoundsWhere(image, [](QRgb c) { return c != RgbOnly(White) && c != RgbOnly(BackgroundRgb()); }),
             QRect(QPoint(30, 30), QPoint(42, 42)));
    for (const QPoint p : {QPoint(30, 30), QPoint(42, 30), QPoint(42, 42), QPoint(30, 42), QPoint(36, 30)})
        QCOMPARE(Px(image, p.x(), p.y()), RgbOnly(Black));
    QCOMPARE(Px(image, 36, 36), RgbOnly(Silver));

    // After a 45 turn it stands on a corner: (40,31) (49,40) (40,49) (31,40).
    plate.FAngle = 45;
    image = Render(plate);
    for (const QPoint p : {QPoint(40, 31), QPoint(49, 40), QPoint(40, 49), QPoint(31, 40)})
        QCOMPARE(Px(image, p.x(), p.y()), RgbOnly(Black));
    QCOMPARE(Px(image, 40, 40), RgbOnly(Silver));
    QCOMPARE(Px(image, 34, 34), RgbOnly(White));
    QCOMPARE(Px(image, 33, 40), RgbOnly(Silver));

    // One punched while diagonal is a diamond on the straight plate.
    plate.FAngle = 0;
    plate.FCentreHoles = chSquareDiagonal;
    image = Render(plate);
    for (const QPoint p : {QPoint(36, 27), QPoint(45, 36), QPoint(36, 45), QPoint(27, 36)})
        QCOMPARE(Px(image, p.x(), p.y()), RgbOnly(Black));
    QCOMPARE(Px(image, 30, 30), RgbOnly(White));
}

void TestPlateDraw::squarePairOrientation()
{
    // A pair on an odd axis was punched while the plate stood diagonal, upright
    // on the screen; it is upright whenever the plate is diagonal again.
    TOpgave plate = BlankPlate(45);
    plate.FSquareHoles[3] = 1; // direction 2 at 45
    QImage image = Render(plate);
    // Upright on the diagonal grid: (5,31)+(3,3)..(15,15) and (58,31)+...
    for (const QPoint p : {QPoint(8, 34), QPoint(20, 34), QPoint(20, 46), QPoint(8, 46), QPoint(61, 34), QPoint(73, 46)})
        QCOMPARE(Px(image, p.x(), p.y()), RgbOnly(Black));
    QCOMPARE(Px(image, 14, 40), RgbOnly(Silver));

    // Turned on by 45 the same pair shows as diamonds on the vertical.
    plate.FAngle = 90;
    image = Render(plate);
    QCOMPARE(plate.DirectionOf(3), std::uint8_t(1));
    // Rising diagonal of the straight grid: (49,10) and (10,49), diamonds.
    for (const QPoint p : {QPoint(56, 8), QPoint(65, 17), QPoint(56, 26), QPoint(47, 17), QPoint(17, 47), QPoint(8, 56)})
        QCOMPARE(Px(image, p.x(), p.y()), RgbOnly(Black));
    QCOMPARE(Px(image, 56, 17), RgbOnly(Silver));
    QCOMPARE(Px(image, 50, 11), RgbOnly(White));
}

void TestPlateDraw::holesOverStripesCirclesOverSquares()
{
    TOpgave plate = BlankPlate();
    plate.FStripes[2] = 2;
    plate.FSquareHoles[2] = 1;
    plate.FCircleHoles[2] = 1;
    plate.FCentreHoles = chCircle | chSquareStraight;
    const QImage image = Render(plate);
    QCOMPARE(Px(image, 17, 36), RgbOnly(Silver)); // hole over stripe
    QCOMPARE(Px(image, 10, 36), RgbOnly(Black));  // circle's edge over the square's inside
    QCOMPARE(Px(image, 11, 30), RgbOnly(Black));  // square's corner outside the circle
    QCOMPARE(Px(image, 30, 30), RgbOnly(Black));  // centre square's corner stays
    QCOMPARE(Px(image, 29, 36), RgbOnly(Black));  // centre circle's edge
    QCOMPARE(Px(image, 8, 36), RgbOnly(Blue));    // stripe left of the holes
}

void TestPlateDraw::halfTurnDrawsSamePicture()
{
    for (int angle = 0; angle < 180; angle += 45) {
        QCOMPARE(Render(BusyPlate(angle)), Render(BusyPlate(angle + 180)));
        QCOMPARE(Render(BusyPlate(angle), true), Render(BusyPlate(angle + 180), true));
    }
    QVERIFY(Render(BusyPlate(0)) != Render(BusyPlate(90)));
}

void TestPlateDraw::lyingPlate_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<bool>("withBorder");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("straight") << 0 << false << Box(7, 36, 67, 38) << White;
    QTest::newRow("straight, border") << 180 << true << Box(7, 36, 67, 38) << Black;
    QTest::newRow("diagonal") << 45 << false << Box(0, 39, 80, 41) << White;
    QTest::newRow("diagonal, border") << 135 << true << Box(0, 39, 80, 41) << Black;
}

void TestPlateDraw::lyingPlate()
{
    QFETCH(int, angle);
    QFETCH(bool, withBorder);
    QFETCH(QRect, bounds);
    QFETCH(QRgb, colour);
    TOpgave plate = BusyPlate(angle); // features do not show edge-on
    plate.FLying = true;
    const QImage image = Render(plate, withBorder);
    QCOMPARE(ChangedBounds(image), bounds);
    QCOMPARE(CountOf(image, colour), bounds.width() * bounds.height());
}

void TestPlateDraw::nothingOutsideThePlate()
{
    // Stripes and holes stay on the plate; around it the canvas keeps its own
    // pixels, whatever they are.
    for (int angle = 0; angle < 360; angle += 45) {
        const QImage blank = Render(BlankPlate(angle));
        const QImage busy = Render(BusyPlate(angle));
        for (int y = 0; y < blank.height(); ++y)
            for (int x = 0; x < blank.width(); ++x)
                if (Px(blank, x, y) == RgbOnly(BackgroundRgb()))
                    QVERIFY2(Px(busy, x, y) == RgbOnly(BackgroundRgb()),
                             qPrintable(QStringLiteral("angle %1 (%2,%3)").arg(angle).arg(x).arg(y)));
        QVERIFY(busy != blank);
    }
}


// On a 2x or 3x grid the plate covers the same logical area as at 1x (within
// the logical pixel that an edge one device pixel wide gives or takes), each
// colour covers about as much of it, and the picture has finer steps than
// k x k blocks.
void TestPlateDraw::finerGridCoversSameArea()
{
    for (const int angle : {0, 45, 90, 135}) {
        const TOpgave plate = BusyPlate(angle);
        const QImage one = PlateImage(plate, true, 1, BackgroundRgb());
        for (const int grid : {2, 3}) {
            const QString where = QStringLiteral("angle %1 grid %2").arg(angle).arg(grid);
            const QImage fine = PlateImage(plate, true, grid, BackgroundRgb());
            QCOMPARE(fine.size(), QSize(80 * grid, 81 * grid));
            QCOMPARE(fine.deviceIndependentSize(), QSizeF(80, 81));
            const QRect a = ChangedBounds(one);
            const QRect b = ChangedBounds(fine);
            const QRect outer((a.topLeft() - QPoint(1, 1)) * grid, QSize(a.width() + 2, a.height() + 2) * grid);
            QVERIFY2(outer.contains(b) && b.width() >= (a.width() - 1) * grid, qPrintable(where));
            for (const QRgb colour : {White, Silver, Blue}) {
                const double ratio = double(CountOf(fine, colour)) / (grid * grid * CountOf(one, colour));
                QVERIFY2(ratio > 0.8 && ratio < 1.25, qPrintable(where + QStringLiteral(" colour %1 ratio %2").arg(colour, 0, 16).arg(ratio)));
            }
            int mixed = 0;
            for (int y = 0; y + grid <= fine.height(); y += grid)
                for (int x = 0; x + grid <= fine.width(); x += grid)
                    for (int k = 1; k < grid * grid; ++k)
                        if (Px(fine, x + k % grid, y + k / grid) != Px(fine, x, y)) {
                            ++mixed;
                            break;
                        }
            QVERIFY2(mixed > 100, qPrintable(QString::number(mixed)));
        }
    }
}

QTEST_MAIN(TestPlateDraw)
#include "test_plate_draw.moc"
