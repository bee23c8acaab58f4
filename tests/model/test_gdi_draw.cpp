// SPDX-License-Identifier: GPL-3.0-or-later
// The pixel-exact drawing primitives: box semantics, symmetry, closed
// outlines, and the same result on a scaled painter.
#include "model/draw_gdi.h"

#include "pixel_checks.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <vector>

namespace {

const QRgb PenRgb = qRgb(0, 0, 0);
const QRgb BrushRgb = qRgb(192, 192, 192);
const TGdiStyle Style = TGdiStyle::Solid(QColor(PenRgb), QColor(BrushRgb));

bool Drawn(const QImage& image, int x, int y)
{
    return image.valid(x, y) && Px(image, x, y) != RgbOnly(BackgroundRgb());
}

// Nothing but pen and brush; no brush pixel touches an untouched one, so the
// pen closes the shape all round.
void CheckClosedOutline(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = Px(image, x, y);
            if (c == RgbOnly(BackgroundRgb()))
                continue;
            QVERIFY2(c == RgbOnly(PenRgb) || c == RgbOnly(BrushRgb), qPrintable(QStringLiteral("(%1,%2)").arg(x).arg(y)));
            if (c == RgbOnly(BrushRgb))
                QVERIFY2(Drawn(image, x - 1, y) && Drawn(image, x + 1, y) && Drawn(image, x, y - 1) && Drawn(image, x, y + 1),
                         qPrintable(QStringLiteral("brush at the rim (%1,%2)").arg(x).arg(y)));
        }
}

// Every row and every column of the drawing is one unbroken run.
void CheckNoHoles(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        int first = -1, last = -1, count = 0;
        for (int x = 0; x < image.width(); ++x)
            if (Drawn(image, x, y)) {
                if (first < 0)
                    first = x;
                last = x;
                ++count;
            }
        QVERIFY2(count == 0 || count == last - first + 1, qPrintable(QStringLiteral("row %1").arg(y)));
    }
    for (int x = 0; x < image.width(); ++x) {
        int first = -1, last = -1, count = 0;
        for (int y = 0; y < image.height(); ++y)
            if (Drawn(image, x, y)) {
                if (first < 0)
                    first = y;
                last = y;
                ++count;
            }
        QVERIFY2(count == 0 || count == last - first + 1, qPrintable(QStringLiteral("column %1").arg(x)));
    }
}

QImage Ellipse(int w, int h, int left = 3, int top = 4)
{
    QImage image = FreshImage(w + 8, h + 8);
    QPainter painter(&image);
    GdiEllipse(painter, Style, left, top, left + w, top + h);
    return image;
}

QImage Polygon(const std::vector<QPoint>& points, QSize size = QSize(64, 64))
{
    QImage image = FreshImage(size.width(), size.height());
    QPainter painter(&image);
    GdiPolygon(painter, Style, points);
    return image;
}

std::vector<QPoint> RandomPolygon(QRandomGenerator& random, int corners, int extent)
{
    std::vector<QPoint> points;
    for (int k = 0; k < corners; ++k)
        points.emplace_back(4 + random.bounded(extent), 4 + random.bounded(extent));
    return points;
}

} // namespace

class TestGdiDraw : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rectangleBox_data();
    void rectangleBox();
    void hollowRectangleLeavesInside();
    void emptyBoxesDrawNothing();

    void ellipseBox_data();
    void ellipseBox();
    void ellipseShapeForAllSizes();

    void polygonVerticesAndRim_data();
    void polygonVerticesAndRim();
    void randomPolygons();
    void polygonIsTranslationInvariant();

    void line_data();
    void line();

    void scaledPainterEnlargesEveryPixel();
};

void TestGdiDraw::rectangleBox_data()
{
    QTest::addColumn<QRect>("corners"); // x1, y1, x2, y2 packed as left/top/right/bottom
    QTest::newRow("1x1") << QRect(QPoint(5, 5), QPoint(6, 6));
    QTest::newRow("2x2") << QRect(QPoint(5, 5), QPoint(7, 7));
    QTest::newRow("6x3") << QRect(QPoint(2, 9), QPoint(8, 12));
    QTest::newRow("3x3") << QRect(QPoint(0, 0), QPoint(3, 3));
    QTest::newRow("lying bar 60x2") << QRect(QPoint(7, 36), QPoint(67, 38));
    QTest::newRow("15x15") << QRect(QPoint(10, 29), QPoint(25, 44));
    QTest::newRow("reversed corners") << QRect(QPoint(25, 44), QPoint(10, 29));
}

