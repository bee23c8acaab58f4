// SPDX-License-Identifier: GPL-3.0-or-later
// The floor on two screens, of device pixel ratio 1 and 2. On the first it
// is exactly the 1x game and reads nothing of the high-resolution versions;
// moved to the second it draws the factory, the machines and the plate from
// them, not from 1x pictures blown up to blocks of 2 x 2 pixels; moved back
// it is the 1x game again.
#include "floor_fixture.h"
#include "support/two_screens.h"

#include "model/draw_grid.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

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

void MoveTo(QWidget& window, QScreen* screen)
{
    window.windowHandle()->setScreen(screen);
    window.move(screen->geometry().topLeft());
    QCoreApplication::processEvents();
}

} // namespace

class TFloorHiResTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void followsTheScreensRatio();
};

void TFloorHiResTest::followsTheScreensRatio()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 2);
    QCOMPARE(screens[0]->devicePixelRatio(), 1.0);
    QCOMPARE(screens[1]->devicePixelRatio(), 2.0);

    auto floor = MakeFloor();
    QVERIFY(floor);
    MoveTo(*floor, screens[0]);
    PlaceLine(*floor, {{{mcHoles, 4}, {mcRotate, 1}, {mcStripe, 2}, {mcNone, 0}, {mcNone, 0}, {mcNone, 0},
                        {mcNone, 0}, {mcNone, 0}}});
    FakeRunResult(*floor);
    floor->FPlateBox->FOnPaint = [&floor](TPlateBox* box) { floor->pbOpgavePaint(box); };
    floor->FPlateBox->Repaint();
    const QImage oneX = LoadPicture(QStringLiteral("ImageVorlen")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(floor->ImageVorlen->grab().toImage().convertToFormat(QImage::Format_RGB32), oneX);
    // A part repainted alone, as under the moving plate, shows the same pixels.
    const QRect part(37, 29, 101, 45);
    QImage exposed(floor->ImageVorlen->size(), QImage::Format_RGB32);
    exposed.fill(Qt::black);
    floor->ImageVorlen->render(&exposed, part.topLeft(), QRegion(part));
    QCOMPARE(exposed.copy(part), oneX.copy(part));
    const QImage machineOneX = floor->imContainer[0]->grab().toImage();
    const QImage plateOneX = floor->FPlateBox->Canvas();
    QCOMPARE(plateOneX.size(), QSize(80, 81));
    // Nothing of the high-resolution versions was even mapped.
    QVERIFY(!QFile::exists(QStringLiteral(":/pictures/ImageVorlen@2x")));

    MoveTo(*floor, screens[1]);
    const QImage factory = floor->ImageVorlen->grab().toImage();
    QCOMPARE(factory.size(), QSize(1584, 1066));
    QCOMPARE(factory.convertToFormat(QImage::Format_RGB32),
             LoadPicture(QStringLiteral("ImageVorlen"), 2).convertToFormat(QImage::Format_RGB32));
    QVERIFY2(FineEdgeShare(factory) > 0.5, qPrintable(QString::number(FineEdgeShare(factory))));
    for (int i = 0; i < 3; ++i) {
        TPictureBox* machine = floor->imContainer[std::size_t(i)];
        QCOMPARE(GridOf(machine->Canvas()), 2);
        const QImage shown = machine->grab().toImage();
        QCOMPARE(shown.size(), QSize(160, 96));
        // Machines have many straight edges on whole logical pixels, which
        // fall on block borders; their round and slanted parts do not.
        QVERIFY2(FineEdgeShare(shown) > 0.25, qPrintable(machine->objectName()));
    }
    const QImage plate = floor->FPlateBox->Canvas();
    QCOMPARE(plate.size(), QSize(160, 162));
    QCOMPARE(plate.devicePixelRatio(), 2.0);
    // The same plate on the finer grid: its 2 x 2 blocks average to the 1x
    // plate's colours nearly everywhere (the edges are thinner).
    int far = 0;
    const QImage half = plate.scaled(80, 81, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < 81; ++y)
        for (int x = 0; x < 80; ++x)
            far += std::abs(qGray(half.pixel(x, y)) - qGray(plateOneX.pixel(x, y))) > 96;
    QVERIFY2(far < 80 * 81 / 20, qPrintable(QString::number(far)));

    MoveTo(*floor, screens[0]);
    QCOMPARE(floor->ImageVorlen->grab().toImage().convertToFormat(QImage::Format_RGB32), oneX);
    QCOMPARE(floor->imContainer[0]->grab().toImage(), machineOneX);
    QCOMPARE(floor->FPlateBox->Canvas(), plateOneX);
}

int main(int argc, char** argv)
{
    // Two screens side by side, the second of twice the pixel density.
    QTemporaryDir dir;
    if (!UseTwoScreens(dir))
        return 1;
    QApplication app(argc, argv);
    TFloorHiResTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_floor_hires.moc"
