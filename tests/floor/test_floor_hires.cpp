// SPDX-License-Identifier: GPL-3.0-or-later
// The floor on a screen of device pixel ratio 2: the window draws the factory
// and the machines from their high-resolution versions, not from 1x pictures
// blown up to blocks of 2 x 2 pixels.
#include "floor_fixture.h"

#include "model/draw_grid.h"

#include <QApplication>

namespace {

// Of the aligned 2 x 2 blocks on an edge (a block that differs from its right
// or lower neighbour), the share that are not one colour. A 1x picture
// enlarged twice has none.
double FineEdgeShare(const QImage& picture)
{
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    int edges = 0, fine = 0;
    for (int y = 0; y + 3 < img.height(); y += 2)
        for (int x = 0; x + 3 < img.width(); x += 2) {
            const QRgb c = img.pixel(x, y);
            if (img.pixel(x + 2, y) == c && img.pixel(x, y + 2) == c)
                continue;
            ++edges;
            if (img.pixel(x + 1, y) != c || img.pixel(x, y + 1) != c || img.pixel(x + 1, y + 1) != c)
                ++fine;
        }
    return edges ? double(fine) / edges : 0.0;
}

} // namespace

class TFloorHiResTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void factoryAndMachinesAreDrawnFinerThanBlocks();
};

void TFloorHiResTest::factoryAndMachinesAreDrawnFinerThanBlocks()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    auto floor = MakeFloor();
    QVERIFY(floor);
    const QImage factory = floor->ImageVorlen->grab().toImage();
    QCOMPARE(factory.size(), QSize(1584, 1066));
    QVERIFY2(FineEdgeShare(factory) > 0.5, qPrintable(QString::number(FineEdgeShare(factory))));

    // A machine placed by the player shows its high-resolution first frame,
    // over the factory's floor of the same grid.
    PlaceLine(*floor, {{{mcHoles, 4}, {mcRotate, 1}, {mcStripe, 2}, {mcNone, 0}, {mcNone, 0}, {mcNone, 0},
                        {mcNone, 0}, {mcNone, 0}}});
    for (int i = 0; i < 3; ++i) {
        TPictureBox* machine = floor->imContainer[std::size_t(i)];
        QVERIFY(machine->isVisible());
        QCOMPARE(GridOf(machine->Canvas()), 2);
        const QImage shown = machine->grab().toImage();
        QCOMPARE(shown.size(), QSize(160, 96));
        // Machines have many straight edges on whole logical pixels, which
        // fall on block borders; their round and slanted parts do not.
        QVERIFY2(FineEdgeShare(shown) > 0.25, qPrintable(machine->objectName()));
    }
}

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TFloorHiResTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_floor_hires.moc"