void TestGdiDraw::rectangleBox()
{
    QFETCH(QRect, corners);
    const int x1 = corners.left(), y1 = corners.top(), x2 = corners.right(), y2 = corners.bottom();
    QImage image = FreshImage(80, 81);
    {
        QPainter painter(&image);
        GdiRectangle(painter, Style, x1, y1, x2, y2);
    }
    const QRect box = Box(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
    QCOMPARE(ChangedBounds(image), box);
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const bool rim = x == box.left() || x == box.right() || y == box.top() || y == box.bottom();
            QCOMPARE(Px(image, x, y), RgbOnly(rim ? PenRgb : BrushRgb));
        }
}

void TestGdiDraw::hollowRectangleLeavesInside()
{
    QImage image = FreshImage(20, 20);
    {
        QPainter painter(&image);
        GdiRectangle(painter, TGdiStyle::Hollow(QColor(PenRgb)), 2, 3, 12, 9);
    }
    QCOMPARE(CountOf(image, PenRgb), 2 * 10 + 2 * 6 - 4);
    QCOMPARE(Px(image, 5, 5), RgbOnly(BackgroundRgb()));
}

void TestGdiDraw::emptyBoxesDrawNothing()
{
    QImage image = FreshImage(20, 20);
    {
        QPainter painter(&image);
        GdiRectangle(painter, Style, 4, 4, 4, 10);
        GdiEllipse(painter, Style, 4, 4, 10, 4);
        GdiPolygon(painter, Style, std::vector<QPoint>{});
        GdiLine(painter, QColor(PenRgb), 6, 6, 6, 6);
    }
    QVERIFY(ChangedBounds(image).isNull());
}

void TestGdiDraw::ellipseBox_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("pixels"); // drawn pixels, -1: do not check
    QTest::newRow("1x1") << 1 << 1 << 1;
    QTest::newRow("2x2") << 2 << 2 << 4;
    QTest::newRow("6x3") << 6 << 3 << 14;
    QTest::newRow("3x6") << 3 << 6 << 14;
    QTest::newRow("1x9 line") << 1 << 9 << 9;
    QTest::newRow("hole 15x15") << 15 << 15 << -1;
    QTest::newRow("flat 40x2") << 40 << 2 << -1;
}

void TestGdiDraw::ellipseBox()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, pixels);
    const QImage image = Ellipse(w, h);
    QCOMPARE(ChangedBounds(image), QRect(3, 4, w, h));
    if (pixels >= 0)
        QCOMPARE(CountOf(image, PenRgb) + CountOf(image, BrushRgb), pixels);
    CheckClosedOutline(image);
}

void TestGdiDraw::ellipseShapeForAllSizes()
{
    for (int w = 1; w <= 33; ++w)
        for (int h = 1; h <= 33; ++h) {
            const QString size = QStringLiteral("%1x%2").arg(w).arg(h);
            const QImage image = Ellipse(w, h);
            QVERIFY2(ChangedBounds(image) == QRect(3, 4, w, h), qPrintable(size));
            // Mirror images about both middle lines of the box.
            for (int j = 0; j < h; ++j)
                for (int i = 0; i < w; ++i) {
                    const QRgb c = Px(image, 3 + i, 4 + j);
                    QVERIFY2(c == Px(image, 3 + w - 1 - i, 4 + j), qPrintable(size));
                    QVERIFY2(c == Px(image, 3 + i, 4 + h - 1 - j), qPrintable(size));
                }
            // Turning the box a quarter turn turns the ellipse with it.
            const QImage turned = Ellipse(h, w, 4, 3);
            for (int j = 0; j < h; ++j)
                for (int i = 0; i < w; ++i)
                    QVERIFY2(Px(image, 3 + i, 4 + j) == Px(turned, 4 + j, 3 + i), qPrintable(size));
            CheckNoHoles(image);
            CheckClosedOutline(image);
            if (QTest::currentTestFailed())
                return;
        }
}

void TestGdiDraw::polygonVerticesAndRim_data()
{
    QTest::addColumn<std::vector<QPoint>>("points");
    QTest::newRow("square") << std::vector<QPoint>{{7, 7}, {67, 7}, {67, 67}, {7, 67}};
    QTest::newRow("diamond") << std::vector<QPoint>{{40, 0}, {80, 40}, {40, 80}, {0, 40}};
    QTest::newRow("spike") << std::vector<QPoint>{{2, 2}, {60, 5}, {3, 4}};
    QTest::newRow("needle") << std::vector<QPoint>{{10, 3}, {11, 70}, {12, 3}};
    QTest::newRow("tilt frame") << std::vector<QPoint>{{8, 34}, {66, 34}, {68, 40}, {6, 40}};
    QTest::newRow("stripe") << std::vector<QPoint>{{60, 20}, {60, 20}, {60, 20}, {20, 60}, {20, 60}, {20, 60}};
    QTest::newRow("single point") << std::vector<QPoint>{{5, 6}};
}

void TestGdiDraw::polygonVerticesAndRim()
{
    QFETCH(std::vector<QPoint>, points);
    const QImage image = Polygon(points, QSize(90, 90));
    QRect corners;
    for (const QPoint& p : points) {
        QCOMPARE(Px(image, p.x(), p.y()), RgbOnly(PenRgb));
        corners |= QRect(p, p);
    }
    QCOMPARE(ChangedBounds(image), corners);
    CheckClosedOutline(image);
}

void TestGdiDraw::randomPolygons()
{
    QRandomGenerator random(20240611);
    for (int round = 0; round < 300; ++round) {
        const int corners = 3 + round % 6;
        const auto points = RandomPolygon(random, corners, 1 + random.bounded(55));
        const QImage image = Polygon(points);
        QRect bounds;
        for (const QPoint& p : points) {
            QVERIFY2(Px(image, p.x(), p.y()) == RgbOnly(PenRgb), qPrintable(QStringLiteral("round %1").arg(round)));
            bounds |= QRect(p, p);
        }
        QVERIFY2(ChangedBounds(image) == bounds, qPrintable(QStringLiteral("round %1").arg(round)));
        CheckClosedOutline(image);
        if (corners == 3)
            CheckNoHoles(image); // a triangle is convex
        if (QTest::currentTestFailed())
            return;
    }
}

void TestGdiDraw::polygonIsTranslationInvariant()
{
    QRandomGenerator random(7);
    for (int round = 0; round < 40; ++round) {
        auto points = RandomPolygon(random, 3 + round % 4, 25);
        const QImage here = Polygon(points);
        for (QPoint& p : points)
            p += QPoint(13, 21);
        const QImage there = Polygon(points);
        QVERIFY(here.copy(0, 0, 40, 40) == there.copy(13, 21, 40, 40));
    }
}

void TestGdiDraw::line_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("lying line") << QPoint(0, 39) << QPoint(80, 39);
    QTest::newRow("leftwards") << QPoint(20, 5) << QPoint(3, 5);
    QTest::newRow("down") << QPoint(4, 2) << QPoint(4, 30);
    QTest::newRow("shallow") << QPoint(2, 3) << QPoint(50, 17);
    QTest::newRow("steep up") << QPoint(30, 60) << QPoint(21, 1);
    QTest::newRow("diagonal") << QPoint(60, 20) << QPoint(20, 60);
    QTest::newRow("one step") << QPoint(9, 9) << QPoint(10, 10);
}

void TestGdiDraw::line()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QImage image = FreshImage(90, 90);
    {
        QPainter painter(&image);
        GdiLine(painter, QColor(PenRgb), from.x(), from.y(), to.x(), to.y());
    }
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    QCOMPARE(CountOf(image, PenRgb), steps);
    QCOMPARE(Px(image, from.x(), from.y()), RgbOnly(PenRgb));
    QCOMPARE(Px(image, to.x(), to.y()), RgbOnly(BackgroundRgb()));
    // The pixels stay inside the box spanned by both ends, one per step along
    // the longer axis.
    const QRect span(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                     QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
    QVERIFY(span.contains(ChangedBounds(image)));
    const bool alongX = std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
    for (int k = 0; k < steps; ++k) {
        int n = 0;
        for (int m = 0; m < 90; ++m) {
            const int x = alongX ? from.x() + (to.x() > from.x() ? k : -k) : m;
            const int y = alongX ? m : from.y() + (to.y() > from.y() ? k : -k);
            n += Px(image, x, y) == RgbOnly(PenRgb);
        }
        QCOMPARE(n, 1);
    }
}

void TestGdiDraw::scaledPainterEnlargesEveryPixel()
{
    // A printer paints through a scaled painter; every pixel must become a
    // whole block, antialiasing or not.
    const auto drawAll = [](QPainter& painter) {
        GdiRectangle(painter, Style, 1, 1, 4, 3);
        GdiEllipse(painter, Style, 5, 1, 20, 16);
        GdiPolygon(painter, Style, std::vector<QPoint>{{2, 18}, {20, 22}, {6, 30}});
        GdiLine(painter, QColor(PenRgb), 1, 31, 23, 25);
    };
    QImage small = FreshImage(24, 32);
    {
        QPainter painter(&small);
        drawAll(painter);
    }
    QImage large = FreshImage(96, 128);
    {
        QPainter painter(&large);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(4, 4);
        drawAll(painter);
        QVERIFY(painter.testRenderHint(QPainter::Antialiasing));
    }
    QCOMPARE(large, small.scaled(96, 128, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

QTEST_MAIN(TestGdiDraw)
#include "test_gdi_draw.moc"
